#include "objects/ObjectList.h"

#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "levels/Level.h"
#include "objects/Object.h"

#include <SDL_opengl.h>

#include <algorithm>

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
        stale = true;
    }
}

void cObjectList::sort()
{
    stale = true;
    // Stable, so that a replay of the same inputs always draws and finds in the same order.
    std::stable_sort(objects.begin(), objects.end(),
                     [](const cObject* a, const cObject* b) { return a->getLayer() < b->getLayer(); });
}

cObject* cObjectList::getFirstOfKind(int kind) const
{
    const ObjectList& found = inOrderOfKind(kind);
    return found.empty() ? nullptr : found.front();
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

void drawAllObjects()
{
    for (const cObject* object : Singleton<cObjectList>::instance().inOrder()) {
        cTexture* texture = object->getTexture();
        if (!texture) {
            continue;
        }
        glPushMatrix();
        glTranslatef(object->getX(), object->getY(), 0.0f);
        glRotatef(texture->getAngle(), 0.0f, 0.0f, 1.0f);
        texture->draw();
        glPopMatrix();
    }
}
