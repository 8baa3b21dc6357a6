#include "audio/Music.h"

#include "app/DataDir.h"
#include "app/SayOnce.h"
#include "app/Singleton.h"
#include "audio/Audio.h"

#include <SDL_mixer.h>


namespace {

Mix_Music* loadTrack(const std::string& fileName)
{
    Mix_Music* loaded = Mix_LoadMUS((DATA_DIR + fileName).c_str());
    return loaded != nullptr ? loaded : Mix_LoadMUS(fileName.c_str());
}

}  // namespace

cMusic::cMusic(const std::string& fileName)
    : name(fileName)
{
    if (!fileName.empty()) {
        load(fileName);
    }
}

cMusic::~cMusic()
{
    Singleton<cAudio>::instance().stopMusic();
    Mix_FreeMusic(music);
}

bool cMusic::load(const std::string& fileName)
{
    // The mixer decodes Ogg without a device, yet could never play it: report
    // the track as missing like every other sound of a silent game.
    cAudio& audio = Singleton<cAudio>::instance();
    Mix_Music* loaded = audio.isOpen() ? loadTrack(fileName) : nullptr;
    if (loaded == nullptr) {
        Singleton<cSayOnce>::instance().say("music " + fileName, "Failed to load music " + fileName);
        return false;
    }
    // A reload replaces the track; registering twice would free it twice.
    if (music != nullptr) {
        Mix_FreeMusic(music);
    } else {
        audio.addMusic(this);
    }
    music = loaded;
    name = fileName;
    return true;
}

void cMusic::play(int loops)
{
    if (music == nullptr) {
        return;
    }
    Singleton<cAudio>::instance().stopMusic();
    Mix_PlayMusic(music, loops);
}
