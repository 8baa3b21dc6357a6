#include "objects/WorldTest.h"

#include "app/Singleton.h"
#include "app/Video.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"
#include "support/FreshGame.h"

#include <unistd.h>

void WorldTest::SetUp()
{
    ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
    static const bool opened = Singleton<cVideo>::instance().open(640, 480, 32, "QUIB");
    ASSERT_TRUE(opened);
    level = new FlatLevel;
}

void WorldTest::TearDown() { endLevel(level); }

cObjectList& WorldTest::registry() { return Singleton<cObjectList>::instance(); }

b2Body* WorldTest::ground() const { return level->getGround()->getBody(); }

void WorldTest::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        level->tick();
    }
}

cObject* WorldTest::addBox(float x, float y, float halfSize)
{
    auto* box = new cObject(0, KIND_PLAIN);
    physics::BodyDef bodyDef;
    bodyDef.position.Set(x, y);
    bodyDef.userData = box;
    b2Body* body = physics::createBody(world(), bodyDef);
    physics::ShapeDef shapeDef;
    shapeDef.density = 1.0f;
    physics::addBox(body, shapeDef, halfSize, halfSize);
    physics::setMassFromShapes(body);
    box->setBody(body);
    return box;
}

bool WorldTest::touching(const b2Body* body, const b2Body* other) const
{
    return registry().isTouching(body, other);
}

std::vector<b2Fixture*> WorldTest::fixturesOf(b2Body* body)
{
    std::vector<b2Fixture*> fixtures;
    for (b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) {
        fixtures.push_back(f);
    }
    return fixtures;
}

std::vector<b2Body*> WorldTest::bodiesAround(const cObject* object)
{
    std::vector<b2Body*> bodies{object->getBody()};
    for (b2JointEdge* edge = object->getBody()->GetJointList(); edge; edge = edge->next) {
        bodies.push_back(edge->other);
    }
    return bodies;
}

cObject* WorldTest::objectOf(b2Body* body)
{
    return static_cast<cObject*>(physics::userData(body));
}
