#include "levels/Level.h"

#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"

#include <algorithm>
#include <set>

namespace {

const b2Vec2 GRAVITY(0.0f, -20.0f);

cSound* loadSound(const char* name, bool restart)
{
    auto* sound = new cSound(name);
    sound->setRestart(restart);
    return sound;
}

} // namespace

cLevel::cLevel() : contactListener(this)
{
    worldAABB.lowerBound.Set(-50.0f, -50.0f);
    worldAABB.upperBound.Set(400.0f, 100.0f);
    world = physics::createWorld(GRAVITY, true);
    // The world draws itself only in the debug view.
    debugDraw.SetFlags(b2Draw::e_shapeBit | b2Draw::e_jointBit);
    world->SetDebugDraw(&debugDraw);
    Singleton<cObjectList>::instance().setLevel(this);
    world->SetContactListener(&contactListener);
    Singleton<cProcessList>::instance().add(this);
    sounds.jumpSound = loadSound("sounds/twit.wav", true);
    sounds.rollRightSound = loadSound("sounds/roll.wav", false);
    sounds.rollLeftSound = loadSound("sounds/roll.wav", false);
    sounds.pickupSound = loadSound("sounds/twow.wav", true);
    sounds.placeSound = loadSound("sounds/bank.wav", true);
    sounds.removeSound = loadSound("sounds/boink.wav", true);
    sounds.hitSound = loadSound("sounds/click.wav", true);
}

// Whatever the level made goes with it: every object with its picture, and
// the world with the bodies (its sounds are the mixer's).
cLevel::~cLevel()
{
    removeObjects([](const cObject*) { return false; });
    physics::destroyWorld(world);
    world = nullptr;
}

void cLevel::renewWorld()
{
    physics::destroyWorld(world);
    world = physics::createWorld(GRAVITY, true);
    world->SetDebugDraw(&debugDraw);
    world->SetContactListener(&contactListener);
    // The new world hands out the old fixtures' addresses again: a point kept
    // from the old one would pass for a touch in the new one.
    contactPointCount = 0;
    contactListener.forget();
    keptBodiesGone();
}

// A picture made for an object goes with it, unless another object still shows
// it or it holds an image that later pictures share: otherwise every preview and
// every placed object would leave its picture behind for good.
void cLevel::releasePicture(cTexture* picture)
{
    if (!picture || !picture->getName().empty()) {
        return;
    }
    for (const cObject* other : Singleton<cObjectList>::instance().inOrder()) {
        if (other->getTexture() == picture) {
            return;
        }
    }
    delete picture;
}

void cLevel::removeObjects(bool (*keep)(const cObject* object))
{
    std::set<cTexture*> pictures;
    for (cObject* object : Singleton<cObjectList>::instance().getAll()) {
        if (!keep(object)) {
            pictures.insert(object->getTexture());
            delete object;
        }
    }
    for (cTexture* picture : pictures) {
        releasePicture(picture);
    }
}

void cLevel::run(int message)
{
    if (message == MSG_TICK) {
        update();
    }
}

void cLevel::recordContact(const ContactPoint& point)
{
    if (contactPointCount == CONTACT_POINT_CAPACITY) {
        return;
    }
    ContactPoint& entry = contactPoints[contactPointCount++];
    entry = point;
    entry.body1 = point.shape1->GetBody();
    entry.body2 = point.shape2->GetBody();
}

// The rules keep bodies found through the registry until its generation moves
// on; a body that goes, or a world that goes, moves it on too.
void cLevel::keptBodiesGone() { Singleton<cObjectList>::instance().reindex(); }

void cLevel::destroyBody(b2Body* body)
{
    // Box2D reports the body's contacts as ended while it destroys them, so
    // the buffer gains removal points naming the body; those must not lead
    // into freed memory, nor to a new body that reuses the address.
    world->DestroyBody(body);
    keptBodiesGone();
    for (int i = 0; i < contactPointCount; ++i) {
        ContactPoint& point = contactPoints[i];
        if (point.body1 == body) {
            point.body1 = nullptr;
            point.shape1 = nullptr;
        }
        if (point.body2 == body) {
            point.body2 = nullptr;
            point.shape2 = nullptr;
        }
    }
}

void cLevel::destroyObject(cObject* object)
{
    std::vector<cObject*> hanging;
    if (b2Body* body = object->getBody()) {
        for (b2Fixture* fixture = body->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
            auto* marker = static_cast<cObject*>(physics::userData(fixture));
            if (marker && marker != object && std::find(hanging.begin(), hanging.end(), marker) == hanging.end()) {
                hanging.push_back(marker);
            }
        }
        for (b2JointEdge* edge = body->GetJointList(); edge; edge = edge->next) {
            if (auto* picture = static_cast<cObject*>(physics::userData(edge->joint))) {
                hanging.push_back(picture);
            }
        }
        destroyBody(body);
    }
    std::vector<cTexture*> pictures{object->getTexture()};
    delete object;
    for (cObject* attached : hanging) {
        pictures.push_back(attached->getTexture());
        delete attached;
    }
    for (cTexture* picture : pictures) {
        releasePicture(picture);
    }
}

std::vector<cObject*> cLevel::placedGroup(cObject* object) const
{
    std::vector<cObject*> group{object};
    for (size_t i = 0; i < group.size(); ++i) {
        b2Body* body = group[i]->getBody();
        for (b2JointEdge* edge = body ? body->GetJointList() : nullptr; edge; edge = edge->next) {
            auto* other = static_cast<cObject*>(physics::userData(edge->other));
            if (other && other->isRemovable() && std::find(group.begin(), group.end(), other) == group.end()) {
                group.push_back(other);
            }
        }
    }
    return group;
}

void cLevel::removePlaced(cObject* object)
{
    for (cObject* member : placedGroup(object)) {
        destroyObject(member);
    }
}
