#include "levels/DeadEndSweep.h"

#include "app/Input.h"
#include "app/Singleton.h"
#include "levels/Level.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"
#include "shapes/ShapeFile.h"
#include "support/Play.h"

#include <SDL.h>

#include <algorithm>
#include <sstream>

namespace {

const char* const LEVEL_DRAWING = "shapes/level.svg";
// A side facing up at least this much (the y of its outward normal) can hold a wheel.
constexpr float UPWARD = 0.25f;
// The wheel is set down this far above the surface, so that it starts clear of it.
constexpr float SET_DOWN_GAP = 0.02f;
// The route reaches a surface when it passes this close sideways and no more
// than a jump below it.
constexpr float REACH_SIDEWAYS = 3.0f;
constexpr float REACH_ABOVE = 1.5f;
// The wheel has come to rest when it moves slower than this for that many ticks.
constexpr float REST_SPEED = 0.05f;
constexpr int STILL_TICKS = 20;
// A wheel still rolling after this many ticks (to and fro in a dip, where it
// hardly slows) is judged from where the time leaves it.
constexpr int SETTLE_LIMIT = 300;
// Two places whose wheel rests this close are the same place.
constexpr float SAME_REST = 0.1f;
constexpr int MOST_FIXTURES = 64;

// What a player stuck somewhere tries, each key held for at most 3 s (150
// ticks); then the wheel rolls on by itself for a while, as it does on flat ground.
const char* const ESCAPES[] = {
    "press right\nwait 150\nrelease right\nwait 250\n",
    "press left\nwait 150\nrelease left\nwait 250\n",
    "tap up\nwait 100\n",
    "press right\ntap up\nwait 149\nrelease right\nwait 250\n",
    "press left\ntap up\nwait 149\nrelease left\nwait 250\n",
};

const std::vector<std::vector<ReplayStep>>& escapeScripts()
{
    static std::vector<std::vector<ReplayStep>> scripts;
    if (scripts.empty()) {
        for (const char* text : ESCAPES) {
            std::istringstream stream(text);
            scripts.push_back(readReplayScript(stream).steps);
        }
    }
    return scripts;
}

bool isPlayer(const b2Body* body)
{
    return body == bodyOf(KIND_WHEEL) || body == bodyOf(KIND_SQUIRREL) || body == bodyOf(KIND_FOOT);
}

// The planks: whatever hangs from the world on ropes.
std::vector<std::vector<b2Vec2>> plankOutlines(b2World* world)
{
    std::vector<std::vector<b2Vec2>> outlines;
    for (b2Joint* joint = world->GetJointList(); joint; joint = joint->GetNext()) {
        b2Body* plank = joint->GetBodyB();
        if (joint->GetType() != e_distanceJoint || plank->GetType() != b2_dynamicBody) {
            continue;
        }
        for (b2Fixture* fixture = plank->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
            if (fixture->GetType() != b2Shape::e_polygon) {
                continue;
            }
            const auto* polygon = static_cast<const b2PolygonShape*>(fixture->GetShape());
            std::vector<b2Vec2> outline;
            for (int i = 0; i < polygon->m_count; ++i) {
                outline.push_back(b2Mul(plank->GetTransform(), polygon->m_vertices[i]));
            }
            outlines.push_back(outline);
        }
    }
    return outlines;
}

// Points every SPACING along the sides of a counter-clockwise outline that face
// up, lifted by the distance along the side's outward normal.
void addSurfacePoints(const std::vector<b2Vec2>& outline, float lift, std::vector<b2Vec2>& points)
{
    for (size_t i = 0; outline.size() >= 3 && i < outline.size(); ++i) {
        const b2Vec2 a = outline[i];
        const b2Vec2 side = outline[(i + 1) % outline.size()] - a;
        const float length = side.Length();
        if (length == 0.0f || -side.x / length < UPWARD) {
            continue;
        }
        const b2Vec2 normal(side.y / length, -side.x / length);
        for (float along = DeadEndSweep::SPACING * 0.5f; along < length; along += DeadEndSweep::SPACING) {
            points.push_back(a + (along / length) * side + lift * normal);
        }
    }
}

} // namespace

DeadEndSweep::DeadEndSweep(cLevel& level) : level(level) {}

void DeadEndSweep::run(const std::vector<b2Vec2>& path, const std::vector<int>& stretchStarts, int every)
{
    route.clear();
    for (size_t tick = 0; tick < path.size(); ++tick) {
        route.push_back({path[tick].x, path[tick].y, static_cast<int>(tick)});
    }
    std::sort(route.begin(), route.end(), [](const RoutePoint& a, const RoutePoint& b) { return a.x < b.x; });
    startTicks = stretchStarts;
    starts.clear();
    for (int tick : stretchStarts) {
        starts.push_back(path.at(std::min(static_cast<size_t>(tick), path.size() - 1)));
    }
    // The places are found in the level as it was built: no placed tool covers
    // a surface, every plank hangs still.
    restart();
    const b2Body* wheel = bodyOf(KIND_WHEEL);
    const float radius = wheel->GetFixtureList()->GetShape()->m_radius;
    const std::vector<b2Vec2> candidates = places(radius);
    std::vector<std::pair<b2Vec2, bool>> judged;
    for (size_t i = 0; i < candidates.size(); i += static_cast<size_t>(every)) {
        ++placesTried;
        const b2Vec2 rest = settle(candidates[i]);
        const auto same = std::find_if(judged.begin(), judged.end(), [rest](const std::pair<b2Vec2, bool>& j) {
            return b2Distance(j.first, rest) < SAME_REST;
        });
        const bool escaped = same != judged.end() ? same->second : escapes(candidates[i], rest);
        if (same == judged.end()) {
            judged.emplace_back(rest, escaped);
            if (!escaped) {
                trapped.push_back(rest);
            }
        }
        placesEscaped += escaped ? 1 : 0;
    }
    restart();
}

std::vector<b2Vec2> DeadEndSweep::places(float wheelRadius) const
{
    std::vector<b2Vec2> points;
    const cShapeFile drawing(LEVEL_DRAWING);
    for (const std::vector<b2Vec2>& outline : drawing.getOutlines()) {
        addSurfacePoints(outline, wheelRadius + SET_DOWN_GAP, points);
    }
    for (const std::vector<b2Vec2>& outline : plankOutlines(level.getWorld())) {
        addSurfacePoints(outline, wheelRadius + SET_DOWN_GAP, points);
    }
    std::vector<b2Vec2> open;
    for (const b2Vec2& centre : points) {
        if (reachable(centre) && isClear(centre, wheelRadius)) {
            open.push_back(centre);
        }
    }
    return open;
}

bool DeadEndSweep::reachable(b2Vec2 centre) const
{
    auto point = std::lower_bound(route.begin(), route.end(), centre.x - REACH_SIDEWAYS,
                                  [](const RoutePoint& p, float x) { return p.x < x; });
    for (; point != route.end() && point->x <= centre.x + REACH_SIDEWAYS; ++point) {
        if (centre.y <= point->y + REACH_ABOVE) {
            return true;
        }
    }
    return false;
}

bool DeadEndSweep::isClear(b2Vec2 centre, float wheelRadius) const
{
    b2CircleShape wheel;
    wheel.m_radius = wheelRadius;
    const b2Transform at(centre, b2Rot(0.0f));
    b2AABB box;
    box.lowerBound = centre - b2Vec2(wheelRadius, wheelRadius);
    box.upperBound = centre + b2Vec2(wheelRadius, wheelRadius);
    for (b2Fixture* fixture : physics::queryBox(level.getWorld(), box, MOST_FIXTURES)) {
        const b2Body* body = fixture->GetBody();
        if (fixture->IsSensor() || isPlayer(body)) {
            continue;
        }
        for (int child = 0; child < fixture->GetShape()->GetChildCount(); ++child) {
            if (b2TestOverlap(&wheel, 0, fixture->GetShape(), child, at, body->GetTransform())) {
                return false;
            }
        }
    }
    return true;
}

bool DeadEndSweep::escapes(b2Vec2 place, b2Vec2 rest)
{
    const int fromTick = stretchStart(rest.x);
    if (onRoute(rest, fromTick)) {
        return true;
    }
    for (const std::vector<ReplayStep>& escape : escapeScripts()) {
        settle(place);
        player.stopWhen([this, fromTick](b2Vec2 at) { return onRoute(at, fromTick); });
        player.play(escape);
        const bool back = player.stopped();
        player.stopWhen({});
        if (back) {
            return true;
        }
    }
    return false;
}

// Where the wheel, set down at the place in the level as it was built, comes
// to rest. The level is built anew for it, so the same place always gives the
// same play from the same state.
b2Vec2 DeadEndSweep::settle(b2Vec2 place)
{
    restart();
    setDown(place);
    const b2Body* wheel = bodyOf(KIND_WHEEL);
    for (int ticks = 0, still = 0; ticks < SETTLE_LIMIT && still < STILL_TICKS; ++ticks) {
        player.tick();
        still = wheel->GetLinearVelocity().Length() < REST_SPEED ? still + 1 : 0;
    }
    return wheel->GetPosition();
}

// The level as it was built, by the game's own restart (R), with no key down.
void DeadEndSweep::restart()
{
    cInput& input = Singleton<cInput>::instance();
    for (int key : {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN}) {
        input.setKey(key, cInput::UP);
    }
    input.setKey(SDLK_r, cInput::DOWN);
    player.tick();
    input.setKey(SDLK_r, cInput::UP);
}

// The wheel with its rider moved to the place, at rest.
void DeadEndSweep::setDown(b2Vec2 centre)
{
    b2Body* wheel = bodyOf(KIND_WHEEL);
    const b2Vec2 from = wheel->GetPosition();
    for (b2Body* part : {bodyOf(KIND_SQUIRREL), bodyOf(KIND_FOOT), wheel}) {
        physics::setTransform(part, centre + (part->GetPosition() - from), 0.0f);
        part->SetLinearVelocity(b2Vec2_zero);
        part->SetAngularVelocity(0.0f);
    }
}

bool DeadEndSweep::onRoute(b2Vec2 at, int fromTick) const
{
    auto point = std::lower_bound(route.begin(), route.end(), at.x - ON_ROUTE,
                                  [](const RoutePoint& p, float x) { return p.x < x; });
    for (; point != route.end() && point->x <= at.x + ON_ROUTE; ++point) {
        if (point->tick >= fromTick && b2Distance(b2Vec2(point->x, point->y), at) < ON_ROUTE) {
            return true;
        }
    }
    return false;
}

// The tick the route enters the stretch that a place at x lies in.
int DeadEndSweep::stretchStart(float x) const
{
    int tick = 0;
    for (size_t i = 0; i < starts.size(); ++i) {
        if (starts[i].x <= x) {
            tick = std::max(tick, startTicks[i]);
        }
    }
    return tick;
}
