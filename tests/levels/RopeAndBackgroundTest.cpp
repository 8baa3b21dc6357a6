#include "levels/LevelTest.h"

#include "app/Camera.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "physics/Physics.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr float DEGREES_PER_RADIAN = 57.2957795f;

struct Rope {
    b2Vec2 anchor1;
    b2Vec2 anchor2;
};

class RopeAndBackgroundTest : public LevelTest {
protected:
    // A plank 6.8 wide between its rope ends, hung at (0, 5) from two anchors.
    static b2Body* hangPlank(b2Vec2 leftAnchor, b2Vec2 rightAnchor)
    {
        const b2Vec2 anchors[2] = {leftAnchor, rightAnchor};
        return createDistanceBox(world(), 0.0f, 5.0f, false, anchors).front()->getBody();
    }

    // Where the ropes are when the rules lay their pictures: before the step.
    static std::map<cObject*, Rope> ropes()
    {
        std::map<cObject*, Rope> found;
        for (b2Joint* joint = world()->GetJointList(); joint; joint = joint->GetNext()) {
            auto* picture = static_cast<cObject*>(physics::userData(joint));
            if (picture && picture->getKind() == KIND_JOINT_PICTURE) {
                found[picture] = {joint->GetAnchorA(), joint->GetAnchorB()};
            }
        }
        return found;
    }
};

// Also once the plank, after sleeping for a while, swings again.
TEST_F(RopeAndBackgroundTest, ARopePictureLiesAlongItsRope)
{
    b2Body* plank = hangPlank(b2Vec2(-4.0f, 10.0f), b2Vec2(3.0f, 9.0f));
    for (int round = 0; round < 2; ++round) {
        const std::map<cObject*, Rope> before = ropes();
        ASSERT_EQ(before.size(), 2u);
        tick();
        for (const auto& [picture, rope] : before) {
            const b2Vec2 along = rope.anchor2 - rope.anchor1;
            EXPECT_NEAR(picture->getX(), 0.5f * (rope.anchor1.x + rope.anchor2.x), 1e-4f) << round;
            EXPECT_NEAR(picture->getY(), 0.5f * (rope.anchor1.y + rope.anchor2.y), 1e-4f) << round;
            EXPECT_FLOAT_EQ(picture->getTexture()->getWidth(), 19.7f);
            EXPECT_NEAR(picture->getTexture()->getHeight(), along.Length(), 1e-4f) << round;
            const float tilt = -std::asin(along.x / along.y) * DEGREES_PER_RADIAN;
            EXPECT_NEAR(picture->getTexture()->getAngle(), tilt, 1e-3f) << round;
        }
        plank->SetAwake(false);
        tick(30);
        physics::applyImpulse(plank, b2Vec2(20.0f, 0.0f), plank->GetPosition());
        tick();
    }
}

// Left (-4, 10) to (-3.4, 5) leans 0.6 over 5; right (3.8, 9) to (3.4, 5) 0.4 over 4 the other way.
TEST_F(RopeAndBackgroundTest, RopePicturesLeanTheWayTheirRopesDo)
{
    hangPlank(b2Vec2(-4.0f, 10.0f), b2Vec2(3.8f, 9.0f));
    tick();
    ASSERT_EQ(ropes().size(), 2u);
    for (const auto& [picture, rope] : ropes()) {
        const float angle = picture->getTexture()->getAngle();
        if (picture->getX() < 0.0f) {
            EXPECT_NEAR(angle, std::asin(0.12f) * DEGREES_PER_RADIAN, 0.05f);
        } else {
            EXPECT_NEAR(angle, -std::asin(0.1f) * DEGREES_PER_RADIAN, 0.05f);
        }
    }
}

class FlatRopeTest : public RopeAndBackgroundTest, public ::testing::WithParamInterface<float> {};

// Ropes more horizontal than 45 degrees have no angle by the hanging rule.
TEST_P(FlatRopeTest, AFlatRopeLiesFlatInsteadOfLosingItsAngle)
{
    hangPlank(b2Vec2(-12.0f, GetParam()), b2Vec2(12.0f, GetParam()));
    tick();
    ASSERT_EQ(ropes().size(), 2u);
    for (const auto& [picture, rope] : ropes()) {
        const float angle = picture->getTexture()->getAngle();
        EXPECT_TRUE(std::isfinite(angle));
        EXPECT_NEAR(std::fabs(angle), 90.0f, 1e-3f);
    }
}

INSTANTIATE_TEST_SUITE_P(AboveAndLevel, FlatRopeTest, ::testing::Values(5.5f, 5.0f));

// The background's copies stand where a picture repeating every 39.7 units
// from nine tenths of the camera's x would, and together span any view.
TEST_F(RopeAndBackgroundTest, TheBackgroundCoversAnyViewMovingAtNineTenthsOfTheCamera)
{
    std::vector<cObject*> panels;
    for (int i = 0; i < 3; ++i) {
        panels.push_back(new cObject(-2, KIND_BACKGROUND));
        panels.back()->setTexture(new cTexture("images/background.png", 40.0f, 40.0f, 0.0f, 0.0f, 0.0f, false,
                                               false));
    }
    const cCamera& camera = Singleton<cCamera>::instance();
    cVideo& video = Singleton<cVideo>::instance();
    placePlayer(100.0f);
    for (const int width : {600, 640, 1120, 1700}) {
        video.resize(width, 480);
        tick();
        ASSERT_NEAR(camera.x(), 100.0f, 0.01f);
        float covered = camera.x() - camera.halfWidth();
        for (const cObject* panel : panels) {
            const float steps = (panel->getX() - 0.9f * camera.x()) / 39.7f;
            EXPECT_NEAR(steps, std::round(steps), 1e-3f) << width;
            EXPECT_FLOAT_EQ(panel->getY(), 0.9f * camera.y());
            if (panel->getX() - 20.0f <= covered) {
                covered = std::max(covered, panel->getX() + 20.0f);
            }
        }
        EXPECT_GE(covered, camera.x() + camera.halfWidth()) << width;
    }
    video.resize(640, 480);
}

} // namespace
