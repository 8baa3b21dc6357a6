#include "app/Application.h"

#include "app/Camera.h"
#include "app/HugePages.h"
#include "app/Input.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "audio/Audio.h"
#include "graphics/TextureManager.h"
#include "levels/Level1.h"
#include "objects/ObjectList.h"

#include <atomic>
#include <cstdlib>

namespace {

constexpr Uint32 TICK_INTERVAL_MS = 17;
constexpr int TICK_EVENT = SDL_USEREVENT;
// SDL's queue holds 128 events; when ticks run slower than the timer, a few
// pending ticks are enough, and the rest of the queue stays free for input.
constexpr int MAX_PENDING_TICKS = 2;

std::atomic<int> pendingTicks{0};

} // namespace

cApplication::cApplication()
    : objectList(&Singleton<cObjectList>::instance()),
      camera(&Singleton<cCamera>::instance()),
      video(&Singleton<cVideo>::instance()),
      input(&Singleton<cInput>::instance()),
      audio(&Singleton<cAudio>::instance()),
      processList(&Singleton<cProcessList>::instance()),
      textureManager(&Singleton<cTextureManager>::instance()),
      quit(false)
{
    init();
}

// The level goes first, with all it made, then SDL, before the managers; SDL
// is shut down here rather than by an exit handler, which would also run when
// the display is lost.
cApplication::~cApplication()
{
    processList->clearAll();
    delete level;
    SDL_Quit();
    std::exit(0);
}

void cApplication::init()
{
    video->open(640, 480, 32, "QUIB");
    level = new Level1;
    settleHeapOnHugePages();
    SDL_AddTimer(TICK_INTERVAL_MS, tickTimer, nullptr);
    mainLoop();
}

Uint32 cApplication::tickTimer(Uint32, void*)
{
    if (pendingTicks.load() < MAX_PENDING_TICKS) {
        SDL_Event event{};
        event.type = TICK_EVENT;
        if (SDL_PushEvent(&event) == 0) {
            ++pendingTicks;
        }
    }
    return TICK_INTERVAL_MS;
}

void cApplication::mainLoop()
{
    SDL_Event event;
    while (!quit && SDL_WaitEvent(&event)) {
        handle(event);
    }
}

void cApplication::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        input->setKey(event.key.keysym.sym, cInput::DOWN);
        quit = quit || event.key.keysym.sym == SDLK_ESCAPE;
        break;
    case SDL_KEYUP:
        input->setKey(event.key.keysym.sym, cInput::UP);
        break;
    case SDL_MOUSEMOTION:
        input->setMousePixel(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        input->setButton(event.button.button, cInput::DOWN);
        break;
    case SDL_MOUSEBUTTONUP:
        input->setButton(event.button.button, cInput::UP);
        break;
    case SDL_QUIT:
        quit = true;
        break;
    case SDL_VIDEORESIZE:
        video->resize(event.resize.w, event.resize.h);
        break;
    case TICK_EVENT:
        runQueuedTick();
        break;
    default:
        break;
    }
}

void cApplication::runQueuedTick()
{
    --pendingTicks;
    tick();
}

void cApplication::tick()
{
    cVideo& screen = Singleton<cVideo>::instance();
    screen.clear();
    Singleton<cProcessList>::instance().runAll();
    Singleton<cInput>::instance().endTick();
    screen.project();
    screen.swap();
}
