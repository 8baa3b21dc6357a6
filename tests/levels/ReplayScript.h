#pragma once

#include <istream>
#include <string>
#include <vector>

/// One line of a replay script: an input the player gives, or something that
/// must hold at that moment of the play.
struct ReplayStep {
    enum class Verb {
        HOLD,        // key, ticks: down for that many ticks, then up
        PRESS,       // key: down, and it stays down
        RELEASE,     // key: up
        TAP,         // key: down for one tick, then up
        WAIT,        // ticks
        MOVE_TO,     // x, y: the mouse onto the window pixel showing that world point
        CLICK,       // the left button down and up within one tick
        CLICK_PANEL, // slot: the mouse onto the slot-th tool of the panel, then a click
        SHOW,        // the tick count and the wheel's state on standard output
        EXPECT,      // what, name, value
    };

    Verb verb = Verb::WAIT;
    int line = 0;
    int key = 0;
    int ticks = 0;
    int slot = 0;
    float x = 0.0f;
    float y = 0.0f;
    /// For EXPECT: "star", "x>", "x<", "y>", "placed" or "hazelnut".
    std::string what;
    /// For "expect star": the star's name.
    std::string name;
    /// For "expect x>", "x<", "y>": the bound.
    float value = 0.0f;
};

/// A whole script, or the first line that could not be read.
struct ReplayScript {
    std::vector<ReplayStep> steps;
    /// Empty when every line was read; otherwise "line N: why".
    std::string error;
};

/// Reads a script: one step a line, blank lines and "#" comments skipped.
ReplayScript readReplayScript(std::istream& text);
/// The star kind of a name (bowling, balance, cherry, skate, cannon), or -1.
int starKindNamed(const std::string& name);
