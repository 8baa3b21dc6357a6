#include "support/TestWindow.h"

#include "app/Singleton.h"
#include "app/Video.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int BITS_PER_PIXEL = 32;
constexpr Uint32 MODE_FLAGS = SDL_OPENGL | SDL_RESIZABLE;

} // namespace

std::ostream& operator<<(std::ostream& out, const Rgba& color)
{
    return out << "(" << color.r << ", " << color.g << ", " << color.b << ", " << color.a << ")";
}

::testing::AssertionResult colorNear(const Rgba& actual, const Rgba& expected, int tolerance)
{
    const bool near = std::abs(actual.r - expected.r) <= tolerance &&
                      std::abs(actual.g - expected.g) <= tolerance &&
                      std::abs(actual.b - expected.b) <= tolerance;
    if (near) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel " << actual << " is not within " << tolerance
                                         << " of " << expected;
}

TestWindow& TestWindow::get()
{
    static TestWindow window;
    return window;
}

TestWindow::TestWindow()
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
        return;
    }
    std::atexit(SDL_Quit);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    setMode(START_WIDTH, START_HEIGHT);
}

void TestWindow::setMode(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    if (!SDL_SetVideoMode(width, height, BITS_PER_PIXEL, MODE_FLAGS)) {
        ADD_FAILURE() << "SDL_SetVideoMode: " << SDL_GetError();
    }
    applyGameState();
}

void TestWindow::reopen()
{
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        ADD_FAILURE() << "SDL_InitSubSystem: " << SDL_GetError();
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    setMode(width, height);
}

// The game's own state, so that tests draw exactly as the game does.
void TestWindow::applyGameState() const { Singleton<cVideo>::instance().initGL(); }

void TestWindow::clear()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Like the game, the view lives in the one matrix that is never switched.
    glLoadIdentity();
    glViewport(0, 0, width, height);
    const float halfWidth = width / PIXELS_PER_UNIT * 0.5f;
    const float halfHeight = height / PIXELS_PER_UNIT * 0.5f;
    glOrtho(-halfWidth, halfWidth, -halfHeight, halfHeight, -1.0, 1.0);
}

Rgba TestWindow::pixelAt(float x, float y) const
{
    const int column = static_cast<int>(std::floor(width * 0.5f + x * PIXELS_PER_UNIT));
    const int row = static_cast<int>(std::floor(height * 0.5f + y * PIXELS_PER_UNIT));
    unsigned char pixel[4] = {};
    glReadPixels(column, row, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}
