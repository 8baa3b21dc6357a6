#pragma once

#include <functional>
#include <string>
#include <vector>

/// Runs each play on the bundled level built afresh for it, in a process of
/// its own, two at a time, drawing nothing; returns what each play said, or
/// why its process ended without a word. The calling process must have no
/// window: a child would share its connection to the X server.
std::vector<std::string> playOnFreshLevels(const std::vector<std::function<std::string()>>& plays);
