#include "graphics/Occlusion.h"

#include <gtest/gtest.h>

namespace {

// What lies behind two covering areas that overlap, in a watched part of the
// world: hidden is only what lies wholly behind them or outside the watch.
TEST(Occlusion, HidesOnlyWhatLiesWhollyBehindCoverOrOutOfWatch)
{
    cOcclusion occlusion;
    occlusion.reset({-10.0f, -10.0f, 10.0f, 10.0f});
    occlusion.cover({-12.0f, -5.0f, 1.0f, 5.0f});
    occlusion.cover({0.5f, -5.0f, 5.0f, 0.0f});
    const struct {
        cOcclusion::Area area;
        bool hidden;
    } cases[] = {
        {{-4.0f, -4.0f, -1.0f, 4.0f}, true},    // inside the first
        {{-1.0f, -4.0f, 4.0f, -1.0f}, true},    // across both, where they overlap
        {{-1.0f, -1.0f, 4.0f, 1.0f}, false},    // partly above the second
        {{-12.0f, -5.0f, 1.0f, 5.0f}, false},   // the first's own edges: the pixels there may be a neighbour's
        {{4.0f, 4.0f, 6.0f, 6.0f}, false},      // beside them
        {{11.0f, -2.0f, 14.0f, 2.0f}, true},    // outside the watch
        {{-14.0f, -2.0f, -4.0f, 2.0f}, true},   // partly outside, the rest covered
        {{-14.0f, 4.0f, -4.0f, 6.0f}, false},   // partly outside, the rest not covered
    };
    for (const auto& c : cases) {
        EXPECT_EQ(occlusion.hides(c.area), c.hidden)
            << c.area.left << ", " << c.area.bottom << " to " << c.area.right << ", " << c.area.top;
    }
    occlusion.reset({-10.0f, -10.0f, 10.0f, 10.0f});
    EXPECT_FALSE(occlusion.hides({-4.0f, -4.0f, -1.0f, 4.0f})) << "cover kept after a reset";
}

} // namespace
