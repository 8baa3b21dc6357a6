#include "assets/AssetFiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The game shows the background 40 units wide, a second copy 39.7 units to the
// right of the first, so the pictures overlap by 0.3 units.
constexpr float SIZE = 40.0f;
constexpr float REPEAT = 39.7f;

/// How different two columns of the picture are, on average per channel.
double columnDifference(const Picture& picture, float unitsA, float unitsB)
{
    const float perUnit = picture.width() / SIZE;
    const int a = static_cast<int>(std::lround(unitsA * perUnit));
    const int b = static_cast<int>(std::lround(unitsB * perUnit));
    double total = 0;
    for (int v = 0; v < picture.height(); ++v) {
        const SDL_Color x = picture.colorAt(a, v), y = picture.colorAt(b, v);
        total += std::abs(x.r - y.r) + std::abs(x.g - y.g) + std::abs(x.b - y.b);
    }
    return total / (3.0 * picture.height());
}

TEST(Background, RepeatsWhereTheSecondCopyOverlapsTheFirst)
{
    const Picture background("images/background.png");
    ASSERT_TRUE(background.loaded());
    for (float u = 0.05f; u < SIZE - REPEAT; u += 0.05f) {
        EXPECT_LT(columnDifference(background, u, u + REPEAT), 0.6) << "at " << u;
    }
}

TEST(Background, ColumnsAsFarApartAsTheOverlapDiffer)
{
    // Guards the test above: a picture made to repeat every 40 units would put
    // columns 0.3 apart side by side, and those differ clearly.
    const Picture background("images/background.png");
    ASSERT_TRUE(background.loaded());
    for (float u = 0.05f; u < SIZE - REPEAT; u += 0.05f) {
        EXPECT_GT(columnDifference(background, u, u + (SIZE - REPEAT)), 1.0) << "at " << u;
    }
}

} // namespace
