#pragma once

#include "levels/Level.h"
#include "objects/ObjectFactory.h"
#include "shapes/ShapeFile.h"

#include <box2d/b2_math.h>

#include <map>
#include <set>
#include <string>
#include <vector>

class cDragBox;

/// The game's level: everything in it is built from the drawing
/// "shapes/level.svg", its terrain from the outlines, its objects at the
/// drawing's named markers.
class Level1 : public cLevel {
public:
    /// The scenery's pictures "images/level1.png" onwards: squares TILE_SIZE
    /// wide, the k-th (from 1) centred at tileCentre(k).
    static constexpr int SCENERY_TILES = 9;
    static constexpr float TILE_SIZE = 40.96f;
    static b2Vec2 tileCentre(int k);

    Level1();
    ~Level1() override;

protected:
    /// Drops a carried preview and builds every object again from the drawing,
    /// in a new world, the stars back in their places and the panel empty. The
    /// switches, the music and the panel with its buttons stay as they are.
    void restart() override;

private:
    /// Whatever a restart builds again: the player, the pictures of the
    /// scenery, the terrain, the objects and the stars.
    void build();
    void removeContent();
    void buildPanelButtons();
    /// The n-th point of a label, or null when the drawing has too few; a
    /// missing label is reported once, not again at each restart.
    const b2Vec2* marker(const std::string& label, size_t index = 0);
    void buildPictures();
    void buildTerrain();
    void buildUnderground();
    void buildStar(const char* label, int kind, const char* image, float width, float height,
                   ObjectFactory factory);
    void buildObjects();
    void buildHangingBoxes();

    const cShapeFile drawing;
    const std::map<std::string, std::vector<b2Vec2>> markers;
    std::set<std::string> reported;
    cDragBox* dragBox = nullptr;
};
