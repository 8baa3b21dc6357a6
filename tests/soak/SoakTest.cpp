// The bundled level played for a long time by a random player, under the
// sanitizers: nothing may go wrong, and nothing may pile up. QUIB_SOAK_TICKS
// sets the length (`make soak` plays 50,000 ticks), QUIB_SOAK_SEED the play.
#include "soak/RandomPlayer.h"

#include "app/Application.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"

#include <box2d/b2_world.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr int DEFAULT_TICKS = 2000;
constexpr unsigned DEFAULT_SEED = 1;
constexpr int CHECK_EVERY = 25;
// A skate is three objects, a cannon two (its bouncing cap is an object of its own).
constexpr int MOST_OBJECTS_PER_PLACEMENT = 3;

int fromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

// The stars as the rules turn them into tools, all at once, so that the player
// has every tool from the start.
void makeEveryStarATool()
{
    struct Star {
        int kind;
        int layer;
        const char* image;
        float size;
    };
    const Star stars[] = {{KIND_BOWLING_STAR, 11, "images/bowling.png", 1.4f},
                          {KIND_BALANCE_STAR, 12, "images/balanceDragBox.png", 1.4f},
                          {KIND_CHERRY_STAR, 13, "images/cherry.png", 1.6f},
                          {KIND_SKATE_STAR, 14, "images/skateDragBox.png", 1.6f},
                          {KIND_CANNON_STAR, 15, "images/cannon.png", 1.4f}};
    for (const Star& star : stars) {
        cObject* object = Singleton<cObjectList>::instance().getFirstOfKind(star.kind);
        ASSERT_NE(object, nullptr) << "no star of kind " << star.kind;
        object->setTool(true);
        object->setLayer(star.layer);
        object->setTexture(new cTexture(star.image, star.size, star.size, 0.0f, 0.0f, 0.0f, false, false));
    }
}

struct Census {
    int objects = 0;
    int withBody = 0;
    int placed = 0;
    int cannons = 0;
    int cannonCaps = 0;
    int jointPictures = 0;
    int bodies = 0;
    int textures = 0;
};

Census takeCensus(const b2World* world)
{
    Census census;
    for (const cObject* object : Singleton<cObjectList>::instance().getAll()) {
        ++census.objects;
        census.withBody += object->getBody() ? 1 : 0;
        census.placed += object->isRemovable() ? 1 : 0;
        census.cannons += object->getKind() == KIND_CANNON ? 1 : 0;
        census.cannonCaps += object->getKind() == KIND_CANNON_BOUNCE ? 1 : 0;
        census.jointPictures += object->getKind() == KIND_JOINT_PICTURE ? 1 : 0;
    }
    census.bodies = world->GetBodyCount();
    census.textures = static_cast<int>(Singleton<cTextureManager>::instance().getTextures().size());
    return census;
}

int imageFileCount()
{
    const std::filesystem::directory_iterator files("images");
    return static_cast<int>(std::distance(std::filesystem::begin(files), std::filesystem::end(files)));
}

} // namespace

TEST(SoakTest, ARandomPlayerLeavesObjectsBodiesAndPicturesBounded)
{
    const int ticks = fromEnvironment("QUIB_SOAK_TICKS", DEFAULT_TICKS);
    const auto seed = static_cast<unsigned>(fromEnvironment("QUIB_SOAK_SEED", DEFAULT_SEED));
    ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
    ASSERT_TRUE(Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"));
    const Level1* level = new Level1;
    makeEveryStarATool();
    const Census start = takeCensus(level->getWorld());
    const int mostObjects = start.objects + MOST_OBJECTS_PER_PLACEMENT * (2 * RandomPlayer::MAX_PLACED + 1);
    const int images = imageFileCount();

    RandomPlayer player(seed);
    Census most;
    int placements = 0;
    int removals = 0;
    int lastPlaced = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        player.act();
        cApplication::tick();
        if (tick % CHECK_EVERY != 0) {
            continue;
        }
        const Census now = takeCensus(level->getWorld());
        // The world's own ground body is the one body without an object.
        ASSERT_EQ(now.bodies, now.withBody + 1) << "tick " << tick;
        ASSERT_EQ(now.cannonCaps, now.cannons) << "tick " << tick;
        ASSERT_EQ(now.jointPictures, start.jointPictures) << "tick " << tick;
        ASSERT_LE(now.textures, images) << "tick " << tick;
        ASSERT_LE(now.objects, mostObjects) << "tick " << tick;
        ASSERT_LE(level->getContactPointCount(), cLevel::CONTACT_POINT_CAPACITY);
        placements += std::max(0, now.placed - lastPlaced);
        removals += std::max(0, lastPlaced - now.placed);
        lastPlaced = now.placed;
        most.objects = std::max(most.objects, now.objects);
        most.bodies = std::max(most.bodies, now.bodies);
        most.placed = std::max(most.placed, now.placed);
    }
    // A player that never got to place or remove anything would prove nothing.
    EXPECT_GT(placements, 0);
    EXPECT_GT(removals, 0);
    std::cout << "Soaked " << ticks << " ticks (seed " << seed << "): " << player.grabs() << " grabs, "
              << placements << " objects placed, " << removals << " removed; at most "
              << most.objects << " objects, " << most.bodies << " bodies, " << most.placed << " placed; "
              << takeCensus(level->getWorld()).textures << " pictures registered" << std::endl;
}
