#include "assets/AssetFiles.h"

#include "levels/Level1.h"
#include "shapes/ShapeFile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr int TILE_COUNT = Level1::SCENERY_TILES;
constexpr float TILE_SIZE = Level1::TILE_SIZE;
constexpr float TILE_EDGE = 0.1f;      // sampling this close to a tile's edge is left out
constexpr float OUTLINE_EDGE = 0.25f;  // nor this close to a terrain outline
// The finish flag at a goal marker stands within this box right of and above it.
constexpr float FLAG_WIDTH = 3.2f;
constexpr float FLAG_HEIGHT = 5.2f;

// Where the level shows each tile.
PictureFrame tileFrame(int k)
{
    return {TILE_SIZE, TILE_SIZE, Level1::tileCentre(k).x, Level1::tileCentre(k).y, false};
}

bool wellWithin(const PictureFrame& frame, b2Vec2 p)
{
    return std::abs(p.x - frame.x) < frame.width / 2 - TILE_EDGE &&
           std::abs(p.y - frame.y) < frame.height / 2 - TILE_EDGE;
}

class SceneryTiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::ifstream(dataPath("shapes/level.svg"))) {
            GTEST_SKIP() << "no level drawing yet";
        }
        const cShapeFile level(dataPath("shapes/level.svg"));
        for (const auto& outline : level.getOutlines()) {
            if (outline.size() >= 3) {
                terrain.push_back(outline);
            }
        }
        flags = level.getPoints()["goal"];
        for (int k = 1; k <= TILE_COUNT; ++k) {
            tiles.emplace_back(new Picture("images/level" + std::to_string(k) + ".png"));
        }
    }

    bool onAFlag(b2Vec2 p) const
    {
        for (const b2Vec2& at : flags) {
            if (p.x > at.x - OUTLINE_EDGE && p.x < at.x + FLAG_WIDTH && p.y > at.y && p.y < at.y + FLAG_HEIGHT) {
                return true;
            }
        }
        return false;
    }

    bool nearOrInsideTerrain(b2Vec2 p) const
    {
        for (const auto& outline : terrain) {
            if (insideOutline(p, outline) || distanceToOutline(p, outline) < OUTLINE_EDGE) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::vector<b2Vec2>> terrain;
    std::vector<b2Vec2> flags;
    std::vector<std::unique_ptr<Picture>> tiles;
};

TEST_F(SceneryTiles, AreRgbaAtTwentyFivePixelsPerUnit)
{
    for (int k = 1; k <= TILE_COUNT; ++k) {
        const Picture& tile = *tiles[k - 1];
        ASSERT_TRUE(tile.loaded()) << "level" << k;
        EXPECT_EQ(tile.width(), 1024);
        EXPECT_EQ(tile.height(), 1024);
        EXPECT_EQ(tile.bytesPerPixel(), 4);
    }
}

TEST_F(SceneryTiles, ShowTheTerrainWhereThePhysicsHasIt)
{
    ASSERT_FALSE(terrain.empty());
    int checked = 0;
    for (const auto& outline : terrain) {
        for (const b2Vec2& p : pointsInside(outline, 0.8f)) {
            if (distanceToOutline(p, outline) < OUTLINE_EDGE) {
                continue;
            }
            for (int k = 1; k <= TILE_COUNT; ++k) {
                if (wellWithin(tileFrame(k), p) && tiles[k - 1]->loaded()) {
                    ++checked;
                    EXPECT_GT(tiles[k - 1]->alphaAtWorld(tileFrame(k), p), 200)
                        << "level" << k << " at " << p.x << ", " << p.y;
                }
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_F(SceneryTiles, LeaveOpenSpaceClear)
{
    const float step = 0.8f;
    for (int k = 1; k <= TILE_COUNT; ++k) {
        const PictureFrame frame = tileFrame(k);
        ASSERT_TRUE(tiles[k - 1]->loaded());
        int failures = 0;
        for (float x = frame.x - TILE_SIZE / 2; x < frame.x + TILE_SIZE / 2; x += step) {
            for (float y = frame.y - TILE_SIZE / 2; y < frame.y + TILE_SIZE / 2; y += step) {
                const b2Vec2 p(x, y);
                if (!wellWithin(frame, p) || nearOrInsideTerrain(p) || onAFlag(p)) {
                    continue;
                }
                const int alpha = tiles[k - 1]->alphaAtWorld(frame, p);
                if (alpha > 8 && failures++ < 5) {
                    ADD_FAILURE() << "level" << k << " paints open space at " << x << ", " << y;
                }
            }
        }
        EXPECT_EQ(failures, 0) << "level" << k;
    }
}

} // namespace
