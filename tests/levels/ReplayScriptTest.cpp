#include "levels/ReplayScript.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using Verb = ReplayStep::Verb;

ReplayScript read(const std::string& text)
{
    std::istringstream stream(text);
    return readReplayScript(stream);
}

TEST(ReplayScriptTest, ReadsEveryStepWithItsLineSkippingCommentsAndBlankLines)
{
    const ReplayScript script = read("# a comment\n"
                                     "\n"
                                     "hold right 120\n"
                                     "tap up   # jump\n"
                                     "press left\n"
                                     "release d\n"
                                     "wait 30\n"
                                     "until vx< 0.3\n"
                                     "move-to 32.1 6.5\n"
                                     "click\n"
                                     "click-panel 2\n"
                                     "show\n"
                                     "expect star skate\n"
                                     "expect placed cannon\n"
                                     "expect y> -1.5\n"
                                     "expect hazelnut\n"
                                     "puzzle seesaw\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.steps.size(), 15u);
    const ReplayStep& hold = script.steps[0];
    EXPECT_EQ(hold.verb, Verb::HOLD);
    EXPECT_EQ(hold.line, 3);
    EXPECT_EQ(hold.key, SDLK_RIGHT);
    EXPECT_EQ(hold.ticks, 120);
    EXPECT_EQ(script.steps[1].verb, Verb::TAP);
    EXPECT_EQ(script.steps[1].key, SDLK_UP);
    EXPECT_EQ(script.steps[2].key, SDLK_LEFT);
    EXPECT_EQ(script.steps[3].key, SDLK_d);
    EXPECT_EQ(script.steps[4].ticks, 30);
    const ReplayStep& until = script.steps[5];
    EXPECT_EQ(until.verb, Verb::UNTIL);
    EXPECT_EQ(until.condition.what, "vx");
    EXPECT_EQ(until.condition.comparison, '<');
    EXPECT_FLOAT_EQ(until.condition.value, 0.3f);
    EXPECT_FLOAT_EQ(script.steps[6].x, 32.1f);
    EXPECT_FLOAT_EQ(script.steps[6].y, 6.5f);
    EXPECT_EQ(script.steps[7].verb, Verb::CLICK);
    EXPECT_EQ(script.steps[8].slot, 2);
    EXPECT_EQ(script.steps[9].verb, Verb::SHOW);
    EXPECT_EQ(script.steps[10].condition.what, "star");
    EXPECT_EQ(script.steps[10].condition.name, "skate");
    EXPECT_EQ(script.steps[11].condition.what, "placed");
    EXPECT_FLOAT_EQ(script.steps[12].condition.value, -1.5f);
    EXPECT_EQ(script.steps[13].condition.what, "hazelnut");
    EXPECT_EQ(script.steps[13].line, 16);
    EXPECT_EQ(script.steps[14].verb, Verb::PUZZLE);
    EXPECT_EQ(script.steps[14].puzzle, "seesaw");
}

TEST(ReplayScriptTest, StopsAtTheFirstLineItCannotRead)
{
    const char* const broken[] = {"jump",          "hold right",    "hold right 12O", "hold space 3",
                                  "wait 0",        "wait -5",       "click-panel 0",  "move-to 3",
                                  "expect z> 3",   "expect x= 3",   "until x>",       "expect star rocket",
                                  "click twice",   "expect placed", "show me",
                                  "puzzle",        "puzzle two words"};
    for (const char* line : broken) {
        const ReplayScript script = read(std::string("wait 1\n") + line + "\nwait 1\n");
        EXPECT_EQ(script.error, std::string("line 2: cannot read \"") + line + "\"") << line;
        EXPECT_EQ(script.steps.size(), 1u) << line;
    }
}

TEST(ReplayScriptTest, APuzzleRunsFromItsLineToTheNextOrTheEnd)
{
    const ReplayScript script = read("tap d\npuzzle one\nwait 3\nexpect x> 1\npuzzle two\nwait 4\n");
    ASSERT_EQ(script.error, "");
    const std::vector<ReplayPuzzle> puzzles = puzzlesOf(script.steps);
    ASSERT_EQ(puzzles.size(), 2u);
    EXPECT_EQ(puzzles[0].name, "one");
    EXPECT_EQ(puzzles[0].first, 1u);
    EXPECT_EQ(puzzles[0].end, 4u);
    EXPECT_EQ(puzzles[1].name, "two");
    EXPECT_EQ(puzzles[1].first, 4u);
    EXPECT_EQ(puzzles[1].end, 6u);
    EXPECT_TRUE(puzzlesOf(read("wait 1\n").steps).empty());
}

} // namespace
