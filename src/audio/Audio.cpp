#include "audio/Audio.h"

#include "audio/Music.h"
#include "audio/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <iostream>

namespace {

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
    }
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
