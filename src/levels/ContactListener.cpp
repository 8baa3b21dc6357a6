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
    physics::touchingPoints(world, previous, current);
    std::sort(begun.begin(), begun.end());
    previousCursor = 0;
    for (const physics::TouchPoint& point : current) {
        const FixturePair fixtures{point.fixture1, point.fixture2};
        // A kept point is one of the last step's, of a touch that rested all along.
        const bool persisted = point.kept || (touchedSinceLastStep(fixtures) && hadPoint(fixtures, point.id));
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
    const auto ofTouch = [&fixtures](const physics::TouchPoint& point) {
        return point.fixture1 == fixtures.first && point.fixture2 == fixtures.second;
    };
    auto first = std::find_if(previous.begin() + static_cast<std::ptrdiff_t>(previousCursor), previous.end(), ofTouch);
    if (first == previous.end()) {
        return false;
    }
    auto last = std::find_if_not(first, previous.end(), ofTouch);
    previousCursor = static_cast<std::size_t>(first - previous.begin());
    return std::any_of(first, last, [id](const physics::TouchPoint& point) { return point.id == id; });
}
