#include "support/Play.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "objects/Object.h"

#include <cmath>

namespace {

ObjectList objectsWhere(bool (cObject::*wanted)() const)
{
    ObjectList found;
    for (cObject* object : registry().inOrder()) {
        if ((object->*wanted)()) {
            found.push_back(object);
        }
    }
    return found;
}

} // namespace

cInput& input() { return Singleton<cInput>::instance(); }

cObjectList& registry() { return Singleton<cObjectList>::instance(); }

cObject* firstOfKind(int kind) { return registry().getFirstOfKind(kind); }

b2Body* bodyOf(int kind)
{
    cObject* object = firstOfKind(kind);
    return object ? object->getBody() : nullptr;
}

ObjectList tools() { return objectsWhere(&cObject::isTool); }

ObjectList placedObjects() { return objectsWhere(&cObject::isRemovable); }

ObjectList carried() { return objectsWhere(&cObject::isDragged); }

void pointAt(float x, float y) { input().moveMouse(x - input().mouseX(), y - input().mouseY()); }

void pointAtPixelOf(float x, float y)
{
    const cVideo& video = Singleton<cVideo>::instance();
    const cCamera& camera = Singleton<cCamera>::instance();
    const float px = static_cast<float>(video.width()) * 0.5f + (x - camera.x()) * camera.zoom();
    const float py = static_cast<float>(video.height()) * 0.5f - (y - camera.y()) * camera.zoom();
    input().setMousePixel(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
}

void click(int button)
{
    input().setButton(button, cInput::DOWN);
    input().setButton(button, cInput::UP);
}
