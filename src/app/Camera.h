#pragma once

/// The world point at the window's centre and the zoom in pixels per unit.
class cCamera final {
public:
    float x() const { return centreX; }
    float y() const { return centreY; }
    float zoom() const { return pixelsPerUnit; }

    /// Centres the view 2 units above the point, and moves the mouse's world
    /// position along so that it stays where it is on the screen.
    void follow(float px, float py);

private:
    static constexpr float VIEW_LIFT = 2.0f;

    float centreX = 0.0f;
    float centreY = VIEW_LIFT;
    float pixelsPerUnit = 25.0f;
};
