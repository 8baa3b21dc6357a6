#include "Crowd.h"

#include "objects/Object.h"
#include "objects/ObjectFactory.h"

#include <box2d/b2_world.h>

#include <iterator>

namespace {

// Far enough apart that no two start overlapping: the balance beam is 4.5 wide.
constexpr float COLUMN_SPACING = 5.0f;
constexpr float ROW_SPACING = 2.5f;
constexpr int COLUMNS = 12;
constexpr float FIRST_ROW_LIFT = 4.0f;
// Cherries are 0.8 across: a block of them touches everywhere at once.
constexpr float CHERRY_SPACING = 0.82f;
constexpr int CHERRY_COLUMNS = 24;
constexpr float CHERRY_BLOCK_SHIFT = 32.0f;

// What the panel offers, the cannon left out: its bouncing cap throws the
// crowd out of the world, where bodies freeze and the load would melt away.
const ObjectFactory TOOLS[] = {createBowlingBall, createSkate, createBalance, createCherry};

int placeCherryBlock(b2World* world, float x, float y, int bodies)
{
    int placed = 0;
    for (int cell = 0; world->GetBodyCount() < bodies; ++cell) {
        const float cellX = x + CHERRY_SPACING * static_cast<float>(cell % CHERRY_COLUMNS);
        const float cellY = y + CHERRY_SPACING * static_cast<float>(cell / CHERRY_COLUMNS);
        for (cObject* object : createCherry(world, cellX, cellY, false, nullptr)) {
            object->setRemovable(true);
            ++placed;
        }
    }
    return placed;
}

} // namespace

int placeCrowd(b2World* world, float x, float y, int bodies)
{
    const int gridBodies = world->GetBodyCount() + (bodies - world->GetBodyCount()) / 2;
    int placed = 0;
    for (int cell = 0; world->GetBodyCount() < gridBodies; ++cell) {
        const int column = cell % COLUMNS;
        const int row = cell / COLUMNS;
        const float cellX = x + COLUMN_SPACING * (static_cast<float>(column) - 0.5f * (COLUMNS - 1));
        const float cellY = y + FIRST_ROW_LIFT + ROW_SPACING * static_cast<float>(row);
        const ObjectFactory factory = TOOLS[static_cast<std::size_t>(cell) % std::size(TOOLS)];
        for (cObject* object : factory(world, cellX, cellY, false, nullptr)) {
            object->setRemovable(true);
            ++placed;
        }
    }
    return placed + placeCherryBlock(world, x + CHERRY_BLOCK_SHIFT, y + FIRST_ROW_LIFT, bodies);
}
