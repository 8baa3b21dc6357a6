#pragma once

#include <cstdint>

/// Time spent inside the game's loaders, summed since the process started.
/// The bench is linked with --wrap for each loader call the game makes, so
/// these are the game's own calls, timed where they happen.
struct LoaderTimes {
    /// Reading, converting and uploading pictures.
    int64_t texturesNs = 0;
    /// Decoding sound effects.
    int64_t soundsNs = 0;
    /// Opening the music track.
    int64_t musicNs = 0;
    /// Reading drawings, the level's and every object's.
    int64_t drawingsNs = 0;

    static LoaderTimes sinceStart();
    LoaderTimes operator-(const LoaderTimes& earlier) const;
};
