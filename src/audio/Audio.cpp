#include "audio/Audio.h"

#include "audio/Music.h"
#include "audio/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <iostream>

namespace {

constexpr int FREQUENCY_HZ = 44100;
constexpr int CHANNELS = 2;
constexpr int CHUNK_SAMPLES = 1024;

int clampVolume(int volume)
{
    return std::clamp(volume, 0, MIX_MAX_VOLUME);
}

// The game's own priority, for the mixing thread to take on at its first mix.
std::atomic<int> gamePriority{0};
std::atomic<bool> mixerAtGamePriority{false};

// SDL 2, under SDL 1.2's interface, runs the mixing thread at the highest
// priority it may. The little mixing it does every 23 ms needs none of it,
// and on a busy machine that thread's wake-ups cost the painting its turns:
// at 1280 x 720 the game made 28 swaps a second so and 42 with the thread at
// its own priority, as SDL 1.2 ran it. On Linux the priority of the calling
// thread is its own.
void mixAtGamePriority(void*, Uint8*, int)
{
    if (!mixerAtGamePriority.exchange(true)) {
        setpriority(PRIO_PROCESS, 0, gamePriority.load());
    }
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
    gamePriority = getpriority(PRIO_PROCESS, 0);
    mixerAtGamePriority = false;
    Mix_SetPostMix(mixAtGamePriority, nullptr);
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
