// No dead ends: from wherever the wheel can come to rest, a few plain inputs
// bring it back onto the way the level's replay takes; and nothing sinks into
// the wheel on the way or in the sweep. QUIB_SWEEP_EVERY=N tries only every
// N-th place (make test: every 3rd; make playtest: all).
#include "levels/BundledLevelTest.h"
#include "levels/DeadEndSweep.h"
#include "levels/Level1.h"
#include "levels/ReplayPlayer.h"
#include "levels/ReplayScript.h"
#include "support/NoDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace {

const char* const SCRIPT = QUIB_TEST_DATA_DIR "/replay/level1.txt";
constexpr int DEFAULT_EVERY = 3;
// Deeper than this, a body shows through the wheel.
constexpr float MOST_OVERLAP = 0.1f;

// The check of the sweep itself tries only every so many places: each costs every escape.
constexpr int CONTROL_STRIDE = 97;
// A route lifted this high is out of reach of any jump or bounce.
constexpr float OUT_OF_REACH = 20.0f;

int placeStride()
{
    const char* value = std::getenv("QUIB_SWEEP_EVERY");
    return value ? std::max(1, std::atoi(value)) : DEFAULT_EVERY;
}

// The exact replay, played on the level as built.
void playExactly(ReplayPlayer& route)
{
    std::ifstream file(SCRIPT);
    const ReplayScript script = readReplayScript(file);
    ASSERT_EQ(script.error, "");
    ASSERT_TRUE(route.play(script.steps)) << route.failure();
}

TEST_F(BundledLevelTest, FromEveryPlaceTheWheelCanRestAPlainInputLeadsBackOntoTheWay)
{
    const NoDrawing fast;
    DeadEndSweep sweep(*level);
    ReplayPlayer route;
    ASSERT_NO_FATAL_FAILURE(playExactly(route));

    sweep.run(route.wheelPath(), route.puzzleStarts(), placeStride());
    std::cerr << "dead-end sweep: " << sweep.tried() << " places tried, " << sweep.escaped() << " escaped\n"
              << "deepest overlap with the wheel: replay " << route.deepestOverlap() << " at ("
              << route.deepestOverlapAt().x << ", " << route.deepestOverlapAt().y << "), sweep "
              << sweep.deepestOverlap() << " at (" << sweep.deepestOverlapAt().x << ", " << sweep.deepestOverlapAt().y
              << ")\n";
    for (const b2Vec2& at : sweep.deadEnds()) {
        std::cerr << "dead end at (" << at.x << ", " << at.y << ")\n";
    }
    EXPECT_GT(sweep.tried(), 0);
    EXPECT_EQ(sweep.tried(), sweep.escaped());
    EXPECT_LT(route.deepestOverlap(), MOST_OVERLAP);
    EXPECT_LT(sweep.deepestOverlap(), MOST_OVERLAP);
}

// The sweep can tell a dead end: with the route where no wheel gets, no place is escaped.
TEST_F(BundledLevelTest, WithTheRouteOutOfReachEveryPlaceIsADeadEnd)
{
    const NoDrawing fast;
    DeadEndSweep sweep(*level);
    ReplayPlayer route;
    ASSERT_NO_FATAL_FAILURE(playExactly(route));
    std::vector<b2Vec2> lifted = route.wheelPath();
    for (b2Vec2& point : lifted) {
        point.y += OUT_OF_REACH;
    }
    sweep.run(lifted, route.puzzleStarts(), CONTROL_STRIDE);
    std::cerr << "with the route out of reach: " << sweep.tried() << " places tried, " << sweep.escaped()
              << " escaped\n";
    EXPECT_GT(sweep.tried(), 0);
    EXPECT_EQ(sweep.escaped(), 0);
}

} // namespace
