#pragma once

#include "levels/Level.h"

class cObject;

/// A level of flat ground only, its top at y = 0 from x = -45 to 395, so that
/// a test puts exactly the objects it needs on it.
class FlatLevel final : public cLevel {
public:
    static constexpr float LEFT = -45.0f;
    static constexpr float RIGHT = 395.0f;
    /// Where the wheel's centre rests on the ground.
    static constexpr float WHEEL_REST_Y = 0.8f;

    FlatLevel();

    /// One whole tick of the level: rules, step, poses, drawing.
    void tick() { run(MSG_TICK); }
    cObject* getGround() const { return ground; }

private:
    cObject* ground = nullptr;
};
