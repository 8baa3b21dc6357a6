#include "levels/LevelTest.h"

#include "app/Camera.h"
#include "app/Singleton.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"

#include <box2d/box2d.h>

#include <cmath>
#include <functional>

namespace {

constexpr int PATIENCE = 90;

class BirdAndHazelnutTest : public LevelTest {
protected:
    static size_t countOfKind(int kind) { return registry().getAllOfKind(kind).size(); }

    static bool tickUntil(const std::function<bool()>& done)
    {
        for (int ticks = 0; ticks < PATIENCE && !done(); ++ticks) {
            tick();
        }
        return done();
    }

    static cTexture* birdAt(float x, float y, float red, float green, float blue)
    {
        cTexture* picture = createBird(world(), x, y, false).front()->getTexture();
        picture->setTint(red, green, blue);
        return picture;
    }

    static void dropCherry(float x, float y) { createCherry(world(), x, y, false, nullptr); }

    static cSound* hitSound() { return level->getSounds().hitSound; }
};

TEST_F(BirdAndHazelnutTest, ACherryThatHitsABirdIsEatenAndReddensIt)
{
    cTexture* bird = birdAt(0.0f, 5.0f, 0.3f, 0.1f, 0.1f);
    dropCherry(0.0f, 7.0f);
    ASSERT_TRUE(tickUntil([] { return countOfKind(KIND_CHERRY) == 0; }));
    EXPECT_FLOAT_EQ(bird->getRed(), 0.3f);
    EXPECT_FLOAT_EQ(bird->getGreen(), 0.1f - 0.04f);
    EXPECT_FLOAT_EQ(bird->getBlue(), 0.1f - 0.04f);
    EXPECT_TRUE(hitSound()->isPlaying());
}

TEST_F(BirdAndHazelnutTest, EveryCherryReddensTheBirdAgainWithoutLimit)
{
    cTexture* bird = birdAt(0.0f, 5.0f, 0.0f, -1.0f, -1.0f);
    dropCherry(-0.3f, 7.0f);
    dropCherry(0.3f, 7.0f);
    ASSERT_TRUE(tickUntil([] { return countOfKind(KIND_CHERRY) == 0; }));
    EXPECT_FLOAT_EQ(bird->getGreen(), -1.08f);
    EXPECT_FLOAT_EQ(bird->getBlue(), -1.08f);
}

TEST_F(BirdAndHazelnutTest, ACherryOnTwoBirdsAtOnceIsEatenByOneOfThem)
{
    cTexture* first = birdAt(0.0f, 5.0f, 0.0f, 0.0f, 0.0f);
    cTexture* second = birdAt(0.0f, 5.0f, 0.0f, 0.0f, 0.0f);
    dropCherry(0.0f, 7.0f);
    ASSERT_TRUE(tickUntil([] { return countOfKind(KIND_CHERRY) == 0; }));
    EXPECT_FLOAT_EQ(first->getGreen() + second->getGreen(), -0.04f);
}

TEST_F(BirdAndHazelnutTest, ACherryBeingDraggedOverABirdIsNotEaten)
{
    placePlayer(0.0f);
    addDragBox();
    cObject* tool = addStar(KIND_CHERRY_STAR, createCherry, 0.0f, 1.0f);
    cTexture* bird = birdAt(5.0f, 4.0f, 0.0f, 0.0f, 0.0f);
    tick();
    ASSERT_TRUE(tool->isTool());
    pointAt(tool->getX(), tool->getY());
    click();
    tick();
    ASSERT_EQ(carried().size(), 1u);

    pointAt(5.0f, 4.0f);
    tick(5);
    ASSERT_EQ(carried().size(), 1u);
    cObject* preview = carried().front();
    EXPECT_FLOAT_EQ(preview->getTexture()->getGreen(), -1.0f) << "it touches the bird";
    EXPECT_EQ(countOfKind(KIND_CHERRY), 1u);
    EXPECT_FLOAT_EQ(bird->getGreen(), 0.0f);
    EXPECT_FALSE(hitSound()->isPlaying());
}

TEST_F(BirdAndHazelnutTest, TheWheelTouchingTheHazelnutSendsANewOneUpFromItsSpot)
{
    placePlayer(0.0f);
    createHazelnut(world(), 0.0f, 3.0f, false, nullptr);
    ASSERT_TRUE(tickUntil([] {
        const cObject* nut = firstOfKind(KIND_HAZELNUT);
        return nut && nut->getBody()->GetPosition().x > 300.0f;
    }));
    EXPECT_EQ(countOfKind(KIND_HAZELNUT), 1u);
    const b2Body* nut = bodyOf(KIND_HAZELNUT);
    EXPECT_NEAR(nut->GetPosition().x, 311.79f, 0.02f);
    EXPECT_GT(nut->GetPosition().y, 23.3f);
    EXPECT_GT(nut->GetLinearVelocity().y, 5.0f);
    EXPECT_TRUE(hitSound()->isPlaying());
}

// Only the wheel sends the hazelnut to its spot: neither a ball that falls on
// it nor the ground it rests on.
TEST_F(BirdAndHazelnutTest, AHazelnutHitByABallOrRestingOnTheGroundStaysPut)
{
    const b2Body* nut = createHazelnut(world(), 0.0f, 1.0f, false, nullptr).front()->getBody();
    const b2Body* ball = createBowlingBall(world(), 0.0f, 4.0f, false, nullptr).front()->getBody();
    bool hit = false;
    for (int ticks = 0; ticks < PATIENCE; ++ticks) {
        tick();
        hit = hit || registry().isTouching(nut, ball);
    }
    EXPECT_TRUE(hit) << "the ball missed the hazelnut";
    ASSERT_EQ(countOfKind(KIND_HAZELNUT), 1u);
    const b2Vec2 at = bodyOf(KIND_HAZELNUT)->GetPosition();
    EXPECT_LT(std::fabs(at.x), 5.0f);
    EXPECT_LT(at.y, 2.0f) << "resting on the ground";
    EXPECT_FALSE(hitSound()->isPlaying());
}

} // namespace
