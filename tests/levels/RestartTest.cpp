#include "levels/BundledLevelTest.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"

#include <SDL.h>
#include <box2d/box2d.h>

#include <vector>

namespace {

constexpr size_t MOST_ROLLING_TICKS = 1500;

// Everything a player could see or the physics could feel of one object.
struct ObjectState {
    int kind, layer;
    float x, y;
    bool tool, removable, dragged;
    std::vector<float> picture;
    std::vector<float> body;

    bool operator==(const ObjectState& other) const
    {
        return kind == other.kind && layer == other.layer && x == other.x && y == other.y && tool == other.tool &&
               removable == other.removable && dragged == other.dragged && picture == other.picture &&
               body == other.body;
    }
};

struct LevelState {
    std::vector<ObjectState> objects;
    int bodies, joints;
    float cameraX, cameraY;
};

LevelState stateOf(const b2World* world)
{
    LevelState state{{}, world->GetBodyCount(), world->GetJointCount(), Singleton<cCamera>::instance().x(),
                     Singleton<cCamera>::instance().y()};
    for (const cObject* object : registry().inOrder()) {
        ObjectState entry{object->getKind(), object->getLayer(), object->getX(), object->getY(), object->isTool(),
                          object->isRemovable(), object->isDragged(), {}, {}};
        // The speaker's picture shows the sound switch, which a restart leaves alone.
        if (const cTexture* t = object->getTexture(); t && object->getKind() != KIND_MUTE_BUTTON) {
            entry.picture = {static_cast<float>(t->getId()), t->getWidth(), t->getHeight(), t->getAngle(),
                             t->getRed(), t->getGreen(), t->getBlue(), t->getAlpha()};
        }
        if (const b2Body* b = object->getBody()) {
            entry.body = {b->GetPosition().x, b->GetPosition().y, b->GetAngle(), b->GetLinearVelocity().x,
                          b->GetLinearVelocity().y, b->GetAngularVelocity(), static_cast<float>(b->IsAwake())};
        }
        state.objects.push_back(entry);
    }
    return state;
}

class RestartTest : public BundledLevelTest {
protected:
    // Holds right for as many ticks, or until the wheel takes its first star,
    // and gives the wheel's path.
    std::vector<b2Vec2> roll(size_t ticks, bool untilTool)
    {
        std::vector<b2Vec2> path;
        input().setKey(SDLK_RIGHT, cInput::DOWN);
        while (path.size() < ticks && !(untilTool && !tools().empty())) {
            tick();
            path.push_back(bodyOf(KIND_WHEEL)->GetPosition());
        }
        input().setKey(SDLK_RIGHT, cInput::UP);
        return path;
    }

    static void clickOn(const cObject* object)
    {
        pointAt(object->getX(), object->getY());
        click();
        tick();
    }

    static void typeKey(int key)
    {
        input().setKey(key, cInput::DOWN);
        tick();
        input().setKey(key, cInput::UP);
    }
};

// A player rolls on to the first star, takes its tool, switches the sound and
// the debug view off and on, and presses the restart button while carrying:
// every object is as it was built, in the same places with the same pictures,
// the stars back in the world, nothing carried; the switches stay; and the
// same keys play the same again.
TEST_F(RestartTest, TheRestartButtonPutsTheLevelBackAsItWasBuilt)
{
    tick();
    // The scenery out of view reads its pictures in the first ticks; the
    // rebuilt scenery shows them at once.
    while (Singleton<cTextureManager>::instance().loadNextWaiting()) {
    }
    const LevelState start = stateOf(level->getWorld());
    const std::vector<b2Vec2> firstRoll = roll(MOST_ROLLING_TICKS, true);
    ASSERT_FALSE(tools().empty()) << "no star reached in " << MOST_ROLLING_TICKS << " ticks";
    tick(2);
    clickOn(tools().front());
    ASSERT_FALSE(carried().empty());
    typeKey(SDLK_m);
    typeKey(SDLK_d);

    const cObject* button = firstOfKind(KIND_RESTART_BUTTON);
    ASSERT_NE(button, nullptr);
    clickOn(button);
    const LevelState restarted = stateOf(level->getWorld());
    EXPECT_TRUE(level->isMuted());
    EXPECT_TRUE(level->isDebugView());
    EXPECT_TRUE(carried().empty());
    EXPECT_TRUE(tools().empty());
    EXPECT_EQ(restarted.bodies, start.bodies);
    EXPECT_EQ(restarted.joints, start.joints);
    EXPECT_EQ(restarted.cameraX, start.cameraX);
    EXPECT_EQ(restarted.cameraY, start.cameraY);
    ASSERT_EQ(restarted.objects.size(), start.objects.size());
    for (size_t i = 0; i < start.objects.size(); ++i) {
        ASSERT_TRUE(restarted.objects[i] == start.objects[i])
            << "object " << i << " of kind " << start.objects[i].kind << " is not as it was built";
    }

    const std::vector<b2Vec2> secondRoll = roll(firstRoll.size(), false);
    for (size_t i = 0; i < firstRoll.size(); ++i) {
        ASSERT_EQ(secondRoll[i], firstRoll[i]) << "the wheel went another way in tick " << i + 1;
    }
}

} // namespace
