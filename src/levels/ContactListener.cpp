#include "levels/ContactListener.h"

#include "levels/Level.h"
#include "physics/Physics.h"

void ContactListener::EndContact(b2Contact* contact)
{
    b2WorldManifold manifold;
    contact->GetWorldManifold(&manifold);
    level->recordContact({contact->GetFixtureA(), contact->GetFixtureB(), nullptr, nullptr, manifold.normal,
                          manifold.points[0], b2Vec2_zero, 0, CONTACT_REMOVED});
}

void ContactListener::recordTouching(b2World* world)
{
    std::set<PointKey> current;
    for (const physics::TouchPoint& point : physics::touchingPoints(world)) {
        const PointKey key{point.fixture1, point.fixture2, point.id};
        const ContactState state = previous.count(key) ? CONTACT_PERSISTED : CONTACT_ADDED;
        current.insert(key);
        level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                              b2Vec2_zero, point.id, state});
    }
    previous.swap(current);
}
