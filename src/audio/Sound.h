#pragma once

#include <string>

struct Mix_Chunk;

/// One sound effect: a WAV file played on any free mixer channel. Created with
/// new by its user; once it loads, cAudio owns it and frees it at exit.
class cSound final {
public:
    /// Loads the named file unless the name is empty; a failed load leaves a
    /// silent sound.
    explicit cSound(const std::string& fileName);
    ~cSound();

    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;

    /// Looks in the data directory, then relative to the working directory.
    bool load(const std::string& fileName);
    /// Plays loops + 1 times. Unless restart is set, a sound that still plays
    /// is left playing instead of starting a second copy.
    void play(int loops);
    /// Halts this sound; other sounds keep playing.
    void stop();
    void setRestart(bool restartWhilePlaying);
    /// Whether this sound's own sample is still playing on its channel.
    bool isPlaying() const;

private:
    Mix_Chunk* chunk = nullptr;
    std::string name;
    int channel = -1;
    /// The channel's count of endings when this sound started on it.
    unsigned endingsBefore = 0;
    bool restart = false;
};
