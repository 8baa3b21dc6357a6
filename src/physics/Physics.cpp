#include "physics/Physics.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <map>

namespace physics {
namespace {

std::map<const b2World*, b2Body*>& groundBodies()
{
    static std::map<const b2World*, b2Body*> bodies;
    return bodies;
}

b2FixtureDef fixtureDef(const ShapeDef& def, const b2Shape* shape)
{
    b2FixtureDef fixture;
    fixture.shape = shape;
    fixture.friction = def.friction;
    fixture.restitution = def.restitution;
    fixture.density = def.density;
    fixture.isSensor = def.isSensor;
    fixture.filter.categoryBits = def.categoryBits;
    fixture.filter.maskBits = def.maskBits;
    fixture.filter.groupIndex = def.groupIndex;
    fixture.userData.pointer = reinterpret_cast<uintptr_t>(def.userData);
    return fixture;
}

float cross(b2Vec2 a, b2Vec2 b) { return a.x * b.y - a.y * b.x; }

// Box2D asserts that a polygon's area exceeds b2_epsilon, summed in single
// precision; an area that rounding could carry to either side of that limit
// is no area at all. A few times the rounding of the sum, so that a library
// built with other floating-point habits agrees as well.
constexpr float AREA_ROUNDING_MARGIN = 4.0f;
// Likewise for the inertia that is left once centred on the centre of mass.
constexpr float INERTIA_ROUNDING_MARGIN = 16.0f;

// Box2D welds any two corners this close, neighbours or not.
std::string weldFault(const std::vector<b2Vec2>& points)
{
    const size_t n = points.size();
    const float weld = 0.5f * b2_linearSlop;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (b2DistanceSquared(points[i], points[j]) <= weld * weld) {
                const bool neighbours = j == i + 1 || j - i == n - 1;
                return neighbours ? "an edge of zero length" : "two corners in one place";
            }
        }
    }
    return "";
}

// Every other corner strictly left of every edge. Turning left at each corner is
// not enough: an outline may wind round twice.
bool isStrictlyConvex(const std::vector<b2Vec2>& points)
{
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const b2Vec2 a = points[i], b = points[(i + 1) % n];
        for (size_t k = 2; k < n; ++k) {
            if (cross(b - a, points[(i + k) % n] - a) <= 0.0f) {
                return false;
            }
        }
    }
    return true;
}

// Box2D's own hull (b2PolygonShape::Set), float for float: it starts at the
// rightmost corner, and the area below must be measured from there as Box2D
// measures it. Empty where Box2D would assert that the outline has no hull.
std::vector<b2Vec2> hullAsBox2D(const std::vector<b2Vec2>& ps)
{
    const int n = static_cast<int>(ps.size());
    int i0 = 0;
    for (int i = 1; i < n; ++i) {
        if (ps[i].x > ps[i0].x || (ps[i].x == ps[i0].x && ps[i].y < ps[i0].y)) {
            i0 = i;
        }
    }
    std::vector<b2Vec2> hull;
    for (int ih = i0;;) {
        if (static_cast<int>(hull.size()) == b2_maxPolygonVertices) {
            return {};
        }
        hull.push_back(ps[ih]);
        int ie = 0;
        for (int j = 1; j < n; ++j) {
            if (ie == ih) {
                ie = j;
                continue;
            }
            const b2Vec2 r = ps[ie] - hull.back();
            const b2Vec2 v = ps[j] - hull.back();
            const float c = cross(r, v);
            if (c < 0.0f || (c == 0.0f && v.LengthSquared() > r.LengthSquared())) {
                ie = j;
            }
        }
        ih = ie;
        if (ie == i0) {
            break;
        }
    }
    return hull.size() < 3 ? std::vector<b2Vec2>{} : hull;
}

// The area as Box2D's centroid and mass sum it, from the hull's first corner,
// and how far rounding may have moved that sum: each term is a difference of
// two products, each product rounded once.
bool hasMeasurableArea(const std::vector<b2Vec2>& hull)
{
    const b2Vec2 s = hull[0];
    float area = 0.0f;
    float rounding = 0.0f;
    for (size_t i = 0; i < hull.size(); ++i) {
        const b2Vec2 e1 = hull[i] - s;
        const b2Vec2 e2 = hull[(i + 1) % hull.size()] - s;
        area += 0.5f * cross(e1, e2);
        rounding += 0.5f * (std::fabs(e1.x * e2.y) + std::fabs(e1.y * e2.x));
    }
    return area > b2_epsilon + AREA_ROUNDING_MARGIN * FLT_EPSILON * rounding;
}

// Box2D sums the shapes' inertia about the body's origin, then subtracts the
// part that only comes from the centre of mass lying away from it, and asserts
// that something is left. Far from the origin a sliver's own inertia drowns in
// the rounding of that subtraction; such a body cannot be made to turn.
bool hasMeasurableInertia(const b2Body* body)
{
    float mass = 0.0f;
    float inertia = 0.0f;
    b2Vec2 centre = b2Vec2_zero;
    for (const b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) {
        if (f->GetDensity() == 0.0f) {
            continue;
        }
        b2MassData data;
        f->GetMassData(&data);
        mass += data.mass;
        centre += data.mass * data.center;
        inertia += data.I;
    }
    if (mass <= 0.0f || inertia <= 0.0f) {
        return true;
    }
    centre *= 1.0f / mass;
    const float shift = mass * b2Dot(centre, centre);
    return inertia - shift > INERTIA_ROUNDING_MARGIN * FLT_EPSILON * inertia;
}

TouchPoint pointBetween(b2Fixture* a, b2Fixture* b, bool resting)
{
    const b2Vec2 middle = 0.5f * (a->GetBody()->GetPosition() + b->GetBody()->GetPosition());
    return {a, b, middle, b2Vec2_zero, 0, resting, false};
}

// A static body counts as resting: the game never moves one.
bool isResting(b2Contact* contact)
{
    return !contact->GetFixtureA()->GetBody()->IsAwake() && !contact->GetFixtureB()->GetBody()->IsAwake();
}

// Two bodies that rested after the last step and rest after this one stayed
// asleep all through it: a body woken in between lies still for half a second
// before it sleeps again. Box2D left their contact as it was, and its points
// lie where they lay; they follow on from the cursor in the last list.
bool keepRestingPoints(b2Contact* contact, const std::vector<TouchPoint>& last, std::size_t& cursor,
                       std::vector<TouchPoint>& points)
{
    const b2Fixture* a = contact->GetFixtureA();
    const b2Fixture* b = contact->GetFixtureB();
    const auto first = std::find_if(last.begin() + static_cast<std::ptrdiff_t>(cursor), last.end(),
                                    [a, b](const TouchPoint& p) { return p.fixture1 == a && p.fixture2 == b; });
    const b2Manifold* manifold = contact->GetManifold();
    const int count = std::max(manifold->pointCount, 1);
    if (last.end() - first < count) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const TouchPoint& kept = first[i];
        const uint32 id = manifold->pointCount > 0 ? manifold->points[i].id.key : 0;
        if (kept.fixture1 != a || kept.fixture2 != b || !kept.resting || kept.id != id) {
            return false;
        }
    }
    for (auto kept = first; kept != first + count; ++kept) {
        points.push_back(*kept);
        points.back().kept = true;
    }
    cursor = static_cast<std::size_t>(first - last.begin() + count);
    return true;
}

// How hard it is to move a body's point along a direction: its mass, and
// how easily it turns about its centre.
float inverseMassAt(const b2Body* body, b2Vec2 point, b2Vec2 direction)
{
    const float mass = body->GetMass();
    if (mass <= 0.0f) {
        return 0.0f;
    }
    const b2Vec2 arm = point - body->GetWorldCenter();
    const float centralInertia = body->GetInertia() - mass * b2Dot(body->GetLocalCenter(), body->GetLocalCenter());
    const float turning = body->IsFixedRotation() || centralInertia <= 0.0f ? 0.0f : 1.0f / centralInertia;
    const float lever = cross(arm, direction);
    return 1.0f / mass + turning * lever * lever;
}

// The mass a rope between the two anchors feels: the classic engine tuned a
// spring's stiffness to it, so that each spring keeps its own frequency
// wherever on its bodies it is fixed.
float massAlongRope(const b2Body* a, const b2Body* b, b2Vec2 anchorA, b2Vec2 anchorB)
{
    b2Vec2 direction = anchorB - anchorA;
    direction.Normalize();
    const float inverse = inverseMassAt(a, anchorA, direction) + inverseMassAt(b, anchorB, direction);
    return inverse > 0.0f ? 1.0f / inverse : 0.0f;
}

class BoxQuery final : public b2QueryCallback {
public:
    BoxQuery(const b2AABB& box, int maxCount) : box(box), maxCount(maxCount) {}

    bool ReportFixture(b2Fixture* fixture) override
    {
        // The tree's boxes are fattened; only the fixture's own box counts.
        for (int child = 0; child < fixture->GetShape()->GetChildCount(); ++child) {
            if (b2TestOverlap(fixture->GetAABB(child), box)) {
                found.push_back(fixture);
                break;
            }
        }
        return static_cast<int>(found.size()) < maxCount;
    }

    std::vector<b2Fixture*> found;

private:
    b2AABB box;
    int maxCount;
};

} // namespace

b2World* createWorld(b2Vec2 gravity, bool doSleep)
{
    auto* world = new b2World(gravity);
    world->SetAllowSleeping(doSleep);
    b2BodyDef ground;
    groundBodies()[world] = world->CreateBody(&ground);
    return world;
}

void destroyWorld(b2World* world)
{
    groundBodies().erase(world);
    delete world;
}

b2Body* groundBody(b2World* world)
{
    auto found = groundBodies().find(world);
    return found == groundBodies().end() ? nullptr : found->second;
}

b2Body* createBody(b2World* world, const BodyDef& def)
{
    b2BodyDef body;
    body.type = b2_staticBody;
    body.position = def.position;
    body.angle = def.angle;
    body.linearDamping = def.linearDamping;
    body.angularDamping = def.angularDamping;
    body.allowSleep = def.allowSleep;
    body.fixedRotation = def.fixedRotation;
    body.bullet = def.isBullet;
    body.userData.pointer = reinterpret_cast<uintptr_t>(def.userData);
    return world->CreateBody(&body);
}

void setMassFromShapes(b2Body* body)
{
    if (!body->IsFixedRotation() && !hasMeasurableInertia(body)) {
        body->SetFixedRotation(true);
    }
    float mass = 0.0f;
    for (b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) {
        b2MassData data;
        f->GetMassData(&data);
        mass += data.mass;
    }
    if (mass > 0.0f) {
        body->SetType(b2_dynamicBody);
    }
}

std::string polygonFault(const std::vector<b2Vec2>& points)
{
    const size_t n = points.size();
    if (n < 3) {
        return "fewer than 3 points";
    }
    if (n > b2_maxPolygonVertices) {
        return "more than 8 points";
    }
    for (const b2Vec2& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return "a number that is not finite";
        }
    }
    const std::string welded = weldFault(points);
    if (!welded.empty()) {
        return welded;
    }
    if (!isStrictlyConvex(points)) {
        // Box2D takes the convex hull of anything else, which would change the shape.
        return "not convex";
    }
    const std::vector<b2Vec2> hull = hullAsBox2D(points);
    if (hull.size() != n) {
        return "not convex";
    }
    if (!hasMeasurableArea(hull)) {
        return "no area";
    }
    return "";
}

b2Fixture* addPolygon(b2Body* body, const ShapeDef& def, const std::vector<b2Vec2>& points)
{
    if (!polygonFault(points).empty()) {
        return nullptr;
    }
    b2PolygonShape shape;
    shape.Set(points.data(), static_cast<int32>(points.size()));
    const b2FixtureDef fixture = fixtureDef(def, &shape);
    return body->CreateFixture(&fixture);
}

b2Fixture* addBox(b2Body* body, const ShapeDef& def, float halfWidth, float halfHeight)
{
    b2PolygonShape shape;
    shape.SetAsBox(halfWidth, halfHeight);
    const b2FixtureDef fixture = fixtureDef(def, &shape);
    return body->CreateFixture(&fixture);
}

b2Fixture* addCircle(b2Body* body, const ShapeDef& def, float radius)
{
    b2CircleShape shape;
    shape.m_radius = radius;
    const b2FixtureDef fixture = fixtureDef(def, &shape);
    return body->CreateFixture(&fixture);
}

b2RevoluteJoint* createRevoluteJoint(b2World* world, b2Body* a, b2Body* b, b2Vec2 anchor,
                                     bool enableLimit, float lower, float upper)
{
    b2RevoluteJointDef def;
    def.Initialize(a, b, anchor);
    def.enableLimit = enableLimit;
    def.lowerAngle = lower;
    def.upperAngle = upper;
    return static_cast<b2RevoluteJoint*>(world->CreateJoint(&def));
}

b2DistanceJoint* createDistanceJoint(b2World* world, b2Body* a, b2Body* b, b2Vec2 anchorA,
                                     b2Vec2 anchorB, float frequencyHz, float dampingRatio,
                                     bool collideConnected, void* userData)
{
    b2DistanceJointDef def;
    def.Initialize(a, b, anchorA, anchorB);
    def.collideConnected = collideConnected;
    def.userData.pointer = reinterpret_cast<uintptr_t>(userData);
    if (frequencyHz > 0.0f) {
        // A spring may stretch and shorten; only a rigid rope keeps its length.
        // A large finite bound, since FLT_MAX turns into NaN in the solver.
        def.minLength = 0.0f;
        def.maxLength = 1000.0f;
        const float mass = massAlongRope(a, b, anchorA, anchorB);
        const float omega = 2.0f * b2_pi * frequencyHz;
        def.stiffness = mass * omega * omega;
        def.damping = 2.0f * mass * dampingRatio * omega;
    }
    return static_cast<b2DistanceJoint*>(world->CreateJoint(&def));
}

void localAnchors(b2Joint* joint, b2Vec2& onA, b2Vec2& onB)
{
    if (joint->GetType() == e_distanceJoint) {
        const auto* rope = static_cast<const b2DistanceJoint*>(joint);
        onA = rope->GetLocalAnchorA();
        onB = rope->GetLocalAnchorB();
        return;
    }
    onA = joint->GetBodyA()->GetLocalPoint(joint->GetAnchorA());
    onB = joint->GetBodyB()->GetLocalPoint(joint->GetAnchorB());
}

void* userData(b2Body* body)
{
    return reinterpret_cast<void*>(body->GetUserData().pointer);
}

void* userData(b2Fixture* fixture)
{
    return reinterpret_cast<void*>(fixture->GetUserData().pointer);
}

void* userData(b2Joint* joint)
{
    return reinterpret_cast<void*>(joint->GetUserData().pointer);
}

void applyForce(b2Body* body, b2Vec2 force, b2Vec2 point) { body->ApplyForce(force, point, true); }

void applyTorque(b2Body* body, float torque) { body->ApplyTorque(torque, true); }

void applyImpulse(b2Body* body, b2Vec2 impulse, b2Vec2 point)
{
    body->ApplyLinearImpulse(impulse, point, true);
}

void setTransform(b2Body* body, b2Vec2 position, float angle)
{
    body->SetTransform(position, angle);
    body->SetAwake(true);
}

std::vector<b2Fixture*> queryBox(b2World* world, const b2AABB& box, int maxCount)
{
    BoxQuery query(box, maxCount);
    if (maxCount > 0) {
        world->QueryAABB(&query, box);
    }
    return query.found;
}

float reach(const b2Body* body)
{
    const b2Transform upright(b2Vec2_zero, b2Rot(0.0f));
    float farthest = 0.0f;
    for (const b2Fixture* fixture = body->GetFixtureList(); fixture; fixture = fixture->GetNext()) {
        const b2Shape* shape = fixture->GetShape();
        for (int child = 0; child < shape->GetChildCount(); ++child) {
            b2AABB box;
            shape->ComputeAABB(&box, upright, child);
            const b2Vec2 corner(std::max(-box.lowerBound.x, box.upperBound.x),
                                std::max(-box.lowerBound.y, box.upperBound.y));
            farthest = std::max(farthest, corner.Length());
        }
    }
    return farthest;
}

void step(b2World* world, float timeStep, int velocityIterations, int positionIterations, bool debugDrawing)
{
    world->Step(timeStep, velocityIterations, positionIterations);
    if (debugDrawing) {
        world->DebugDraw();
    }
}

void touchingPoints(b2World* world, const std::vector<TouchPoint>& last, std::vector<TouchPoint>& points)
{
    points.clear();
    std::size_t cursor = 0;
    for (b2Contact* contact = world->GetContactList(); contact; contact = contact->GetNext()) {
        if (!contact->IsTouching()) {
            continue;
        }
        const bool resting = isResting(contact);
        if (resting && keepRestingPoints(contact, last, cursor, points)) {
            continue;
        }
        b2Fixture* a = contact->GetFixtureA();
        b2Fixture* b = contact->GetFixtureB();
        const b2Manifold* manifold = contact->GetManifold();
        if (a->IsSensor() || b->IsSensor() || manifold->pointCount == 0) {
            points.push_back(pointBetween(a, b, resting));
            continue;
        }
        b2WorldManifold worldManifold;
        contact->GetWorldManifold(&worldManifold);
        for (int i = 0; i < manifold->pointCount; ++i) {
            points.push_back(
                {a, b, worldManifold.points[i], worldManifold.normal, manifold->points[i].id.key, resting, false});
        }
    }
}

TouchPoint endingPoint(b2Contact* contact)
{
    b2Fixture* a = contact->GetFixtureA();
    b2Fixture* b = contact->GetFixtureB();
    const b2Manifold* manifold = contact->GetManifold();
    if (manifold->pointCount == 0) {
        return pointBetween(a, b, false);
    }
    b2WorldManifold worldManifold;
    contact->GetWorldManifold(&worldManifold);
    return {a, b, worldManifold.points[0], worldManifold.normal, manifold->points[0].id.key, false, false};
}

void freezeOutside(b2World* world, const b2AABB& bounds)
{
    for (b2Body* body = world->GetBodyList(); body; body = body->GetNext()) {
        // A sleeping body was inside when it fell asleep and has not moved since.
        if (body->GetType() != b2_dynamicBody || !body->IsEnabled() || !body->IsAwake()) {
            continue;
        }
        bool inside = false;
        for (b2Fixture* f = body->GetFixtureList(); f && !inside; f = f->GetNext()) {
            inside = b2TestOverlap(f->GetAABB(0), bounds);
        }
        if (!inside && body->GetFixtureList()) {
            body->SetLinearVelocity(b2Vec2_zero);
            body->SetAngularVelocity(0.0f);
            body->SetEnabled(false);
        }
    }
}

} // namespace physics
