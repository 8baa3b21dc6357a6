#include "levels/DragBox.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "levels/Level.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"

namespace {

constexpr float TOOL_SPACING = 1.5f;
constexpr float MUTE_BUTTON_DROP = 11.8f;
// One tool's spacing above the speaker, clear of the fifth tool.
constexpr float RESTART_BUTTON_DROP = MUTE_BUTTON_DROP - TOOL_SPACING;
constexpr float HIGHLIGHT_TINT = 0.1f;
constexpr float CARRIED_ALPHA = 0.7f;
constexpr float GRABBED_TOOL_ALPHA = 0.4f;
constexpr int CARRIED_LAYER = 100;

cInput& input() { return Singleton<cInput>::instance(); }
cObjectList& registry() { return Singleton<cObjectList>::instance(); }

void tintAll(const ObjectList& objects, float red, float green, float blue)
{
    for (cObject* object : objects) {
        if (object->getTexture()) {
            object->getTexture()->setTint(red, green, blue);
        }
    }
}

} // namespace

cDragBox::cDragBox(cLevel* level) : level(level)
{
    panelTexture = new cTexture("images/dragbox.png", width, height, 0.0f, -0.5f * height + topMargin, 0.0f,
                                false, false);
    panel = new cObject(9, KIND_DRAGBOX_PANEL);
    panel->setTexture(panelTexture);
    panel->setPosition(x, y);
    Singleton<cProcessList>::instance().add(this);
}

void cDragBox::run(int message)
{
    if (message != MSG_TICK) {
        return;
    }
    const cCamera& camera = Singleton<cCamera>::instance();
    setPosition(camera.x() + (camera.halfWidth() - edgeGapX), camera.y() + (camera.halfHeight() - edgeGapY));
    panel->setPosition(x, y);
    const ObjectList snapshot = registry().getAll();
    if (held.empty()) {
        offerTools(snapshot);
    } else {
        carry();
    }
}

void cDragBox::setPosition(float px, float py)
{
    x = px;
    y = py;
    float below = 0.0f;
    for (cObject* object : registry().inOrder()) {
        if (object->isTool()) {
            object->setPosition(px, py - below);
            below += TOOL_SPACING;
        } else if (object->getKind() == KIND_MUTE_BUTTON) {
            object->setPosition(px, py - MUTE_BUTTON_DROP);
        } else if (object->getKind() == KIND_RESTART_BUTTON) {
            object->setPosition(px, py - RESTART_BUTTON_DROP);
        }
    }
}

bool cDragBox::contains(float px, float py) const
{
    return x - width / 2 <= px && px <= x + width / 2 && y - height + topMargin <= py && py <= y + topMargin;
}

void cDragBox::offerTools(const ObjectList& snapshot)
{
    for (cObject* tool : snapshot) {
        if (!tool->isTool() || !tool->getTexture()) {
            continue;
        }
        cTexture* picture = tool->getTexture();
        picture->setAlpha(1.0f);
        if (!tool->containsPoint(input().mouseX(), input().mouseY(), 0.0f)) {
            picture->setTint(0.0f, 0.0f, 0.0f);
            continue;
        }
        picture->setTint(HIGHLIGHT_TINT, HIGHLIGHT_TINT, HIGHLIGHT_TINT);
        // Tool pictures overlap at their edges; one click takes one tool only.
        if (held.empty() && input().clicked()) {
            grab(tool);
        }
    }
}

void cDragBox::grab(cObject* tool)
{
    held = tool->createFromFactory(true);
    if (held.empty()) {
        return;
    }
    held.front()->setFactory(tool->getFactory(), level->getWorld());
    grabOffsetX = tool->getX() - input().mouseX();
    grabOffsetY = tool->getY() - input().mouseY();
    for (cObject* object : held) {
        object->setLayer(CARRIED_LAYER);
        object->setDragged(true);
        if (object->getTexture()) {
            object->getTexture()->setAlpha(CARRIED_ALPHA);
        }
    }
    tool->getTexture()->setAlpha(GRABBED_TOOL_ALPHA);
}

void cDragBox::carry()
{
    // Before the overlap test: a preview over the panel may well overlap
    // something in the world behind it.
    if (input().clicked() && contains(input().mouseX(), input().mouseY())) {
        putBack();
        return;
    }
    const float targetX = input().mouseX() + grabOffsetX;
    const float targetY = input().mouseY() + grabOffsetY;
    for (cObject* object : held) {
        if (b2Body* body = object->getBody()) {
            body->SetLinearVelocity(b2Vec2_zero);
            physics::setTransform(body, b2Vec2(targetX, targetY), 0.0f);
        }
    }
    if (isBlocked()) {
        dragging = false;
        tintAll(held, 0.0f, -1.0f, -1.0f);
        return;
    }
    tintAll(held, 0.0f, 0.0f, 0.0f);
    const bool dropAttempted = input().clicked() || (dragging && input().buttonReleased(1));
    if (!dropAttempted) {
        if (input().buttonHeld(1)) {
            dragging = true;
        }
        return;
    }
    // Over the panel this is a release, most often the end of the click that
    // took the tool, held for a few ticks: the tool stays in hand.
    if (!contains(input().mouseX(), input().mouseY())) {
        drop(targetX, targetY);
    }
    dragging = false;
}

void cDragBox::putBack()
{
    for (cObject* object : held) {
        level->destroyObject(object);
    }
    held.clear();
    dragging = false;
}

bool cDragBox::isBlocked() const
{
    for (const cObject* object : held) {
        if (object->getBody() && registry().isTouchingAnything(object->getBody())) {
            return true;
        }
    }
    return false;
}

void cDragBox::drop(float targetX, float targetY)
{
    const ObjectFactory factory = held.front()->getFactory();
    b2World* world = held.front()->getFactoryWorld();
    for (cObject* object : held) {
        level->destroyObject(object);
    }
    held.clear();
    if (factory) {
        for (cObject* placed : factory(world, targetX, targetY, false, nullptr)) {
            placed->setRemovable(true);
            placed->setDragged(false);
        }
    }
    level->getSounds().placeSound->play(0);
}
