#include "levels/LevelTest.h"

#include "app/Application.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "levels/DragBox.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "support/FreshGame.h"

#include <SDL.h>

#include <unistd.h>

FlatLevel* LevelTest::level = nullptr;

void LevelTest::SetUp()
{
    ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
    ASSERT_TRUE(Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"));
    level = new FlatLevel;
    SDL_LockAudio();
}

void LevelTest::TearDown()
{
    SDL_UnlockAudio();
    endLevel(level);
    level = nullptr;
}

void LevelTest::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        cApplication::tick();
    }
}

void LevelTest::pressKey(int key) { input().setKey(key, cInput::DOWN); }

void LevelTest::releaseKey(int key) { input().setKey(key, cInput::UP); }

void LevelTest::placePlayer(float x, float y) { createPlayer(world(), x, y); }

cObject* LevelTest::addStar(int kind, ObjectFactory factory, float x, float y)
{
    auto* star = new cObject(1, kind);
    star->setPosition(x, y);
    star->setTexture(new cTexture("images/bowlingStar.png", 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false));
    star->setFactory(factory, world());
    return star;
}

cObject* LevelTest::addMuteButton(float x, float y)
{
    auto* button = new cObject(20, KIND_MUTE_BUTTON);
    button->setPosition(x, y);
    button->setTexture(new cTexture("images/mute.png", 1.2f, 1.2f, 0.0f, 0.0f, 0.0f, false, false));
    return button;
}

cDragBox* LevelTest::addDragBox() { return new cDragBox(level); }

void LevelTest::expectTint(const cObject* object, float red, float green, float blue)
{
    EXPECT_FLOAT_EQ(object->getTexture()->getRed(), red);
    EXPECT_FLOAT_EQ(object->getTexture()->getGreen(), green);
    EXPECT_FLOAT_EQ(object->getTexture()->getBlue(), blue);
}
