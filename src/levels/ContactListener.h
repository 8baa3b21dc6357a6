#pragma once

#include "levels/ContactPoint.h"
#include "physics/Physics.h"

#include <box2d/b2_world_callbacks.h>

#include <utility>
#include <vector>

class b2World;
class cLevel;

/// Records the world's contact points into its level's buffer: points that
/// begin or go on after each step, and points that end during a step or when
/// a body is destroyed.
class ContactListener final : public b2ContactListener {
public:
    explicit ContactListener(cLevel* level) : level(level) {}

    void BeginContact(b2Contact* contact) override;
    void EndContact(b2Contact* contact) override;
    /// Records every point touching after a step, as added or persisted.
    void recordTouching(b2World* world);
    /// Forgets the points of the last step, for a world that starts afresh.
    void forget();

private:
    using FixturePair = std::pair<const b2Fixture*, const b2Fixture*>;

    /// Whether the touch of these fixtures went on from the last step without
    /// a break, and then whether it already had a point of this id.
    bool touchedSinceLastStep(const FixturePair& fixtures) const;
    bool hadPoint(const FixturePair& fixtures, uint32 id);

    cLevel* level;
    // The points of the last step and of this one, in the world's contact
    // order. A touch that went on without a break kept its place in that
    // order, so one walk along the last step's points finds them all; a touch
    // that began in the step is new whatever its fixtures' addresses were.
    // Lists that keep their room from tick to tick: the step's bookkeeping
    // allocates nothing once they have grown.
    std::vector<physics::TouchPoint> previous;
    std::vector<physics::TouchPoint> current;
    std::size_t previousCursor = 0;
    std::vector<FixturePair> begun;
};
