#include "app/Camera.h"
#include "app/Singleton.h"
#include "graphics/Texture.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "physics/Physics.h"
#include "support/CoutCapture.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

cObjectList& registry() { return Singleton<cObjectList>::instance(); }

// Where the object stands in a list; the list's size when it is not in it.
size_t indexIn(const ObjectList& list, const cObject* object)
{
    return static_cast<size_t>(std::find(list.begin(), list.end(), object) - list.begin());
}

bool listed(const cObject* object)
{
    const ObjectList all = registry().getAll();
    return indexIn(all, object) < all.size();
}

// The registered objects among those given, in registry order.
ObjectList inRegistryOrder(const ObjectList& mine)
{
    ObjectList order;
    for (cObject* object : registry().getAll()) {
        if (std::find(mine.begin(), mine.end(), object) != mine.end()) {
            order.push_back(object);
        }
    }
    return order;
}

class ObjectListTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (cObject* object : made) {
            delete object;
        }
    }

    cObject* make(int layer, int kind = KIND_PLAIN)
    {
        made.push_back(new cObject(layer, kind));
        return made.back();
    }

    void forget(cObject* object) { made.erase(std::find(made.begin(), made.end(), object)); }

    ObjectList made;
};

TEST_F(ObjectListTest, ObjectsAreListedInAscendingLayerOrder)
{
    cObject* eight = make(8);
    cObject* below = make(-2);
    cObject* top = make(20);
    cObject* one = make(1);

    EXPECT_EQ(inRegistryOrder(made), (ObjectList{below, one, eight, top}));
}

TEST_F(ObjectListTest, RaisingTheLayerMovesAnyObjectToTheEnd)
{
    make(8);
    make(-2);
    make(20);
    make(1);

    int layer = 100;
    for (cObject* object : ObjectList(made)) {
        object->setLayer(layer++);
        EXPECT_EQ(registry().getAll().back(), object);
    }
}

TEST_F(ObjectListTest, LoweringTheLayerMovesTheObjectBeforeHigherOnes)
{
    cObject* low = make(3);
    cObject* high = make(5);

    high->setLayer(2);

    EXPECT_EQ(inRegistryOrder(made), (ObjectList{high, low}));
}

TEST_F(ObjectListTest, DeletedObjectLeavesTheRegistryAndTheOthersKeepTheirOrder)
{
    cObject* first = make(1);
    cObject* middle = make(2);
    cObject* last = make(3);
    EXPECT_TRUE(listed(middle));

    forget(middle);
    delete middle;

    EXPECT_EQ(inRegistryOrder(made), (ObjectList{first, last}));
    EXPECT_FALSE(listed(middle));
}

TEST_F(ObjectListTest, DeletingWhileWalkingACopyLeavesTheLaterEntriesUsable)
{
    for (int i = 0; i < 6; ++i) {
        make(i, i % 2 == 0 ? KIND_CHERRY : KIND_BIRD);
    }

    int birdsSeen = 0;
    for (cObject* object : registry().getAll()) {
        if (object->getKind() == KIND_CHERRY) {
            forget(object);
            delete object;
        } else if (object->getKind() == KIND_BIRD) {
            ++birdsSeen;
        }
    }

    EXPECT_EQ(birdsSeen, 3);
    EXPECT_TRUE(registry().getAllOfKind(KIND_CHERRY).empty());
    EXPECT_EQ(registry().getAllOfKind(KIND_BIRD).size(), 3u);
}

TEST_F(ObjectListTest, KindQueriesAnswerInListOrder)
{
    EXPECT_EQ(registry().getFirstOfKind(KIND_DRAGBOX_PANEL), nullptr);
    EXPECT_TRUE(registry().getAllOfKind(KIND_DRAGBOX_PANEL).empty());

    cObject* star = make(5, KIND_CHERRY_STAR);
    make(0, KIND_BIRD);
    cObject* laterButLower = make(1, KIND_CHERRY_STAR);

    EXPECT_EQ(registry().getFirstOfKind(KIND_CHERRY_STAR), laterButLower);
    EXPECT_EQ(registry().getAllOfKind(KIND_CHERRY_STAR), (ObjectList{laterButLower, star}));
    EXPECT_EQ(registry().getFirstOfKind(KIND_DRAGBOX_PANEL), nullptr);
}

TEST_F(ObjectListTest, ContainsPointIncludesThePictureEdgesAndTheMargin)
{
    cTexture picture;
    picture.setSize(2.0f, 4.0f);
    cObject* object = make(0);
    object->setTexture(&picture);
    object->setPosition(10.0f, -3.0f);

    EXPECT_TRUE(object->containsPoint(9.0f, -5.0f, 0.0f));
    EXPECT_TRUE(object->containsPoint(11.0f, -1.0f, 0.0f));
    EXPECT_FALSE(object->containsPoint(11.01f, -3.0f, 0.0f));
    EXPECT_FALSE(object->containsPoint(10.0f, -0.99f, 0.0f));
    EXPECT_TRUE(object->containsPoint(11.5f, -0.5f, 0.5f));
    EXPECT_TRUE(object->containsPoint(11.59f, -3.0f, 0.6f));
    EXPECT_FALSE(object->containsPoint(11.61f, -3.0f, 0.6f));
    EXPECT_FALSE(object->containsPoint(10.0f, -5.61f, 0.6f));
    object->setTexture(nullptr);
}

TEST_F(ObjectListTest, ContainsPointIgnoresThePictureOffsetAndAngleAndNeedsAPicture)
{
    const CoutCapture quiet;
    cTexture picture("no such picture.png", 2.0f, 2.0f, 5.0f, 5.0f, 45.0f, false, false);
    cObject* object = make(0);
    object->setTexture(&picture);

    EXPECT_TRUE(object->containsPoint(1.0f, 1.0f, 0.0f));
    EXPECT_FALSE(object->containsPoint(5.0f, 5.0f, 0.0f));
    object->setTexture(nullptr);
    EXPECT_FALSE(object->containsPoint(0.0f, 0.0f, 0.6f)) << "without a picture it contains nothing";
}

TEST_F(ObjectListTest, SyncAllCopiesEachBodyPoseIntoItsObject)
{
    std::unique_ptr<b2World, void (*)(b2World*)> world(physics::createWorld(b2Vec2(0.0f, -20.0f), true),
                                                        physics::destroyWorld);
    cTexture picture;
    cObject* object = make(0);
    object->setTexture(&picture);
    physics::BodyDef def;
    def.position.Set(4.0f, 9.0f);
    def.angle = 0.5f * b2_pi;
    object->setBody(physics::createBody(world.get(), def));
    cObject* marker = make(1);
    marker->setPosition(-1.0f, -2.0f);

    registry().syncAll();

    EXPECT_FLOAT_EQ(object->getX(), 4.0f);
    EXPECT_FLOAT_EQ(object->getY(), 9.0f);
    EXPECT_NEAR(picture.getAngle(), 90.0f, 1e-4f);
    EXPECT_FLOAT_EQ(marker->getX(), -1.0f);
    EXPECT_FLOAT_EQ(marker->getY(), -2.0f);
    object->setTexture(nullptr);
    object->setBody(nullptr);
}

// The sync passes over sleeping bodies: a body moved while it slept is woken
// by the move, and its object follows; a picture given to an object while its
// body sleeps takes the body's pose.
TEST_F(ObjectListTest, AnObjectFollowsABodyMovedWhileItSlept)
{
    std::unique_ptr<b2World, void (*)(b2World*)> world(physics::createWorld(b2Vec2(0.0f, -20.0f), true),
                                                        physics::destroyWorld);
    cObject* object = make(0);
    physics::BodyDef def;
    def.position.Set(1.0f, 2.0f);
    b2Body* body = physics::createBody(world.get(), def);
    physics::ShapeDef solid;
    solid.density = 1.0f;
    physics::addCircle(body, solid, 0.5f);
    physics::setMassFromShapes(body);
    object->setBody(body);
    registry().syncAll();
    body->SetAwake(false);
    registry().syncAll();

    physics::setTransform(body, b2Vec2(7.0f, 3.0f), 0.5f * b2_pi);
    registry().syncAll();
    EXPECT_FLOAT_EQ(object->getX(), 7.0f);
    EXPECT_FLOAT_EQ(object->getY(), 3.0f);

    // A new picture takes the pose of a body that sleeps on.
    body->SetAwake(false);
    cTexture picture;
    object->setTexture(&picture);
    registry().syncAll();
    EXPECT_NEAR(picture.getAngle(), 90.0f, 1e-4f);
    object->setTexture(nullptr);
    object->setBody(nullptr);
}

struct FactoryCall {
    b2World* world = nullptr;
    float x = 0.0f;
    float y = 0.0f;
    bool preview = false;
    const b2Vec2* anchors = nullptr;
    int count = 0;
};

FactoryCall lastCall;

ObjectList recordingFactory(b2World* world, float x, float y, bool preview, const b2Vec2* anchors)
{
    lastCall = {world, x, y, preview, anchors, lastCall.count + 1};
    return {nullptr, nullptr};
}

TEST_F(ObjectListTest, StarHandsOutWhatItsFactoryMakesAtItsPlace)
{
    cObject* star = make(1, KIND_BOWLING_STAR);
    star->setPosition(12.0f, 3.0f);
    auto* world = reinterpret_cast<b2World*>(&lastCall);
    star->setFactory(recordingFactory, world);
    lastCall = FactoryCall();
    lastCall.anchors = reinterpret_cast<const b2Vec2*>(&lastCall);

    EXPECT_EQ(star->createFromFactory(true).size(), 2u);

    EXPECT_EQ(lastCall.count, 1);
    EXPECT_EQ(lastCall.world, world);
    EXPECT_FLOAT_EQ(lastCall.x, 12.0f);
    EXPECT_FLOAT_EQ(lastCall.y, 3.0f);
    EXPECT_TRUE(lastCall.preview);
    EXPECT_EQ(lastCall.anchors, nullptr);
    star->createFromFactory(false);
    EXPECT_FALSE(lastCall.preview);
}

TEST_F(ObjectListTest, ObjectWithoutFactoryHandsOutNothing)
{
    EXPECT_TRUE(make(1, KIND_CANNON_STAR)->createFromFactory(false).empty());
}

// Only pictures in the view are drawn, judged by where each picture shows
// (its offset turned with its angle), not by where its object stands; a
// picture that waits for its image reads it when first drawn.
TEST_F(ObjectListTest, OnlyPicturesInTheViewAreDrawn)
{
    TestWindow::get();
    const cCamera& camera = Singleton<cCamera>::instance();
    const struct {
        float standX, offsetX, angle;
        bool shown;
    } cases[] = {{100.0f, -100.0f, 0.0f, true}, {50.0f, 50.0f, 180.0f, true}, {-100.0f, 0.0f, 0.0f, false},
                 {0.0f, 60.0f, 0.0f, false}};
    std::vector<std::unique_ptr<cTexture>> pictures;
    for (const auto& c : cases) {
        cObject* object = make(0);
        object->setPosition(camera.x() + c.standX, camera.y());
        pictures.push_back(std::make_unique<cTexture>(QUIB_TEST_DATA_DIR "/images/cells.png", 2.0f, 2.0f,
                                                      c.offsetX, 0.0f, c.angle, false, false));
        object->setTexture(pictures.back().get());
    }
    drawAllObjects();
    for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(pictures[i]->getId() != 0, cases[i].shown) << "case " << i;
    }
}

// A picture is skipped cell by cell where nearer pictures hide it, but only
// where they paint opaque: not behind their empty or see-through parts,
// wherever a mirror puts those, nor behind a turned or faded picture.
TEST_F(ObjectListTest, APictureIsSkippedOnlyWhereANearerOnePaintsOpaque)
{
    TestWindow& window = TestWindow::get();
    window.clear();
    const char* const corners = QUIB_TEST_DATA_DIR "/images/corners.png";
    const char* const cells = QUIB_TEST_DATA_DIR "/images/cells.png";
    // Far: quadrants of 8 units around the origin, nothing, red, half green and blue.
    cTexture far(cells, 16.0f, 16.0f, 0.0f, 0.0f, 0.0f, false, false);
    make(0)->setTexture(&far);
    // Over the red quadrant, mirrored: red, nothing, blue, half green.
    cTexture mirrored(cells, 8.0f, 8.0f, 4.0f, 4.0f, 0.0f, false, true);
    make(1)->setTexture(&mirrored);
    // Half turned about its object, over the half green quadrant: blue, half green, red, nothing.
    cTexture turned(cells, 8.0f, 8.0f, 4.0f, 4.0f, 180.0f, false, false);
    make(1)->setTexture(&turned);
    // Over the blue quadrant, at half opacity: steel at the top left.
    cTexture faded(corners, 8.0f, 8.0f, 4.0f, -4.0f, 0.0f, false, false);
    faded.setAlpha(0.5f);
    make(1)->setTexture(&faded);

    drawAllObjects();

    EXPECT_TRUE(colorNear(window.pixelAt(2.0f, 2.0f), {40, 60, 220, 255})) << "the mirrored picture's blue";
    EXPECT_TRUE(colorNear(window.pixelAt(6.0f, 6.0f), {220, 40, 40, 255})) << "far, behind nothing";
    EXPECT_TRUE(colorNear(window.pixelAt(6.0f, 2.0f), {130, 120, 50, 255})) << "half green over far";
    EXPECT_TRUE(colorNear(window.pixelAt(-2.0f, -6.0f), {127, 213, 155, 255})) << "far, behind the turned nothing";
    EXPECT_TRUE(colorNear(window.pixelAt(-2.0f, -2.0f), {83, 206, 107, 255})) << "half green over far";
    EXPECT_TRUE(colorNear(window.pixelAt(3.0f, -3.0f), {70, 105, 210, 255})) << "faded steel over far";
}

} // namespace
