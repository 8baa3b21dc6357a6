#pragma once

#include "levels/Level1.h"

#include "Samples.h"

#include <cstdint>

/// The bundled level, its tick timed part by part: the same calls, in the same
/// order, as the level's own update.
class cTimedLevel final : public Level1 {
public:
    struct Parts {
        cSamples rules;
        cSamples step;
        /// Box2D's own b2World::Step inside the step.
        cSamples worldStep;
        cSamples sync;
        cSamples drawing;
        /// Rules, step and sync: the game's logic around and in the physics.
        cSamples logic;
        /// The whole of the level's part of the tick.
        cSamples level;
        /// Operator new calls in the level's part of the tick.
        cSamples allocations;
    };
    /// The level's part of the latest tick.
    struct Last {
        int64_t levelNs = 0;
        uint64_t allocations = 0;
        /// When it ended, and the process's allocation count then.
        int64_t endNs = 0;
        uint64_t allocationsAtEnd = 0;
    };

    void run(int message) override;

    /// Takes the samples kept so far and starts afresh with room for the given
    /// number of ticks, so that keeping a sample allocates nothing.
    Parts takeParts(std::size_t ticks);
    const Last& last() const { return latest; }

private:
    Parts timing;
    Last latest;
};
