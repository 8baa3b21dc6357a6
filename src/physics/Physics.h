#pragma once

#include <box2d/box2d.h>

#include <string>
#include <vector>

/// The game describes its physics in the terms of the classic Box2D interface
/// (shape definitions, SetMassFromShapes, a ground body, frequency springs).
/// This is the one place that maps those terms onto the installed Box2D 2.4;
/// nothing else in the game needs to know which version it runs on.
namespace physics {

/// One shape's settings, the template a factory fills once and reuses.
struct ShapeDef {
    float friction = 0.2f;
    float restitution = 0.0f;
    float density = 0.0f;
    bool isSensor = false;
    uint16 categoryBits = 0x0001;
    uint16 maskBits = 0xFFFF;
    int16 groupIndex = 0;
    void* userData = nullptr;
};

struct BodyDef {
    b2Vec2 position{0.0f, 0.0f};
    float angle = 0.0f;
    float linearDamping = 0.0f;
    float angularDamping = 0.0f;
    bool allowSleep = true;
    bool fixedRotation = false;
    bool isBullet = false;
    void* userData = nullptr;
};

/// A world with sleeping as asked and its ground body (a static body at the origin).
b2World* createWorld(b2Vec2 gravity, bool doSleep);
/// Deletes the world and forgets its ground body.
void destroyWorld(b2World* world);
/// The static body at the origin that joints to "the world" attach to.
b2Body* groundBody(b2World* world);

/// A static body: it starts to move only when setMassFromShapes gives it mass.
b2Body* createBody(b2World* world, const BodyDef& def);
/// Makes the body dynamic when its shapes give it mass; massless bodies stay
/// put, and a body whose turning Box2D cannot measure does not turn.
void setMassFromShapes(b2Body* body);

/// Empty when Box2D takes the outline as it stands; otherwise why it would not.
std::string polygonFault(const std::vector<b2Vec2>& points);
/// The polygon shape, or null (and no shape) when polygonFault finds a fault.
b2Fixture* addPolygon(b2Body* body, const ShapeDef& def, const std::vector<b2Vec2>& points);
b2Fixture* addBox(b2Body* body, const ShapeDef& def, float halfWidth, float halfHeight);
b2Fixture* addCircle(b2Body* body, const ShapeDef& def, float radius);

b2RevoluteJoint* createRevoluteJoint(b2World* world, b2Body* a, b2Body* b, b2Vec2 anchor,
                                     bool enableLimit = false, float lower = 0.0f,
                                     float upper = 0.0f);
/// A rope between two world anchors: rigid at frequency 0, otherwise a spring
/// of that frequency for the mass the rope feels (less than a body's mass
/// where a pull also turns it), as the classic engine tuned its springs.
b2DistanceJoint* createDistanceJoint(b2World* world, b2Body* a, b2Body* b, b2Vec2 anchorA,
                                     b2Vec2 anchorB, float frequencyHz, float dampingRatio,
                                     bool collideConnected, void* userData);

/// Where the joint holds each of its bodies, in that body's own frame: the
/// body's transform applied to them gives GetAnchorA and GetAnchorB.
void localAnchors(b2Joint* joint, b2Vec2& onA, b2Vec2& onB);

void* userData(b2Body* body);
void* userData(b2Fixture* fixture);
void* userData(b2Joint* joint);

/// Forces, torques and impulses wake the body, as the game expects.
void applyForce(b2Body* body, b2Vec2 force, b2Vec2 point);
void applyTorque(b2Body* body, float torque);
void applyImpulse(b2Body* body, b2Vec2 impulse, b2Vec2 point);
/// Moves a body and wakes it, so its contacts are seen at the new place.
void setTransform(b2Body* body, b2Vec2 position, float angle);

/// Up to maxCount fixtures whose own bounding boxes overlap the box.
std::vector<b2Fixture*> queryBox(b2World* world, const b2AABB& box, int maxCount);

/// How far the body's shapes reach from its position: turned any way, no
/// point of them lies farther from it than that.
float reach(const b2Body* body);

/// One step of the world, then, when asked for, its debug drawing: the classic
/// world drew during the step.
void step(b2World* world, float timeStep, int velocityIterations, int positionIterations, bool debugDrawing);

/// What a contact point tells the game: the two fixtures, where and which.
struct TouchPoint {
    b2Fixture* fixture1;
    b2Fixture* fixture2;
    b2Vec2 position;
    b2Vec2 normal;
    uint32 id;
    /// Neither body was awake after the step: the point stays where it is
    /// until one of them wakes.
    bool resting;
    /// Taken over unchanged from the step before, where the contact rested too.
    bool kept;
};

/// Every point of every contact that touches now, sensors included (a sensor
/// contact has no points of its own and counts as one point between the
/// bodies). Box2D only reports sensor contacts when they begin and end, but
/// the rules need to see a foot resting on the ground in every tick.
/// The list is refilled in place, so that a list kept from tick to tick
/// allocates nothing once it has grown. Given the list of the step before,
/// a contact that rested then and rests now keeps the points it had, without
/// being measured again (the shapes of sleeping bodies lie far from the
/// processor by then); both lists follow the world's contact order. With an
/// empty list every point is measured.
void touchingPoints(b2World* world, const std::vector<TouchPoint>& last, std::vector<TouchPoint>& points);
/// The point a contact leaves as it ends: its first point while it still has
/// one (a body being destroyed), otherwise one point between the bodies, as
/// for a sensor (a contact that ended in a step has already lost its points).
TouchPoint endingPoint(b2Contact* contact);

/// Stops bodies that have left the box for good, as the classic world did at its
/// bounds, so nothing falls for ever.
void freezeOutside(b2World* world, const b2AABB& bounds);

} // namespace physics
