// Any bytes at all go through the shape reader and onto a body, so that an outline
// Box2D would refuse aborts the run here instead of in a level.
#include "shapes/ShapeFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>

namespace {

constexpr float FALLING_OFFSET = 0.1f;
constexpr int STEPS = 3;
constexpr float TIME_STEP = 1.0f / 60.0f;
constexpr int VELOCITY_ITERATIONS = 10;
constexpr int POSITION_ITERATIONS = 8;

bool isFinite(b2Vec2 point) { return std::isfinite(point.x) && std::isfinite(point.y); }

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Levels place objects at the markers, so a marker must be a real position.
void checkMarkers(const cShapeFile& shapes)
{
    for (const auto& [label, points] : shapes.getPoints()) {
        for (const b2Vec2& point : points) {
            check(isFinite(point));
        }
    }
}

// Box2D does not check what it computes from a polygon; a body whose mass or
// inertia overflowed would move to nowhere at its first step.
void checkMass(const b2Body* body)
{
    check(std::isfinite(body->GetMass()) && std::isfinite(body->GetInertia()));
    check(isFinite(body->GetLocalCenter()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A line per skipped outline would bury the fuzzer's own report.
    std::cout.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const cShapeFile shapes =
        cShapeFile::fromText("shapes/fuzz.svg", std::string(reinterpret_cast<const char*>(data), size));
    b2World* world = physics::createWorld(b2Vec2(0.0f, -10.0f), true);
    // The drawing twice, as terrain and as a falling object overlapping it, so
    // that Box2D also collides every outline with every other.
    shapes.addShapes(physics::createBody(world, physics::BodyDef()), physics::ShapeDef());
    physics::BodyDef fallingDef;
    fallingDef.position.Set(0.0f, FALLING_OFFSET);
    b2Body* falling = physics::createBody(world, fallingDef);
    physics::ShapeDef solid;
    solid.density = 1.0f;
    shapes.addShapes(falling, solid);
    // Box2D checks each polygon's area again when it computes the mass.
    physics::setMassFromShapes(falling);
    checkMass(falling);
    checkMarkers(shapes);
    for (int i = 0; i < STEPS; ++i) {
        world->Step(TIME_STEP, VELOCITY_ITERATIONS, POSITION_ITERATIONS);
    }
    check(isFinite(falling->GetPosition()));
    physics::destroyWorld(world);
    return 0;
}
