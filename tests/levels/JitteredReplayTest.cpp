// The level's replay played as a person would play it, a little off
// everywhere: each puzzle, reached by the exact play, is then played with the
// errors of one seed and must succeed at the first attempt for nine seeds in
// ten. QUIB_PLAYTEST_SEEDS sets how many seeds (make test: 10; make playtest: 50).
#include "levels/FreshLevels.h"
#include "levels/ReplayJitter.h"
#include "levels/ReplayPlayer.h"
#include "levels/ReplayScript.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

const char* const SCRIPT = QUIB_TEST_DATA_DIR "/replay/level1.txt";
constexpr int DEFAULT_SEEDS = 10;
constexpr int REQUIRED_PERCENT = 90;
const char* const SOLVED = "solved";
const char* const FAILED = "failed";

int seedCount()
{
    const char* value = std::getenv("QUIB_PLAYTEST_SEEDS");
    return value ? std::atoi(value) : DEFAULT_SEEDS;
}

// Runs in a child: its word is "solved" or "failed", the deepest overlap in the
// puzzle, and why it failed.
std::string playPuzzle(const std::vector<ReplayStep>& steps, const ReplayPuzzle& puzzle, unsigned seed)
{
    ReplayPlayer player;
    std::ostringstream word;
    if (!player.play(steps, 0, puzzle.first)) {
        word << FAILED << " 0 before the puzzle: " << player.failure();
        return word.str();
    }
    ReplayJitter jitter(seed);
    player.setJitter(&jitter);
    player.forgetOverlap();
    const bool solved = player.play(steps, puzzle.first, puzzle.end);
    word << (solved ? SOLVED : FAILED) << " " << player.deepestOverlap() << " " << player.failure();
    return word.str();
}

struct Tally {
    int solved = 0;
    float deepestOverlap = 0.0f;
    std::string firstFailure;
};

Tally tally(const std::vector<std::string>& words, size_t first, int seeds)
{
    Tally result;
    for (int seed = 0; seed < seeds; ++seed) {
        const std::string& text = words[first + static_cast<size_t>(seed)];
        std::istringstream word(text);
        std::string outcome;
        float overlap = 0.0f;
        const bool told = (word >> outcome >> overlap) && (outcome == SOLVED || outcome == FAILED);
        result.deepestOverlap = std::max(result.deepestOverlap, told ? overlap : 0.0f);
        if (told && outcome == SOLVED) {
            ++result.solved;
        } else if (result.firstFailure.empty()) {
            result.firstFailure = "seed " + std::to_string(seed + 1) + ": " + text;
        }
    }
    return result;
}

TEST(JitteredReplayTest, EveryPuzzleSucceedsAtTheFirstAttemptDespiteAPlayersErrors)
{
    if (SDL_WasInit(0) != 0) {
        GTEST_SKIP() << "the plays fork, and need a process without a window: ctest runs this test alone";
    }
    std::ifstream file(SCRIPT);
    const ReplayScript script = readReplayScript(file);
    ASSERT_EQ(script.error, "");
    const std::vector<ReplayPuzzle> puzzles = puzzlesOf(script.steps);
    ASSERT_FALSE(puzzles.empty()) << "no \"puzzle\" line in " << SCRIPT;
    const int seeds = seedCount();
    ASSERT_GT(seeds, 0);

    std::vector<std::function<std::string()>> plays;
    for (const ReplayPuzzle& puzzle : puzzles) {
        for (int seed = 1; seed <= seeds; ++seed) {
            plays.push_back([&script, puzzle, seed] { return playPuzzle(script.steps, puzzle, seed); });
        }
    }
    const std::vector<std::string> words = playOnFreshLevels(plays);

    std::cout << std::left << std::setw(12) << "puzzle" << std::setw(10) << "solved" << std::setw(8) << "%"
              << std::setw(10) << "overlap" << "first failure\n";
    for (size_t p = 0; p < puzzles.size(); ++p) {
        const Tally result = tally(words, p * static_cast<size_t>(seeds), seeds);
        const int percent = 100 * result.solved / seeds;
        std::cout << std::setw(12) << puzzles[p].name << std::setw(10)
                  << (std::to_string(result.solved) + "/" + std::to_string(seeds)) << std::setw(8) << percent
                  << std::setw(10) << std::setprecision(3) << result.deepestOverlap << result.firstFailure << "\n";
        EXPECT_GE(percent, REQUIRED_PERCENT) << puzzles[p].name << ": " << result.firstFailure;
    }
}

} // namespace
