#include "assets/AssetFiles.h"

#include "shapes/ShapeFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

// Pictures are checked where the game shows them: these sizes and offsets are
// the object factory's.
constexpr float OPAQUE = 200;
constexpr float CLEAR = 16;
constexpr float EDGE_MARGIN = 0.12f;  // outlines are drawn with a stroke this wide or less
constexpr float INSIDE_FRACTION = 0.6f;

struct Case {
    const char* image;
    PictureFrame frame;
    std::vector<std::vector<b2Vec2>> outlines;
    bool onlyOutlines;  // nothing is drawn beyond the outlines
};

std::vector<std::vector<b2Vec2>> solid(const std::string& drawing)
{
    const cShapeFile shapes(dataPath("shapes/" + drawing + ".svg"));
    std::vector<std::vector<b2Vec2>> outlines;
    for (const auto& outline : shapes.getOutlines()) {
        if (outline.size() >= 3) {
            outlines.push_back(outline);
        }
    }
    return outlines;
}

std::vector<std::vector<b2Vec2>> box(float halfWidth, float halfHeight)
{
    return {{{-halfWidth, -halfHeight}, {halfWidth, -halfHeight}, {halfWidth, halfHeight},
             {-halfWidth, halfHeight}}};
}

std::vector<std::vector<b2Vec2>> disc(float radius)
{
    std::vector<b2Vec2> points;
    for (int k = 0; k < 32; ++k) {
        const float a = static_cast<float>(k) * b2_pi / 16.0f;
        points.emplace_back(radius * std::cos(a), radius * std::sin(a));
    }
    return {points};
}

std::vector<Case> cases()
{
    const std::vector<std::vector<b2Vec2>> cannon = [] {
        auto all = solid("cannon");
        for (auto& outline : solid("cannonbounce")) {
            all.push_back(outline);
        }
        return all;
    }();
    return {
        {"box", {7.8f, 7.8f, 0, 0, false}, box(3.8f, 0.4f), true},
        {"balance", {4.5f, 4.5f, 0, 0, false}, solid("balance"), true},
        {"balanceFix", {1.1f, 1.1f, 0, 0, false}, solid("balanceFix"), false},
        {"skate", {2.5f, 2.5f, 0, 0, false}, solid("skate"), false},
        {"cardLeft", {2.0f, 2.0f, 0.4f, 1.0f, false}, solid("cardleft"), true},
        {"cardLeft", {2.0f, 2.0f, 0.3f, 1.0f, true}, solid("cardright"), true},
        {"cardTop", {2.0f, 2.0f, 0.1f, 1.0f, false}, solid("cardtop"), true},
        {"domino", {2.0f, 2.0f, 0, 1.0f, false}, solid("domino"), true},
        {"hazelnut", {1.2f, 1.2f, 0.1f, 0, false}, solid("hazelnut"), true},
        {"bird", {3.4f, 3.4f, 0, 0, false}, solid("bird"), false},
        {"bird2", {3.4f, 3.4f, 0, 0, false}, solid("bird"), false},
        {"cannon", {5.4f, 5.4f, 0, 0, false}, cannon, false},
        {"bowling", {1.7f, 1.7f, 0, 0, false}, disc(0.8f), true},
        {"cherry", {1.8f, 1.8f, 0, 0, false}, disc(0.4f), false},
    };
}

bool nearOrInside(b2Vec2 p, const std::vector<std::vector<b2Vec2>>& outlines)
{
    for (const auto& outline : outlines) {
        if (insideOutline(p, outline) || distanceToOutline(p, outline) < EDGE_MARGIN) {
            return true;
        }
    }
    return false;
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.image << (c.frame.mirrorX ? " mirrored" : "");
}

class PictureOfOutline : public ::testing::TestWithParam<Case> {};

TEST_P(PictureOfOutline, IsOpaqueWellInsideEveryOutline)
{
    const Case& c = GetParam();
    const Picture picture(std::string("images/") + c.image + ".png");
    ASSERT_TRUE(picture.loaded());
    ASSERT_FALSE(c.outlines.empty());
    for (const auto& outline : c.outlines) {
        for (const b2Vec2& p : pointsInside(outline, INSIDE_FRACTION)) {
            EXPECT_GT(picture.alphaAtWorld(c.frame, p), OPAQUE) << "at " << p.x << ", " << p.y;
        }
    }
}

std::vector<Case> casesShowingOnlyOutlines()
{
    std::vector<Case> only;
    for (const Case& c : cases()) {
        if (c.onlyOutlines) {
            only.push_back(c);
        }
    }
    return only;
}

class PictureOfOutlineAlone : public ::testing::TestWithParam<Case> {};

TEST_P(PictureOfOutlineAlone, IsClearAwayFromTheOutlines)
{
    const Case& c = GetParam();
    const Picture picture(std::string("images/") + c.image + ".png");
    ASSERT_TRUE(picture.loaded());
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        for (int j = 0; j <= steps; ++j) {
            const b2Vec2 p(c.frame.x + c.frame.width * (float(i) / steps - 0.5f) * 0.99f,
                           c.frame.y + c.frame.height * (float(j) / steps - 0.5f) * 0.99f);
            if (!nearOrInside(p, c.outlines)) {
                EXPECT_LT(picture.alphaAtWorld(c.frame, p), CLEAR) << "at " << p.x << ", " << p.y;
            }
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return std::string(info.param.image) + (info.param.frame.mirrorX ? "Mirrored" : "");
}

INSTANTIATE_TEST_SUITE_P(Objects, PictureOfOutline, ::testing::ValuesIn(cases()), caseName);
INSTANTIATE_TEST_SUITE_P(Objects, PictureOfOutlineAlone,
                         ::testing::ValuesIn(casesShowingOnlyOutlines()), caseName);

TEST(WheelPicture, ShowsItsRimAtTheWheelsEdgeAndNothingBeyond)
{
    const Picture wheel("images/wheel.png");
    const PictureFrame frame{1.7f, 1.7f, 0, 0, false};
    for (int k = 0; k < 16; ++k) {
        const float a = static_cast<float>(k) * b2_pi / 8.0f;
        const b2Vec2 direction(std::cos(a), std::sin(a));
        EXPECT_GT(wheel.alphaAtWorld(frame, 0.74f * direction), OPAQUE);
        EXPECT_LT(wheel.alphaAtWorld(frame, 0.84f * direction), 128);
    }
    EXPECT_LT(wheel.alphaAtWorld(frame, {0.0f, 0.0f}), CLEAR) << "the squirrel shows inside";
}

TEST(SquirrelPicture, RunsInsideTheWheelThatIsDrawnOverIt)
{
    const Picture squirrel("images/squirrel.png");
    // The rider's body hangs 0.2 below the wheel's centre; its picture is 0.16 above it.
    const PictureFrame frame{1.6f, 1.6f, 0, 0.16f, false};
    const b2Vec2 wheelCentre(0.0f, 0.2f);
    int shown = 0;
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j <= 40; ++j) {
            const b2Vec2 p(-0.79f + 1.58f * i / 40.0f, 0.16f - 0.79f + 1.58f * j / 40.0f);
            const int alpha = squirrel.alphaAtWorld(frame, p);
            shown += alpha > OPAQUE;
            if (b2Distance(p, wheelCentre) > 0.8f) {
                EXPECT_LT(alpha, CLEAR) << "at " << p.x << ", " << p.y;
            }
        }
    }
    EXPECT_GT(shown, 200);
}

TEST(SkatePictures, BoardShowsTyresRoundTheTurningHubs)
{
    const Picture board("images/skate.png");
    const Picture hub("images/skateWheel.png");
    const PictureFrame boardFrame{2.5f, 2.5f, 0, 0, false};
    const PictureFrame hubFrame{0.3f, 0.3f, 0, 0, false};
    for (const b2Vec2 centre : {b2Vec2(0.8f, -0.05f), b2Vec2(-0.8f, -0.05f)}) {
        EXPECT_LT(board.alphaAtWorld(boardFrame, centre), CLEAR) << "the hub shows through";
        for (int k = 0; k < 8; ++k) {
            const float a = static_cast<float>(k) * b2_pi / 4.0f;
            const b2Vec2 direction(std::cos(a), std::sin(a));
            EXPECT_GT(board.alphaAtWorld(boardFrame, centre + 0.2f * direction), OPAQUE);
            if (direction.y < -0.5f) {  // below the axle, where no truck is drawn
                EXPECT_LT(board.alphaAtWorld(boardFrame, centre + 0.35f * direction), CLEAR);
            }
        }
    }
    EXPECT_GT(hub.alphaAtWorld(hubFrame, {0.05f, 0.05f}), OPAQUE);
}

class RopePicture : public ::testing::TestWithParam<const char*> {};

TEST_P(RopePicture, OnlyANarrowRopeDownTheMiddleIsOpaque)
{
    const Picture rope(std::string("images/") + GetParam() + ".png");
    ASSERT_TRUE(rope.loaded());
    const float pixelsPerUnit = rope.width() / 19.7f;
    const int narrow = static_cast<int>(0.5f * pixelsPerUnit);
    for (int v = 0; v < rope.height(); ++v) {
        int opaqueNearMiddle = 0;
        for (int u = 0; u < rope.width(); ++u) {
            const bool nearMiddle = std::abs(u - rope.width() / 2) <= narrow;
            if (nearMiddle) {
                opaqueNearMiddle += rope.alphaAt(u, v) > OPAQUE;
            } else {
                ASSERT_EQ(rope.alphaAt(u, v), 0) << "row " << v << ", column " << u;
            }
        }
        EXPECT_GT(opaqueNearMiddle, 0) << "the rope is unbroken, row " << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Joints, RopePicture,
                         ::testing::Values("distanceJoint", "frequencyJoint"));

} // namespace
