#pragma once

#include <SDL.h>

#include <string>

/// The window with its OpenGL context, and the view transform loaded each tick.
class cVideo final {
public:
    bool open(int width, int height, int bpp, const std::string& caption);
    void createWindow();
    void initGL();
    void resize(int w, int h);
    void toggleFullscreen();
    void project();
    void clear();
    void swap();

    int width() const { return widthPx; }
    int height() const { return heightPx; }
    bool isFullscreen() const { return fullscreen; }
    /// The texture bound last, so drawing binds only when it changes.
    unsigned int boundTexture() const { return bound; }
    void setBoundTexture(unsigned int id) { bound = id; }

private:
    int widthPx = 0;
    int heightPx = 0;
    int bpp = 0;
    std::string caption;
    bool fullscreen = false;
    bool opened = false;
    int windowedWidth = 0;
    int windowedHeight = 0;
    int desktopWidth = 0;
    int desktopHeight = 0;
    SDL_Surface* screen = nullptr;
    Uint32 flags = 0;
    unsigned int bound = 0;
};
