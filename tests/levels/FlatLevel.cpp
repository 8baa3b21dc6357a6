#include "levels/FlatLevel.h"

#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "physics/Physics.h"
#include "shapes/ShapeFile.h"

FlatLevel::FlatLevel()
{
    auto* ground = new cObject(0, KIND_PLAIN);
    physics::BodyDef bodyDef;
    bodyDef.userData = ground;
    b2Body* body = physics::createBody(getWorld(), bodyDef);
    ground->setBody(body);
    physics::ShapeDef shapeDef;
    shapeDef.friction = 1.0f;
    cShapeFile(QUIB_TEST_DATA_DIR "/shapes/flat.svg").addShapes(body, shapeDef);
}
