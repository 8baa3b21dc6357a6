#include "levels/BundledLevelTest.h"

#include "app/Singleton.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "shapes/ShapeFile.h"

#include <box2d/box2d.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Markers = std::map<std::string, std::vector<b2Vec2>>;

const char* const DRAWING = "shapes/level.svg";
const char* const HANGING_BOXES[] = {"distanceBox", "distanceBox2", "frequencyBox2", "frequencyBox3",
                                     "frequencyBox4"};
constexpr float SAME_POINT = 1e-4f;

size_t countOf(const Markers& markers, const std::string& label)
{
    const auto found = markers.find(label);
    return found == markers.end() ? 0 : found->second.size();
}

std::vector<b2Body*> bodiesAt(b2World* world, b2Vec2 point)
{
    std::vector<b2Body*> found;
    for (b2Body* body = world->GetBodyList(); body; body = body->GetNext()) {
        if (b2Distance(body->GetPosition(), point) < SAME_POINT) {
            found.push_back(body);
        }
    }
    return found;
}

// The terrain is the one static body that belongs to a plain object (the
// birds are static too, but of their own kind; the world's ground body has no object).
std::vector<b2Body*> terrainBodies()
{
    std::vector<b2Body*> found;
    for (cObject* object : registry().getAllOfKind(KIND_PLAIN)) {
        if (object->getBody() && object->getBody()->GetType() == b2_staticBody) {
            found.push_back(object->getBody());
        }
    }
    return found;
}

class Level1LoadTest : public BundledLevelTest {
protected:
    void SetUp() override
    {
        BundledLevelTest::SetUp();
        markers = cShapeFile(DRAWING).getPoints();
    }

    b2World* world() const { return level->getWorld(); }
    b2Vec2 first(const std::string& label) const { return markers.at(label).front(); }

    Markers markers;
};

TEST_F(Level1LoadTest, EveryMarkedObjectHasABodyOnItsMarkerBeforeTheFirstTick)
{
    const char* const labels[] = {"player", "balance", "cherry", "bird", "cardLeft", "cardRight", "cardTop",
                                  "domino", "skate", "cannon", "hazelnut"};
    for (const char* label : labels) {
        ASSERT_GT(countOf(markers, label), 0u) << label;
        for (const b2Vec2& point : markers.at(label)) {
            EXPECT_FALSE(bodiesAt(world(), point).empty()) << label << " at " << point.x << ", " << point.y;
        }
    }
    for (const char* box : HANGING_BOXES) {
        EXPECT_EQ(bodiesAt(world(), first(box)).size(), 1u) << box;
    }
}

TEST_F(Level1LoadTest, TheWorldHoldsExactlyTheBodiesTheDrawingAsksFor)
{
    const size_t cards = countOf(markers, "cardLeft") + countOf(markers, "cardRight") + countOf(markers, "cardTop");
    // The world's own ground body, the terrain, the player's wheel, squirrel
    // and foot, the balance's stand and beam, the skateboard's deck and two
    // wheels, the cannon and the five planks.
    const size_t fixedParts = 1 + 1 + 3 + 2 + 3 + 1 + 5;
    const size_t expected = fixedParts + countOf(markers, "cherry") + 2 + cards + countOf(markers, "domino") +
                            countOf(markers, "hazelnut");
    EXPECT_EQ(static_cast<size_t>(world()->GetBodyCount()), expected);

    EXPECT_EQ(registry().getAllOfKind(KIND_CHERRY).size(), countOf(markers, "cherry"));
    EXPECT_EQ(registry().getAllOfKind(KIND_BIRD).size(), 2u);
    EXPECT_EQ(registry().getAllOfKind(KIND_HAZELNUT).size(), countOf(markers, "hazelnut"));
    EXPECT_EQ(registry().getAllOfKind(KIND_CANNON).size(), 1u);
    EXPECT_EQ(registry().getAllOfKind(KIND_CANNON_BOUNCE).size(), 1u);
    for (int part : {KIND_WHEEL, KIND_SQUIRREL, KIND_FOOT}) {
        EXPECT_EQ(registry().getAllOfKind(part).size(), 1u) << "kind " << part;
    }
    // Two ropes a plank.
    EXPECT_EQ(registry().getAllOfKind(KIND_JOINT_PICTURE).size(), 10u);
}

TEST_F(Level1LoadTest, EachPlankHangsFromTheAnchorsOfItsLabel)
{
    for (const std::string box : HANGING_BOXES) {
        const std::vector<b2Body*> planks = bodiesAt(world(), first(box));
        ASSERT_EQ(planks.size(), 1u) << box;
        std::vector<b2Vec2> anchors;
        for (b2JointEdge* edge = planks.front()->GetJointList(); edge; edge = edge->next) {
            ASSERT_EQ(edge->joint->GetType(), e_distanceJoint) << box;
            anchors.push_back(edge->joint->GetAnchorA());
        }
        ASSERT_EQ(anchors.size(), 2u) << box;
        const b2Vec2 left = first(box + "AnchorL");
        const b2Vec2 right = first(box + "AnchorR");
        const bool inOrder = b2Distance(anchors[0], left) < SAME_POINT && b2Distance(anchors[1], right) < SAME_POINT;
        const bool swapped = b2Distance(anchors[0], right) < SAME_POINT && b2Distance(anchors[1], left) < SAME_POINT;
        EXPECT_TRUE(inOrder || swapped) << box;
    }
}

TEST_F(Level1LoadTest, StarsWaitAtTheirMarkersWithoutABodyAndDoNotFall)
{
    const std::pair<int, const char*> stars[] = {{KIND_BOWLING_STAR, "bowlingStar"},
                                                 {KIND_BALANCE_STAR, "balanceStar"},
                                                 {KIND_CHERRY_STAR, "cherryStar"},
                                                 {KIND_SKATE_STAR, "skateStar"},
                                                 {KIND_CANNON_STAR, "cannonStar"}};
    tick(60);
    for (const auto& [kind, label] : stars) {
        const cObject* star = firstOfKind(kind);
        ASSERT_NE(star, nullptr) << label;
        EXPECT_EQ(star->getBody(), nullptr) << label;
        EXPECT_FALSE(star->isTool()) << label;
        EXPECT_FLOAT_EQ(star->getX(), first(label).x) << label;
        EXPECT_FLOAT_EQ(star->getY(), first(label).y) << label;
    }
}

TEST_F(Level1LoadTest, TheTerrainIsOneStaticBodyOfEverySolidOutlineWithFriction1)
{
    const cShapeFile drawing(DRAWING);
    size_t solidOutlines = 0;
    for (const auto& outline : drawing.getOutlines()) {
        solidOutlines += outline.size() >= 3 ? 1 : 0;
    }
    const std::vector<b2Body*> terrain = terrainBodies();
    ASSERT_EQ(terrain.size(), 1u);
    size_t shapes = 0;
    for (const b2Fixture* fixture = terrain.front()->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
        ++shapes;
        EXPECT_FLOAT_EQ(fixture->GetFriction(), 1.0f);
        EXPECT_FLOAT_EQ(fixture->GetRestitution(), 0.0f);
        EXPECT_FALSE(fixture->IsSensor());
    }
    EXPECT_EQ(shapes, solidOutlines);

    tick(60);
    EXPECT_EQ(terrain.front()->GetType(), b2_staticBody);
    EXPECT_EQ(terrain.front()->GetPosition(), b2Vec2(0.0f, 0.0f));
    EXPECT_EQ(terrain.front()->GetAngle(), 0.0f);
}

TEST_F(Level1LoadTest, ThePlayerStandsOnTheGroundAfterASecondAndNothingWasPrinted)
{
    tick(60);
    const b2Body* wheel = bodyOf(KIND_WHEEL);
    ASSERT_NE(wheel, nullptr);
    EXPECT_LT(wheel->GetLinearVelocity().Length(), 0.01f);
    EXPECT_NEAR(wheel->GetPosition().x, first("player").x, 0.01f);
    EXPECT_TRUE(registry().isTouching(bodyOf(KIND_FOOT), terrainBodies().front()));
    EXPECT_EQ(output.text(), "") << "nothing is printed while the level loads and runs";
}

} // namespace
