#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

// The factories the stars hand out: each comes as a preview and for real.
struct StarFactory {
    std::string name;
    ObjectFactory factory;
    size_t objects;
};

void PrintTo(const StarFactory& factory, std::ostream* out) { *out << factory.name; }

const StarFactory STAR_FACTORIES[] = {
    {"BowlingBall", createBowlingBall, 1}, {"Cherry", createCherry, 1}, {"Skate", createSkate, 3},
    {"Balance", createBalance, 2},         {"Cannon", createCannon, 1},
};

class FactoryModesTest : public WorldTest, public ::testing::WithParamInterface<StarFactory> {
protected:
    ObjectList build(bool preview) { return GetParam().factory(world(), 30.0f, 12.0f, preview, nullptr); }

    // Every body the factory made, whether handed back or only jointed to one that was.
    std::vector<b2Body*> bodiesOf(const ObjectList& made)
    {
        std::vector<b2Body*> bodies;
        for (const cObject* object : made) {
            for (b2Body* body : bodiesAround(object)) {
                if (std::find(bodies.begin(), bodies.end(), body) == bodies.end()) {
                    bodies.push_back(body);
                }
            }
        }
        return bodies;
    }
};

TEST_P(FactoryModesTest, HandsBackItsObjectsWithTheirBodiesInTheRegistry)
{
    for (bool preview : {true, false}) {
        const ObjectList made = build(preview);
        ASSERT_EQ(made.size(), GetParam().objects);
        const ObjectList all = registry().getAll();
        for (cObject* object : made) {
            EXPECT_NE(std::find(all.begin(), all.end(), object), all.end());
            ASSERT_NE(object->getBody(), nullptr);
            EXPECT_EQ(objectOf(object->getBody()), object);
            EXPECT_NE(object->getTexture(), nullptr);
        }
        EXPECT_EQ(made.front()->getBody()->GetPosition(), b2Vec2(30.0f, 12.0f));
    }
}

TEST_P(FactoryModesTest, PreviewIsMadeOfSensorsThatDoNotTurn)
{
    for (b2Body* body : bodiesOf(build(true))) {
        EXPECT_TRUE(body->IsFixedRotation());
        ASSERT_NE(body->GetFixtureList(), nullptr);
        for (b2Fixture* fixture : fixturesOf(body)) {
            EXPECT_TRUE(fixture->IsSensor());
        }
    }
}

TEST_P(FactoryModesTest, RealObjectIsSolidTurnsAndHasMass)
{
    for (b2Body* body : bodiesOf(build(false))) {
        EXPECT_FALSE(body->IsFixedRotation());
        EXPECT_EQ(body->GetType(), b2_dynamicBody);
        EXPECT_GT(body->GetMass(), 0.0f);
        ASSERT_NE(body->GetFixtureList(), nullptr);
        for (b2Fixture* fixture : fixturesOf(body)) {
            EXPECT_FALSE(fixture->IsSensor());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stars, FactoryModesTest, ::testing::ValuesIn(STAR_FACTORIES),
                         [](const ::testing::TestParamInfo<StarFactory>& info) { return info.param.name; });

} // namespace
