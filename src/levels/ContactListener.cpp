#include "levels/ContactListener.h"

#include "levels/Level.h"

#include <algorithm>
#include <limits>

void ContactListener::EndContact(b2Contact* contact)
{
    const physics::TouchPoint point = physics::endingPoint(contact);
    level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                          b2Vec2_zero, point.id, CONTACT_REMOVED});
    // Box2D hands a destroyed fixture's memory to the next one it makes; a
    // touch of that new fixture must not pass for the continuation of this one.
    previous.erase(std::lower_bound(previous.begin(), previous.end(), PointKey{point.fixture1, point.fixture2, 0}),
                   std::upper_bound(previous.begin(), previous.end(),
                                    PointKey{point.fixture1, point.fixture2, std::numeric_limits<uint32>::max()}));
}

void ContactListener::recordTouching(b2World* world)
{
    physics::touchingPoints(world, touching);
    current.clear();
    for (const physics::TouchPoint& point : touching) {
        const PointKey key{point.fixture1, point.fixture2, point.id};
        const bool persisted = std::binary_search(previous.begin(), previous.end(), key);
        current.push_back(key);
        level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                              b2Vec2_zero, point.id, persisted ? CONTACT_PERSISTED : CONTACT_ADDED});
    }
    std::sort(current.begin(), current.end());
    previous.swap(current);
}
