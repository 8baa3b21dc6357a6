#pragma once

#include "levels/ReplayScript.h"

#include <set>
#include <string>
#include <vector>

class cObject;

/// Plays a replay script on the level that is running: it writes key and
/// button states and mouse pixels into the input state, as the event loop
/// would, ticks the application, and checks the script's expectations.
class ReplayPlayer final {
public:
    /// Plays the steps in order and stops at the first expectation that does
    /// not hold; true when every one held.
    bool play(const std::vector<ReplayStep>& steps);

    /// Which expectation failed, and where the wheel was then.
    const std::string& failure() const { return failed; }
    int ticks() const { return tickCount; }
    /// The star names of the tools that were placed and checked by "expect placed".
    const std::set<std::string>& placedTools() const { return placed; }
    /// Whether a hazelnut has appeared at its return point in any tick so far.
    bool hazelnutReturned() const { return returned; }

private:
    void perform(const ReplayStep& step);
    bool holds(const ReplayStep& step);
    bool toolPlaced(const ReplayStep& step);
    void tick(int count = 1);
    void click();
    void clickPanel(int slot);
    void show(const ReplayStep& step) const;
    std::string wheelState() const;

    int tickCount = 0;
    bool returned = false;
    std::string failed;
    cObject* grabbed = nullptr;
    size_t removableBeforeGrab = 0;
    std::set<std::string> placed;
};
