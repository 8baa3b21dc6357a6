#pragma once

class cSound;

/// The level's sound effects; each its own sound with its own channel, so that
/// the two rolling noises start and stop independently.
struct LevelSounds {
    cSound* jumpSound = nullptr;
    cSound* rollRightSound = nullptr;
    cSound* rollLeftSound = nullptr;
    cSound* pickupSound = nullptr;
    cSound* placeSound = nullptr;
    cSound* removeSound = nullptr;
    cSound* hitSound = nullptr;
};
