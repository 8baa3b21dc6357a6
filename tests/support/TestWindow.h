#pragma once

#include <gtest/gtest.h>

#include <ostream>

/// One pixel as read back from the window, 0 to 255 a channel.
struct Rgba {
    int r, g, b, a;
};

std::ostream& operator<<(std::ostream& out, const Rgba& color);
/// Passes when every colour channel is within the tolerance (alpha is ignored:
/// the window keeps none).
::testing::AssertionResult colorNear(const Rgba& actual, const Rgba& expected, int tolerance = 3);

/// A real SDL window with an OpenGL context and the game's drawing state, for
/// tests that draw and read the pixels back. The view is 10 pixels per world
/// unit with world (0, 0) at the window's centre.
class TestWindow final {
public:
    static constexpr int START_WIDTH = 640;
    static constexpr int START_HEIGHT = 480;
    static constexpr float PIXELS_PER_UNIT = 10.0f;
    /// The game's pale blue background.
    static constexpr Rgba BACKGROUND{214, 227, 250, 255};

    /// The window of this test program, opened on first use at 640 x 480.
    static TestWindow& get();

    /// A new size, set the way the game's resize sets it.
    void setMode(int width, int height);
    /// Closes the window and opens a new one, so the OpenGL context is a new one.
    void reopen();
    /// Clears to the background and loads the view.
    void clear();
    /// The pixel that shows world point (x, y).
    Rgba pixelAt(float x, float y) const;

private:
    TestWindow();
    void applyGameState() const;

    int width = 0;
    int height = 0;
};
