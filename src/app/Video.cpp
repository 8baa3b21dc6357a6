#include "app/Video.h"

#include "app/Camera.h"
#include "app/DataDir.h"
#include "app/Singleton.h"
#include "graphics/TextureManager.h"

#include <SDL_image.h>
#include <SDL_opengl.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

constexpr Uint32 WINDOW_FLAGS = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWPALETTE;
const char* const ICON = "images/quib.png";

[[noreturn]] void fail(const char* message, bool quitSdl)
{
    std::cout << message << SDL_GetError() << std::endl;
    if (quitSdl) {
        SDL_Quit();
    }
    std::exit(1);
}

// Without a display SDL may fall back on a driver that draws nowhere; a game
// nobody can see is no use, so that only counts when it was asked for by name.
bool invisibleDriverNotAskedFor()
{
    char name[32] = {};
    if (!SDL_VideoDriverName(name, sizeof name)) {
        return false;
    }
    const bool invisible = std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return invisible && !(asked && std::strcmp(asked, name) == 0);
}

// Xlib calls this once the X server is gone, and ends the process when it
// returns. Nothing on the way out may speak to the dead server: shutting SDL
// down would wait on the connection for ever, so it is not left to the exit
// handlers.
int lostDisplay(Display* display)
{
    std::cout << "Lost the display: " << DisplayString(display) << std::endl;
    std::exit(1);
}

SDL_Surface* loadIcon()
{
    SDL_Surface* icon = IMG_Load((DATA_DIR + ICON).c_str());
    return icon ? icon : IMG_Load(ICON);
}

} // namespace

bool cVideo::open(int width, int height, int bitsPerPixel, const std::string& windowCaption)
{
    widthPx = width;
    heightPx = height;
    bpp = bitsPerPixel;
    caption = windowCaption;
    windowedWidth = width;
    windowedHeight = height;
    Singleton<cCamera>::instance().fitWindow(width, height);
    createWindow();
    // Only the new context can tell which handles died with the old one.
    if (opened) {
        Singleton<cTextureManager>::instance().reloadAll();
    }
    project();
    clear();
    swap();
    opened = true;
    return true;
}

void cVideo::createWindow()
{
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0) {
        fail("Unable to initialize SDL: ", false);
    }
    if (invisibleDriverNotAskedFor()) {
        SDL_SetError("no display to open a window on");
        fail("Unable to initialize SDL: ", true);
    }
    flags = WINDOW_FLAGS;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info->hw_available) {
        flags |= SDL_HWSURFACE;
    }
    if (info->blit_hw) {
        flags |= SDL_HWACCEL;
    }
    desktopWidth = info->current_w;
    desktopHeight = info->current_h;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The pictures are painted from the back and hide by skipping what lies
    // behind them: a depth buffer would only cost its clearing and testing.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    screen = SDL_SetVideoMode(widthPx, heightPx, bpp, flags);
    if (!screen) {
        fail("Video mode set failed: ", true);
    }
    XSetIOErrorHandler(lostDisplay);
    initGL();
    SDL_WM_SetCaption(caption.c_str(), nullptr);
    // SDL keeps a copy of its own: ours would be lost at every new window.
    SDL_Surface* icon = loadIcon();
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

void cVideo::initGL()
{
    glClearColor(0.84f, 0.89f, 0.98f, 1.0f);
    glPointSize(3.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    glHint(GL_POINT_SMOOTH_HINT, GL_DONT_CARE);
}

void cVideo::resize(int w, int h)
{
    if (h == 0) {
        h = 1;
    }
    widthPx = w;
    heightPx = h;
    Singleton<cCamera>::instance().fitWindow(w, h);
    screen = SDL_SetVideoMode(w, h, bpp, fullscreen ? flags | SDL_FULLSCREEN : flags);
    if (!screen) {
        fail("Could not get a surface after resize: ", false);
    }
    initGL();
    Singleton<cTextureManager>::instance().reloadAll();
}

void cVideo::toggleFullscreen()
{
    if (!screen) {
        return;
    }
    fullscreen = !fullscreen;
    if (fullscreen) {
        windowedWidth = widthPx;
        windowedHeight = heightPx;
        resize(desktopWidth, desktopHeight);
    } else {
        resize(windowedWidth, windowedHeight);
    }
}

void cVideo::project()
{
    const cCamera& camera = Singleton<cCamera>::instance();
    glLoadIdentity();
    glViewport(0, 0, widthPx, heightPx);
    const float halfW = camera.halfWidth();
    const float halfH = camera.halfHeight();
    glOrtho(camera.x() - halfW, camera.x() + halfW, camera.y() - halfH, camera.y() + halfH, -1.0, 1.0);
}

void cVideo::clear() { glClear(GL_COLOR_BUFFER_BIT); }

void cVideo::swap() { SDL_GL_SwapBuffers(); }
