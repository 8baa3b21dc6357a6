#pragma once

#include <string>

struct _Mix_Music;

/// One music track on the mixer's single music stream. Created with new by
/// its user; once it loads, cAudio owns it and frees it at exit.
class cMusic final {
public:
    /// Loads the named file unless the name is empty; a failed load leaves a
    /// silent track.
    explicit cMusic(const std::string& fileName);
    ~cMusic();

    cMusic(const cMusic&) = delete;
    cMusic& operator=(const cMusic&) = delete;

    /// Looks in the data directory, then relative to the working directory.
    bool load(const std::string& fileName);
    /// Replaces whatever music plays; loops -1 repeats for ever.
    void play(int loops);

private:
    _Mix_Music* music = nullptr;
    std::string name;
};
