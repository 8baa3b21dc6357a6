#include "levels/ContactPoint.h"
#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"

#include <box2d/b2_body.h>

namespace {

class ObjectListTouchingTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        a = addBox(10.0f, 10.0f)->getBody();
        b = addBox(20.0f, 10.0f)->getBody();
        c = addBox(30.0f, 10.0f)->getBody();
    }

    void report(b2Body* first, b2Body* second, ContactState state = CONTACT_PERSISTED)
    {
        level->recordContact({first->GetFixtureList(), second->GetFixtureList(), nullptr, nullptr, b2Vec2_zero,
                              b2Vec2_zero, b2Vec2_zero, 0, state});
    }

    using Bodies = std::vector<b2Body*>;

    b2Body* a = nullptr;
    b2Body* b = nullptr;
    b2Body* c = nullptr;
};

TEST_F(ObjectListTouchingTest, EveryPointCountsOnceInPointOrderFromEitherSide)
{
    report(a, b);
    report(c, a);
    report(a, b);

    EXPECT_EQ(registry().getTouchingBodies(a), (Bodies{b, c, b}));
    EXPECT_EQ(registry().getTouchingBodies(b), (Bodies{a, a}));
    EXPECT_EQ(registry().getTouchingBodies(c), (Bodies{a}));
}

TEST_F(ObjectListTouchingTest, PairsAreSymmetricAndOthersDoNotTouch)
{
    report(a, b);

    EXPECT_TRUE(registry().isTouching(a, b));
    EXPECT_TRUE(registry().isTouching(b, a));
    EXPECT_FALSE(registry().isTouching(a, c));
    EXPECT_TRUE(registry().isTouchingAnything(b));
    EXPECT_FALSE(registry().isTouchingAnything(c));
    EXPECT_FALSE(registry().isTouching(a, nullptr));
}

TEST_F(ObjectListTouchingTest, PointsOfEveryStateCount)
{
    report(a, b, CONTACT_ADDED);
    report(a, c, CONTACT_REMOVED);

    EXPECT_TRUE(registry().isTouching(a, b));
    EXPECT_TRUE(registry().isTouching(a, c));
}

TEST_F(ObjectListTouchingTest, NothingTouchesBeforeAnyPointIsRecorded)
{
    EXPECT_TRUE(registry().getTouchingBodies(a).empty());
    EXPECT_FALSE(registry().isTouchingAnything(ground()));
}

TEST_F(ObjectListTouchingTest, NextStepForgetsThePointsOfTheLastOne)
{
    report(a, b);

    tick();

    EXPECT_FALSE(registry().isTouching(a, b));
}

} // namespace
