#include "objects/Object.h"

#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "objects/ObjectList.h"
#include "objects/ObjectPool.h"

#include <box2d/b2_body.h>

namespace {

// Never freed: the objects that the run time's exit handlers still delete
// must find it.
cObjectPool& pool()
{
    static cObjectPool* const objects = new cObjectPool(sizeof(cObject));
    return *objects;
}

} // namespace

// The class is final: every request is for one object.
void* cObject::operator new(std::size_t) { return pool().allocate(); }

void cObject::operator delete(void* object) { pool().release(object); }

cObject::cObject(int layer, int kind) : layer(layer), kind(kind)
{
    Singleton<cObjectList>::instance().add(this);
}

cObject::~cObject() { Singleton<cObjectList>::instance().remove(this); }

void cObject::setPosition(float newX, float newY)
{
    x = newX;
    y = newY;
}

void cObject::setFactory(ObjectFactory newFactory, b2World* world)
{
    factory = newFactory;
    factoryWorld = world;
}

void cObject::setRemovable(bool value)
{
    removable = value;
    Singleton<cObjectList>::instance().reindex();
}

void cObject::setLayer(int newLayer)
{
    layer = newLayer;
    Singleton<cObjectList>::instance().sort();
}

ObjectList cObject::createFromFactory(bool preview) const
{
    return factory ? factory(factoryWorld, x, y, preview, nullptr) : ObjectList();
}

bool cObject::containsPoint(float px, float py, float margin) const
{
    if (!texture) {
        return false;
    }
    const float hw = texture->getWidth() * 0.5f;
    const float hh = texture->getHeight() * 0.5f;
    return x - hw - margin <= px && px <= x + hw + margin && y - hh - margin <= py && py <= y + hh + margin;
}

// A sleeping body stands where it stood at the last sync, since the game wakes
// whatever it moves, and a static one never moves: once the object and its
// picture have taken the pose, neither needs it again.
void cObject::syncFromBody()
{
    if (!body || (synced && !body->IsAwake())) {
        return;
    }
    synced = true;
    x = body->GetPosition().x;
    y = body->GetPosition().y;
    if (texture) {
        texture->setAngle(static_cast<float>(body->GetAngle() * 180.0 / 3.141592653589793));
    }
}
