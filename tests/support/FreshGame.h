#pragma once

class cLevel;

/// Ends a test's level and puts the game's shared managers back as a new run
/// finds them: every test of a program runs in the one process, and what a
/// test leaves behind (objects, processes, keys, the camera, sounds still
/// playing) would be the next test's start.
void endLevel(cLevel* level);
