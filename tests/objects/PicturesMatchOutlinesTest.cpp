#include "app/Singleton.h"
#include "assets/AssetFiles.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"

#include <cmath>

namespace {

// Each picture is checked where the game shows it, against the shapes the
// game gives its body: both come from the objects the factories make.
constexpr int OPAQUE = 200;
constexpr int CLEAR = 16;
constexpr float EDGE_MARGIN = 0.12f;  // outlines are drawn with a stroke this wide or less
constexpr float INSIDE_FRACTION = 0.6f;
constexpr int GRID = 60;
constexpr int DISC_CORNERS = 32;
constexpr float X = 30.0f;
constexpr float Y = 15.0f;
const b2Vec2 ANCHORS[2] = {b2Vec2(X - 3.4f, Y + 6.0f), b2Vec2(X + 3.4f, Y + 6.0f)};

using Outlines = std::vector<std::vector<b2Vec2>>;

// The image a picture shows, as the picture that registered it read it.
Picture pictureOf(const cObject* object)
{
    object->getTexture()->loadWaiting();
    for (const cTexture* owner : Singleton<cTextureManager>::instance().getTextures()) {
        if (owner->getId() == object->getTexture()->getId()) {
            return Picture(owner->getName());
        }
    }
    return Picture("");
}

PictureFrame frameOf(const cObject* object)
{
    const cTexture* shown = object->getTexture();
    return {shown->getWidth(), shown->getHeight(), shown->getOffsetX(), shown->getOffsetY(), shown->isMirroredX()};
}

// The body's shapes in its own frame, a circle as a polygon of many corners.
Outlines outlinesOf(const cObject* object)
{
    Outlines outlines;
    for (const b2Fixture* f = object->getBody()->GetFixtureList(); f; f = f->GetNext()) {
        std::vector<b2Vec2> outline;
        if (f->GetType() == b2Shape::e_circle) {
            const b2Shape* circle = f->GetShape();
            const b2Vec2 centre = static_cast<const b2CircleShape*>(circle)->m_p;
            for (int k = 0; k < DISC_CORNERS; ++k) {
                const float a = 2.0f * b2_pi * static_cast<float>(k) / DISC_CORNERS;
                outline.push_back(centre + circle->m_radius * b2Vec2(std::cos(a), std::sin(a)));
            }
        } else if (f->GetType() == b2Shape::e_polygon) {
            const auto* polygon = static_cast<const b2PolygonShape*>(f->GetShape());
            outline.assign(polygon->m_vertices, polygon->m_vertices + polygon->m_count);
        }
        outlines.push_back(outline);
    }
    return outlines;
}

bool nearOrInside(b2Vec2 p, const Outlines& outlines)
{
    for (const auto& outline : outlines) {
        if (insideOutline(p, outline) || distanceToOutline(p, outline) < EDGE_MARGIN) {
            return true;
        }
    }
    return false;
}

// Points across the whole picture, just inside its edges.
std::vector<b2Vec2> gridOver(const PictureFrame& frame)
{
    std::vector<b2Vec2> points;
    for (int i = 0; i <= GRID; ++i) {
        for (int j = 0; j <= GRID; ++j) {
            points.emplace_back(frame.x + frame.width * (float(i) / GRID - 0.5f) * 0.99f,
                                frame.y + frame.height * (float(j) / GRID - 0.5f) * 0.99f);
        }
    }
    return points;
}

b2Vec2 localOf(const cObject* part, const cObject* whole)
{
    return part->getBody()->GetPosition() - whole->getBody()->GetPosition();
}

struct Case {
    const char* name;
    ObjectList (*make)(b2World* world);
    size_t part;
    bool onlyOutlines;  // nothing is drawn beyond the body's shapes
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

ObjectList twoBirds(b2World* world)
{
    ObjectList birds = createBird(world, X, Y, false);
    birds.push_back(createBird(world, X + 10.0f, Y, false).front());
    return birds;
}

ObjectList balance(b2World* world) { return createBalance(world, X, Y, false, nullptr); }

const Case CASES[] = {
    {"Plank", [](b2World* w) { return createDistanceBox(w, X, Y, false, ANCHORS); }, 0, true},
    {"BalanceStand", balance, 0, false},
    {"BalanceBeam", balance, 1, true},
    {"Skate", [](b2World* w) { return createSkate(w, X, Y, false, nullptr); }, 0, false},
    {"CardLeft", [](b2World* w) { return createCardLeft(w, X, Y); }, 0, true},
    {"CardRight", [](b2World* w) { return createCardRight(w, X, Y); }, 0, true},
    {"CardTop", [](b2World* w) { return createCardTop(w, X, Y); }, 0, true},
    {"Domino", [](b2World* w) { return createDomino(w, X, Y); }, 0, true},
    {"Hazelnut", [](b2World* w) { return createHazelnut(w, X, Y, false, nullptr); }, 0, true},
    {"FirstBird", twoBirds, 0, false},
    {"LaterBird", twoBirds, 1, false},
    {"Cannon", [](b2World* w) { return createCannon(w, X, Y, false, nullptr); }, 0, false},
    {"BowlingBall", [](b2World* w) { return createBowlingBall(w, X, Y, false, nullptr); }, 0, true},
    {"Cherry", [](b2World* w) { return createCherry(w, X, Y, false, nullptr); }, 0, false},
};

class PictureOfBody : public WorldTest, public ::testing::WithParamInterface<Case> {};

TEST_P(PictureOfBody, IsOpaqueWellInsideEveryShapeAndClearAwayFromThemWhereItShowsOnlyThem)
{
    const cObject* object = GetParam().make(world()).at(GetParam().part);
    const Picture picture = pictureOf(object);
    ASSERT_TRUE(picture.loaded());
    const PictureFrame frame = frameOf(object);
    const Outlines outlines = outlinesOf(object);
    ASSERT_FALSE(outlines.empty());
    for (const auto& outline : outlines) {
        for (const b2Vec2& p : pointsInside(outline, INSIDE_FRACTION)) {
            EXPECT_GT(picture.alphaAtWorld(frame, p), OPAQUE) << "at " << p.x << ", " << p.y;
        }
    }
    for (const b2Vec2& p : GetParam().onlyOutlines ? gridOver(frame) : std::vector<b2Vec2>()) {
        if (!nearOrInside(p, outlines)) {
            EXPECT_LT(picture.alphaAtWorld(frame, p), CLEAR) << "at " << p.x << ", " << p.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Objects, PictureOfBody, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

using PlayerPictures = WorldTest;

// The wheel shows its rim at its edge and the squirrel through its middle;
// the squirrel, drawn under it, stays inside it.
TEST_F(PlayerPictures, TheWheelsRimIsAtItsEdgeAndTheSquirrelRunsInsideIt)
{
    createPlayer(world(), X, Y);
    const cObject* wheel = registry().getFirstOfKind(KIND_WHEEL);
    const cObject* squirrel = registry().getFirstOfKind(KIND_SQUIRREL);
    const float radius = wheel->getBody()->GetFixtureList()->GetShape()->m_radius;
    const Picture rim = pictureOf(wheel);
    for (int k = 0; k < 16; ++k) {
        const float a = static_cast<float>(k) * b2_pi / 8.0f;
        const b2Vec2 direction(std::cos(a), std::sin(a));
        EXPECT_GT(rim.alphaAtWorld(frameOf(wheel), (radius - 0.06f) * direction), OPAQUE);
        EXPECT_LT(rim.alphaAtWorld(frameOf(wheel), (radius + 0.04f) * direction), 128);
    }
    EXPECT_LT(rim.alphaAtWorld(frameOf(wheel), {0.0f, 0.0f}), CLEAR) << "the squirrel shows inside";

    const Picture rider = pictureOf(squirrel);
    const PictureFrame frame = frameOf(squirrel);
    const b2Vec2 wheelCentre = localOf(wheel, squirrel);
    int shown = 0;
    for (const b2Vec2& p : gridOver(frame)) {
        const int alpha = rider.alphaAtWorld(frame, p);
        shown += alpha > OPAQUE;
        if (b2Distance(p, wheelCentre) > radius) {
            EXPECT_LT(alpha, CLEAR) << "at " << p.x << ", " << p.y;
        }
    }
    EXPECT_GT(shown, (GRID + 1) * (GRID + 1) / 10);
}

TEST_F(PlayerPictures, TheSkateboardShowsTyresRoundItsTurningHubs)
{
    const ObjectList skate = createSkate(world(), X, Y, false, nullptr);
    const Picture board = pictureOf(skate[0]);
    for (const cObject* hub : {skate[1], skate[2]}) {
        const b2Vec2 centre = localOf(hub, skate[0]);
        const float radius = hub->getBody()->GetFixtureList()->GetShape()->m_radius;
        EXPECT_LT(board.alphaAtWorld(frameOf(skate[0]), centre), CLEAR) << "the hub shows through";
        for (int k = 0; k < 8; ++k) {
            const float a = static_cast<float>(k) * b2_pi / 4.0f;
            const b2Vec2 direction(std::cos(a), std::sin(a));
            EXPECT_GT(board.alphaAtWorld(frameOf(skate[0]), centre + (radius - 0.05f) * direction), OPAQUE);
            if (direction.y < -0.5f) {  // below the axle, where no truck is drawn
                EXPECT_LT(board.alphaAtWorld(frameOf(skate[0]), centre + (radius + 0.1f) * direction), CLEAR);
            }
        }
        EXPECT_GT(pictureOf(hub).alphaAtWorld(frameOf(hub), {0.05f, 0.05f}), OPAQUE);
    }
}

class RopePicture : public WorldTest, public ::testing::WithParamInterface<ObjectFactory> {};

TEST_P(RopePicture, OnlyANarrowRopeDownTheMiddleIsOpaque)
{
    GetParam()(world(), X, Y, false, ANCHORS);
    const cObject* hanging = registry().getFirstOfKind(KIND_JOINT_PICTURE);
    const Picture rope = pictureOf(hanging);
    ASSERT_TRUE(rope.loaded());
    const float pixelsPerUnit = static_cast<float>(rope.width()) / frameOf(hanging).width;
    const int narrow = static_cast<int>(0.5f * pixelsPerUnit);
    for (int v = 0; v < rope.height(); ++v) {
        int opaqueNearMiddle = 0;
        for (int u = 0; u < rope.width(); ++u) {
            if (std::abs(u - rope.width() / 2) <= narrow) {
                opaqueNearMiddle += rope.alphaAt(u, v) > OPAQUE;
            } else {
                ASSERT_EQ(rope.alphaAt(u, v), 0) << "row " << v << ", column " << u;
            }
        }
        EXPECT_GT(opaqueNearMiddle, 0) << "the rope is unbroken, row " << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Joints, RopePicture, ::testing::Values(createDistanceBox, createFrequencyBox));

} // namespace
