#include "support/FreshGame.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "levels/Level.h"
#include "objects/ObjectList.h"

#include <SDL_mixer.h>

void endLevel(cLevel* level)
{
    Singleton<cProcessList>::instance().clearAll();
    delete level;
    Singleton<cObjectList>::instance().setLevel(nullptr);
    Singleton<cInput>::instance() = cInput();
    Singleton<cCamera>::instance() = cCamera();
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}
