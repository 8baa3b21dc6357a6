#pragma once

#include "levels/Level.h"

class cObject;

/// A level of flat terrain only, its top at y = 0 from x = -45 to 395, so that
/// a test puts exactly the objects it needs on it. It takes itself off the
/// process list and the registry when it goes, so that the next test of the
/// same program starts without it.
class GroundLevel final : public cLevel {
public:
    static constexpr float LEFT = -45.0f;
    static constexpr float RIGHT = 395.0f;

    GroundLevel();
    ~GroundLevel() override;

    /// One whole tick of the level: rules, step, poses, drawing.
    void tick() { run(MSG_TICK); }
    cObject* getGround() const { return ground; }

private:
    cObject* ground = nullptr;
};
