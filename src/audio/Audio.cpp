#include "audio/Audio.h"

#include "audio/Music.h"
#include "audio/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <iostream>

namespace {

// The mixer keeps the MIX_CHANNELS channels it opens with.
std::array<std::atomic<unsigned>, MIX_CHANNELS> endings{};

// Called by the mixer, from its own thread when a sound plays out and from a
// halting call, with the device locked either way.
void countEnding(int channel)
{
    if (channel >= 0 && channel < MIX_CHANNELS) {
        endings[static_cast<std::size_t>(channel)].fetch_add(1);
    }
}

constexpr int FREQUENCY_HZ = 44100;
constexpr int CHANNELS = 2;
constexpr int CHUNK_SAMPLES = 1024;

int clampVolume(int volume)
{
    return std::clamp(volume, 0, MIX_MAX_VOLUME);
}

}  // namespace

cAudio::cAudio()
{
    // A failure here shows again in Mix_OpenAudio, which is the one reported.
    SDL_Init(SDL_INIT_AUDIO);
    if (Mix_OpenAudio(FREQUENCY_HZ, AUDIO_S16SYS, CHANNELS, CHUNK_SAMPLES) != 0) {
        std::cout << "Unable to open audio" << std::endl;
        // Nothing else is initialised yet; the window set-up starts SDL again.
        SDL_Quit();
        return;
    }
    Mix_ChannelFinished(countEnding);
}

unsigned cAudio::endingsOn(int channel)
{
    return channel >= 0 && channel < MIX_CHANNELS ? endings[static_cast<std::size_t>(channel)].load() : 0;
}

cAudio::~cAudio()
{
    for (cSound* sound : sounds) {
        delete sound;
    }
    sounds.clear();
    stopMusic();
    for (cMusic* track : music) {
        delete track;
    }
    music.clear();
    Mix_CloseAudio();
}

bool cAudio::isOpen() const
{
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

void cAudio::addSound(cSound* sound)
{
    sounds.push_back(sound);
}

void cAudio::addMusic(cMusic* track)
{
    music.push_back(track);
}

void cAudio::stopMusic()
{
    if (Mix_PlayingMusic() == 1) {
        Mix_HaltMusic();
    }
}

void cAudio::setEffectsVolume(int volume)
{
    if (clampVolume(volume) != effectsVolume) {
        effectsVolume = clampVolume(volume);
        Mix_Volume(-1, effectsVolume);
    }
}

void cAudio::setMusicVolume(int volume)
{
    if (clampVolume(volume) != musicVolume) {
        musicVolume = clampVolume(volume);
        Mix_VolumeMusic(musicVolume);
    }
}
