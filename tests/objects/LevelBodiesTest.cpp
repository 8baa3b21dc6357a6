#include "app/Singleton.h"
#include "app/Video.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"
#include "support/FreshGame.h"

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_world.h>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The game's own level, built from the real drawing and ticked as the game does.
class LevelBodiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
        static const bool opened = Singleton<cVideo>::instance().open(640, 480, 32, "QUIB");
        ASSERT_TRUE(opened);
        level = new Level1;
    }

    void TearDown() override { endLevel(level); }

    // The one body without a picture that carries the many outlines of the level drawing.
    static bool isTerrain(b2Body* body)
    {
        int shapes = 0;
        for (b2Fixture* fixture = body->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
            ++shapes;
        }
        auto* object = static_cast<cObject*>(physics::userData(body));
        return object->getKind() == KIND_PLAIN && !object->getTexture() && shapes > 10;
    }

    Level1* level = nullptr;
};

TEST_F(LevelBodiesTest, OnlyTheTerrainAndTheBirdsStandStillAndTheyNeverMove)
{
    b2World* world = level->getWorld();
    std::vector<b2Body*> still;
    std::vector<b2Vec2> places;
    for (b2Body* body = world->GetBodyList(); body; body = body->GetNext()) {
        if (body == physics::groundBody(world)) {
            continue;
        }
        auto* object = static_cast<cObject*>(physics::userData(body));
        ASSERT_NE(object, nullptr);
        if (object->getKind() == KIND_BIRD || isTerrain(body)) {
            EXPECT_EQ(body->GetType(), b2_staticBody);
            still.push_back(body);
            places.push_back(body->GetPosition());
        } else {
            EXPECT_EQ(body->GetType(), b2_dynamicBody) << "kind " << object->getKind();
            EXPECT_GT(body->GetMass(), 0.0f) << "kind " << object->getKind();
        }
    }
    ASSERT_EQ(still.size(), 3u);

    for (int t = 0; t < 120; ++t) {
        level->run(MSG_TICK);
    }

    for (size_t i = 0; i < still.size(); ++i) {
        EXPECT_EQ(still[i]->GetPosition(), places[i]);
        EXPECT_EQ(still[i]->GetAngle(), 0.0f);
    }
}

} // namespace
