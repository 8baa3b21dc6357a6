#include "audio/Sound.h"

#include "app/DataDir.h"
#include "app/SayOnce.h"
#include "app/Singleton.h"
#include "audio/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>


namespace {

constexpr int FIRST_FREE_CHANNEL = -1;
constexpr int NO_TIME_LIMIT = -1;

Mix_Chunk* loadChunkFrom(const std::string& path)
{
    return Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
}

Mix_Chunk* loadChunk(const std::string& fileName)
{
    Mix_Chunk* loaded = loadChunkFrom(DATA_DIR + fileName);
    return loaded != nullptr ? loaded : loadChunkFrom(fileName);
}

}  // namespace

cSound::cSound(const std::string& fileName)
    : name(fileName)
{
    if (!fileName.empty()) {
        load(fileName);
    }
}

cSound::~cSound()
{
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
    }
}

bool cSound::load(const std::string& fileName)
{
    // The device must be open before the mixer can decode anything.
    cAudio& audio = Singleton<cAudio>::instance();
    Mix_Chunk* loaded = loadChunk(fileName);
    if (loaded == nullptr) {
        Singleton<cSayOnce>::instance().say("sound " + fileName, "Failed to load sound " + fileName);
        return false;
    }
    // A reload replaces the sample; registering twice would free it twice.
    // The mixer silences the old sample's channels without a word.
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
        channel = -1;
    } else {
        audio.addSound(this);
    }
    chunk = loaded;
    name = fileName;
    return true;
}

void cSound::play(int loops)
{
    if (chunk == nullptr || (isPlaying() && !restart)) {
        return;
    }
    // Locked, so that the sound cannot end before its start is noted.
    SDL_LockAudio();
    channel = Mix_PlayChannelTimed(FIRST_FREE_CHANNEL, chunk, loops, NO_TIME_LIMIT);
    endingsBefore = cAudio::endingsOn(channel);
    SDL_UnlockAudio();
    // A crowd of colliding objects keeps every channel busy for a while: the
    // mixer's reason is said once, not once for every sound it turns away.
    if (channel == -1) {
        const std::string reason = SDL_GetError();
        Singleton<cSayOnce>::instance().say(reason, "Failed to play sound " + name + " " + reason);
    }
}

void cSound::stop()
{
    if (isPlaying()) {
        Mix_HaltChannel(channel);
        channel = -1;
    }
}

void cSound::setRestart(bool restartWhilePlaying)
{
    restart = restartWhilePlaying;
}

// The mixer gives a finished sound's channel to later sounds, so the channel
// only counts as ours until a sound ends on it.
bool cSound::isPlaying() const
{
    return channel >= 0 && cAudio::endingsOn(channel) == endingsBefore;
}
