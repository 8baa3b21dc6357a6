#pragma once

#include <istream>
#include <string>
#include <vector>

/// Something about the play that holds or not at a given tick.
struct ReplayCondition {
    /// "star", "placed", "hazelnut", or a measure of the wheel: "x", "y", "vx", "vy".
    std::string what;
    /// For a measure: '>' or '<'.
    char comparison = 0;
    /// For "star" and "placed": the star's name.
    std::string name;
    /// For a measure: the bound.
    float value = 0.0f;
};

/// One line of a replay script: an input the player gives, a wait, or a
/// condition that must hold at that moment of the play.
struct ReplayStep {
    enum class Verb {
        HOLD,        // key, ticks: down for that many ticks, then up
        PRESS,       // key: down, and it stays down
        RELEASE,     // key: up
        TAP,         // key: down for one tick, then up
        WAIT,        // ticks
        UNTIL,       // condition: ticks until it holds
        BRAKE,       // left or right against the wheel's motion until it has almost stopped
        MOVE_TO,     // x, y: the mouse onto the window pixel showing that world point
        CLICK,       // the left button down and up within one tick
        CLICK_PANEL, // slot: the mouse onto the slot-th tool of the panel, then a click
        SHOW,        // the tick count and the wheel's state, for re-recording
        EXPECT,      // condition
        PUZZLE,      // name: a puzzle starts here and runs to the next one
    };

    Verb verb = Verb::WAIT;
    int line = 0;
    int key = 0;
    int ticks = 0;
    int slot = 0;
    float x = 0.0f;
    float y = 0.0f;
    std::string puzzle;
    ReplayCondition condition;
};

/// The steps of one puzzle: from its "puzzle" line to the next one or the end.
struct ReplayPuzzle {
    std::string name;
    size_t first = 0;
    size_t end = 0;
};

/// A whole script, or the first line that could not be read.
struct ReplayScript {
    std::vector<ReplayStep> steps;
    /// Empty when every line was read; otherwise "line N: why".
    std::string error;
};

/// Reads a script: one step a line, blank lines and "#" comments skipped.
ReplayScript readReplayScript(std::istream& text);
/// The script's puzzles in order.
std::vector<ReplayPuzzle> puzzlesOf(const std::vector<ReplayStep>& steps);
/// The star kind of a name (bowling, balance, cherry, skate, cannon), or -1.
int starKindNamed(const std::string& name);
/// The condition as a script writes it, for messages.
std::string describe(const ReplayCondition& condition);
