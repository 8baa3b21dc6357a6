#include "assets/AssetFiles.h"

#include "physics/Physics.h"
#include "shapes/ShapeFile.h"
#include "support/CoutCapture.h"

#include <gtest/gtest.h>

namespace {

const char* const DRAWINGS[] = {"skate", "balanceFix", "balance", "cardleft", "cardright",
                                "cardtop", "bird", "domino", "cannon", "cannonbounce",
                                "hazelnut"};

cShapeFile drawing(const std::string& name)
{
    return cShapeFile(dataPath("shapes/" + name + ".svg"));
}

std::vector<std::vector<b2Vec2>> solidOutlines(const cShapeFile& shapes)
{
    std::vector<std::vector<b2Vec2>> solid;
    for (const auto& outline : shapes.getOutlines()) {
        if (outline.size() >= 3) {
            solid.push_back(outline);
        }
    }
    return solid;
}

/// The smallest box around all solid outlines: lower left and upper right.
std::pair<b2Vec2, b2Vec2> bounds(const cShapeFile& shapes)
{
    b2Vec2 low(1e9f, 1e9f), high(-1e9f, -1e9f);
    for (const auto& outline : solidOutlines(shapes)) {
        for (const b2Vec2& p : outline) {
            low = b2Min(low, p);
            high = b2Max(high, p);
        }
    }
    return {low, high};
}

class ObjectDrawing : public ::testing::TestWithParam<const char*> {};

TEST_P(ObjectDrawing, ReadsSilentlyIntoOutlinesThePhysicsTakes)
{
    const CoutCapture output;
    const cShapeFile shapes = drawing(GetParam());
    EXPECT_EQ(output.text(), "");
    const auto solid = solidOutlines(shapes);
    ASSERT_FALSE(solid.empty());
    for (const auto& outline : solid) {
        EXPECT_EQ(physics::polygonFault(outline), "") << GetParam();
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ObjectDrawing, ::testing::ValuesIn(DRAWINGS));

TEST(BalanceDrawing, PivotMarksOneJointAboveItsStand)
{
    const cShapeFile stand = drawing("balanceFix");
    const auto points = stand.getPoints();
    ASSERT_EQ(points.count("joint"), 1u);
    ASSERT_EQ(points.at("joint").size(), 1u);
    const b2Vec2 joint = points.at("joint")[0];
    const auto [low, high] = bounds(stand);
    EXPECT_GT(joint.y, low.y);
    EXPECT_GE(joint.y, high.y - 0.1f) << "the beam turns at the top of the stand";
    EXPECT_NEAR(joint.x, 0.5f * (low.x + high.x), 0.05f);
}

TEST(BalanceDrawing, BeamIsFourAndAHalfLongAroundItsPivot)
{
    const auto [low, high] = bounds(drawing("balance"));
    EXPECT_NEAR(high.x - low.x, 4.5f, 0.01f);
    EXPECT_NEAR(low.x + high.x, 0.0f, 0.01f);
    EXPECT_LT(low.y, 0.0f);
    EXPECT_GT(high.y, 0.0f);
}

TEST(SkateDrawing, BoardIsTwoAndAHalfWideAboveItsWheels)
{
    const auto [low, high] = bounds(drawing("skate"));
    EXPECT_NEAR(high.x - low.x, 2.5f, 0.01f);
    // The wheels, radius 0.25 at y -0.05, reach up to 0.2.
    EXPECT_GE(low.y, 0.2f);
}

TEST(StandingDrawings, CardsAndDominoStandOnTheirOriginAboutTwoTall)
{
    for (const char* name : {"cardleft", "cardright", "domino"}) {
        const auto [low, high] = bounds(drawing(name));
        EXPECT_NEAR(low.y, 0.0f, 0.001f) << name;
        EXPECT_NEAR(high.y, 2.0f, 0.15f) << name;
    }
}

TEST(CardDrawings, LeftAndRightCardsLeanTowardsEachOther)
{
    const auto left = solidOutlines(drawing("cardleft"));
    const auto right = solidOutlines(drawing("cardright"));
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    auto lean = [](const std::vector<b2Vec2>& card) {
        b2Vec2 bottom = card[0], top = card[0];
        for (const b2Vec2& p : card) {
            bottom = p.y < bottom.y ? p : bottom;
            top = p.y > top.y ? p : top;
        }
        return top.x - bottom.x;
    };
    EXPECT_GT(lean(left[0]), 0.3f);
    EXPECT_LT(lean(right[0]), -0.3f);
}

TEST(CannonDrawing, FillsMostOfItsPictureWithTheBouncePartOnTop)
{
    const auto [bodyLow, bodyHigh] = bounds(drawing("cannon"));
    const auto [capLow, capHigh] = bounds(drawing("cannonbounce"));
    const b2Vec2 low = b2Min(bodyLow, capLow), high = b2Max(bodyHigh, capHigh);
    // The cannon's picture is 5.4 square around its origin.
    EXPECT_GE(low.x, -2.7f);
    EXPECT_GE(low.y, -2.7f);
    EXPECT_LE(high.x, 2.7f);
    EXPECT_LE(high.y, 2.7f);
    EXPECT_GT(b2Max(high.x - low.x, high.y - low.y), 4.5f);
    EXPECT_GT(capHigh.y, bodyHigh.y) << "what falls on the cannon meets the bounce part first";
}

} // namespace
