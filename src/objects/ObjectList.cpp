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
    }
}

void cObjectList::sort()
{
    // Stable, so that a replay of the same inputs always draws and finds in the same order.
    std::stable_sort(objects.begin(), objects.end(),
                     [](const cObject* a, const cObject* b) { return a->getLayer() < b->getLayer(); });
}

cObject* cObjectList::getFirstOfKind(int kind) const
{
    auto found = std::find_if(objects.begin(), objects.end(),
                              [kind](const cObject* object) { return object->getKind() == kind; });
    return found == objects.end() ? nullptr : *found;
}

ObjectList cObjectList::getAllOfKind(int kind) const
{
    ObjectList found;
    std::copy_if(objects.begin(), objects.end(), std::back_inserter(found),
                 [kind](const cObject* object) { return object->getKind() == kind; });
    return found;
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

bool cObjectList::isTouchingAnything(const b2Body* body) const { return !getTouchingBodies(body).empty(); }

bool cObjectList::isTouching(const b2Body* body, const b2Body* other) const
{
    if (!other) {
        return false;
    }
    const std::vector<b2Body*> touching = getTouchingBodies(body);
    return std::find(touching.begin(), touching.end(), other) != touching.end();
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
