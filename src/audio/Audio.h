#pragma once

#include <vector>

class cSound;
class cMusic;

/// The audio device and the owner of every loaded sound effect and music
/// track. Used as Singleton<cAudio>::instance(); the device opens on creation.
class cAudio final {
public:
    /// Opens the device; without one the game goes on silently.
    cAudio();
    /// Frees every registered sound and track, then closes the device.
    ~cAudio();

    cAudio(const cAudio&) = delete;
    cAudio& operator=(const cAudio&) = delete;

    /// Whether the device is open; without it nothing loads.
    bool isOpen() const;
    /// How many sounds have ended on the channel, played out or halted, as the
    /// mixer reported them: whether a sound still plays is one read then, with
    /// no call into the mixer, and the level asks in every tick.
    static unsigned endingsOn(int channel);

    /// Takes ownership of a sound that loaded.
    void addSound(cSound* sound);
    /// Takes ownership of a track that loaded.
    void addMusic(cMusic* track);

    /// Halts whatever music plays.
    void stopMusic();
    /// Volume of every effect channel, clamped to 0..MIX_MAX_VOLUME.
    void setEffectsVolume(int volume);
    /// Volume of the music stream, clamped to 0..MIX_MAX_VOLUME.
    void setMusicVolume(int volume);

private:
    // The volumes set last, -1 before the first. The level sets them every
    // tick; each change waits for the mixing thread, which a busy machine can
    // keep from running for a good part of a tick.
    int effectsVolume = -1;
    int musicVolume = -1;
    std::vector<cSound*> sounds;
    std::vector<cMusic*> music;
};
