#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"
#include "physics/Physics.h"

#include <box2d/b2_body.h>
#include <box2d/b2_circle_shape.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_revolute_joint.h>

#include <cmath>

namespace {

constexpr float X = 40.0f;
constexpr float Y = 15.0f;

class FactoryPartsTest : public WorldTest {
protected:
    static std::vector<b2Joint*> jointsOf(b2Body* body)
    {
        std::vector<b2Joint*> joints;
        for (b2JointEdge* edge = body->GetJointList(); edge; edge = edge->next) {
            joints.push_back(edge->joint);
        }
        return joints;
    }

    static float radiusOf(b2Fixture* fixture)
    {
        EXPECT_EQ(fixture->GetType(), b2Shape::e_circle);
        return fixture->GetShape()->m_radius;
    }
};

TEST_F(FactoryPartsTest, PlayerIsFoundByKindAndHangsTogetherOnItsWheel)
{
    EXPECT_TRUE(createPlayer(world(), X, Y).empty());

    cObject* wheel = registry().getFirstOfKind(KIND_WHEEL);
    cObject* squirrel = registry().getFirstOfKind(KIND_SQUIRREL);
    cObject* foot = registry().getFirstOfKind(KIND_FOOT);
    ASSERT_TRUE(wheel && squirrel && foot);
    EXPECT_EQ(wheel->getLayer(), 1);
    EXPECT_EQ(squirrel->getLayer(), 0);
    EXPECT_EQ(foot->getLayer(), 0);
    EXPECT_EQ(foot->getTexture(), nullptr);
    EXPECT_EQ(wheel->getBody()->GetPosition(), b2Vec2(X, Y));
    EXPECT_EQ(squirrel->getBody()->GetPosition(), b2Vec2(X, Y - 0.2f));
    EXPECT_EQ(foot->getBody()->GetPosition(), b2Vec2(X, Y - 0.68f));
    EXPECT_FLOAT_EQ(radiusOf(wheel->getBody()->GetFixtureList()), 0.8f);
    EXPECT_FLOAT_EQ(squirrel->getBody()->GetAngularDamping(), 10.0f);
    EXPECT_TRUE(foot->getBody()->IsFixedRotation());
    EXPECT_FALSE(wheel->getBody()->IsFixedRotation());
    for (cObject* part : {wheel, squirrel, foot}) {
        EXPECT_EQ(objectOf(part->getBody()), part);
        EXPECT_EQ(part->getBody()->GetType(), b2_dynamicBody);
        for (b2Fixture* fixture : fixturesOf(part->getBody())) {
            EXPECT_EQ(fixture->GetFilterData().groupIndex, 1);
            EXPECT_EQ(fixture->IsSensor(), part == foot);
        }
    }
    const std::vector<b2Joint*> joints = jointsOf(wheel->getBody());
    ASSERT_EQ(joints.size(), 2u);
    for (b2Joint* joint : joints) {
        EXPECT_EQ(joint->GetType(), e_revoluteJoint);
        EXPECT_FALSE(joint->GetCollideConnected());
        EXPECT_LT(b2Distance(joint->GetAnchorA(), b2Vec2(X, Y)), 1e-5f);
    }
}

TEST_F(FactoryPartsTest, SkatePreviewKeepsItsThreePartsApart)
{
    for (bool preview : {true, false}) {
        const ObjectList made = createSkate(world(), X, Y, preview, nullptr);
        ASSERT_EQ(made.size(), 3u);
        EXPECT_EQ(made[1]->getBody()->GetPosition(), b2Vec2(X + 0.8f, Y - 0.05f));
        EXPECT_EQ(made[2]->getBody()->GetPosition(), b2Vec2(X - 0.8f, Y - 0.05f));
        EXPECT_EQ(made[1]->getTexture(), made[2]->getTexture());
        for (cObject* part : made) {
            for (b2Fixture* fixture : fixturesOf(part->getBody())) {
                EXPECT_EQ(fixture->GetFilterData().groupIndex, preview ? -2 : 0);
            }
        }
        EXPECT_EQ(jointsOf(made[0]->getBody()).size(), 2u);
        EXPECT_FLOAT_EQ(radiusOf(made[1]->getBody()->GetFixtureList()), 0.25f);
    }
}

TEST_F(FactoryPartsTest, BalanceLimitHoldsOnlyForTheRealOne)
{
    for (bool preview : {true, false}) {
        const ObjectList made = createBalance(world(), X, Y, preview, nullptr);
        ASSERT_EQ(made.size(), 2u);
        EXPECT_EQ(made[0]->getLayer(), 1);
        EXPECT_EQ(made[1]->getLayer(), 0);
        const std::vector<b2Joint*> joints = jointsOf(made[0]->getBody());
        ASSERT_EQ(joints.size(), 1u);
        ASSERT_EQ(joints[0]->GetType(), e_revoluteJoint);
        auto* hinge = static_cast<b2RevoluteJoint*>(joints[0]);
        EXPECT_EQ(hinge->IsLimitEnabled(), !preview);
        // The beam turns about the stand's "joint" marker, 0.3 above its origin.
        EXPECT_LT(b2Distance(made[1]->getBody()->GetPosition(), b2Vec2(X, Y + 0.3f)), 1e-4f);
        EXPECT_LT(b2Distance(hinge->GetAnchorA(), b2Vec2(X, Y + 0.3f)), 1e-4f);
    }
}

TEST_F(FactoryPartsTest, CannonBouncesFromItsMouthOnly)
{
    const ObjectList made = createCannon(world(), X, Y, false, nullptr);

    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0]->getKind(), KIND_CANNON);
    EXPECT_EQ(made[0]->getLayer(), 2);
    cObject* bounce = registry().getFirstOfKind(KIND_CANNON_BOUNCE);
    ASSERT_NE(bounce, nullptr);
    EXPECT_EQ(bounce->getBody(), nullptr);
    EXPECT_EQ(bounce->getTexture(), nullptr);
    int main = 0, mouth = 0;
    for (b2Fixture* fixture : fixturesOf(made[0]->getBody())) {
        EXPECT_FLOAT_EQ(fixture->GetDensity(), 3.0f);
        if (physics::userData(fixture) == bounce) {
            EXPECT_FLOAT_EQ(fixture->GetRestitution(), 4.0f);
            ++mouth;
        } else {
            EXPECT_EQ(physics::userData(fixture), nullptr);
            EXPECT_FLOAT_EQ(fixture->GetRestitution(), 0.2f);
            ++main;
        }
    }
    EXPECT_EQ(main, 2);
    EXPECT_EQ(mouth, 1);
}

TEST_F(FactoryPartsTest, DestroyingACannonTakesItsBounceMarkerAlong)
{
    const ObjectList made = createCannon(world(), X, Y, false, nullptr);

    level->destroyObject(made[0]);

    EXPECT_EQ(registry().getFirstOfKind(KIND_CANNON_BOUNCE), nullptr);
    EXPECT_EQ(registry().getFirstOfKind(KIND_CANNON), nullptr);
}

TEST_F(FactoryPartsTest, FirstBirdShowsItsOwnPictureAndLaterOnesTheOther)
{
    cTextureManager& pictures = Singleton<cTextureManager>::instance();
    if (pictures.find("images/bird.png") != 0) {
        GTEST_SKIP() << "a bird was made earlier in this process";
    }

    const ObjectList first = createBird(world(), X, Y, false);
    const ObjectList second = createBird(world(), X + 10.0f, Y, false);
    const ObjectList third = createBird(world(), X + 20.0f, Y, true);
    for (const ObjectList& bird : {first, second, third}) {
        bird[0]->getTexture()->loadWaiting();
    }

    ASSERT_NE(pictures.find("images/bird.png"), 0u);
    ASSERT_NE(pictures.find("images/bird2.png"), 0u);
    EXPECT_EQ(first[0]->getTexture()->getId(), pictures.find("images/bird.png"));
    EXPECT_EQ(second[0]->getTexture()->getId(), pictures.find("images/bird2.png"));
    EXPECT_EQ(third[0]->getTexture()->getId(), pictures.find("images/bird2.png"));
    EXPECT_FLOAT_EQ(first[0]->getTexture()->getWidth(), 3.4f);
}

TEST_F(FactoryPartsTest, BirdIsFixedInPlace)
{
    for (bool preview : {true, false}) {
        const ObjectList made = createBird(world(), X, Y, preview);
        ASSERT_EQ(made.size(), 1u);
        EXPECT_EQ(made[0]->getKind(), KIND_BIRD);
        b2Body* body = made[0]->getBody();
        EXPECT_EQ(body->GetType(), b2_staticBody);
        EXPECT_EQ(body->GetMass(), 0.0f);
        EXPECT_EQ(fixturesOf(body).size(), 3u);
        for (b2Fixture* fixture : fixturesOf(body)) {
            EXPECT_EQ(fixture->IsSensor(), preview);
            EXPECT_FLOAT_EQ(fixture->GetFriction(), 1.0f);
        }
    }
}

TEST_F(FactoryPartsTest, LevelFurnitureIsSolidWhateverTheMode)
{
    ObjectList made = createHazelnut(world(), X, Y, true, nullptr);
    for (auto factory : {createCardLeft, createCardRight, createCardTop, createDomino}) {
        for (cObject* object : factory(world(), X, Y)) {
            made.push_back(object);
        }
    }

    ASSERT_EQ(made.size(), 5u);
    for (cObject* object : made) {
        b2Body* body = object->getBody();
        EXPECT_EQ(body->GetType(), b2_dynamicBody);
        EXPECT_GT(body->GetMass(), 0.0f);
        EXPECT_FALSE(body->IsFixedRotation());
        ASSERT_NE(body->GetFixtureList(), nullptr);
        for (b2Fixture* fixture : fixturesOf(body)) {
            EXPECT_FALSE(fixture->IsSensor());
        }
    }
    EXPECT_EQ(made[0]->getKind(), KIND_HAZELNUT);
    EXPECT_TRUE(made[2]->getTexture()->isMirroredX());
    EXPECT_FALSE(made[1]->getTexture()->isMirroredX());
}

class HangingBoxTest : public FactoryPartsTest, public ::testing::WithParamInterface<bool> {
protected:
    bool springy() const { return GetParam(); }

    ObjectList build(bool preview)
    {
        const b2Vec2 anchors[2] = {b2Vec2(X - 3.4f, Y + 6.0f), b2Vec2(X + 3.4f, Y + 6.0f)};
        return (springy() ? createFrequencyBox : createDistanceBox)(world(), X, Y, preview, anchors);
    }
};

TEST_P(HangingBoxTest, PlankHangsFromTheAnchorsWithAPictureOnEachRope)
{
    const ObjectList made = build(true);

    ASSERT_EQ(made.size(), 1u);
    b2Body* plank = made[0]->getBody();
    EXPECT_FALSE(plank->IsFixedRotation());
    EXPECT_FALSE(plank->GetFixtureList()->IsSensor());
    EXPECT_EQ(plank->GetType(), b2_dynamicBody);
    const std::vector<b2Joint*> ropes = jointsOf(plank);
    ASSERT_EQ(ropes.size(), 2u);
    std::vector<b2Vec2> ends;
    for (b2Joint* rope : ropes) {
        ASSERT_EQ(rope->GetType(), e_distanceJoint);
        EXPECT_TRUE(rope->GetCollideConnected());
        EXPECT_EQ(rope->GetBodyA(), physics::groundBody(world()));
        auto* picture = static_cast<cObject*>(physics::userData(rope));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->getKind(), KIND_JOINT_PICTURE);
        EXPECT_EQ(picture->getLayer(), -1);
        EXPECT_NEAR(std::fabs(rope->GetAnchorA().x - X), 3.4f, 1e-4f);
        EXPECT_NEAR(rope->GetAnchorA().y, Y + 6.0f, 1e-4f);
        EXPECT_NEAR(rope->GetAnchorB().x, rope->GetAnchorA().x, 1e-4f);
        EXPECT_NEAR(rope->GetAnchorB().y, Y, 1e-4f);
    }
    EXPECT_NE(physics::userData(ropes[0]), physics::userData(ropes[1]));
}

TEST_P(HangingBoxTest, DestroyingThePlankTakesTheRopePicturesAlong)
{
    level->destroyObject(build(false)[0]);

    EXPECT_TRUE(registry().getAllOfKind(KIND_JOINT_PICTURE).empty());
}

INSTANTIATE_TEST_SUITE_P(Ropes, HangingBoxTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Frequency" : "Distance";
                         });

} // namespace
