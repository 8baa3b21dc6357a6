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
