#pragma once

class cTable;

/// How often the game and a bare SDL + GL program swap their buffers on the
/// same 17 ms timer, each in a window of the given size in a process of its
/// own. The bare program clears, paints one blended picture over the whole
/// window and swaps; the game runs its level at the start of play.

/// A child: ticks for a while in the given mode ("game", "bare", "bare+audio"
/// with an audio device open as the game has, or "timer", which only counts
/// the timer's ticks) and reports its swaps per second.
int runSwapCount(const char* mode, int width, int height, int reportFd);

/// Spawns the children side by side at each size and prints the table.
void reportSwapRates(cTable& table);
