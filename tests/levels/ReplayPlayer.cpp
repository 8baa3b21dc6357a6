#include "levels/ReplayPlayer.h"

#include "app/Application.h"
#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"

#include <box2d/box2d.h>

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

cInput& input() { return Singleton<cInput>::instance(); }
cObjectList& registry() { return Singleton<cObjectList>::instance(); }

b2Body* wheel()
{
    cObject* object = registry().getFirstOfKind(KIND_WHEEL);
    return object ? object->getBody() : nullptr;
}

// The window pixel that shows the world point in the view of the last tick,
// as the event loop's mouse motion would deliver it.
void moveMouseTo(float x, float y)
{
    const cVideo& video = Singleton<cVideo>::instance();
    const cCamera& camera = Singleton<cCamera>::instance();
    const float px = static_cast<float>(video.width()) * 0.5f + (x - camera.x()) * camera.zoom();
    const float py = static_cast<float>(video.height()) * 0.5f - (y - camera.y()) * camera.zoom();
    input().setMousePixel(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
}

size_t removableCount()
{
    size_t count = 0;
    for (const cObject* object : registry().getAll()) {
        count += object->isRemovable() ? 1 : 0;
    }
    return count;
}

bool carrying()
{
    for (const cObject* object : registry().getAll()) {
        if (object->isDragged()) {
            return true;
        }
    }
    return false;
}

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

} // namespace

bool ReplayPlayer::play(const std::vector<ReplayStep>& steps)
{
    for (const ReplayStep& step : steps) {
        if (step.verb != Verb::EXPECT) {
            perform(step);
        } else if (!holds(step)) {
            std::ostringstream message;
            message << "line " << step.line << ": expect " << step.what << " " << step.name
                    << (step.name.empty() ? std::to_string(step.value) : "") << " fails after tick "
                    << tickCount << "; " << wheelState();
            failed = message.str();
            return false;
        }
    }
    return true;
}

void ReplayPlayer::perform(const ReplayStep& step)
{
    switch (step.verb) {
    case Verb::HOLD:
        input().setKey(step.key, cInput::DOWN);
        tick(step.ticks);
        input().setKey(step.key, cInput::UP);
        break;
    case Verb::PRESS:
        input().setKey(step.key, cInput::DOWN);
        break;
    case Verb::RELEASE:
        input().setKey(step.key, cInput::UP);
        break;
    case Verb::TAP:
        input().setKey(step.key, cInput::DOWN);
        tick();
        input().setKey(step.key, cInput::UP);
        break;
    case Verb::WAIT:
        tick(step.ticks);
        break;
    case Verb::MOVE_TO:
        moveMouseTo(step.x, step.y);
        break;
    case Verb::CLICK:
        click();
        break;
    case Verb::CLICK_PANEL:
        clickPanel(step.slot);
        break;
    case Verb::SHOW:
        show(step);
        break;
    case Verb::EXPECT:
        break;
    }
}

bool ReplayPlayer::holds(const ReplayStep& step)
{
    const b2Vec2 at = wheel() ? wheel()->GetPosition() : b2Vec2(NAN, NAN);
    if (step.what == "star") {
        const cObject* star = registry().getFirstOfKind(starKindNamed(step.name));
        return star && star->isTool();
    }
    if (step.what == "x>") {
        return at.x > step.value;
    }
    if (step.what == "x<") {
        return at.x < step.value;
    }
    if (step.what == "y>") {
        return at.y > step.value;
    }
    if (step.what == "placed") {
        return toolPlaced(step);
    }
    return returned;
}

bool ReplayPlayer::toolPlaced(const ReplayStep& step)
{
    const cObject* star = registry().getFirstOfKind(starKindNamed(step.name));
    if (!grabbed || grabbed != star || carrying() || removableCount() <= removableBeforeGrab) {
        return false;
    }
    placed.insert(step.name);
    return true;
}

void ReplayPlayer::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        cApplication::tick();
        ++tickCount;
        returned = returned || hazelnutAtReturnPoint();
    }
}

void ReplayPlayer::click()
{
    input().setButton(1, cInput::DOWN);
    input().setButton(1, cInput::UP);
    tick();
}

void ReplayPlayer::clickPanel(int slot)
{
    const cCamera& camera = Singleton<cCamera>::instance();
    moveMouseTo(camera.x() + PANEL_X, camera.y() + PANEL_Y - TOOL_SPACING * static_cast<float>(slot - 1));
    grabbed = toolUnderMouse();
    removableBeforeGrab = removableCount();
    click();
}

void ReplayPlayer::show(const ReplayStep& step) const
{
    std::cerr << "line " << step.line << ", tick " << tickCount << ": " << wheelState() << "\n";
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
