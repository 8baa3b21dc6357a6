#include "levels/Level1.h"

#include "app/Singleton.h"
#include "audio/Music.h"
#include "graphics/Texture.h"
#include "levels/DragBox.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"
#include "shapes/ShapeFile.h"

#include <cfloat>
#include <iostream>
#include <set>
#include <string>

namespace {

const char* const LEVEL_DRAWING = "shapes/level.svg";
const char* const FIRST_BIRD_IMAGE = "images/bird.png";
constexpr float FIRST_TILE_X = 15.05f;
constexpr int BACKGROUND_PANELS = 3;
constexpr float BACKGROUND_SIZE = 40.0f;
// The ground's underside is never seen: plain earth goes on below the lowest
// outline, across the level and far beyond both its ends, overlapping the
// scenery's bottom edge line.
constexpr float UNDERGROUND_WIDTH = 2000.0f;
constexpr float UNDERGROUND_DEPTH = 1000.0f;
constexpr float UNDERGROUND_OVERLAP = 0.1f;

const std::vector<b2Vec2>& allMarkers(const std::map<std::string, std::vector<b2Vec2>>& markers,
                                      const std::string& label)
{
    static const std::vector<b2Vec2> none;
    const auto found = markers.find(label);
    return found == markers.end() ? none : found->second;
}

cObject* makePicture(int layer, int kind, const char* image, float width, float height, float offsetX,
                     float offsetY)
{
    auto* object = new cObject(layer, kind);
    object->setTexture(new cTexture(image, width, height, offsetX, offsetY, 0.0f, false, false));
    return object;
}

template <class Build>
void atEach(const std::map<std::string, std::vector<b2Vec2>>& markers, const char* label, Build build)
{
    for (const b2Vec2& point : allMarkers(markers, label)) {
        build(point);
    }
}

} // namespace

Level1::Level1() : drawing(LEVEL_DRAWING), markers(drawing.getPoints())
{
    (new cMusic("sounds/music.ogg"))->play(-1);
    build();
    dragBox = new cDragBox(this);
    buildPanelButtons();
}

// The panel's objects go with the rest of the level's.
Level1::~Level1() { delete dragBox; }

void Level1::restart()
{
    dragBox->putBack();
    removeContent();
    renewWorld();
    build();
}

void Level1::build()
{
    if (const b2Vec2* start = marker("player")) {
        createPlayer(getWorld(), start->x, start->y);
    }
    buildPictures();
    buildTerrain();
    buildObjects();
}

// The panel with its buttons stays; everything else goes with the old world,
// which takes the bodies along.
void Level1::removeContent()
{
    removeObjects([](const cObject* object) {
        const int kind = object->getKind();
        return kind == KIND_DRAGBOX_PANEL || kind == KIND_MUTE_BUTTON || kind == KIND_RESTART_BUTTON;
    });
}

void Level1::buildPanelButtons()
{
    makePicture(20, KIND_MUTE_BUTTON, "images/mute.png", 1.2f, 1.2f, 0.0f, 0.0f);
    makePicture(20, KIND_RESTART_BUTTON, "images/restart.png", 1.2f, 1.2f, 0.0f, 0.0f);
}

const b2Vec2* Level1::marker(const std::string& label, size_t index)
{
    const auto found = markers.find(label);
    if (found != markers.end() && found->second.size() > index) {
        return &found->second[index];
    }
    // A drawing that could not be read was reported as a whole already; one
    // with outlines but no markers lacks every label.
    if (drawing.wasFound() && reported.insert(label).second) {
        std::cout << "Missing marker \"" << label << "\" in " << LEVEL_DRAWING << "\n" << std::flush;
    }
    return nullptr;
}

void Level1::buildPictures()
{
    // Enough copies of the repeating background to span the widest screens;
    // the rules lay them side by side across the view.
    for (int panel = 0; panel < BACKGROUND_PANELS; ++panel) {
        makePicture(-2, KIND_BACKGROUND, "images/background.png", BACKGROUND_SIZE, BACKGROUND_SIZE, 0.0f, 0.0f);
    }
    if (const b2Vec2* tree = marker("backgroundTree")) {
        cObject* object = new cObject(-1, KIND_PLAIN);
        object->setPosition(tree->x, tree->y);
        object->setTexture(new cTexture("images/tree.png", 17.0f, 17.0f, 0.0f, 0.0f, 0.0f, false, false));
    }
    for (int k = 1; k <= SCENERY_TILES; ++k) {
        const std::string image = "images/level" + std::to_string(k) + ".png";
        makePicture(8, KIND_PLAIN, image.c_str(), TILE_SIZE, TILE_SIZE, tileCentre(k).x, tileCentre(k).y);
    }
}

// The last four tiles sit 3 units higher, where the ground rises.
b2Vec2 Level1::tileCentre(int k)
{
    return b2Vec2(FIRST_TILE_X + TILE_SIZE * static_cast<float>(k - 1), k <= 5 ? 10.75f : 13.75f);
}

void Level1::buildTerrain()
{
    auto* terrain = new cObject(0, KIND_PLAIN);
    physics::BodyDef bodyDef;
    bodyDef.userData = terrain;
    b2Body* body = physics::createBody(getWorld(), bodyDef);
    terrain->setBody(body);
    physics::ShapeDef shapeDef;
    shapeDef.friction = 1.0f;
    drawing.addShapes(body, shapeDef);
    buildUnderground();
}

void Level1::buildUnderground()
{
    b2Vec2 lower(FLT_MAX, FLT_MAX);
    b2Vec2 upper(-FLT_MAX, -FLT_MAX);
    for (const std::vector<b2Vec2>& outline : drawing.getOutlines()) {
        if (outline.size() < 3) {
            continue;
        }
        for (const b2Vec2& point : outline) {
            lower = b2Min(lower, point);
            upper = b2Max(upper, point);
        }
    }
    // Without terrain the earth stands below the origin, as a level's own picture all the same.
    if (lower.x > upper.x) {
        lower = upper = b2Vec2_zero;
    }
    cObject* earth = makePicture(8, KIND_PLAIN, "images/underground.png", UNDERGROUND_WIDTH, UNDERGROUND_DEPTH,
                                 0.0f, 0.0f);
    earth->setPosition(0.5f * (lower.x + upper.x), lower.y + UNDERGROUND_OVERLAP - 0.5f * UNDERGROUND_DEPTH);
}

void Level1::buildStar(const char* label, int kind, const char* image, float width, float height,
                       ObjectFactory factory)
{
    const b2Vec2* at = marker(label);
    if (!at) {
        return;
    }
    auto* star = new cObject(1, kind);
    star->setPosition(at->x, at->y);
    star->setTexture(new cTexture(image, width, height, 0.0f, 0.0f, 0.0f, false, false));
    star->setFactory(factory, getWorld());
}

void Level1::buildObjects()
{
    b2World* world = getWorld();
    buildStar("bowlingStar", KIND_BOWLING_STAR, "images/bowlingStar.png", 2.0f, 2.0f, createBowlingBall);
    if (const b2Vec2* at = marker("balance")) {
        createBalance(world, at->x, at->y, false, nullptr);
    }
    buildStar("balanceStar", KIND_BALANCE_STAR, "images/balanceStar.png", 5.0f, 1.563f, createBalance);
    atEach(markers, "cherry", [world](b2Vec2 p) { createCherry(world, p.x, p.y, false, nullptr); });
    buildStar("cherryStar", KIND_CHERRY_STAR, "images/cherryStar.png", 1.44f, 2.0f, createCherry);
    for (size_t i = 0; i < 2; ++i) {
        const b2Vec2* at = marker("bird", i);
        const ObjectList bird = at ? createBird(world, at->x, at->y, false) : ObjectList();
        // Only the first bird ever made gets the first picture; after a restart
        // the level's first bird must look as it did at the start all the same.
        if (i == 0 && !bird.empty() && bird.front()->getTexture()) {
            bird.front()->getTexture()->load(FIRST_BIRD_IMAGE);
        }
    }
    atEach(markers, "cardLeft", [world](b2Vec2 p) { createCardLeft(world, p.x, p.y); });
    atEach(markers, "cardRight", [world](b2Vec2 p) { createCardRight(world, p.x, p.y); });
    atEach(markers, "cardTop", [world](b2Vec2 p) { createCardTop(world, p.x, p.y); });
    atEach(markers, "domino", [world](b2Vec2 p) { createDomino(world, p.x, p.y); });
    if (const b2Vec2* at = marker("skate")) {
        createSkate(world, at->x, at->y, false, nullptr);
    }
    buildStar("skateStar", KIND_SKATE_STAR, "images/skateStar.png", 3.5f, 2.2f, createSkate);
    if (const b2Vec2* at = marker("cannon")) {
        createCannon(world, at->x, at->y, false, nullptr);
    }
    buildStar("cannonStar", KIND_CANNON_STAR, "images/cannonStar.png", 5.0f, 5.0f, createCannon);
    buildHangingBoxes();
    atEach(markers, "hazelnut", [world](b2Vec2 p) { createHazelnut(world, p.x, p.y, false, nullptr); });
}

void Level1::buildHangingBoxes()
{
    struct HangingBox {
        std::string name;
        ObjectFactory factory;
    };
    const HangingBox boxes[] = {
        {"distanceBox", createDistanceBox},   {"distanceBox2", createDistanceBox},
        {"frequencyBox2", createFrequencyBox}, {"frequencyBox3", createFrequencyBox},
        {"frequencyBox4", createFrequencyBox},
    };
    for (const HangingBox& box : boxes) {
        const b2Vec2* left = marker(box.name + "AnchorL");
        const b2Vec2* right = marker(box.name + "AnchorR");
        const b2Vec2* at = marker(box.name);
        if (left && right && at) {
            const b2Vec2 anchors[2] = {*left, *right};
            box.factory(getWorld(), at->x, at->y, false, anchors);
        }
    }
}
