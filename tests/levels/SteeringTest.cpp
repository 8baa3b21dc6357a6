#include "levels/LevelTest.h"

#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <box2d/box2d.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr float TICK = 1.0f / 60.0f;
constexpr float GRAVITY = 20.0f;
constexpr int SETTLE_TICKS = 20;

class SteeringTest : public LevelTest {
protected:
    b2Body* wheel() const { return bodyOf(KIND_WHEEL); }
    b2Body* squirrel() const { return bodyOf(KIND_SQUIRREL); }
    cTexture* squirrelPicture() const { return firstOfKind(KIND_SQUIRREL)->getTexture(); }
    const LevelSounds& sounds() const { return level->getSounds(); }

    std::vector<b2Body*> playerBodies() const { return {wheel(), squirrel(), bodyOf(KIND_FOOT)}; }

    float playerMass() const
    {
        float mass = 0.0f;
        for (b2Body* body : playerBodies()) {
            mass += body->GetMass();
        }
        return mass;
    }

    // The joints only pass forces between the parts, so the momentum of the
    // whole player changes by exactly what the rules and gravity apply.
    b2Vec2 playerMomentum() const
    {
        b2Vec2 momentum(0.0f, 0.0f);
        for (b2Body* body : playerBodies()) {
            momentum += body->GetMass() * body->GetLinearVelocity();
        }
        return momentum;
    }

    void settleOnGround()
    {
        placePlayer(0.0f);
        tick(SETTLE_TICKS);
    }

    // Rolling along the ground without slipping, so that friction adds no torque.
    void rollAt(float angularVelocity)
    {
        const float speed = -angularVelocity * FlatLevel::WHEEL_REST_Y;
        for (b2Body* body : playerBodies()) {
            body->SetLinearVelocity(b2Vec2(speed, 0.0f));
        }
        wheel()->SetAngularVelocity(angularVelocity);
        squirrel()->SetAngularVelocity(0.0f);
    }

    // The wheel's spin a tick after rolling at angularVelocity, with key held
    // (0: none). Set against a tick without a key, the difference is the
    // rules' torque alone, whatever the ground and the wheel's damping take.
    float spinAfterATick(float angularVelocity, int key)
    {
        settleOnGround();
        rollAt(angularVelocity);
        if (key) {
            pressKey(key);
        }
        tick();
        if (key) {
            releaseKey(key);
        }
        return wheel()->GetAngularVelocity();
    }

    void placeInTheAir()
    {
        placePlayer(0.0f, 20.0f);
        tick();
    }
};

// The two arrows mirror each other: sign is +1 for right and -1 for left.
struct Arrow {
    int key;
    float sign;
    cSound* LevelSounds::*sound;
    cSound* LevelSounds::*otherSound;
};

void PrintTo(const Arrow& arrow, std::ostream* out) { *out << (arrow.sign > 0 ? "right" : "left"); }

const Arrow RIGHT{SDLK_RIGHT, 1.0f, &LevelSounds::rollRightSound, &LevelSounds::rollLeftSound};
const Arrow LEFT{SDLK_LEFT, -1.0f, &LevelSounds::rollLeftSound, &LevelSounds::rollRightSound};

class ArrowTest : public SteeringTest, public ::testing::WithParamInterface<Arrow> {};

TEST_P(ArrowTest, HoldingAnArrowOnGroundRollsTheWheelAndTurnsTheSquirrelThatWay)
{
    const Arrow& arrow = GetParam();
    settleOnGround();
    pressKey(arrow.key);
    tick(30);
    EXPECT_LT(arrow.sign * wheel()->GetAngularVelocity(), -3.0f);
    EXPECT_GT(arrow.sign * wheel()->GetPosition().x, 1.0f);
    EXPECT_GT(arrow.sign * squirrel()->GetAngle(), 0.05f) << "the squirrel leans back against the roll";
    EXPECT_EQ(squirrelPicture()->isMirroredX(), arrow.sign < 0);
    EXPECT_TRUE((sounds().*arrow.sound)->isPlaying());
    EXPECT_FALSE((sounds().*arrow.otherSound)->isPlaying());

    const float letGo = wheel()->GetPosition().x;
    releaseKey(arrow.key);
    tick(250);
    EXPECT_NEAR(wheel()->GetLinearVelocity().x, 0.0f, 0.3f) << "let go, the wheel coasts to a stop";
    EXPECT_NEAR(wheel()->GetPosition().x, letGo, 10.0f);
}

INSTANTIATE_TEST_SUITE_P(BothWays, ArrowTest, ::testing::Values(RIGHT, LEFT));

// Resting still for a while puts the player to sleep in the physics world.
TEST_F(SteeringTest, ASleepingPlayerWakesToTheArrows)
{
    placePlayer(0.0f);
    tick(90);
    ASSERT_FALSE(wheel()->IsAwake());
    pressKey(SDLK_RIGHT);
    tick(10);
    EXPECT_LT(wheel()->GetAngularVelocity(), -1.0f);
}

TEST_F(SteeringTest, ASleepingPlayerStillStandsOnTheGroundAndJumps)
{
    placePlayer(0.0f);
    tick(90);
    ASSERT_FALSE(wheel()->IsAwake());
    pressKey(SDLK_UP);
    tick();
    EXPECT_GT(wheel()->GetLinearVelocity().y, 3.0f);
}

TEST_F(SteeringTest, WheelBelowItsSpeedLimitGetsTheGroundTorque)
{
    const float coasting = spinAfterATick(-11.0f, 0);
    EXPECT_LT(spinAfterATick(-11.0f, SDLK_RIGHT), coasting - 0.2f);
}

class SpeedLimitTest : public SteeringTest, public ::testing::WithParamInterface<std::tuple<Arrow, float>> {};

TEST_P(SpeedLimitTest, WheelAtItsSpeedLimitGetsNoTorqueButTheSquirrelDoes)
{
    const auto& [arrow, limit] = GetParam();
    const float speed = -arrow.sign * limit;
    const float coasting = spinAfterATick(speed, 0);
    settleOnGround();
    rollAt(speed);
    pressKey(arrow.key);
    tick();
    EXPECT_NEAR(wheel()->GetAngularVelocity(), coasting, 0.05f);
    EXPECT_GT(arrow.sign * squirrel()->GetAngularVelocity(), 0.3f);
}

INSTANTIATE_TEST_SUITE_P(AtAndBeyond, SpeedLimitTest,
                         ::testing::Combine(::testing::Values(RIGHT, LEFT), ::testing::Values(12.0f, 13.0f)));

TEST_F(SteeringTest, InTheAirTheArrowsPushTheWheelSideways)
{
    placeInTheAir();
    const float push = 20.0f * TICK;

    b2Vec2 before = playerMomentum();
    pressKey(SDLK_RIGHT);
    tick();
    EXPECT_NEAR(playerMomentum().x - before.x, push, 1e-3f);
    EXPECT_NEAR(wheel()->GetAngularVelocity(), 0.0f, 1e-3f) << "no torque in the air";

    releaseKey(SDLK_RIGHT);
    pressKey(SDLK_LEFT);
    before = playerMomentum();
    tick();
    EXPECT_NEAR(playerMomentum().x - before.x, -push, 1e-3f);
    EXPECT_TRUE(squirrelPicture()->isMirroredX());
}

TEST_F(SteeringTest, DownPushesTheWheelDown)
{
    placeInTheAir();
    const b2Vec2 before = playerMomentum();
    pressKey(SDLK_DOWN);
    tick();
    const float expected = -(70.0f + GRAVITY * playerMass()) * TICK;
    EXPECT_NEAR(playerMomentum().y - before.y, expected, 1e-3f);
    EXPECT_NEAR(wheel()->GetAngularVelocity(), 0.0f, 1e-3f) << "pushed through its centre";
}

TEST_F(SteeringTest, UpJumpsFromTheGround)
{
    settleOnGround();
    pressKey(SDLK_UP);
    tick();
    EXPECT_NEAR(playerMomentum().y, 18.0f - GRAVITY * playerMass() * TICK, 0.05f);
    EXPECT_TRUE(sounds().jumpSound->isPlaying());
}

TEST_F(SteeringTest, UpPressedInTheAirIsUsedUpAndNotKeptForTheLanding)
{
    placePlayer(0.0f, 3.0f);
    tick();
    const b2Vec2 before = playerMomentum();
    pressKey(SDLK_UP);
    tick();
    EXPECT_NEAR(playerMomentum().y - before.y, -GRAVITY * playerMass() * TICK, 1e-3f);

    // The key stays down through the landing.
    float fastestUp = 0.0f;
    for (int i = 0; i < 90; ++i) {
        tick();
        fastestUp = std::max(fastestUp, wheel()->GetLinearVelocity().y);
    }
    EXPECT_NEAR(wheel()->GetPosition().y, FlatLevel::WHEEL_REST_Y, 0.05f) << "landed";
    EXPECT_LT(fastestUp, 1.0f);
    EXPECT_FALSE(sounds().jumpSound->isPlaying());
}

TEST_F(SteeringTest, BothArrowsOnGroundCancelAndLeaveTheSquirrelTurnedLeft)
{
    settleOnGround();
    pressKey(SDLK_RIGHT);
    pressKey(SDLK_LEFT);
    tick(10);
    EXPECT_NEAR(wheel()->GetAngularVelocity(), 0.0f, 0.05f);
    EXPECT_NEAR(wheel()->GetPosition().x, 0.0f, 0.05f);
    EXPECT_TRUE(squirrelPicture()->isMirroredX());
    EXPECT_TRUE(sounds().rollRightSound->isPlaying());
    EXPECT_TRUE(sounds().rollLeftSound->isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 2) << "each on a channel of its own";

    releaseKey(SDLK_LEFT);
    tick();
    EXPECT_TRUE(sounds().rollRightSound->isPlaying());
    EXPECT_FALSE(sounds().rollLeftSound->isPlaying());
    EXPECT_FALSE(squirrelPicture()->isMirroredX());
}

TEST_F(SteeringTest, RollSoundStartsOnceWhileTheKeyIsDownAndStopsWithIt)
{
    settleOnGround();
    EXPECT_EQ(Mix_Playing(-1), 0);
    pressKey(SDLK_RIGHT);
    tick();
    EXPECT_TRUE(sounds().rollRightSound->isPlaying());
    tick(5);
    EXPECT_EQ(Mix_Playing(-1), 1) << "not started again while it plays";

    releaseKey(SDLK_RIGHT);
    tick();
    EXPECT_FALSE(sounds().rollRightSound->isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

} // namespace
