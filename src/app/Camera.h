#pragma once

/// The world point at the window's centre and the zoom in pixels per unit.
/// The view always shows the same height of the world, so a taller window
/// zooms in and a wider one shows more to the sides.
class cCamera final {
public:
    float x() const { return centreX; }
    float y() const { return centreY; }
    float zoom() const { return pixelsPerUnit; }
    /// Half the view's width and height, in world units.
    float halfWidth() const { return halfViewWidth; }
    float halfHeight() const { return halfViewHeight; }

    /// Centres the view 2 units above the point, and moves the mouse's world
    /// position along so that it stays where it is on the screen.
    void follow(float px, float py);
    /// Sets the zoom that shows the view's height in a window of this size.
    void fitWindow(int widthPx, int heightPx);

private:
    static constexpr float VIEW_LIFT = 2.0f;
    // A 640 x 480 window shows the world at 25 pixels per unit: 19.2 units high.
    static constexpr float BASE_ZOOM = 25.0f;
    static constexpr float BASE_WINDOW_HEIGHT = 480.0f;
    static constexpr float BASE_WINDOW_WIDTH = 640.0f;

    float centreX = 0.0f;
    float centreY = VIEW_LIFT;
    float pixelsPerUnit = BASE_ZOOM;
    float halfViewWidth = BASE_WINDOW_WIDTH / BASE_ZOOM * 0.5f;
    float halfViewHeight = BASE_WINDOW_HEIGHT / BASE_ZOOM * 0.5f;
};
