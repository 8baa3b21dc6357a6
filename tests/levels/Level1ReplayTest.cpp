#include "levels/BundledLevelTest.h"
#include "levels/ReplayPlayer.h"
#include "levels/ReplayScript.h"

#include <fstream>

namespace {

const char* const SCRIPT = QUIB_TEST_DATA_DIR "/replay/level1.txt";

TEST_F(BundledLevelTest, TheLevelIsPlayedFromTheStartWithInputsOnly)
{
    std::ifstream file(SCRIPT);
    ASSERT_TRUE(file) << SCRIPT;
    const ReplayScript script = readReplayScript(file);
    ASSERT_EQ(script.error, "");

    ReplayPlayer player;
    ASSERT_TRUE(player.play(script.steps)) << player.failure();
}

} // namespace
