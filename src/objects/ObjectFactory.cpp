#include "objects/ObjectFactory.h"

#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "physics/Physics.h"
#include "shapes/ShapeFile.h"

#include <iostream>

namespace {

constexpr float QUARTER_TURN_HALF = 0.7853982f;
const b2Vec2 NO_OFFSET(0.0f, 0.0f);
// Undamped, a wheel let go at speed rolled on for tens of units, so that
// stopping anywhere took counter-pressing. Damped like this it coasts
// a few units and stops near where it was let go, while the arrow's
// torque still reaches the wheel's speed limit.
constexpr float WHEEL_ANGULAR_DAMPING = 3.0f;
// A balance's beam outweighs the wheel, about as heavy as the bowling ball: a
// lighter beam, pressed between either of them and the ground, sank up to half
// a unit into the wheel.
constexpr float BEAM_DENSITY = 5.0f;

cObject* makeObject(int layer, int kind, const char* image, float size, b2Vec2 offset)
{
    auto* object = new cObject(layer, kind);
    if (image) {
        object->setTexture(new cTexture(image, size, size, offset.x, offset.y, 0.0f, false, false));
    }
    return object;
}

b2Body* makeBody(b2World* world, cObject* object, b2Vec2 position, bool fixedRotation,
                 float angularDamping = 0.0f)
{
    physics::BodyDef def;
    def.position = position;
    def.fixedRotation = fixedRotation;
    def.angularDamping = angularDamping;
    def.userData = object;
    b2Body* body = physics::createBody(world, def);
    object->setBody(body);
    return body;
}

physics::ShapeDef shapeDef(float density, float friction, float restitution, bool preview)
{
    physics::ShapeDef def;
    def.density = density;
    def.friction = friction;
    def.restitution = restitution;
    def.isSensor = preview;
    return def;
}

// A solid object of one drawing: picture, body at (x, y), the drawing's outlines, mass.
cObject* makeDrawnObject(b2World* world, b2Vec2 position, int kind, const char* image, float size,
                         b2Vec2 offset, const char* drawing, const physics::ShapeDef& def)
{
    cObject* object = makeObject(0, kind, image, size, offset);
    b2Body* body = makeBody(world, object, position, false);
    cShapeFile(drawing).addShapes(body, def);
    physics::setMassFromShapes(body);
    return object;
}

cObject* makeBall(b2World* world, b2Vec2 position, bool preview, int kind, const char* image, float size,
                  float radius, float density)
{
    cObject* ball = makeObject(0, kind, image, size, NO_OFFSET);
    b2Body* body = makeBody(world, ball, position, preview);
    physics::addCircle(body, shapeDef(density, 0.2f, 0.2f, preview), radius);
    physics::setMassFromShapes(body);
    return ball;
}

// A hanging plank is level furniture: it never comes as a preview.
ObjectList makeHangingBox(b2World* world, float x, float y, const b2Vec2* anchors,
                          const char* ropeImage, float frequencyHz)
{
    cObject* plank = makeObject(0, KIND_PLAIN, "images/box.png", 7.8f, NO_OFFSET);
    b2Body* body = makeBody(world, plank, b2Vec2(x, y), false);
    physics::addBox(body, shapeDef(0.3f, 0.5f, 0.0f, false), 3.8f, 0.4f);
    physics::setMassFromShapes(body);
    const b2Vec2 ends[2] = {body->GetPosition() + b2Vec2(-3.4f, 0.0f), body->GetPosition() + b2Vec2(3.4f, 0.0f)};
    for (int side = 0; side < 2; ++side) {
        cObject* rope = makeObject(-1, KIND_JOINT_PICTURE, ropeImage, ROPE_PICTURE_WIDTH, NO_OFFSET);
        physics::createDistanceJoint(world, physics::groundBody(world), body, anchors[side], ends[side],
                                     frequencyHz, 0.0f, true, rope);
    }
    return {plank};
}

b2Vec2 firstMarker(const cShapeFile& drawing, const char* drawingName, const char* label)
{
    const auto points = drawing.getPoints();
    const auto found = points.find(label);
    if (found == points.end() || found->second.empty()) {
        std::cout << "Missing marker \"" << label << "\" in " << drawingName << "\n" << std::flush;
        return b2Vec2_zero;
    }
    return found->second.front();
}

} // namespace

ObjectList createPlayer(b2World* world, float x, float y)
{
    physics::ShapeDef def = shapeDef(1.0f, 1.0f, 0.0f, false);
    // One positive group: the three parts always meet, the joints keep them from colliding.
    def.groupIndex = 1;

    cObject* wheel = makeObject(1, KIND_WHEEL, "images/wheel.png", 1.7f, NO_OFFSET);
    b2Body* wheelBody = makeBody(world, wheel, b2Vec2(x, y), false, WHEEL_ANGULAR_DAMPING);
    physics::addCircle(wheelBody, def, 0.8f);
    physics::setMassFromShapes(wheelBody);

    cObject* squirrel = makeObject(0, KIND_SQUIRREL, "images/squirrel.png", 1.6f, b2Vec2(0.0f, 0.16f));
    b2Body* squirrelBody = makeBody(world, squirrel, b2Vec2(x, y - 0.2f), false, 10.0f);
    def.friction = 0.5f;
    physics::addBox(squirrelBody, def, 0.4f, 0.4f);
    physics::setMassFromShapes(squirrelBody);
    physics::createRevoluteJoint(world, wheelBody, squirrelBody, wheelBody->GetWorldCenter());

    cObject* foot = makeObject(0, KIND_FOOT, nullptr, 0.0f, NO_OFFSET);
    b2Body* footBody = makeBody(world, foot, b2Vec2(x, y - 0.68f), true);
    def.density = 0.01f;
    def.friction = 0.2f;
    def.isSensor = true;
    physics::addBox(footBody, def, 0.5f, 0.2f);
    physics::setMassFromShapes(footBody);
    physics::createRevoluteJoint(world, wheelBody, footBody, wheelBody->GetPosition());
    return {};
}

ObjectList createBowlingBall(b2World* world, float x, float y, bool preview, const b2Vec2*)
{
    return {makeBall(world, b2Vec2(x, y), preview, KIND_PLAIN, "images/bowling.png", 1.7f, 0.8f, 3.0f)};
}

ObjectList createCherry(b2World* world, float x, float y, bool preview, const b2Vec2*)
{
    return {makeBall(world, b2Vec2(x, y), preview, KIND_CHERRY, "images/cherry.png", 1.8f, 0.4f, 0.005f)};
}

ObjectList createDistanceBox(b2World* world, float x, float y, bool, const b2Vec2* anchors)
{
    return makeHangingBox(world, x, y, anchors, "images/distanceJoint.png", 0.0f);
}

ObjectList createFrequencyBox(b2World* world, float x, float y, bool, const b2Vec2* anchors)
{
    return makeHangingBox(world, x, y, anchors, "images/frequencyJoint.png", 1.3f);
}

ObjectList createSkate(b2World* world, float x, float y, bool preview, const b2Vec2*)
{
    physics::ShapeDef def = shapeDef(2.0f, 0.8f, 0.0f, preview);
    // Previews of the three parts sit on one point; a negative group keeps them apart.
    def.groupIndex = preview ? -2 : 0;
    cObject* board = makeObject(0, KIND_PLAIN, "images/skate.png", 2.5f, NO_OFFSET);
    b2Body* boardBody = makeBody(world, board, b2Vec2(x, y), preview);
    cShapeFile("shapes/skate.svg").addShapes(boardBody, def);
    physics::setMassFromShapes(boardBody);

    auto* wheelPicture = new cTexture("images/skateWheel.png", 0.3f, 0.3f, 0.0f, 0.0f, 0.0f, false, false);
    def.density = 1.0f;
    def.friction = 0.2f;
    ObjectList made{board};
    for (float side : {0.8f, -0.8f}) {
        cObject* wheel = makeObject(0, KIND_PLAIN, nullptr, 0.0f, NO_OFFSET);
        wheel->setTexture(wheelPicture);
        b2Body* wheelBody = makeBody(world, wheel, b2Vec2(x + side, y - 0.05f), preview);
        physics::addCircle(wheelBody, def, 0.25f);
        physics::setMassFromShapes(wheelBody);
        physics::createRevoluteJoint(world, boardBody, wheelBody, wheelBody->GetWorldCenter());
        made.push_back(wheel);
    }
    return made;
}

ObjectList createBalance(b2World* world, float x, float y, bool preview, const b2Vec2*)
{
    const physics::ShapeDef def = shapeDef(0.5f, 0.5f, 0.2f, preview);
    cObject* pivot = makeObject(1, KIND_PLAIN, "images/balanceFix.png", 1.1f, NO_OFFSET);
    b2Body* pivotBody = makeBody(world, pivot, b2Vec2(x, y), preview);
    const cShapeFile pivotDrawing("shapes/balanceFix.svg");
    pivotDrawing.addShapes(pivotBody, def);
    physics::setMassFromShapes(pivotBody);
    const b2Vec2 anchor = b2Vec2(x, y) + firstMarker(pivotDrawing, "shapes/balanceFix.svg", "joint");

    cObject* beam = makeObject(0, KIND_PLAIN, "images/balance.png", 4.5f, NO_OFFSET);
    b2Body* beamBody = makeBody(world, beam, anchor, preview);
    physics::ShapeDef beamDef = def;
    beamDef.density = BEAM_DENSITY;
    cShapeFile("shapes/balance.svg").addShapes(beamBody, beamDef);
    physics::setMassFromShapes(beamBody);
    physics::createRevoluteJoint(world, pivotBody, beamBody, anchor, !preview, -QUARTER_TURN_HALF,
                                 QUARTER_TURN_HALF);
    return {pivot, beam};
}

ObjectList createCardLeft(b2World* world, float x, float y)
{
    return {makeDrawnObject(world, b2Vec2(x, y), KIND_PLAIN, "images/cardLeft.png", 2.0f, b2Vec2(0.4f, 1.0f),
                            "shapes/cardleft.svg", shapeDef(0.01f, 1.0f, 0.0f, false))};
}

ObjectList createCardRight(b2World* world, float x, float y)
{
    cObject* card = makeDrawnObject(world, b2Vec2(x, y), KIND_PLAIN, "images/cardLeft.png", 2.0f,
                                    b2Vec2(0.3f, 1.0f), "shapes/cardright.svg", shapeDef(0.01f, 1.0f, 0.0f, false));
    card->getTexture()->setMirrorX(true);
    return {card};
}

ObjectList createCardTop(b2World* world, float x, float y)
{
    return {makeDrawnObject(world, b2Vec2(x, y), KIND_PLAIN, "images/cardTop.png", 2.0f, b2Vec2(0.1f, 1.0f),
                            "shapes/cardtop.svg", shapeDef(0.02f, 1.0f, 0.0f, false))};
}

ObjectList createDomino(b2World* world, float x, float y)
{
    return {makeDrawnObject(world, b2Vec2(x, y), KIND_PLAIN, "images/domino.png", 2.0f, b2Vec2(0.0f, 1.0f),
                            "shapes/domino.svg", shapeDef(0.5f, 0.7f, 0.0f, false))};
}

ObjectList createHazelnut(b2World* world, float x, float y, bool, const b2Vec2*)
{
    return {makeDrawnObject(world, b2Vec2(x, y), KIND_HAZELNUT, "images/hazelnut.png", 1.2f, b2Vec2(0.1f, 0.0f),
                            "shapes/hazelnut.svg", shapeDef(0.5f, 0.8f, 0.0f, false))};
}

ObjectList createBird(b2World* world, float x, float y, bool preview)
{
    const bool first = Singleton<cTextureManager>::instance().find("images/bird.png") == 0;
    cObject* bird = makeObject(0, KIND_BIRD, first ? "images/bird.png" : "images/bird2.png", 3.4f, NO_OFFSET);
    b2Body* body = makeBody(world, bird, b2Vec2(x, y), preview);
    // No mass from the shapes: a bird stays where it perches.
    cShapeFile("shapes/bird.svg").addShapes(body, shapeDef(0.0f, 1.0f, 0.0f, preview));
    return {bird};
}

ObjectList createCannon(b2World* world, float x, float y, bool preview, const b2Vec2*)
{
    cObject* cannon = makeObject(2, KIND_CANNON, "images/cannon.png", 5.4f, NO_OFFSET);
    b2Body* body = makeBody(world, cannon, b2Vec2(x, y), preview);
    physics::ShapeDef def = shapeDef(3.0f, 0.2f, 0.2f, preview);
    cShapeFile("shapes/cannon.svg").addShapes(body, def);
    auto* bounce = new cObject(0, KIND_CANNON_BOUNCE);
    def.restitution = 4.0f;
    def.userData = bounce;
    cShapeFile("shapes/cannonbounce.svg").addShapes(body, def);
    physics::setMassFromShapes(body);
    return {cannon};
}
