#include "levels/ReplayPlayer.h"

#include "levels/ReplayJitter.h"

#include "app/Application.h"
#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "support/Play.h"

#include <SDL.h>
#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

namespace {

using Verb = ReplayStep::Verb;

// Where the drag box keeps its first tool, relative to the view's centre, and
// how far apart it stacks them.
constexpr float PANEL_X = 11.2f;
constexpr float PANEL_Y = 8.0f;
constexpr float TOOL_SPACING = 1.5f;
const b2Vec2 HAZELNUT_RETURN(311.79f, 23.3f);
// The returned hazelnut moves less than this in the step of its return.
constexpr float RETURN_TOLERANCE = 0.5f;

b2Body* wheel() { return bodyOf(KIND_WHEEL); }

size_t removableCount() { return placedObjects().size(); }

bool carrying() { return !carried().empty(); }

bool hazelnutAtReturnPoint()
{
    for (const cObject* nut : registry().getAllOfKind(KIND_HAZELNUT)) {
        if (b2Distance(b2Vec2(nut->getX(), nut->getY()), HAZELNUT_RETURN) < RETURN_TOLERANCE) {
            return true;
        }
    }
    return false;
}

// The tool the drag box takes for a click at the mouse: the first in
// registry order whose picture holds the pointer.
cObject* toolUnderMouse()
{
    for (cObject* object : registry().getAll()) {
        if (object->isTool() && object->containsPoint(input().mouseX(), input().mouseY(), 0.0f)) {
            return object;
        }
    }
    return nullptr;
}

float measure(const b2Body* body, const std::string& what)
{
    if (what == "x") {
        return body->GetPosition().x;
    }
    if (what == "y") {
        return body->GetPosition().y;
    }
    return what == "vx" ? body->GetLinearVelocity().x : body->GetLinearVelocity().y;
}

// How much further the wheel's x or y gets in that many ticks if it keeps its last tick's move.
float foreseen(const std::vector<b2Vec2>& path, const std::string& what, int ticks)
{
    if (ticks == 0 || path.size() < 2 || (what != "x" && what != "y")) {
        return 0.0f;
    }
    const b2Vec2 move = path.back() - path[path.size() - 2];
    return static_cast<float>(ticks) * (what == "x" ? move.x : move.y);
}

// How deep anything that moves has sunk into the body, at most.
float sunkInto(const b2Body* body)
{
    float deepest = 0.0f;
    for (const b2ContactEdge* edge = body->GetContactList(); edge; edge = edge->next) {
        if (!edge->contact->IsTouching() || edge->other->GetType() == b2_staticBody) {
            continue;
        }
        b2WorldManifold manifold;
        edge->contact->GetWorldManifold(&manifold);
        for (int i = 0; i < edge->contact->GetManifold()->pointCount; ++i) {
            deepest = std::max(deepest, -manifold.separations[i]);
        }
    }
    return deepest;
}

} // namespace

bool ReplayPlayer::play(const std::vector<ReplayStep>& steps, size_t first, size_t end)
{
    for (size_t i = first; i < end && !halted; ++i) {
        if (!perform(steps[i])) {
            return false;
        }
    }
    return true;
}

void ReplayPlayer::stopWhen(std::function<bool(b2Vec2)> condition)
{
    stopCondition = std::move(condition);
    halted = false;
}

bool ReplayPlayer::perform(const ReplayStep& step)
{
    switch (step.verb) {
    case Verb::HOLD:
        hold(step.key, jitter ? jitter->hold(step.ticks) : step.ticks);
        break;
    case Verb::PRESS:
        input().setKey(step.key, cInput::DOWN);
        break;
    case Verb::RELEASE:
        input().setKey(step.key, cInput::UP);
        break;
    case Verb::TAP:
        hold(step.key, jitter ? jitter->hold(1) : 1);
        break;
    case Verb::WAIT:
        tick(jitter ? jitter->wait(step.ticks) : step.ticks);
        break;
    case Verb::UNTIL:
        return waitUntil(step, UNTIL_LIMIT, true);
    case Verb::BRAKE:
        return brake(step);
    case Verb::MOVE_TO:
        moveTo(step.x, step.y);
        break;
    case Verb::CLICK:
        click();
        break;
    case Verb::CLICK_PANEL:
        clickPanel(step.slot);
        break;
    case Verb::SHOW:
        std::cerr << "line " << step.line << ", tick " << tickCount << ": " << wheelState() << "\n";
        break;
    case Verb::PUZZLE:
        puzzleTicks.push_back(tickCount);
        break;
    case Verb::EXPECT:
        if (jitter) {
            return waitUntil(step, EXPECT_GRACE, false);
        }
        if (!holds(step.condition)) {
            fail(step, "expect " + describe(step.condition) + " fails");
            return false;
        }
        break;
    }
    return true;
}

// With errors, a player acts on what they see a few ticks early or late:
// early only where the wheel's motion shows the moment coming.
bool ReplayPlayer::waitUntil(const ReplayStep& step, int limit, bool reacting)
{
    const int reaction = reacting && jitter ? jitter->reaction() : 0;
    for (int waited = 0; !holds(step.condition, std::max(0, -reaction)); ++waited) {
        if (halted) {
            return true;
        }
        if (waited == limit) {
            const bool expected = step.verb == Verb::EXPECT;
            fail(step, (expected ? "expect " : "until ") + describe(step.condition) +
                           (expected ? " fails" : " never came"));
            return false;
        }
        tick();
    }
    tick(std::max(0, reaction));
    return true;
}

// As a player stops the wheel: the arrow against its motion, whichever way
// it rolls, until it has almost stopped.
bool ReplayPlayer::brake(const ReplayStep& step)
{
    int held = 0;
    for (int waited = 0;; ++waited) {
        const b2Body* body = wheel();
        const float speed = body ? body->GetLinearVelocity().x : 0.0f;
        const int against = speed >= BRAKED_SPEED ? SDLK_LEFT : (speed <= -BRAKED_SPEED ? SDLK_RIGHT : 0);
        if (against != held) {
            if (held) {
                input().setKey(held, cInput::UP);
            }
            if (against) {
                input().setKey(against, cInput::DOWN);
            }
            held = against;
        }
        if (!held || halted) {
            return true;
        }
        if (waited == UNTIL_LIMIT) {
            fail(step, "brake never stopped the wheel");
            return false;
        }
        tick();
    }
}

bool ReplayPlayer::holds(const ReplayCondition& condition, int ticksAhead)
{
    if (condition.what == "star") {
        const cObject* star = registry().getFirstOfKind(starKindNamed(condition.name));
        return star && star->isTool();
    }
    if (condition.what == "placed") {
        return toolPlaced(condition);
    }
    if (condition.what == "hazelnut") {
        return returned;
    }
    const b2Body* body = wheel();
    if (!body) {
        return false;
    }
    const float value = measure(body, condition.what) + foreseen(path, condition.what, ticksAhead);
    return condition.comparison == '>' ? value > condition.value : value < condition.value;
}

bool ReplayPlayer::toolPlaced(const ReplayCondition& condition)
{
    const cObject* star = registry().getFirstOfKind(starKindNamed(condition.name));
    if (!grabbed || grabbed != star || carrying() || removableCount() <= removableBeforeGrab) {
        return false;
    }
    placed.insert(condition.name);
    return true;
}

void ReplayPlayer::tick(int count)
{
    for (int i = 0; i < count && !halted; ++i) {
        cApplication::tick();
        ++tickCount;
        returned = returned || hazelnutAtReturnPoint();
        record();
    }
}

void ReplayPlayer::record()
{
    const b2Body* body = wheel();
    if (!body) {
        return;
    }
    path.push_back(body->GetPosition());
    const float overlap = sunkInto(body);
    if (overlap > deepest) {
        deepest = overlap;
        deepestAt = body->GetPosition();
    }
    halted = stopCondition && stopCondition(body->GetPosition());
}

void ReplayPlayer::hold(int key, int ticks)
{
    input().setKey(key, cInput::DOWN);
    tick(ticks);
    input().setKey(key, cInput::UP);
}

// With errors, a drop lands a little off the aim.
void ReplayPlayer::moveTo(float x, float y)
{
    const b2Vec2 at = jitter && carrying() ? jitter->drop(b2Vec2(x, y)) : b2Vec2(x, y);
    pointAtPixelOf(at.x, at.y);
}

void ReplayPlayer::click()
{
    ::click();
    tick();
}

void ReplayPlayer::clickPanel(int slot)
{
    const cCamera& camera = Singleton<cCamera>::instance();
    pointAtPixelOf(camera.x() + PANEL_X, camera.y() + PANEL_Y - TOOL_SPACING * static_cast<float>(slot - 1));
    grabbed = toolUnderMouse();
    removableBeforeGrab = removableCount();
    click();
}

void ReplayPlayer::fail(const ReplayStep& step, const std::string& why)
{
    std::ostringstream message;
    message << "line " << step.line << ": " << why << " after tick " << tickCount << "; " << wheelState();
    failed = message.str();
}

std::string ReplayPlayer::wheelState() const
{
    const b2Body* body = wheel();
    if (!body) {
        return "no wheel";
    }
    std::ostringstream state;
    state << "wheel at (" << body->GetPosition().x << ", " << body->GetPosition().y << ") moving ("
          << body->GetLinearVelocity().x << ", " << body->GetLinearVelocity().y << ")";
    return state.str();
}
