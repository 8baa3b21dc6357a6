#include "levels/LevelTest.h"

#include "app/Singleton.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"

#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float HOVER = 0.2f;

class HoverAndRemovalTest : public LevelTest {
protected:
    static ObjectList placed(const ObjectList& objects)
    {
        for (cObject* object : objects) {
            object->setRemovable(true);
        }
        return objects;
    }

    static void pointAtBody(const cObject* object, float dy = 0.0f)
    {
        pointAt(object->getBody()->GetPosition().x, object->getBody()->GetPosition().y + dy);
    }

    static bool isListed(const cObject* object)
    {
        const ObjectList all = registry().getAll();
        return std::find(all.begin(), all.end(), object) != all.end();
    }

    static cSound* removeSound() { return level->getSounds().removeSound; }
};

TEST_F(HoverAndRemovalTest, HoveringAPlacedObjectTintsItUntilTheMouseLeaves)
{
    cObject* ball = placed(createBowlingBall(world(), 0.0f, 0.8f, false, nullptr)).front();
    tick();
    pointAtBody(ball);
    tick();
    expectTint(ball, HOVER, HOVER, HOVER);
    tick();
    expectTint(ball, HOVER, HOVER, HOVER);

    pointAt(8.0f, 6.0f);
    tick();
    expectTint(ball, 0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(isListed(ball));
}

TEST_F(HoverAndRemovalTest, LevelObjectsAreNeitherTintedNorRemoved)
{
    cObject* ball = createBowlingBall(world(), 0.0f, 0.8f, false, nullptr).front();
    tick();
    const int bodies = world()->GetBodyCount();
    pointAtBody(ball);
    tick();
    expectTint(ball, 0.0f, 0.0f, 0.0f);
    click();
    tick();
    EXPECT_TRUE(isListed(ball));
    EXPECT_EQ(world()->GetBodyCount(), bodies);
    EXPECT_FALSE(removeSound()->isPlaying());
}

TEST_F(HoverAndRemovalTest, ClickingAPlacedObjectRemovesItWithASound)
{
    for (int button : {1, 3, 2}) {
        SCOPED_TRACE(button);
        cObject* ball = placed(createBowlingBall(world(), 0.0f, 0.8f, false, nullptr)).front();
        tick();
        const int bodies = world()->GetBodyCount();
        pointAtBody(ball);
        click(button);
        tick();
        EXPECT_FALSE(isListed(ball));
        EXPECT_EQ(world()->GetBodyCount(), bodies - 1);
        EXPECT_TRUE(removeSound()->isPlaying());
        removeSound()->stop();
    }
}

class SkateboardRemovalTest : public HoverAndRemovalTest, public ::testing::WithParamInterface<int> {};

// The board's deck lies 0.24 to 0.46 above its body; the wheels hang below it.
TEST_P(SkateboardRemovalTest, ClickingAnyPartOfAPlacedSkateboardRemovesAllOfIt)
{
    const ObjectList skate = placed(createSkate(world(), 0.0f, 0.3f, false, nullptr));
    ASSERT_EQ(skate.size(), 3u);
    tick(10);
    const int bodies = world()->GetBodyCount();
    const int joints = world()->GetJointCount();
    const size_t objects = registry().getAll().size();

    const int part = GetParam();
    pointAtBody(skate[part], part == 0 ? 0.35f : 0.0f);
    click();
    tick();
    EXPECT_EQ(world()->GetBodyCount(), bodies - 3);
    EXPECT_EQ(world()->GetJointCount(), joints - 2);
    EXPECT_EQ(registry().getAll().size(), objects - 3);
    EXPECT_TRUE(removeSound()->isPlaying());
}

// The hover shows what a click would take: every part, whichever is pointed at.
TEST_P(SkateboardRemovalTest, HoveringAnyPartOfAPlacedSkateboardTintsAllOfIt)
{
    const ObjectList skate = placed(createSkate(world(), 0.0f, 0.3f, false, nullptr));
    tick(10);
    const int part = GetParam();
    pointAtBody(skate[part], part == 0 ? 0.35f : 0.0f);
    tick();
    for (const cObject* member : skate) {
        expectTint(member, HOVER, HOVER, HOVER);
    }
}

INSTANTIATE_TEST_SUITE_P(BoardAndWheels, SkateboardRemovalTest, ::testing::Values(0, 1, 2));

// The beam's ends lie far from its body's position, and it has tipped over.
TEST_F(HoverAndRemovalTest, HoveringNearEveryCornerOfATippedBeamTintsIt)
{
    const ObjectList balance = placed(createBalance(world(), 0.0f, 0.74f, false, nullptr));
    const b2Body* beam = balance[1]->getBody();
    pointAt(3.0f, 4.0f);
    tick();
    physics::applyTorque(balance[1]->getBody(), 300.0f);
    tick(30);
    ASSERT_GT(std::fabs(beam->GetAngle()), 0.2f);
    int corners = 0;
    for (const b2Fixture* fixture = beam->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
        const auto* shape = static_cast<const b2PolygonShape*>(fixture->GetShape());
        for (int i = 0; i < shape->m_count; ++i, ++corners) {
            const b2Vec2 inside = shape->m_vertices[i] + 0.05f * (shape->m_centroid - shape->m_vertices[i]);
            const b2Vec2 at = beam->GetWorldPoint(inside);
            pointAt(at.x, at.y);
            tick();
            expectTint(balance[1], HOVER, HOVER, HOVER);
            pointAt(at.x, at.y + 20.0f);
            tick();
            expectTint(balance[1], 0.0f, 0.0f, 0.0f);
        }
    }
    EXPECT_GT(corners, 3);
}

TEST_F(HoverAndRemovalTest, ClickingAPlacedBalanceRemovesPivotAndBeam)
{
    const ObjectList balance = placed(createBalance(world(), 0.0f, 0.74f, false, nullptr));
    tick(10);
    const int bodies = world()->GetBodyCount();
    pointAtBody(balance[1]);
    click();
    tick();
    EXPECT_EQ(world()->GetBodyCount(), bodies - 2);
    EXPECT_EQ(world()->GetJointCount(), 0);
}

} // namespace
