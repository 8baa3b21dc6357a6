#include "assets/AssetFiles.h"

#include <gtest/gtest.h>

namespace {

// Every picture the game names, apart from the scenery tiles (tested with the
// level they show).
const char* const PICTURES[] = {
    "wheel", "squirrel", "bowling", "cherry", "box", "distanceJoint", "frequencyJoint",
    "skate", "skateWheel", "balance", "balanceFix", "cardLeft", "cardTop", "domino",
    "hazelnut", "bird", "bird2", "cannon", "bowlingStar", "balanceStar", "cherryStar",
    "skateStar", "cannonStar", "balanceDragBox", "skateDragBox", "dragbox", "mute", "muted", "restart",
    "background", "underground", "tree", "quib"};

class PictureFile : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureFile, DecodesAsPowerOfTwoRgba)
{
    const Picture picture(std::string("images/") + GetParam() + ".png");
    ASSERT_TRUE(picture.loaded()) << IMG_GetError();
    EXPECT_TRUE(isPowerOfTwo(picture.width())) << picture.width();
    EXPECT_TRUE(isPowerOfTwo(picture.height())) << picture.height();
    EXPECT_EQ(picture.bytesPerPixel(), 4);
}

TEST_P(PictureFile, ShowsSomethingAndIsNotAllOpaqueUnlessBehindEverything)
{
    const Picture picture(std::string("images/") + GetParam() + ".png");
    ASSERT_TRUE(picture.loaded());
    int visible = 0, clear = 0;
    for (int v = 0; v < picture.height(); ++v) {
        for (int u = 0; u < picture.width(); ++u) {
            const int alpha = picture.alphaAt(u, v);
            visible += alpha >= 128;
            clear += alpha == 0;
        }
    }
    EXPECT_GT(visible, 0);
    if (std::string(GetParam()) == "background" || std::string(GetParam()) == "underground") {
        EXPECT_EQ(clear, 0) << "the far background and the earth below the terrain cover what is behind";
    } else {
        EXPECT_GT(clear, 0) << "a picture is transparent where its object is not";
    }
}

INSTANTIATE_TEST_SUITE_P(Images, PictureFile, ::testing::ValuesIn(PICTURES));

TEST(WindowIcon, IsSmallAndSquare)
{
    const Picture icon("images/quib.png");
    ASSERT_TRUE(icon.loaded());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_LE(icon.width(), 64);
}

} // namespace
