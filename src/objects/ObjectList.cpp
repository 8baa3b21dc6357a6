#include "objects/ObjectList.h"

#include "app/Camera.h"
#include "app/Singleton.h"
#include "graphics/Occlusion.h"
#include "graphics/Texture.h"
#include "levels/Level.h"
#include "objects/Object.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>

void cObjectList::add(cObject* object)
{
    objects.push_back(object);
    sort();
}

void cObjectList::remove(cObject* object)
{
    auto found = std::find(objects.begin(), objects.end(), object);
    if (found != objects.end()) {
        objects.erase(found);
        markChanged();
    }
}

void cObjectList::sort()
{
    markChanged();
    // Stable, so that a replay of the same inputs always draws and finds in the same order.
    std::stable_sort(objects.begin(), objects.end(),
                     [](const cObject* a, const cObject* b) { return a->getLayer() < b->getLayer(); });
}

cObject* cObjectList::getFirstOfKind(int kind) const
{
    if (stale) {
        index();
    }
    return kind >= 0 && static_cast<size_t>(kind) < firstOfKind.size() ? firstOfKind[static_cast<size_t>(kind)]
                                                                        : nullptr;
}

ObjectList cObjectList::getAllOfKind(int kind) const { return inOrderOfKind(kind); }

const ObjectList& cObjectList::inOrderOfKind(int kind) const
{
    static const ObjectList none;
    if (stale) {
        index();
    }
    return kind >= 0 && static_cast<size_t>(kind) < byKind.size() ? byKind[static_cast<size_t>(kind)] : none;
}

const ObjectList& cObjectList::inOrderRemovable() const
{
    if (stale) {
        index();
    }
    return removables;
}

// The lists keep their room from one rebuild to the next.
void cObjectList::index() const
{
    for (ObjectList& list : byKind) {
        list.clear();
    }
    removables.clear();
    for (cObject* object : objects) {
        if (object->isRemovable()) {
            removables.push_back(object);
        }
        const int kind = object->getKind();
        if (kind < 0) {
            continue;
        }
        if (static_cast<size_t>(kind) >= byKind.size()) {
            byKind.resize(static_cast<size_t>(kind) + 1);
        }
        byKind[static_cast<size_t>(kind)].push_back(object);
    }
    firstOfKind.assign(byKind.size(), nullptr);
    for (size_t kind = 0; kind < byKind.size(); ++kind) {
        firstOfKind[kind] = byKind[kind].empty() ? nullptr : byKind[kind].front();
    }
    stale = false;
}

std::vector<b2Body*> cObjectList::getTouchingBodies(const b2Body* body) const
{
    std::vector<b2Body*> touching;
    if (!level || !body) {
        return touching;
    }
    const ContactPoint* points = level->getContactPoints();
    for (int i = 0; i < level->getContactPointCount(); ++i) {
        if (points[i].body1 == body) {
            touching.push_back(points[i].body2);
        } else if (points[i].body2 == body) {
            touching.push_back(points[i].body1);
        }
    }
    return touching;
}

// The two queries run for many bodies every tick: they look at the points in
// place instead of collecting the touching bodies.
bool cObjectList::isTouchingAnything(const b2Body* body) const
{
    return body && anyPoint([body](const ContactPoint& p) { return p.body1 == body || p.body2 == body; });
}

bool cObjectList::isTouching(const b2Body* body, const b2Body* other) const
{
    return body && other && anyPoint([body, other](const ContactPoint& p) {
        return (p.body1 == body && p.body2 == other) || (p.body2 == body && p.body1 == other);
    });
}

template <class Match>
bool cObjectList::anyPoint(Match match) const
{
    if (!level) {
        return false;
    }
    const ContactPoint* points = level->getContactPoints();
    return std::any_of(points, points + level->getContactPointCount(), match);
}

void cObjectList::syncAll()
{
    for (cObject* object : objects) {
        object->syncFromBody();
    }
}

namespace {

// The drawing uses the view loaded at the end of the last tick, while the
// camera may have moved since: this much farther is still drawn.
constexpr float VIEW_MARGIN = 4.0f;
constexpr float DEGREES_TO_RADIANS = 3.14159265f / 180.0f;

// Pictures outside the view still cost the renderer their setup, and a picture
// that waits for its image is read only once it comes into view.
bool isInView(const cObject* object, const cTexture* texture)
{
    const cCamera& camera = Singleton<cCamera>::instance();
    const float radians = texture->getAngle() * DEGREES_TO_RADIANS;
    const float cosine = std::cos(radians), sine = std::sin(radians);
    const float centreX = object->getX() + cosine * texture->getOffsetX() - sine * texture->getOffsetY();
    const float centreY = object->getY() + sine * texture->getOffsetX() + cosine * texture->getOffsetY();
    const float reach = texture->getReach() + VIEW_MARGIN;
    return std::fabs(centreX - camera.x()) <= camera.halfWidth() + reach &&
           std::fabs(centreY - camera.y()) <= camera.halfHeight() + reach;
}

void drawPicture(const cObject* object, cTexture* texture)
{
    glPushMatrix();
    glTranslatef(object->getX(), object->getY(), 0.0f);
    glRotatef(texture->getAngle(), 0.0f, 0.0f, 1.0f);
    texture->draw();
    glPopMatrix();
}

// Whatever may be shown: the view and its margin.
cOcclusion::Area watchedArea()
{
    const cCamera& camera = Singleton<cCamera>::instance();
    const float halfWidth = camera.halfWidth() + VIEW_MARGIN;
    const float halfHeight = camera.halfHeight() + VIEW_MARGIN;
    return {camera.x() - halfWidth, camera.y() - halfHeight, camera.x() + halfWidth, camera.y() + halfHeight};
}

} // namespace

// The pictures are judged nearest first, each skipping the cells that nearer
// ones hide, then painted from the back, each over what lies behind it. The
// sky under the ground is never painted, and a software renderer pays for
// every pixel it paints, covered later or not.
void drawAllObjects()
{
    const ObjectList& objects = Singleton<cObjectList>::instance().inOrder();
    cOcclusion& occlusion = Singleton<cOcclusion>::instance();
    occlusion.reset(watchedArea());
    for (std::size_t i = objects.size(); i-- > 0;) {
        cTexture* texture = objects[i]->getTexture();
        if (texture && isInView(objects[i], texture)) {
            texture->judgeHidden(occlusion, objects[i]->getX(), objects[i]->getY());
            texture->hideBehind(occlusion, objects[i]->getX(), objects[i]->getY());
        }
    }
    for (const cObject* object : objects) {
        cTexture* texture = object->getTexture();
        if (texture && isInView(object, texture)) {
            drawPicture(object, texture);
        }
    }
}
