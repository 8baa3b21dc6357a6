#include "shapes/Drawing.h"

#include "shapes/ShapeFile.h"
#include "support/CoutCapture.h"

#include <algorithm>

namespace {

class ShapeFileBody : public testing::Test {
protected:
    void SetUp() override
    {
        world = physics::createWorld(b2Vec2(0.0f, -10.0f), true);
        body = physics::createBody(world, physics::BodyDef());
    }

    void TearDown() override { physics::destroyWorld(world); }

    std::vector<b2Fixture*> fixtures() const
    {
        std::vector<b2Fixture*> all;
        for (b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) {
            all.push_back(f);
        }
        return all;
    }

    b2World* world = nullptr;
    b2Body* body = nullptr;
};

bool hasVertex(const b2PolygonShape& shape, b2Vec2 point)
{
    const b2Vec2* end = shape.m_vertices + shape.m_count;
    return std::any_of(shape.m_vertices, end, [point](b2Vec2 v) { return b2DistanceSquared(v, point) < 1e-10f; });
}

// The same polygon, whatever corner Box2D chose to start from.
bool samePolygon(const b2Fixture* fixture, const std::vector<b2Vec2>& outline)
{
    const auto& shape = *static_cast<const b2PolygonShape*>(fixture->GetShape());
    return shape.m_count == static_cast<int32>(outline.size()) &&
           std::all_of(outline.begin(), outline.end(), [&shape](b2Vec2 p) { return hasVertex(shape, p); });
}

TEST_F(ShapeFileBody, EveryValidOutlineGoesOnTheBodyAndTheRestIsReported)
{
    const cShapeFile shapes = cShapeFile::fromText(
        "shapes/mixed.svg",
        drawing(pathElement("M 0,480 L 50,480 L 0,430 L 0,480 z") +
                pathElement("M 25,455 L 0,0", "#marker") +
                pathElement("M 0,480 L 50,480 L 25,470 L 50,430 L 0,430 L 0,480 z") +
                pathElement("M 100,480 L 110,480 L 118,474 L 121,465 L 118,456 L 110,450 "
                            "L 100,450 L 92,456 L 89,465 L 100,480 z") +
                pathElement("M 0,480 L 50,480 L 50,480 L 0,430 L 0,480 z") +
                pathElement("M 0,480 L 2.5,480 L 1.25,479.99995 L 0,480 z") +
                pathElement("M 0,400 L 0,350 L 50,350 L 50,400 L 0,400 z") +
                pathElement("M 25,480 L 25,430 L 75,480 L 25,480 z")));
    CoutCapture output;
    shapes.addShapes(body, physics::ShapeDef());

    const auto& outlines = shapes.getOutlines();
    const auto added = fixtures();
    ASSERT_EQ(added.size(), 3u);
    for (size_t solid : {0, 6, 7}) {
        EXPECT_TRUE(std::any_of(added.begin(), added.end(),
                                [&](const b2Fixture* f) { return samePolygon(f, outlines[solid]); }))
            << "outline " << solid + 1;
    }
    EXPECT_EQ(output.count("Skipped outline "), 4);
    for (int skipped : {3, 4, 5, 6}) {
        EXPECT_EQ(output.count("Skipped outline " + std::to_string(skipped) + " of shapes/mixed.svg: "), 1);
    }
}

// Found by the fuzzer: every corner turns left, yet each outline winds round
// twice. Box2D aborted on the thin one and quietly took the star's hull.
TEST_F(ShapeFileBody, OutlinesThatWindTwiceAreSkipped)
{
    const cShapeFile shapes = cShapeFile::fromText(
        "shapes/twice.svg",
        drawing(pathElement("M 0,480 L 2.5,480 L 1.25,479.99996 L 0,480 L 2.5,480 L 1.25,479.99995 L 0,480 z") +
                pathElement("M 100,250 L 70.61,340.45 L 147.55,284.55 L 52.45,284.55 L 129.39,340.45 L 100,250 z") +
                pathElement("M 0,480 L 50,480 L 0,430 L 0,480 L 50,480 L 0,430 L 0,480 z")));
    CoutCapture output;
    shapes.addShapes(body, physics::ShapeDef());
    EXPECT_EQ(body->GetFixtureList(), nullptr);
    EXPECT_EQ(output.count("Skipped outline "), 3);
}

TEST_F(ShapeFileBody, EveryShapeTakesTheTemplatesSettings)
{
    int owner = 0;
    physics::ShapeDef def;
    def.friction = 0.3f;
    def.restitution = 0.4f;
    def.density = 2.0f;
    def.isSensor = true;
    def.categoryBits = 0x0002;
    def.maskBits = 0x0004;
    def.groupIndex = -3;
    def.userData = &owner;
    cShapeFile::fromText("two", drawing(pathElement("M 0,480 L 50,480 L 0,430 L 0,480 z") +
                                        pathElement("M 0,400 L 0,350 L 50,350 L 0,400 z")))
        .addShapes(body, def);

    ASSERT_EQ(fixtures().size(), 2u);
    for (b2Fixture* f : fixtures()) {
        EXPECT_FLOAT_EQ(f->GetFriction(), 0.3f);
        EXPECT_FLOAT_EQ(f->GetRestitution(), 0.4f);
        EXPECT_FLOAT_EQ(f->GetDensity(), 2.0f);
        EXPECT_TRUE(f->IsSensor());
        EXPECT_EQ(f->GetFilterData().categoryBits, 0x0002);
        EXPECT_EQ(f->GetFilterData().maskBits, 0x0004);
        EXPECT_EQ(f->GetFilterData().groupIndex, -3);
        EXPECT_EQ(physics::userData(f), &owner);
    }
}

TEST_F(ShapeFileBody, MassIsLeftToTheCaller)
{
    physics::ShapeDef def;
    def.density = 1.0f;
    cShapeFile::fromText("one", drawing(pathElement("M 0,480 L 50,480 L 0,430 L 0,480 z")))
        .addShapes(body, def);
    EXPECT_EQ(body->GetType(), b2_staticBody);
    EXPECT_FLOAT_EQ(body->GetMass(), 0.0f);

    physics::setMassFromShapes(body);
    EXPECT_EQ(body->GetType(), b2_dynamicBody);
    EXPECT_FLOAT_EQ(body->GetMass(), 2.0f);
}

// Nothing further out is read; this far out Box2D's mass is still right.
TEST_F(ShapeFileBody, LargestReadableOutlineKeepsItsTrueMass)
{
    physics::ShapeDef def;
    def.density = 10.0f;
    cShapeFile::fromText("big", drawing(pathElement("M -25000000,25000480 L 25000000,25000480 "
                                                    "L 25000000,-24999520 L -25000000,-24999520 "
                                                    "L -25000000,25000480 z")))
        .addShapes(body, def);
    physics::setMassFromShapes(body);
    ASSERT_EQ(body->GetType(), b2_dynamicBody);
    const double side = 2.0e6;
    const double mass = 10.0 * side * side;
    EXPECT_NEAR(body->GetMass(), mass, mass * 1e-3);
    EXPECT_NEAR(body->GetInertia(), mass * side * side / 6.0, mass * side * side * 1e-3);
}

TEST_F(ShapeFileBody, EmptyReaderAddsNothing)
{
    CoutCapture output;
    cShapeFile("shapes/missing-for-a-body.svg").addShapes(body, physics::ShapeDef());
    EXPECT_EQ(body->GetFixtureList(), nullptr);
}

} // namespace
