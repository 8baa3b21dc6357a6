#include "levels/ReplayJitter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int DRAWS = 2000;

TEST(ReplayJitterTest, ErrorsSpanTheirWholeRangeAndNoMoreAndASeedRepeatsThem)
{
    ReplayJitter jitter(7);
    ReplayJitter again(7);
    int shortestHold = 100, longestHold = 0, shortestWait = 100, longestWait = 0;
    int earliest = 0, latest = 0;
    float left = 0.0f, right = 0.0f, lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < DRAWS; ++i) {
        const int hold = jitter.hold(10);
        const int wait = jitter.wait(30);
        const int reaction = jitter.reaction();
        const b2Vec2 drop = jitter.drop(b2Vec2(50.0f, 5.0f));
        ASSERT_EQ(again.hold(10), hold);
        ASSERT_EQ(again.wait(30), wait);
        ASSERT_EQ(again.reaction(), reaction);
        ASSERT_EQ(again.drop(b2Vec2(50.0f, 5.0f)).x, drop.x);
        shortestHold = std::min(shortestHold, hold);
        longestHold = std::max(longestHold, hold);
        shortestWait = std::min(shortestWait, wait);
        longestWait = std::max(longestWait, wait);
        earliest = std::min(earliest, reaction);
        latest = std::max(latest, reaction);
        left = std::min(left, drop.x - 50.0f);
        right = std::max(right, drop.x - 50.0f);
        lowest = std::min(lowest, drop.y - 5.0f);
        highest = std::max(highest, drop.y - 5.0f);
        ASSERT_GE(jitter.hold(1), 1);
        ASSERT_GE(jitter.wait(2), ReplayJitter::SHORTEST_WAIT);
        again.hold(1);
        again.wait(2);
    }
    EXPECT_EQ(shortestHold, 10 - ReplayJitter::HOLD_ERROR);
    EXPECT_EQ(longestHold, 10 + ReplayJitter::HOLD_ERROR);
    EXPECT_EQ(shortestWait, 30 - ReplayJitter::WAIT_ERROR);
    EXPECT_EQ(longestWait, 30 + ReplayJitter::WAIT_ERROR);
    EXPECT_EQ(earliest, -ReplayJitter::WAIT_ERROR);
    EXPECT_EQ(latest, ReplayJitter::WAIT_ERROR);
    EXPECT_LT(left, -0.45f);
    EXPECT_GE(left, -ReplayJitter::DROP_SIDEWAYS);
    EXPECT_GT(right, 0.45f);
    EXPECT_LE(right, ReplayJitter::DROP_SIDEWAYS);
    EXPECT_GE(lowest, 0.0f);
    EXPECT_LT(lowest, 0.05f);
    EXPECT_GT(highest, 0.95f);
    EXPECT_LE(highest, ReplayJitter::DROP_HIGHER);
}

} // namespace
