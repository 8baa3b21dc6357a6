#pragma once

#include "levels/Level.h"
#include "objects/ObjectFactory.h"

#include <box2d/b2_math.h>

#include <map>
#include <string>
#include <vector>

class cShapeFile;

/// The game's level: everything in it is built from the drawing
/// "shapes/level.svg", its terrain from the outlines, its objects at the
/// drawing's named markers.
class Level1 : public cLevel {
public:
    Level1();

private:
    using Markers = std::map<std::string, std::vector<b2Vec2>>;

    void buildPictures(const Markers& markers);
    void buildTerrain(const cShapeFile& drawing);
    void buildStar(const Markers& markers, const char* label, int kind, const char* image, float width,
                   float height, ObjectFactory factory);
    void buildObjects(const Markers& markers);
    void buildHangingBoxes(const Markers& markers);
};
