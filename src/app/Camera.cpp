#include "app/Camera.h"

#include "app/Input.h"
#include "app/Singleton.h"

void cCamera::follow(float px, float py)
{
    const float newY = py + VIEW_LIFT;
    Singleton<cInput>::instance().moveMouse(px - centreX, newY - centreY);
    centreX = px;
    centreY = newY;
}

void cCamera::fitWindow(int widthPx, int heightPx)
{
    // Multiplied before dividing, so that 480 pixels give exactly 25.
    pixelsPerUnit = static_cast<float>(heightPx) * BASE_ZOOM / BASE_WINDOW_HEIGHT;
    halfViewWidth = static_cast<float>(widthPx) / pixelsPerUnit * 0.5f;
    halfViewHeight = static_cast<float>(heightPx) / pixelsPerUnit * 0.5f;
}
