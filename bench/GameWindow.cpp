#include "GameWindow.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "audio/Audio.h"
#include "graphics/TextureManager.h"
#include "objects/ObjectList.h"

cVideo& openGameWindow()
{
    Singleton<cObjectList>::instance();
    Singleton<cCamera>::instance();
    cVideo& video = Singleton<cVideo>::instance();
    Singleton<cInput>::instance();
    Singleton<cAudio>::instance();
    Singleton<cProcessList>::instance();
    Singleton<cTextureManager>::instance();
    video.open(640, 480, 32, "QUIB");
    return video;
}
