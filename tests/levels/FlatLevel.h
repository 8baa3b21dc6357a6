#pragma once

#include "levels/Level.h"

/// A level of flat ground only, 440 units long with its top at y = 0, so that
/// a test can put exactly the objects it needs on it.
class FlatLevel final : public cLevel {
public:
    /// Where the wheel's centre rests on the ground.
    static constexpr float WHEEL_REST_Y = 0.8f;

    FlatLevel();
};
