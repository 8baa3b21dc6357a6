#pragma once

#include "TestImages.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

/// Big enough to read each quadrant well inside, small enough to get mipmaps.
inline constexpr float QUAD_SIZE = 16.0f;

/// A cleared window with the view loaded, for tests that draw and read back.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override { window.clear(); }

    /// Checks the four quadrant centres of a square quad of the given size
    /// drawn around (centreX, centreY).
    void expectQuadrants(const images::Quadrants& expected, float size, float centreX = 0.0f,
                         float centreY = 0.0f) const
    {
        const float quarter = size * 0.25f;
        EXPECT_TRUE(colorNear(window.pixelAt(centreX - quarter, centreY + quarter), expected.topLeft)) << "top left";
        EXPECT_TRUE(colorNear(window.pixelAt(centreX + quarter, centreY + quarter), expected.topRight)) << "top right";
        EXPECT_TRUE(colorNear(window.pixelAt(centreX - quarter, centreY - quarter), expected.bottomLeft)) << "bottom left";
        EXPECT_TRUE(colorNear(window.pixelAt(centreX + quarter, centreY - quarter), expected.bottomRight)) << "bottom right";
    }

    TestWindow& window = TestWindow::get();
};
