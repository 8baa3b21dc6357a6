#include "levels/ReplayJitter.h"

#include <algorithm>

int ReplayJitter::hold(int ticks) { return std::max(1, ticks + offBy(HOLD_ERROR)); }

int ReplayJitter::wait(int ticks) { return std::max(SHORTEST_WAIT, ticks + offBy(WAIT_ERROR)); }

int ReplayJitter::reaction() { return offBy(WAIT_ERROR); }

b2Vec2 ReplayJitter::drop(b2Vec2 aim)
{
    std::uniform_real_distribution<float> sideways(-DROP_SIDEWAYS, DROP_SIDEWAYS);
    std::uniform_real_distribution<float> higher(0.0f, DROP_HIGHER);
    const float dx = sideways(random);
    return b2Vec2(aim.x + dx, aim.y + higher(random));
}

int ReplayJitter::offBy(int error) { return std::uniform_int_distribution<int>(-error, error)(random); }
