#include "levels/ContactListener.h"

#include "levels/Level.h"
#include "physics/Physics.h"

#include <limits>

void ContactListener::EndContact(b2Contact* contact)
{
    const physics::TouchPoint point = physics::endingPoint(contact);
    level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                          b2Vec2_zero, point.id, CONTACT_REMOVED});
    // Box2D hands a destroyed fixture's memory to the next one it makes; a
    // touch of that new fixture must not pass for the continuation of this one.
    previous.erase(previous.lower_bound({point.fixture1, point.fixture2, 0}),
                   previous.upper_bound({point.fixture1, point.fixture2, std::numeric_limits<uint32>::max()}));
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
