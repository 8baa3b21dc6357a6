#pragma once

#include "levels/ReplayScript.h"

#include <set>
#include <string>
#include <vector>

class cObject;

/// Plays a replay script on the level that is running: it writes key and
/// button states and mouse pixels into the input state, as the event loop
/// would, ticks the application, and checks the script's conditions.
class ReplayPlayer final {
public:
    /// A wait for a condition, or a brake, that has not ended after this many ticks fails.
    static constexpr int UNTIL_LIMIT = 1200;
    /// A brake ends when the wheel moves slower than this sideways.
    static constexpr float BRAKED_SPEED = 0.12f;

    /// Plays the steps in order and stops at the first expectation that does
    /// not hold or wait that never ends; true when there was none.
    bool play(const std::vector<ReplayStep>& steps);

    /// Which step failed, and where the wheel was then.
    const std::string& failure() const { return failed; }
    /// The star names of the tools that "expect placed" found placed.
    const std::set<std::string>& placedTools() const { return placed; }
    /// Whether a hazelnut has appeared at its return point in any tick so far.
    bool hazelnutReturned() const { return returned; }

private:
    bool perform(const ReplayStep& step);
    bool waitUntil(const ReplayStep& step);
    bool brake(const ReplayStep& step);
    bool holds(const ReplayCondition& condition);
    bool toolPlaced(const ReplayCondition& condition);
    void tick(int count = 1);
    void click();
    void clickPanel(int slot);
    void fail(const ReplayStep& step, const std::string& why);
    std::string wheelState() const;

    int tickCount = 0;
    bool returned = false;
    std::string failed;
    cObject* grabbed = nullptr;
    size_t removableBeforeGrab = 0;
    std::set<std::string> placed;
};
