#pragma once

#include "levels/ReplayPlayer.h"

#include <box2d/b2_math.h>

#include <vector>

class b2Body;
class cLevel;

/// Searches the level for dead ends: the wheel is set down at rest on every
/// surface it can reach, and a few escapes are tried from where it settles.
/// A place is escaped when one of them brings the wheel back onto the route,
/// the path of the exact replay, within the stretch the place lies in or a
/// later one: climbing back into an earlier puzzle is no way on. The level is
/// restarted for every try, so that each starts from the same state.
class DeadEndSweep final {
public:
    /// Places lie this far apart along each surface.
    static constexpr float SPACING = 0.5f;
    /// The wheel is on the route within this distance of a point the route passes.
    static constexpr float ON_ROUTE = 0.3f;

    explicit DeadEndSweep(cLevel& level);

    /// Tries every n-th place. The route is the wheel's path, a point a tick;
    /// its stretches start at the given ticks (each puzzle's).
    void run(const std::vector<b2Vec2>& route, const std::vector<int>& stretchStarts, int every);

    int tried() const { return placesTried; }
    int escaped() const { return placesEscaped; }
    /// Where the wheel rested, one entry for each dead end.
    const std::vector<b2Vec2>& deadEnds() const { return trapped; }
    /// The deepest anything moving sank into the wheel during the sweep.
    float deepestOverlap() const { return player.deepestOverlap(); }
    b2Vec2 deepestOverlapAt() const { return player.deepestOverlapAt(); }

private:
    struct RoutePoint {
        float x;
        float y;
        int tick;
    };

    std::vector<b2Vec2> places(float wheelRadius) const;
    bool reachable(b2Vec2 centre) const;
    bool isClear(b2Vec2 centre, float wheelRadius) const;
    bool escapes(b2Vec2 place, b2Vec2 rest);
    b2Vec2 settle(b2Vec2 place);
    void restart();
    void setDown(b2Vec2 centre);
    bool onRoute(b2Vec2 at, int fromTick) const;
    int stretchStart(float x) const;

    cLevel& level;
    ReplayPlayer player;
    std::vector<RoutePoint> route;
    std::vector<b2Vec2> starts;
    std::vector<int> startTicks;
    int placesTried = 0;
    int placesEscaped = 0;
    std::vector<b2Vec2> trapped;
};
