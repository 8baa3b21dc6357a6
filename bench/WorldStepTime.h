#pragma once

#include <cstdint>

/// Time spent inside Box2D's b2World::Step, summed since the process started:
/// the bare physics of whatever world the game steps, timed where the game
/// steps it (the bench is linked with --wrap for it).
int64_t worldStepNs();
