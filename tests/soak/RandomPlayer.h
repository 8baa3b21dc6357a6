#pragma once

#include <random>
#include <vector>

class cObject;

/// A player who does anything at random, as the event loop would hand it to
/// the game: rolls and jumps, grabs tools from the panel by click or by drag,
/// drops them anywhere (over the panel and onto other things too), clicks
/// placed objects away, clicks at random, and now and then presses m, d, f or
/// r.
/// The same seed gives the same play.
class RandomPlayer final {
public:
    /// The player stops taking tools while this many placed objects exist.
    static constexpr int MAX_PLACED = 40;

    explicit RandomPlayer(unsigned seed) : random(seed) {}

    /// Sets the input state for the next tick.
    void act();

    int grabs() const { return grabCount; }

private:
    bool chance(double probability);
    void steer();
    void switches();
    void carry();
    void grab();
    void removeOne();
    void pointAnywhere();
    void tap(int key);

    std::mt19937 random;
    bool dragging = false;
    int grabCount = 0;
    std::vector<int> tapped;
};
