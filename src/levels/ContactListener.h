#pragma once

#include "levels/ContactPoint.h"
#include "physics/Physics.h"

#include <box2d/b2_world_callbacks.h>

#include <tuple>
#include <vector>

class b2World;
class cLevel;

/// Records the world's contact points into its level's buffer: points that
/// begin or go on after each step, and points that end during a step or when
/// a body is destroyed.
class ContactListener final : public b2ContactListener {
public:
    explicit ContactListener(cLevel* level) : level(level) {}

    void EndContact(b2Contact* contact) override;
    /// Records every point touching after a step, as added or persisted.
    void recordTouching(b2World* world);
    /// Forgets the points of the last step, for a world that starts afresh.
    void forget() { previous.clear(); }

private:
    using PointKey = std::tuple<const b2Fixture*, const b2Fixture*, uint32>;

    cLevel* level;
    // The points of the last step, sorted, and those of this one as they come.
    // Lists that keep their room from tick to tick: the step's bookkeeping
    // allocates nothing once they have grown.
    std::vector<PointKey> previous;
    std::vector<PointKey> current;
    std::vector<physics::TouchPoint> touching;
};
