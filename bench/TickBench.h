#pragma once

#include "Samples.h"
#include "TickMark.h"
#include "TimedLevel.h"

#include <functional>

/// The game started as the application starts it, with the timed level, and
/// ticked by the application's own tick.
class cTickBench final {
public:
    struct Figures {
        cTimedLevel::Parts level;
        cSamples dragBox;
        /// Clear, the scheduler's walk, the input's end of tick, projection, swap.
        cSamples frame;
        cSamples whole;
        /// Processor time of all the process's threads (the renderer's too) per tick.
        cSamples wholeCpu;
        cSamples dragBoxAllocations;
        /// Operator new calls outside the level and the drag box.
        cSamples frameAllocations;
        int maxContactPoints = 0;
        int ticksAtContactCap = 0;
    };

    /// The managers, the window and the level, in the application's order.
    void start();
    /// Ticks the game; before each tick, feed(tick) sets the input.
    Figures run(int ticks, const std::function<void(int)>& feed);
    cTimedLevel& level() { return *timedLevel; }

private:
    cTimedLevel* timedLevel = nullptr;
    cTickMark mark;
};
