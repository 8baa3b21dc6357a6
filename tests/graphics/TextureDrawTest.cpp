#include "DrawingTest.h"
#include "graphics/Texture.h"
#include "support/CoutCapture.h"

#include <SDL_opengl.h>

#include <string>

using namespace images;

class TextureDraw : public DrawingTest {};

TEST_F(TextureDraw, ImageTopIsAtTheQuadsUpperEdge)
{
    cTexture texture(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    texture.draw();
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE);
    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, QUAD_SIZE * 0.5f + 1.0f), TestWindow::BACKGROUND)) << "above the quad";
}

TEST_F(TextureDraw, QuadIsCentredOnItsOffset)
{
    cTexture texture(CORNERS, 8.0f, 8.0f, 10.0f, -5.0f, 0.0f, false, false);
    texture.draw();
    expectQuadrants(CORNER_COLOURS, 8.0f, 10.0f, -5.0f);
    EXPECT_TRUE(colorNear(window.pixelAt(0.0f, 0.0f), TestWindow::BACKGROUND));
}

TEST_F(TextureDraw, MirrorFlagsFlipTheImage)
{
    cTexture leftRight(CORNERS, QUAD_SIZE, QUAD_SIZE, -20.0f, 0.0f, 0.0f, false, true);
    cTexture upsideDown(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, true, false);
    cTexture halfTurn(CORNERS, QUAD_SIZE, QUAD_SIZE, 20.0f, 0.0f, 0.0f, true, true);
    leftRight.draw();
    upsideDown.draw();
    halfTurn.draw();
    expectQuadrants({RED, STEEL, BLUE, GREEN}, QUAD_SIZE, -20.0f);
    expectQuadrants({GREEN, BLUE, STEEL, RED}, QUAD_SIZE, 0.0f);
    expectQuadrants({BLUE, GREEN, RED, STEEL}, QUAD_SIZE, 20.0f);
}

// Top-left quadrant (100, 150, 200) under each kind of tint. In the additive
// mode a negative component adds nothing: the fixed pipeline clamps colours
// to 0 before they meet the texture.
struct TintCase {
    const char* name;
    float red, green, blue;
    Rgba expected;
};

void PrintTo(const TintCase& tint, std::ostream* out)
{
    *out << tint.name;
}

class TextureTint : public DrawingTest, public ::testing::WithParamInterface<TintCase> {};

TEST_P(TextureTint, ChangesTheImageColours)
{
    cTexture texture(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    const TintCase& tint = GetParam();
    texture.setTint(tint.red, tint.green, tint.blue);
    texture.draw();
    EXPECT_TRUE(colorNear(window.pixelAt(-4.0f, 4.0f), tint.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Tints, TextureTint,
    ::testing::Values(TintCase{"None", 0.0f, 0.0f, 0.0f, STEEL},
                      TintCase{"AdditiveBrightens", 0.2f, 0.2f, 0.2f, {151, 201, 251, 255}},
                      TintCase{"MinusOneRemovesChannels", 0.0f, -1.0f, -1.0f, {100, 0, 0, 255}},
                      TintCase{"OnePositiveMakesAllAdditive", 0.1f, -1.0f, 0.0f, {126, 150, 200, 255}},
                      TintCase{"GreenAloneMakesAllAdditive", -1.0f, 0.2f, 0.0f, {100, 201, 200, 255}},
                      TintCase{"NegativeDarkens", -0.5f, -0.5f, -0.5f, {50, 75, 100, 255}}),
    [](const ::testing::TestParamInfo<TintCase>& info) { return std::string(info.param.name); });

TEST_F(TextureDraw, DrawingLeavesNoTintOrTexturingBehind)
{
    cTexture tinted(CORNERS, 4.0f, 4.0f, 12.0f, 0.0f, 0.0f, false, false);
    tinted.setTint(0.2f, -1.0f, 0.0f);
    tinted.draw();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "the debug view draws untextured after this";
    cTexture plain(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    plain.draw();
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE);
}

// Magnified, the outermost pixels sample half beyond the image: they must show
// the image's own colour, not a border that draws lines where pictures meet.
TEST_F(TextureDraw, TheEdgesOfAMagnifiedPictureShowItsOwnColours)
{
    cTexture texture(CORNERS, QUAD_SIZE * 2.0f, QUAD_SIZE * 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    texture.draw();
    const float edge = QUAD_SIZE - 0.05f;
    EXPECT_TRUE(colorNear(window.pixelAt(-edge, edge), STEEL)) << "top left corner";
    EXPECT_TRUE(colorNear(window.pixelAt(edge, -edge), BLUE)) << "bottom right corner";
}

// A big picture is painted cell by cell: see-through cells are skipped,
// opaque ones painted without blending; mirrored, the cells go with the image.
TEST_F(TextureDraw, ABigPictureShowsEachPartOnceWhereverItIsMirrored)
{
    const float size = 25.6f;
    cTexture upright(CELLS, size, size, -13.0f, 0.0f, 0.0f, false, false);
    cTexture turned(CELLS, size, size, 13.0f, 0.0f, 0.0f, true, true);
    upright.draw();
    turned.draw();
    const Quadrants expected{TestWindow::BACKGROUND, RED, HALF_GREEN, BLUE};
    expectQuadrants(expected, size, -13.0f);
    expectQuadrants(halfTurn(expected), size, 13.0f);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "the next picture would not blend";
}

TEST_F(TextureDraw, AlphaBlendsWithTheBackground)
{
    cTexture texture(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    texture.setAlpha(0.5f);
    texture.draw();
    const Rgba bg = TestWindow::BACKGROUND;
    EXPECT_TRUE(colorNear(window.pixelAt(-4.0f, 4.0f),
                          {(STEEL.r + bg.r) / 2, (STEEL.g + bg.g) / 2, (STEEL.b + bg.b) / 2, 255}));
}

TEST_F(TextureDraw, MissingImageIsReportedOnceAndLeavesTheSceneVisible)
{
    // An image of its own: a missing image is reported once per process.
    const char* const DRAWN_MISSING = "images/missing-drawn.png";
    CoutCapture output;
    cTexture texture(DRAWN_MISSING, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    cTexture sameImage(DRAWN_MISSING, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    texture.setTint(0.0f, -1.0f, -1.0f);
    texture.draw();
    sameImage.draw();

    EXPECT_EQ(0u, texture.getId());
    EXPECT_EQ(1, output.count("Failed to load the image: "));
    EXPECT_EQ(0u, output.text().find(std::string("Failed to load the image: ") + DRAWN_MISSING + ", Error: "))
        << output.text();
    EXPECT_EQ('\n', output.text().back());
    EXPECT_TRUE(colorNear(window.pixelAt(-4.0f, 4.0f), TestWindow::BACKGROUND));
    EXPECT_TRUE(colorNear(window.pixelAt(4.0f, -4.0f), TestWindow::BACKGROUND));
}

TEST_F(TextureDraw, SwitchingToAMissingImageKeepsThePicture)
{
    cTexture texture(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    texture.draw();
    CoutCapture output;
    // An image of its own: a missing image is reported once per process.
    texture.load("images/missing-on-switch.png");
    texture.draw();
    EXPECT_EQ(1, output.count("Failed to load the image: "));
    EXPECT_EQ(CORNERS, texture.getName());
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE);
}

// Every pixel layout must come out in its true colours, whatever SDL_image hands over.
struct LayoutCase {
    const char* name;
    const char* image;
    Quadrants expected;
};

void PrintTo(const LayoutCase& layout, std::ostream* out)
{
    *out << layout.name;
}

class ImageLayout : public DrawingTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ImageLayout, IsDrawnInItsOwnColours)
{
    cTexture texture(GetParam().image, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    texture.draw();
    ASSERT_NE(0u, texture.getId());
    expectQuadrants(GetParam().expected, QUAD_SIZE);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImageLayout,
    ::testing::Values(
        LayoutCase{"Rgba", CORNERS, CORNER_COLOURS},
        LayoutCase{"RgbWithPaddedRows", CORNERS_RGB, CORNER_COLOURS},
        LayoutCase{"BlueFirst", CORNERS_BGR, CORNER_COLOURS},
        LayoutCase{"Palette", PALETTE, CORNER_COLOURS},
        LayoutCase{"PaletteWithTransparentEntry", PALETTE_KEYED, {STEEL, RED, GREEN, TestWindow::BACKGROUND}},
        LayoutCase{"Grey", GREY, GREY_COLOURS},
        LayoutCase{"GreyWithAlpha", GREY_ALPHA, {GREY_COLOURS.topLeft, GREY_COLOURS.topRight, GREY_COLOURS.bottomLeft, TestWindow::BACKGROUND}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });
