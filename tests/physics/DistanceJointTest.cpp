#include "physics/Physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr float TIME_STEP = 1.0f / 60.0f;

class DistanceJointTest : public ::testing::Test {
protected:
    // A box 5 below its anchor at (x, 15).
    b2Body* hangBox(float frequencyHz, float x = 0.0f)
    {
        physics::BodyDef bodyDef;
        bodyDef.position.Set(x, 10.0f);
        b2Body* box = physics::createBody(world.get(), bodyDef);
        physics::ShapeDef shapeDef;
        shapeDef.density = 2.0f;
        physics::addBox(box, shapeDef, 0.5f, 0.5f);
        physics::setMassFromShapes(box);
        physics::createDistanceJoint(world.get(), physics::groundBody(world.get()), box, b2Vec2(x, 15.0f),
                                     box->GetWorldCenter(), frequencyHz, 0.0f, false, nullptr);
        return box;
    }

    // The time between every other turn of the vertical velocity, over five seconds.
    float bouncePeriod(b2Body* body)
    {
        body->ApplyLinearImpulse(b2Vec2(0.0f, -body->GetMass()), body->GetWorldCenter(), true);
        std::vector<float> turns;
        float lastVy = body->GetLinearVelocity().y;
        for (int t = 1; t <= 300; ++t) {
            world->Step(TIME_STEP, 10, 8);
            const float vy = body->GetLinearVelocity().y;
            if ((vy > 0.0f) != (lastVy > 0.0f)) {
                turns.push_back(static_cast<float>(t - 1) - lastVy / (vy - lastVy));
            }
            lastVy = vy;
        }
        EXPECT_GE(turns.size(), 4u);
        return turns.size() < 2 ? 0.0f
                                : 2.0f * (turns.back() - turns.front()) / static_cast<float>(turns.size() - 1) *
                                      TIME_STEP;
    }

    std::unique_ptr<b2World, void (*)(b2World*)> world{physics::createWorld(b2Vec2(0.0f, -20.0f), true),
                                                       physics::destroyWorld};
};

TEST_F(DistanceJointTest, SpringHeldAtTheCentreBouncesItsLoadAtItsFrequency)
{
    EXPECT_NEAR(bouncePeriod(hangBox(1.3f)), 1.0f / 1.3f, 0.02f);
    EXPECT_NEAR(bouncePeriod(hangBox(3.0f, 10.0f)), 1.0f / 3.0f, 0.02f);
}

TEST_F(DistanceJointTest, RopeOfFrequencyZeroKeepsItsLength)
{
    b2Body* box = hangBox(0.0f);
    box->ApplyLinearImpulse(b2Vec2(1.0f, -3.0f), box->GetWorldCenter(), true);

    for (int t = 0; t < 120; ++t) {
        world->Step(TIME_STEP, 10, 8);
        ASSERT_NEAR(b2Distance(box->GetWorldCenter(), b2Vec2(0.0f, 15.0f)), 5.0f, 0.02f) << "step " << t;
    }
}

} // namespace
