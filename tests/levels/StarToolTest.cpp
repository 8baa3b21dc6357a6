#include "levels/LevelTest.h"

#include "app/Camera.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "levels/StarTool.h"
#include "levels/DragBox.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"

#include <SDL.h>
#include <box2d/box2d.h>

namespace {

constexpr float ANCHOR_X = 11.2f;
constexpr float ANCHOR_Y = 8.0f;

class StarToolTest : public LevelTest {
protected:
    static float anchorX() { return Singleton<cCamera>::instance().x() + ANCHOR_X; }
    static float anchorY() { return Singleton<cCamera>::instance().y() + ANCHOR_Y; }

    static void expectAt(const cObject* object, float x, float y)
    {
        EXPECT_FLOAT_EQ(object->getX(), x);
        EXPECT_FLOAT_EQ(object->getY(), y);
    }
};

TEST_F(StarToolTest, RollingIntoAStarMakesItATool)
{
    placePlayer(0.0f);
    cObject* star = addStar(KIND_BOWLING_STAR, createBowlingBall, 4.0f, 1.0f);
    tick();
    EXPECT_FALSE(star->isTool());

    // The rules test where the wheel was when the tick began.
    pressKey(SDLK_RIGHT);
    float reachedAt = 0.0f;
    float before = 0.0f;
    for (int ticks = 0; !star->isTool() && ticks < 120; ++ticks) {
        before = reachedAt;
        reachedAt = bodyOf(KIND_WHEEL)->GetWorldCenter().x;
        tick();
    }
    ASSERT_TRUE(star->isTool());
    // The picture is 2 wide: the wheel's centre reaches it 0.6 before its left edge.
    EXPECT_GE(reachedAt, 2.4f - 1e-4f);
    EXPECT_LT(before, 2.4f);
    EXPECT_TRUE(level->getSounds().pickupSound->isPlaying());
}

class StarPictureTest : public StarToolTest, public ::testing::WithParamInterface<StarTool> {};

TEST_P(StarPictureTest, ACollectedStarShowsItsToolPictureOnItsToolLayer)
{
    const StarTool& expected = GetParam();
    placePlayer(0.0f);
    cObject* star = addStar(expected.kind, createCherry, 0.0f, 1.0f);
    tick();
    ASSERT_TRUE(star->isTool());
    EXPECT_EQ(star->getLayer(), expected.layer);
    EXPECT_EQ(star->getKind(), expected.kind);
    EXPECT_EQ(star->getFactory(), createCherry);
    const cTexture* picture = star->getTexture();
    EXPECT_EQ(picture->getId(), Singleton<cTextureManager>::instance().find(expected.image));
    EXPECT_NE(picture->getId(), 0u);
    EXPECT_FLOAT_EQ(picture->getWidth(), expected.size);
    EXPECT_FLOAT_EQ(picture->getHeight(), expected.size);
    EXPECT_TRUE(level->getSounds().pickupSound->isPlaying());
}

INSTANTIATE_TEST_SUITE_P(EveryStar, StarPictureTest, ::testing::ValuesIn(STAR_TOOLS));

TEST_F(StarToolTest, ACollectedToolSitsAtThePanelAnchorAfterItsTick)
{
    placePlayer(0.0f);
    addDragBox();
    cObject* star = addStar(KIND_BOWLING_STAR, createBowlingBall, 0.0f, 1.0f);
    tick();
    ASSERT_TRUE(star->isTool());
    expectAt(star, anchorX(), anchorY());
}

TEST_F(StarToolTest, ToolsStackInLayerOrderLeavingNoGapForAnUncollectedOne)
{
    placePlayer(0.0f);
    addDragBox();
    cObject* button = addMuteButton(0.0f, 0.0f);
    // The speaker stands at the panel's foot, whether it holds tools or not.
    tick();
    expectAt(button, anchorX(), anchorY() - 11.8f);
    // Made before the bowling star, yet stacked below it.
    cObject* cherry = addStar(KIND_CHERRY_STAR, createCherry, 0.0f, 1.0f);
    cObject* balance = addStar(KIND_BALANCE_STAR, createBalance, 30.0f, 1.0f);
    cObject* bowling = addStar(KIND_BOWLING_STAR, createBowlingBall, 0.0f, 1.0f);
    tick(2);
    ASSERT_TRUE(bowling->isTool());
    ASSERT_TRUE(cherry->isTool());
    ASSERT_FALSE(balance->isTool());
    expectAt(bowling, anchorX(), anchorY());
    expectAt(cherry, anchorX(), anchorY() - 1.5f);
    expectAt(balance, 30.0f, 1.0f);
    expectAt(button, anchorX(), anchorY() - 11.8f);
}

// At every window shape the panel keeps its distance from the view's top right
// corner, with its tools and the speaker in it.
TEST_F(StarToolTest, InAnyWindowThePanelStaysInTheTopRightCorner)
{
    placePlayer(0.0f);
    cDragBox* box = addDragBox();
    cObject* button = addMuteButton(0.0f, 0.0f);
    cObject* bowling = addStar(KIND_BOWLING_STAR, createBowlingBall, 0.0f, 1.0f);
    cVideo& video = Singleton<cVideo>::instance();
    const cCamera& camera = Singleton<cCamera>::instance();
    for (const int width : {1280, 600, 1680}) {
        video.resize(width, 720);
        tick(2);
        const float right = camera.x() + 9.6f * static_cast<float>(width) / 720.0f;
        EXPECT_NEAR(box->getPanel()->getX(), right - (12.8f - ANCHOR_X), 1e-4) << width;
        EXPECT_NEAR(box->getPanel()->getY(), camera.y() + ANCHOR_Y, 1e-4);
        EXPECT_NEAR(bowling->getX(), box->getPanel()->getX(), 1e-4);
        EXPECT_NEAR(button->getY(), box->getPanel()->getY() - 11.8f, 1e-4);
        EXPECT_TRUE(box->contains(button->getX(), button->getY()));
    }
    video.resize(640, 480);
}

} // namespace

