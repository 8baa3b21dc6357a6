#pragma once

#include <box2d/b2_math.h>

#include <random>

/// The errors of a human hand, drawn from a seed: the same seed, the same errors.
class ReplayJitter final {
public:
    /// A key is held this many ticks longer or shorter.
    static constexpr int HOLD_ERROR = 4;
    /// A wait, or the moment a player reacts to what the wheel does, is this many ticks off.
    static constexpr int WAIT_ERROR = 8;
    /// No wait is shorter: a preview shows its colour at a new place only after two ticks.
    static constexpr int SHORTEST_WAIT = 2;
    /// A tool is dropped up to this far left or right of the aim,
    static constexpr float DROP_SIDEWAYS = 0.5f;
    /// and up to this much higher, never lower: a player who sees red lifts the tool.
    static constexpr float DROP_HIGHER = 1.0f;

    explicit ReplayJitter(unsigned seed) : random(seed) {}

    int hold(int ticks);
    int wait(int ticks);
    /// Ticks early (negative) or late that a player acts on what they see.
    int reaction();
    b2Vec2 drop(b2Vec2 aim);

private:
    int offBy(int error);

    std::mt19937 random;
};
