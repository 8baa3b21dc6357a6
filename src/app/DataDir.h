#pragma once

#include <string>

/// Where an installed game keeps its data. Loaders also try names relative to
/// the working directory, which is how the game runs from a source tree.
inline const std::string DATA_DIR = "/usr/share/games/quib/";
