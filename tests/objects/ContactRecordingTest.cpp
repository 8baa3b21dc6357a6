#include "levels/ContactPoint.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "objects/WorldTest.h"
#include "physics/Physics.h"

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int CAPACITY = cLevel::CONTACT_POINT_CAPACITY;
// Five seconds of play: long enough for a resting body to fall asleep.
constexpr int MANY_TICKS = 300;

class ContactRecordingTest : public WorldTest {
protected:
    std::vector<ContactPoint> recorded() const
    {
        const ContactPoint* points = level->getContactPoints();
        return std::vector<ContactPoint>(points, points + level->getContactPointCount());
    }

    std::vector<ContactPoint> recordedWith(const b2Body* body) const
    {
        std::vector<ContactPoint> found;
        for (const ContactPoint& point : recorded()) {
            if (point.body1 == body || point.body2 == body) {
                found.push_back(point);
            }
        }
        return found;
    }

    // Within the rectangle spanned by the two bodies' origins, give or take a step's travel.
    static ::testing::AssertionResult liesBetweenItsBodies(const ContactPoint& point)
    {
        const b2Vec2 p = point.position;
        const b2Vec2 a = point.body1->GetPosition(), b = point.body2->GetPosition();
        const float slack = 0.5f;
        const bool inside = std::isfinite(p.x) && std::isfinite(p.y) && p.x >= std::min(a.x, b.x) - slack &&
                            p.x <= std::max(a.x, b.x) + slack && p.y >= std::min(a.y, b.y) - slack &&
                            p.y <= std::max(a.y, b.y) + slack;
        if (inside) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") is not between (" << a.x << ", "
                                             << a.y << ") and (" << b.x << ", " << b.y << ")";
    }

    // The recorded points of touches that go on are the world's points as
    // measured now, bit for bit, asleep or awake.
    ::testing::AssertionResult recordedAsMeasured() const
    {
        std::vector<physics::TouchPoint> measured;
        physics::touchingPoints(world(), {}, measured);
        std::vector<ContactPoint> points = recorded();
        points.erase(std::remove_if(points.begin(), points.end(),
                                    [](const ContactPoint& point) { return point.state == CONTACT_REMOVED; }),
                     points.end());
        if (points.size() != measured.size()) {
            return ::testing::AssertionFailure() << points.size() << " points recorded, " << measured.size() << " touch";
        }
        for (size_t i = 0; i < points.size(); ++i) {
            const ContactPoint& point = points[i];
            const physics::TouchPoint& now = measured[i];
            const bool same = point.shape1 == now.fixture1 && point.shape2 == now.fixture2 && point.id == now.id &&
                              point.position.x == now.position.x && point.position.y == now.position.y &&
                              point.normal.x == now.normal.x && point.normal.y == now.normal.y;
            if (!same) {
                return ::testing::AssertionFailure() << "point " << i << " recorded at (" << point.position.x << ", "
                                                     << point.position.y << "), now at (" << now.position.x << ", "
                                                     << now.position.y << ")";
            }
        }
        return ::testing::AssertionSuccess();
    }

    // A box already resting on the ground at x.
    b2Body* restingBox(float x)
    {
        b2Body* box = addBox(x, 0.5f)->getBody();
        tick(30);
        return box;
    }
};

TEST_F(ContactRecordingTest, CrowdedWorldFillsTheBufferWithItsFirstPoints)
{
    // More boxes on the ground than the buffer has room for, two points each.
    const int boxes = CAPACITY / 2 + 60;
    std::vector<b2Body*> bodies;
    for (int i = 0; i < boxes; ++i) {
        bodies.push_back(addBox(FlatLevel::LEFT + 1.0f + 0.3f * static_cast<float>(i), 0.1f, 0.1f)->getBody());
    }

    for (int t = 0; t < 30; ++t) {
        tick();
        std::vector<physics::TouchPoint> touching;
        physics::touchingPoints(world(), {}, touching);
        ASSERT_GT(touching.size(), static_cast<size_t>(CAPACITY));
        ASSERT_EQ(level->getContactPointCount(), CAPACITY);
        // Points of contacts that ended in the step come first; the points
        // touching now follow in the order the world lists them.
        const std::vector<ContactPoint> points = recorded();
        const auto firstTouching = std::find_if(points.begin(), points.end(), [](const ContactPoint& point) {
            return point.state != CONTACT_REMOVED;
        });
        const size_t skipped = static_cast<size_t>(firstTouching - points.begin());
        for (size_t i = skipped; i < points.size(); ++i) {
            const physics::TouchPoint& expected = touching[i - skipped];
            ASSERT_EQ(points[i].shape1, expected.fixture1) << "point " << i << " of tick " << t;
            ASSERT_EQ(points[i].shape2, expected.fixture2) << "point " << i << " of tick " << t;
            ASSERT_EQ(points[i].id, expected.id) << "point " << i << " of tick " << t;
        }
    }
    // The rules see only the recorded points: a body whose points all came
    // after the first ones does not touch for them.
    std::vector<physics::TouchPoint> touchingNow;
    physics::touchingPoints(world(), {}, touchingNow);
    const physics::TouchPoint& last = touchingNow.back();
    b2Body* left = last.fixture1->GetBody() == ground() ? last.fixture2->GetBody() : last.fixture1->GetBody();
    EXPECT_FALSE(touching(left, ground()));
    const physics::TouchPoint& first = touchingNow.front();
    EXPECT_TRUE(touching(first.fixture1->GetBody(), first.fixture2->GetBody()));
}

// A box, the player's foot sensor and a ball rolling too slowly to stay
// awake, resting on the terrain until they sleep; the ball is woken and falls
// asleep again while it still rolls.
TEST_F(ContactRecordingTest, BodiesAndSensorsOnTerrainTouchInEveryTickAlsoAsleep)
{
    b2Body* box = addBox(-3.0f, 3.0f)->getBody();
    createPlayer(world(), 3.0f, 1.0f);
    b2Body* foot = registry().getFirstOfKind(KIND_FOOT)->getBody();
    const float radius = 0.8f;
    b2Body* ball = createBowlingBall(world(), 8.0f, radius, false, nullptr).front()->getBody();
    const auto roll = [ball, radius] {
        const float speed = 0.005f;
        ball->SetLinearVelocity(b2Vec2(speed, 0.0f));
        ball->SetAngularVelocity(-speed / radius);
        ball->SetAwake(true);
    };
    roll();
    for (int t = 0; t < MANY_TICKS; ++t) {
        tick();
        ASSERT_TRUE(recordedAsMeasured()) << "tick " << t << (ball->IsAwake() ? ", ball awake" : ", ball asleep");
        if (t == MANY_TICKS / 2) {
            ASSERT_FALSE(ball->IsAwake());
            roll();
        }
        if (t < 60) {
            continue;
        }
        for (b2Body* body : {box, foot, ball}) {
            ASSERT_TRUE(touching(body, ground())) << "tick " << t << (body->IsAwake() ? ", awake" : ", asleep");
        }
    }
    EXPECT_FALSE(box->IsAwake());
    EXPECT_FALSE(foot->IsAwake());
    EXPECT_FALSE(ball->IsAwake());
    EXPECT_TRUE(touching(registry().getFirstOfKind(KIND_WHEEL)->getBody(), ground()));
}

TEST_F(ContactRecordingTest, NewTouchIsAddedAndThenPersists)
{
    b2Body* box = addBox(0.0f, 0.5f)->getBody();

    tick();
    const std::vector<ContactPoint> first = recordedWith(box);
    ASSERT_FALSE(first.empty());
    for (const ContactPoint& point : first) {
        EXPECT_EQ(point.state, CONTACT_ADDED);
    }

    tick();
    const std::vector<ContactPoint> second = recordedWith(box);
    ASSERT_EQ(second.size(), first.size());
    for (const ContactPoint& point : second) {
        EXPECT_EQ(point.state, CONTACT_PERSISTED);
    }
}

TEST_F(ContactRecordingTest, PointsOfASolidContactLieWhereTheBodiesMeet)
{
    b2Body* box = restingBox(7.0f);

    const std::vector<ContactPoint> points = recordedWith(box);

    ASSERT_EQ(points.size(), 2u);
    for (const ContactPoint& point : points) {
        EXPECT_NEAR(point.position.y, 0.0f, 0.02f);
        EXPECT_NEAR(point.position.x, 7.0f, 0.51f);
        EXPECT_NEAR(std::fabs(point.normal.y), 1.0f, 1e-3f);
    }
    EXPECT_NE(points[0].id, points[1].id);
}

TEST_F(ContactRecordingTest, ContactThatEndsInAStepIsRecordedAsRemovedBetweenItsBodies)
{
    b2Body* box = restingBox(0.0f);

    physics::setTransform(box, b2Vec2(0.0f, 20.0f), 0.0f);
    tick();

    const std::vector<ContactPoint> points = recordedWith(box);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].state, CONTACT_REMOVED);
    EXPECT_TRUE(touching(box, ground()));
    // A contact that has ended has no points of its own left.
    EXPECT_TRUE(liesBetweenItsBodies(points[0]));
    tick();
    EXPECT_FALSE(touching(box, ground()));
}

TEST_F(ContactRecordingTest, DestroyedBodyLeavesRemovalPointsThatLeadNowhere)
{
    cObject* doomed = addBox(-3.0f, 0.5f);
    b2Body* doomedBody = doomed->getBody();
    b2Body* survivor = addBox(3.0f, 0.5f)->getBody();
    tick(30);
    const int before = level->getContactPointCount();

    level->destroyBody(doomedBody);
    doomed->setBody(nullptr);

    ASSERT_GT(level->getContactPointCount(), before);
    const ContactPoint& removal = level->getContactPoints()[before];
    EXPECT_EQ(removal.state, CONTACT_REMOVED);
    EXPECT_TRUE(removal.body1 == ground() || removal.body2 == ground());
    // Asking about every recorded point must not read the freed body (ASan).
    const std::vector<b2Body*> aroundGround = registry().getTouchingBodies(ground());
    EXPECT_NE(std::find(aroundGround.begin(), aroundGround.end(), survivor), aroundGround.end());
    EXPECT_TRUE(touching(survivor, ground()));
    EXPECT_TRUE(touching(ground(), survivor));
    for (const ContactPoint& point : recorded()) {
        EXPECT_TRUE(point.body1 != doomedBody && point.body2 != doomedBody);
        for (b2Fixture* fixture : {point.shape1, point.shape2}) {
            if (fixture) {
                EXPECT_NE(fixture->GetBody(), nullptr);
            }
        }
    }
}

TEST_F(ContactRecordingTest, NewBodyInTheFreedPlaceIsNotTakenForTheDestroyedOne)
{
    cObject* doomed = addBox(0.0f, 0.5f);
    tick(30);
    const b2Body* freed = doomed->getBody();
    level->destroyBody(doomed->getBody());
    doomed->setBody(nullptr);

    b2Body* newcomer = addBox(50.0f, 30.0f)->getBody();
    ASSERT_EQ(newcomer, freed) << "Box2D hands the freed memory to the next body it makes";

    EXPECT_FALSE(touching(newcomer, ground()));
    EXPECT_FALSE(touching(ground(), newcomer));
}

TEST_F(ContactRecordingTest, BodyMadeWhereADestroyedOneRestedTouchesAnew)
{
    cObject* doomed = addBox(0.0f, 0.5f);
    tick(30);
    level->destroyBody(doomed->getBody());
    doomed->setBody(nullptr);

    b2Body* newcomer = addBox(0.0f, 0.5f)->getBody();
    tick();

    const std::vector<ContactPoint> points = recordedWith(newcomer);
    ASSERT_FALSE(points.empty());
    for (const ContactPoint& point : points) {
        EXPECT_EQ(point.state, CONTACT_ADDED);
    }
}

TEST_F(ContactRecordingTest, SensorContactThatEndsIsRecordedAsRemovedBetweenItsBodies)
{
    // A sensor falls through the ground: it touches while it overlaps, then leaves.
    auto* object = new cObject(0, KIND_PLAIN);
    physics::BodyDef bodyDef;
    bodyDef.userData = object;
    b2Body* sensor = physics::createBody(world(), bodyDef);
    physics::ShapeDef shapeDef;
    shapeDef.density = 1.0f;
    shapeDef.isSensor = true;
    physics::addBox(sensor, shapeDef, 0.2f, 0.2f);
    physics::setMassFromShapes(sensor);
    object->setBody(sensor);

    std::vector<ContactPoint> points;
    for (int t = 0; t < 120 && points.empty(); ++t) {
        tick();
        for (const ContactPoint& point : recordedWith(sensor)) {
            if (point.state == CONTACT_REMOVED) {
                points.push_back(point);
            }
        }
    }

    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(liesBetweenItsBodies(points[0]));
}

} // namespace
