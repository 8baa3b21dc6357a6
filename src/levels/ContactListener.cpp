#include "levels/ContactListener.h"

#include "levels/Level.h"

#include <algorithm>

void ContactListener::BeginContact(b2Contact* contact)
{
    begun.emplace_back(contact->GetFixtureA(), contact->GetFixtureB());
}

void ContactListener::EndContact(b2Contact* contact)
{
    const physics::TouchPoint point = physics::endingPoint(contact);
    level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                          b2Vec2_zero, point.id, CONTACT_REMOVED});
}

void ContactListener::recordTouching(b2World* world)
{
    physics::touchingPoints(world, touching);
    std::sort(begun.begin(), begun.end());
    current.clear();
    previousCursor = 0;
    for (const physics::TouchPoint& point : touching) {
        const FixturePair fixtures{point.fixture1, point.fixture2};
        const bool persisted = touchedSinceLastStep(fixtures) && hadPoint(fixtures, point.id);
        current.push_back({fixtures, point.id});
        level->recordContact({point.fixture1, point.fixture2, nullptr, nullptr, point.normal, point.position,
                              b2Vec2_zero, point.id, persisted ? CONTACT_PERSISTED : CONTACT_ADDED});
    }
    previous.swap(current);
    begun.clear();
}

void ContactListener::forget()
{
    previous.clear();
    begun.clear();
}

// Box2D hands a destroyed fixture's memory to the next one it makes; a touch
// of that new fixture begins in a step and so never passes for the
// continuation of the old one.
bool ContactListener::touchedSinceLastStep(const FixturePair& fixtures) const
{
    return !std::binary_search(begun.begin(), begun.end(), fixtures);
}

// The touch's points of the last step lie together, at or after the cursor.
bool ContactListener::hadPoint(const FixturePair& fixtures, uint32 id)
{
    auto first = std::find_if(previous.begin() + static_cast<std::ptrdiff_t>(previousCursor), previous.end(),
                              [&fixtures](const PointKey& key) { return key.fixtures == fixtures; });
    if (first == previous.end()) {
        return false;
    }
    auto last = std::find_if(first, previous.end(), [&fixtures](const PointKey& key) { return key.fixtures != fixtures; });
    previousCursor = static_cast<std::size_t>(first - previous.begin());
    return std::any_of(first, last, [id](const PointKey& key) { return key.id == id; });
}
