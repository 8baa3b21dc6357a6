#include "levels/BundledLevelTest.h"
#include "levels/ReplayPlayer.h"
#include "levels/ReplayScript.h"

#include "objects/Object.h"

#include <fstream>

namespace {

const char* const SCRIPT = QUIB_TEST_DATA_DIR "/replay/level1.txt";

TEST_F(BundledLevelTest, TheLevelIsPlayedFromTheStartToTheHazelnutWithInputsOnly)
{
    std::ifstream file(SCRIPT);
    ASSERT_TRUE(file) << SCRIPT;
    const ReplayScript script = readReplayScript(file);
    ASSERT_EQ(script.error, "");

    ReplayPlayer player;
    ASSERT_TRUE(player.play(script.steps)) << player.failure();
    for (const char* star : {"bowling", "balance", "cherry", "skate", "cannon"}) {
        EXPECT_TRUE(firstOfKind(starKindNamed(star))->isTool()) << star;
        EXPECT_EQ(player.placedTools().count(star), 1u) << star << " was never placed";
    }
    EXPECT_TRUE(player.hazelnutReturned());
}

} // namespace
