// The bundled level played for a long time by a random player, under the
// sanitizers: nothing may go wrong, and nothing may pile up. QUIB_SOAK_TICKS
// sets the length (`make soak` plays 50,000 ticks), QUIB_SOAK_SEED the play,
// QUIB_SOAK_RESTARTS the number of restarts in a row.
#include "soak/RandomPlayer.h"

#include "app/Application.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "support/FreshGame.h"
#include "support/Play.h"

#include <SDL.h>
#include <box2d/box2d.h>
#include <gtest/gtest.h>
#include <unistd.h>
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's own count; GCC ships the library without its header.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
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

const int STAR_KINDS[] = {KIND_BOWLING_STAR, KIND_BALANCE_STAR, KIND_CHERRY_STAR, KIND_SKATE_STAR,
                          KIND_CANNON_STAR};

// Every star moved onto the wheel, where the rules turn it into a tool in the
// next tick: the player has every tool from the start, and again after each
// restart.
void bringStarsToTheWheel()
{
    const b2Vec2 centre = registry().getFirstOfKind(KIND_WHEEL)->getBody()->GetWorldCenter();
    for (int kind : STAR_KINDS) {
        registry().getFirstOfKind(kind)->setPosition(centre.x, centre.y);
    }
}

bool starsAreTools() { return registry().getFirstOfKind(KIND_BOWLING_STAR)->isTool(); }

struct Census {
    int objects = 0;
    int withBody = 0;
    int placed = 0;
    int cannons = 0;
    int cannonCaps = 0;
    int jointPictures = 0;
    int bodies = 0;
    int textures = 0;
    // Live pictures, shared ones included, that no object shows and that own no image.
    int strayPictures = 0;

    // The registered pictures are left out: they grow with the first use of
    // each image (the muted speaker, a tool), up to the number of image files.
    bool operator==(const Census& other) const
    {
        return objects == other.objects && withBody == other.withBody && placed == other.placed &&
               cannons == other.cannons && cannonCaps == other.cannonCaps &&
               jointPictures == other.jointPictures && bodies == other.bodies &&
               strayPictures == other.strayPictures;
    }
};

std::ostream& operator<<(std::ostream& out, const Census& c)
{
    return out << c.objects << " objects (" << c.withBody << " with a body, " << c.placed << " placed, "
               << c.cannons << " cannons, " << c.cannonCaps << " caps, " << c.jointPictures << " ropes), "
               << c.bodies << " bodies, " << c.textures << " pictures, " << c.strayPictures << " stray";
}

Census takeCensus(const b2World* world)
{
    Census census;
    for (const cObject* object : registry().inOrder()) {
        ++census.objects;
        census.withBody += object->getBody() ? 1 : 0;
        census.placed += object->isRemovable() ? 1 : 0;
        census.cannons += object->getKind() == KIND_CANNON ? 1 : 0;
        census.cannonCaps += object->getKind() == KIND_CANNON_BOUNCE ? 1 : 0;
        census.jointPictures += object->getKind() == KIND_JOINT_PICTURE ? 1 : 0;
    }
    census.bodies = world->GetBodyCount();
    const cTextureManager& pictures = Singleton<cTextureManager>::instance();
    census.textures = static_cast<int>(pictures.getTextures().size());
    std::set<const cTexture*> kept(pictures.getTextures().begin(), pictures.getTextures().end());
    for (const cObject* object : registry().inOrder()) {
        if (object->getTexture() && object->getTexture()->getId() != 0) {
            kept.insert(object->getTexture());
        }
    }
    census.strayPictures = static_cast<int>(pictures.pictureCount() - kept.size());
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
    Level1* level = new Level1;
    bringStarsToTheWheel();
    cApplication::tick();
    const Census start = takeCensus(level->getWorld());
    const int mostObjects = start.objects + MOST_OBJECTS_PER_PLACEMENT * (2 * RandomPlayer::MAX_PLACED + 1);
    const int images = imageFileCount();

    RandomPlayer player(seed);
    Census most;
    int placements = 0;
    int removals = 0;
    int lastPlaced = 0;
    int restarts = 0;
    Census restarted;
    for (int tick = 1; tick <= ticks; ++tick) {
        player.act();
        cApplication::tick();
        if (!starsAreTools()) {
            // Whatever was placed, carried or eaten, a restart leaves the same level.
            const Census now = takeCensus(level->getWorld());
            if (restarts++ == 0) {
                restarted = now;
            }
            ASSERT_TRUE(now == restarted) << "restart " << restarts << " in tick " << tick << ": " << now
                                          << "; after the first: " << restarted;
            lastPlaced = 0;
            bringStarsToTheWheel();
        }
        if (tick % CHECK_EVERY != 0) {
            continue;
        }
        const Census now = takeCensus(level->getWorld());
        // The world's own ground body is the one body without an object.
        ASSERT_EQ(now.bodies, now.withBody + 1) << "tick " << tick;
        ASSERT_EQ(now.cannonCaps, now.cannons) << "tick " << tick;
        ASSERT_EQ(now.jointPictures, start.jointPictures) << "tick " << tick;
        ASSERT_LE(now.textures, images) << "tick " << tick;
        ASSERT_EQ(now.strayPictures, 0) << "tick " << tick;
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
    EXPECT_GT(restarts, 0);
    std::cout << "Soaked " << ticks << " ticks (seed " << seed << "): " << player.grabs() << " grabs, "
              << placements << " objects placed, " << removals << " removed, " << restarts
              << " restarts; at most "
              << most.objects << " objects, " << most.bodies << " bodies, " << most.placed << " placed; "
              << takeCensus(level->getWorld()).textures << " pictures registered" << std::endl;
    endLevel(level);
}

namespace {

constexpr int DEFAULT_RESTARTS = 200;
// Rounds before the memory in use is taken as the measure: the first ones fill
// the caches that later rounds reuse.
constexpr int WARM_UP_ROUNDS = 10;
constexpr size_t MEMORY_SLACK = 16 * 1024;
// Where the tools are dropped, from the wheel: in the open sky.
const b2Vec2 DROP_OFFSET(4.0f, 6.0f);

size_t memoryInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

void clickAt(float x, float y)
{
    pointAt(x, y);
    click();
    cApplication::tick();
}

// Every tool taken, two of them placed and one carried: what a restart has to
// take away.
void playARound()
{
    bringStarsToTheWheel();
    cApplication::tick();
    const b2Vec2 wheel = registry().getFirstOfKind(KIND_WHEEL)->getBody()->GetPosition();
    for (int kind : {KIND_BOWLING_STAR, KIND_SKATE_STAR, KIND_CHERRY_STAR}) {
        const cObject* tool = registry().getFirstOfKind(kind);
        clickAt(tool->getX(), tool->getY());
        if (kind != KIND_CHERRY_STAR) {
            pointAt(wheel.x + DROP_OFFSET.x, wheel.y + DROP_OFFSET.y);
            cApplication::tick();
            clickAt(wheel.x + DROP_OFFSET.x, wheel.y + DROP_OFFSET.y);
        }
    }
}

} // namespace

// Hundreds of restarts, each of a level with every tool taken, objects placed
// and one carried: every restart leaves the objects, bodies and pictures of
// the first, and the memory in use does not grow.
TEST(SoakTest, RestartsLeaveObjectsBodiesPicturesAndMemoryFlat)
{
    const int rounds = fromEnvironment("QUIB_SOAK_RESTARTS", DEFAULT_RESTARTS);
    ASSERT_EQ(chdir(QUIB_SOURCE_DIR "/data"), 0);
    ASSERT_TRUE(Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"));
    Level1* level = new Level1;
    Census first;
    size_t measure = 0, most = 0;
    for (int round = 1; round <= rounds; ++round) {
        playARound();
        ASSERT_GT(takeCensus(level->getWorld()).placed, 0) << "round " << round << " placed nothing";
        input().setKey(SDLK_r, cInput::DOWN);
        cApplication::tick();
        input().setKey(SDLK_r, cInput::UP);
        ASSERT_FALSE(starsAreTools()) << "round " << round << " did not restart";
        const Census now = takeCensus(level->getWorld());
        if (round == 1) {
            first = now;
        }
        ASSERT_TRUE(now == first) << "restart " << round << ": " << now << "; after the first: " << first;
        const size_t memory = memoryInUse();
        if (round == WARM_UP_ROUNDS) {
            measure = memory;
        }
        most = std::max(most, memory);
        if (round > WARM_UP_ROUNDS) {
            ASSERT_LE(memory, measure + MEMORY_SLACK) << "restart " << round;
        }
    }
    std::cout << rounds << " restarts: " << first.objects << " objects, " << first.bodies << " bodies, "
              << first.textures << " pictures registered after each; memory in use after restart "
              << WARM_UP_ROUNDS << " " << measure / 1024 << " KiB, at most " << most / 1024 << " KiB" << std::endl;
    endLevel(level);
}
