#pragma once

#include "Report.h"

/// The two start-ups the bench compares, each run in a process of its own so
/// that it starts from nothing. Both write their figures as one report line
/// to the given file descriptor, with times on the shared monotonic clock.

/// The floor: the same SDL window with its GL context and the same audio
/// device as the game's, one clear and swap, and nothing else.
int runBareWindow(int reportFd);

/// The game's own start-up, step by step with the game's calls: the managers
/// (the audio device opens), the window, the bundled level, the first tick.
int runGameStartup(int reportFd);

/// Runs this program again as a child in the given mode and collects its
/// report; "spawned" is when the child was started.
cReport spawnStartup(const char* mode);
