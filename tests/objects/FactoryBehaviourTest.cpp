#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"
#include "physics/Physics.h"

#include <box2d/b2_body.h>
#include <box2d/b2_distance_joint.h>
#include <box2d/b2_revolute_joint.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TICKS_PER_SECOND = 60;
constexpr float QUARTER_TURN_HALF = 0.7853982f;
// Each spring's 1.3 Hz is for the mass its rope feels. At the ends of the
// plank that is under a third of the plank's mass, since a push there also
// turns it; so the two springs together bounce the plank up and down at
// 1.3 Hz x sqrt(2 / 3.375), about 1.0 Hz, as in the classic engine.
constexpr float PLANK_BOUNCE_PERIOD = 1.0f;

class FactoryBehaviourTest : public WorldTest {
protected:
    // A plank 6 units below its two anchors, high above the ground.
    b2Body* hangPlank(ObjectFactory factory, float x, float y)
    {
        const b2Vec2 anchors[2] = {b2Vec2(x - 3.4f, y + 6.0f), b2Vec2(x + 3.4f, y + 6.0f)};
        return factory(world(), x, y, false, anchors).front()->getBody();
    }

    static std::vector<b2DistanceJoint*> ropesOf(b2Body* body)
    {
        std::vector<b2DistanceJoint*> ropes;
        for (b2JointEdge* edge = body->GetJointList(); edge; edge = edge->next) {
            ropes.push_back(static_cast<b2DistanceJoint*>(edge->joint));
        }
        return ropes;
    }
};

TEST_F(FactoryBehaviourTest, DistanceBoxHangsStillFromItsAnchors)
{
    b2Body* plank = hangPlank(createDistanceBox, 20.0f, 20.0f);
    physics::applyImpulse(plank, b2Vec2(0.0f, -2.0f), plank->GetWorldPoint(b2Vec2(2.0f, 0.0f)));

    tick(4 * TICKS_PER_SECOND);

    EXPECT_LT(plank->GetLinearVelocity().Length(), 0.05f);
    EXPECT_LT(std::fabs(plank->GetAngularVelocity()), 0.05f);
    EXPECT_NEAR(plank->GetPosition().y, 20.0f, 0.02f);
    for (b2DistanceJoint* rope : ropesOf(plank)) {
        EXPECT_NEAR(b2Distance(rope->GetAnchorA(), rope->GetAnchorB()), 6.0f, 0.02f);
    }
}

TEST_F(FactoryBehaviourTest, FrequencyBoxBouncesOnItsSpringsAtAboutOneHertz)
{
    b2Body* plank = hangPlank(createFrequencyBox, 20.0f, 20.0f);
    tick();
    physics::applyImpulse(plank, b2Vec2(0.0f, -5.0f * plank->GetMass()), plank->GetWorldCenter());

    std::vector<float> crossings;
    float lastVy = plank->GetLinearVelocity().y;
    for (int t = 1; t <= 5 * TICKS_PER_SECOND; ++t) {
        tick();
        const float vy = plank->GetLinearVelocity().y;
        if ((vy > 0.0f) != (lastVy > 0.0f)) {
            crossings.push_back(static_cast<float>(t - 1) - lastVy / (vy - lastVy));
        }
        lastVy = vy;
    }

    ASSERT_GE(crossings.size(), 4u);
    const float halfPeriods = static_cast<float>(crossings.size() - 1);
    const float period = 2.0f * (crossings.back() - crossings.front()) / halfPeriods / TICKS_PER_SECOND;
    EXPECT_NEAR(period, PLANK_BOUNCE_PERIOD, 0.1f * PLANK_BOUNCE_PERIOD);
}

TEST_F(FactoryBehaviourTest, BallDroppedOnTheCannonMouthRisesHigherThanItFell)
{
    // The cannon's bed rests on the ground; its mouth faces up and to the right.
    createCannon(world(), 30.0f, 2.62f, false, nullptr);
    tick(30);
    const float dropHeight = 8.0f;
    b2Body* ball = createCherry(world(), 31.2f, dropHeight, false, nullptr).front()->getBody();

    float highest = 0.0f;
    bool bounced = false;
    for (int t = 0; t < 3 * TICKS_PER_SECOND; ++t) {
        tick();
        bounced = bounced || ball->GetLinearVelocity().y > 0.0f;
        if (bounced) {
            highest = std::max(highest, ball->GetPosition().y);
        }
    }

    EXPECT_GT(highest, dropHeight + 1.0f);
}

TEST_F(FactoryBehaviourTest, BirdAndTerrainStayWhereTheyAreWhateverHitsThem)
{
    b2Body* bird = createBird(world(), 10.0f, 5.0f, false).front()->getBody();
    b2Body* ball = createBowlingBall(world(), 11.0f, 9.0f, false, nullptr).front()->getBody();
    const b2Vec2 groundPlace = ground()->GetPosition();

    bool hit = false;
    for (int t = 0; t < 2 * TICKS_PER_SECOND; ++t) {
        tick();
        hit = hit || touching(bird, ball);
        ASSERT_EQ(bird->GetPosition(), b2Vec2(10.0f, 5.0f)) << "tick " << t;
        ASSERT_EQ(bird->GetAngle(), 0.0f) << "tick " << t;
        ASSERT_EQ(ground()->GetPosition(), groundPlace) << "tick " << t;
    }
    EXPECT_TRUE(hit);
    EXPECT_TRUE(touching(ball, ground()));
}

TEST_F(FactoryBehaviourTest, BalanceTipsUnderABowlingBallUpToItsStop)
{
    // High up, its stand held still: a light stand alone would topple under the
    // ball, and on the ground the beam's end would stop it first.
    const ObjectList balance = createBalance(world(), 50.0f, 10.0f, false, nullptr);
    b2Body* stand = balance[0]->getBody();
    b2Body* beam = balance[1]->getBody();
    stand->SetType(b2_staticBody);
    createBowlingBall(world(), 51.8f, 12.0f, false, nullptr);

    float steepest = 0.0f;
    for (int t = 0; t < 2 * TICKS_PER_SECOND; ++t) {
        tick();
        steepest = std::max(steepest, std::fabs(beam->GetAngle() - stand->GetAngle()));
    }

    // Box2D lets a limit give way by its angular slop under a hard blow.
    EXPECT_GT(steepest, QUARTER_TURN_HALF - 0.01f);
    EXPECT_LT(steepest, QUARTER_TURN_HALF + b2_angularSlop + 0.005f);
}

} // namespace
