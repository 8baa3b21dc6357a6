// The rules of the game, applied once per tick before the world steps.
#include "levels/Level.h"
#include "levels/StarTool.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "audio/Audio.h"
#include "audio/Sound.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int KEY_UP = 273;
constexpr int KEY_DOWN = 274;
constexpr int KEY_RIGHT = 275;
constexpr int KEY_LEFT = 276;
constexpr int KEY_D = 100;
constexpr int KEY_F = 102;
constexpr int KEY_M = 109;
constexpr int KEY_R = 114;

constexpr float RIGHT = 1.0f;
constexpr float LEFT = -1.0f;
constexpr float WHEEL_SPIN_LIMIT = 12.0f;
constexpr float WHEEL_TORQUE = 40.0f;
constexpr float SQUIRREL_TORQUE = 3.5f;
constexpr float AIR_FORCE = 20.0f;
constexpr float DOWN_FORCE = 70.0f;
constexpr float JUMP_IMPULSE = 18.0f;
constexpr int ROLL_LOOPS = 10;
constexpr float MOUSE_BOX_HALF = 0.001f;
constexpr int MOUSE_SHAPES = 10;
constexpr float HOVER_TINT = 0.2f;
constexpr std::size_t FEW_PLACED = 32;
constexpr float STAR_MARGIN = 0.6f;
constexpr float BIRD_REDDENING = 0.04f;
const b2Vec2 HAZELNUT_RETURN(311.79f, 23.3f);
constexpr float HAZELNUT_KICK = 8.0f;
constexpr float PARALLAX = 0.9f;
constexpr float BACKGROUND_REPEAT = 39.7f;
constexpr int FULL_VOLUME = 128;
constexpr float TIME_STEP = 1.0f / 60.0f;
constexpr int VELOCITY_ITERATIONS = 10;
constexpr int POSITION_ITERATIONS = 8;
constexpr float RADIANS_TO_DEGREES = 180.0f / 3.14159265f;

cInput& input() { return Singleton<cInput>::instance(); }
cObjectList& registry() { return Singleton<cObjectList>::instance(); }

bool keyDown(int key) { return input().keyPressed(key) || input().keyHeld(key); }

// The object whose body this is, when it is of the kind.
cObject* objectOfKind(b2Body* body, int kind)
{
    auto* object = body ? static_cast<cObject*>(physics::userData(body)) : nullptr;
    return object && object->getKind() == kind && object->getBody() == body ? object : nullptr;
}

// An anchor is a fixed point of its body: while both bodies stand where they
// stood, the rope between them lies where it lay.
bool samePose(const b2Body* body, const b2Transform& pose)
{
    const b2Transform& now = body->GetTransform();
    return now.p.x == pose.p.x && now.p.y == pose.p.y && now.q.s == pose.q.s && now.q.c == pose.q.c;
}

b2Body* bodyOfFirst(int kind)
{
    cObject* object = registry().getFirstOfKind(kind);
    return object ? object->getBody() : nullptr;
}

// The angle that lays a hanging picture along its rope. A rope more
// horizontal than 45 degrees has no such angle; its picture lies flat then.
float ropeAngle(b2Vec2 a1, b2Vec2 a2)
{
    const float ratio = (a1.x - a2.x) / (a1.y - a2.y);
    const float clamped = std::isnan(ratio) ? 0.0f : std::max(-1.0f, std::min(1.0f, ratio));
    return -std::asin(clamped) * RADIANS_TO_DEGREES;
}

} // namespace

void cLevel::update()
{
    applyRules();
    step();
    registry().syncAll();
    if (!debugView) {
        drawAllObjects();
    }
    // One picture that waits for its image is read a tick, after the drawing.
    Singleton<cTextureManager>::instance().loadNextWaiting();
    // Box2D 2.4 has no world self-check to run here; it asserts as it goes.
}

void cLevel::applyRules()
{
    // First, so that the rest of the tick plays the level as it was built.
    if (restartAsked()) {
        restart();
    }
    b2Body* wheel = bodyOfFirst(KIND_WHEEL);
    b2Body* squirrel = bodyOfFirst(KIND_SQUIRREL);
    b2Body* foot = bodyOfFirst(KIND_FOOT);
    if (wheel && squirrel && foot) {
        Singleton<cCamera>::instance().follow(wheel->GetPosition().x, wheel->GetPosition().y);
        steer(wheel, squirrel, foot);
    }
    hoverAndRemove();
    if (wheel) {
        collectStars(wheel);
    }
    feedBirds();
    if (wheel) {
        collectHazelnut(wheel);
    }
    layRopes();
    moveBackground();
    switchMute();
    applyMute();
    switchFullscreen();
    switchDebugView();
}

bool cLevel::restartAsked()
{
    if (input().keyPressed(KEY_R)) {
        return true;
    }
    if (!input().clicked()) {
        return false;
    }
    const cObject* button = registry().getFirstOfKind(KIND_RESTART_BUTTON);
    return button && button->containsPoint(input().mouseX(), input().mouseY(), 0.0f);
}

bool cLevel::isGrounded(const b2Body* wheel, const b2Body* squirrel, const b2Body* foot) const
{
    for (int i = 0; i < contactPointCount; ++i) {
        const b2Body* a = contactPoints[i].body1;
        const b2Body* b = contactPoints[i].body2;
        const bool onFoot = a == foot || b == foot;
        const bool ownPart = a == wheel || b == wheel || a == squirrel || b == squirrel;
        if (onFoot && !ownPart) {
            return true;
        }
    }
    return false;
}

void cLevel::steer(b2Body* wheel, b2Body* squirrel, b2Body* foot)
{
    const bool grounded = isGrounded(wheel, squirrel, foot);
    if (keyDown(KEY_RIGHT)) {
        roll(wheel, squirrel, grounded, RIGHT, sounds.rollRightSound);
    } else {
        sounds.rollRightSound->stop();
    }
    if (keyDown(KEY_LEFT)) {
        roll(wheel, squirrel, grounded, LEFT, sounds.rollLeftSound);
    } else {
        sounds.rollLeftSound->stop();
    }
    if (keyDown(KEY_DOWN)) {
        physics::applyForce(wheel, b2Vec2(0.0f, -DOWN_FORCE), wheel->GetPosition());
    }
    // Asked first, so that a press in the air is used up and not kept for the landing.
    if (input().keyPressed(KEY_UP) && grounded) {
        physics::applyImpulse(wheel, b2Vec2(0.0f, JUMP_IMPULSE), wheel->GetPosition());
        sounds.jumpSound->play(0);
    }
}

// Rolling left is rolling right in the mirror: direction 1 is right, -1 left.
void cLevel::roll(b2Body* wheel, b2Body* squirrel, bool grounded, float direction, cSound* sound)
{
    if (grounded) {
        if (direction * wheel->GetAngularVelocity() > -WHEEL_SPIN_LIMIT) {
            physics::applyTorque(wheel, -direction * WHEEL_TORQUE);
        }
        physics::applyTorque(squirrel, direction * SQUIRREL_TORQUE);
    } else {
        physics::applyForce(wheel, b2Vec2(direction * AIR_FORCE, 0.0f), wheel->GetPosition());
    }
    if (cObject* rider = registry().getFirstOfKind(KIND_SQUIRREL); rider && rider->getTexture()) {
        rider->getTexture()->setMirrorX(direction < 0.0f);
    }
    sound->play(ROLL_LOOPS);
}

void cLevel::hoverAndRemove()
{
    const float mx = input().mouseX(), my = input().mouseY();
    const ObjectList& removables = registry().inOrderRemovable();
    for (cObject* object : removables) {
        if (object->getTexture()) {
            object->getTexture()->setTint(0.0f, 0.0f, 0.0f);
        }
    }
    b2AABB box;
    box.lowerBound.Set(mx - MOUSE_BOX_HALF, my - MOUSE_BOX_HALF);
    box.upperBound.Set(mx + MOUSE_BOX_HALF, my + MOUSE_BOX_HALF);
    // Only a placed object answers the mouse.
    if (!mayLieUnder(removables, box)) {
        return;
    }
    for (b2Fixture* fixture : physics::queryBox(world, box, MOUSE_SHAPES)) {
        auto* object = static_cast<cObject*>(physics::userData(fixture->GetBody()));
        if (!object || !object->isRemovable()) {
            continue;
        }
        if (input().clicked()) {
            removePlaced(object);
            sounds.removeSound->play(0);
            return;
        }
        // What a click would take away: the whole skateboard, not only its wheel.
        for (cObject* member : placedGroup(object)) {
            if (member->getTexture()) {
                member->getTexture()->setTint(HOVER_TINT, HOVER_TINT, HOVER_TINT);
            }
        }
    }
}

// Whether one of the placed objects may lie under the box. A few are looked at
// one by one, by where their bodies stand and how far their shapes reach, which
// spares asking the world's tree and the shapes, far from the processor after
// the painting; a crowd of them is looked through faster in the tree.
bool cLevel::mayLieUnder(const ObjectList& placed, const b2AABB& box)
{
    if (placed.size() > FEW_PLACED) {
        return true;
    }
    if (reachesFoundAt != registry().generation()) {
        placedReaches.clear();
        for (const cObject* object : placed) {
            if (const b2Body* body = object->getBody()) {
                placedReaches.push_back({body, physics::reach(body)});
            }
        }
        reachesFoundAt = registry().generation();
    }
    return std::any_of(placedReaches.begin(), placedReaches.end(), [&box](const PlacedReach& one) {
        const b2Vec2 reach(one.reach, one.reach);
        const b2Vec2 at = one.body->GetPosition();
        return b2TestOverlap(b2AABB{at - reach, at + reach}, box);
    });
}

// A star's picture stays as it is until the wheel takes the star: how far the
// wheel's centre must come is kept, and the pictures are left untouched, until
// the objects change.
void cLevel::collectStars(const b2Body* wheel)
{
    if (starsFoundAt != registry().generation()) {
        findStars();
    }
    const b2Vec2 centre = wheel->GetWorldCenter();
    for (const StarSpot& spot : starSpots) {
        if (std::fabs(centre.x - spot.object->getX()) > spot.reach.x ||
            std::fabs(centre.y - spot.object->getY()) > spot.reach.y) {
            continue;
        }
        const StarTool& star = *spot.star;
        cObject* object = spot.object;
        object->setTool(true);
        object->setLayer(star.layer);
        cTexture* starPicture = object->getTexture();
        object->setTexture(
            new cTexture(star.image, star.size, star.size, star.offset.x, star.offset.y, 0.0f, false, false));
        releasePicture(starPicture);
        sounds.pickupSound->play(0);
    }
}

void cLevel::findStars()
{
    starSpots.clear();
    for (const StarTool& star : STAR_TOOLS) {
        cObject* object = registry().getFirstOfKind(star.kind);
        const cTexture* picture = object ? object->getTexture() : nullptr;
        if (!picture || object->isTool()) {
            continue;
        }
        const b2Vec2 reach(0.5f * picture->getWidth() + STAR_MARGIN, 0.5f * picture->getHeight() + STAR_MARGIN);
        starSpots.push_back({object, &star, reach});
    }
    starsFoundAt = registry().generation();
}

// One pass over the contact points finds every cherry on a bird. Each one
// reddens the first bird in registry order that it touches, and the cherries
// go in registry order, as when every cherry is asked about every bird.
// Only a point with a bird's body on it is looked at closer: reaching every
// body's object cost more than the rest of the rules.
void cLevel::feedBirds()
{
    const ObjectList& birds = registry().inOrderOfKind(KIND_BIRD);
    if (birdsFoundAt != registry().generation()) {
        birdBodies.clear();
        for (const cObject* bird : birds) {
            if (bird->getBody()) {
                birdBodies.push_back(bird->getBody());
            }
        }
        birdsFoundAt = registry().generation();
    }
    meals.clear();
    const auto isBirdBody = [this](const b2Body* body) {
        return std::find(birdBodies.begin(), birdBodies.end(), body) != birdBodies.end();
    };
    for (int i = 0; i < contactPointCount && !birdBodies.empty(); ++i) {
        const ContactPoint& point = contactPoints[i];
        if (isBirdBody(point.body2)) {
            noteMeal(point.body1, point.body2, birds);
        }
        if (isBirdBody(point.body1)) {
            noteMeal(point.body2, point.body1, birds);
        }
    }
    if (meals.empty()) {
        return;
    }
    for (cObject* cherry : registry().getAllOfKind(KIND_CHERRY)) {
        auto meal = std::find_if(meals.begin(), meals.end(), [cherry](const Meal& m) { return m.cherry == cherry; });
        if (meal == meals.end()) {
            continue;
        }
        if (cTexture* picture = meal->bird->getTexture()) {
            picture->setTint(picture->getRed(), picture->getGreen() - BIRD_REDDENING,
                             picture->getBlue() - BIRD_REDDENING);
        }
        destroyObject(cherry);
        sounds.hitSound->play(0);
    }
}

void cLevel::noteMeal(b2Body* cherryBody, b2Body* birdBody, const ObjectList& birds)
{
    cObject* cherry = objectOfKind(cherryBody, KIND_CHERRY);
    cObject* bird = objectOfKind(birdBody, KIND_BIRD);
    if (!cherry || !bird || cherry->isDragged()) {
        return;
    }
    auto meal = std::find_if(meals.begin(), meals.end(), [cherry](const Meal& m) { return m.cherry == cherry; });
    if (meal == meals.end()) {
        meals.push_back({cherry, bird});
    } else if (std::find(birds.begin(), birds.end(), bird) < std::find(birds.begin(), birds.end(), meal->bird)) {
        meal->bird = bird;
    }
}

// The first nut in registry order that touches the wheel, found in one pass
// over the contact points.
void cLevel::collectHazelnut(const b2Body* wheel)
{
    const ObjectList& nuts = registry().inOrderOfKind(KIND_HAZELNUT);
    std::size_t first = nuts.size();
    for (int i = 0; i < contactPointCount; ++i) {
        const ContactPoint& point = contactPoints[i];
        const b2Body* other = point.body1 == wheel ? point.body2 : point.body2 == wheel ? point.body1 : nullptr;
        for (std::size_t k = 0; other && k < first; ++k) {
            if (nuts[k]->getBody() == other) {
                first = k;
            }
        }
    }
    if (first == nuts.size()) {
        return;
    }
    destroyObject(nuts[first]);
    const ObjectList made = createHazelnut(world, HAZELNUT_RETURN.x, HAZELNUT_RETURN.y, false, nullptr);
    b2Body* body = made.front()->getBody();
    physics::applyImpulse(body, b2Vec2(0.0f, HAZELNUT_KICK), body->GetPosition());
    sounds.hitSound->play(0);
}

void cLevel::layRopes()
{
    if (ropesFoundAt != registry().generation()) {
        findRopes();
    }
    for (Rope& rope : ropes) {
        if (rope.laid && samePose(rope.bodies[0], rope.poses[0]) && samePose(rope.bodies[1], rope.poses[1])) {
            continue;
        }
        for (int end = 0; end < 2; ++end) {
            rope.poses[end] = rope.bodies[end]->GetTransform();
        }
        // As the joint finds its anchors, without reaching into the joint.
        const b2Vec2 a1 = b2Mul(rope.poses[0], rope.anchors[0]), a2 = b2Mul(rope.poses[1], rope.anchors[1]);
        rope.picture->setPosition(0.5f * (a1.x + a2.x), 0.5f * (a1.y + a2.y));
        if (cTexture* texture = rope.picture->getTexture()) {
            texture->setAngle(ropeAngle(a1, a2));
            texture->setSize(ROPE_PICTURE_WIDTH, (a2 - a1).Length());
        }
        rope.laid = true;
    }
}

void cLevel::findRopes()
{
    ropes.clear();
    for (b2Joint* joint = world->GetJointList(); joint; joint = joint->GetNext()) {
        auto* picture = static_cast<cObject*>(physics::userData(joint));
        if (picture && picture->getKind() == KIND_JOINT_PICTURE) {
            Rope rope{picture, {joint->GetBodyA(), joint->GetBodyB()}, {}, {}, false};
            physics::localAnchors(joint, rope.anchors[0], rope.anchors[1]);
            ropes.push_back(rope);
        }
    }
    ropesFoundAt = registry().generation();
}

// The background repeats every BACKGROUND_REPEAT units from a point that moves
// at PARALLAX of the camera's pace. Its copies are laid side by side from the
// one that reaches the view's left edge, so any width of view is covered.
void cLevel::moveBackground()
{
    const cCamera& camera = Singleton<cCamera>::instance();
    const ObjectList& panels = registry().inOrderOfKind(KIND_BACKGROUND);
    if (panels.empty() || !panels.front()->getTexture()) {
        return;
    }
    const float origin = PARALLAX * camera.x();
    const float halfPanel = 0.5f * panels.front()->getTexture()->getWidth();
    const float left = camera.x() - camera.halfWidth();
    float x = origin + BACKGROUND_REPEAT * std::floor((left + halfPanel - origin) / BACKGROUND_REPEAT);
    for (cObject* panel : panels) {
        panel->setPosition(x, PARALLAX * camera.y());
        x += BACKGROUND_REPEAT;
    }
}

void cLevel::switchMute()
{
    if (input().keyPressed(KEY_M)) {
        muted = !muted;
        return;
    }
    if (!input().clicked()) {
        return;
    }
    cObject* button = registry().getFirstOfKind(KIND_MUTE_BUTTON);
    if (button && button->containsPoint(input().mouseX(), input().mouseY(), 0.0f)) {
        muted = !muted;
    }
}

// Only a switch changes anything: the mixer's volumes and the button's
// picture lie far from the rest of the tick's memory, and reaching them every
// tick cost more than the rest of the rules.
void cLevel::applyMute()
{
    if (appliedMute == muted) {
        return;
    }
    appliedMute = muted;
    cAudio& audio = Singleton<cAudio>::instance();
    audio.setMusicVolume(muted ? 0 : FULL_VOLUME);
    audio.setEffectsVolume(muted ? 0 : FULL_VOLUME);
    cObject* button = registry().getFirstOfKind(KIND_MUTE_BUTTON);
    if (!button || !button->getTexture()) {
        return;
    }
    if (!muteImages[0]) {
        muteImages[0] = button->getTexture();
    }
    if (muted && !muteImages[1]) {
        const cTexture* shown = muteImages[0];
        muteImages[1] = new cTexture("images/muted.png", shown->getWidth(), shown->getHeight(), 0.0f, 0.0f,
                                     0.0f, false, false);
    }
    button->setTexture(muteImages[muted ? 1 : 0]);
}

void cLevel::switchFullscreen()
{
    if (input().keyPressed(KEY_F)) {
        Singleton<cVideo>::instance().toggleFullscreen();
    }
}

void cLevel::switchDebugView()
{
    if (input().keyPressed(KEY_D)) {
        debugView = !debugView;
    }
}

void cLevel::step()
{
    world->SetWarmStarting(true);
    world->SetContinuousPhysics(true);
    // Cleared just before the step: the rules, which run before it, see the
    // last step's contacts, and the drag box, which runs after, sees this one's.
    contactPointCount = 0;
    physics::step(world, TIME_STEP, VELOCITY_ITERATIONS, POSITION_ITERATIONS, debugView);
    contactListener.recordTouching(world);
    physics::freezeOutside(world, worldAABB);
}
