#include "support/FlatLevel.h"

#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "physics/Physics.h"

namespace {

constexpr float GROUND_HALF_HEIGHT = 1.0f;

} // namespace

// Built like the level's terrain: a body that no mass ever makes dynamic.
FlatLevel::FlatLevel()
{
    ground = new cObject(0, KIND_PLAIN);
    physics::BodyDef bodyDef;
    bodyDef.position.Set(0.5f * (LEFT + RIGHT), -GROUND_HALF_HEIGHT);
    bodyDef.userData = ground;
    b2Body* body = physics::createBody(getWorld(), bodyDef);
    ground->setBody(body);
    physics::ShapeDef shapeDef;
    shapeDef.friction = 1.0f;
    physics::addBox(body, shapeDef, 0.5f * (RIGHT - LEFT), GROUND_HALF_HEIGHT);
}
