// Thin, tiny and far-out outlines, as an edited drawing may carry them. Box2D
// aborts the whole process on an outline it cannot measure, so every batch
// runs in a child process of its own and a batch that dies is named.
#include "shapes/Drawing.h"

#include "shapes/ShapeFile.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>

namespace {

constexpr int BATCHES = 20;
constexpr int SLIVERS_PER_BATCH = 200;
constexpr int STEPS = 3;
// A batch whose slivers were all taken, or all skipped, tells nothing.
constexpr int ALL_TAKEN = 2;
constexpr int ALL_SKIPPED = 3;
constexpr int MASS_NOT_FINITE = 4;

double logUniform(std::mt19937& random, double lowExponent, double highExponent)
{
    return std::pow(10.0, std::uniform_real_distribution<double>(lowExponent, highExponent)(random));
}

// A triangle or a quadrilateral about as long as a scenery piece or as small
// as a few weld distances, with an area around Box2D's limit, near the origin
// or up to ten thousand units out.
std::string sliverPath(std::mt19937& random)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double far = unit(random) < 0.25 ? 0.0 : logUniform(random, 0.0, 4.0);
    const double heading = 2.0 * M_PI * unit(random);
    const double x0 = far * std::cos(heading), y0 = far * std::sin(heading);
    const double length = logUniform(random, -2.5, 0.7);
    const double width = 2.0 * logUniform(random, -8.0, -5.0) / length;
    const double turn = 2.0 * M_PI * unit(random);
    const double dx = std::cos(turn), dy = std::sin(turn);
    std::vector<std::pair<double, double>> corners{
        {x0, y0},
        {x0 + length * dx, y0 + length * dy},
    };
    const double along = unit(random) * length;
    corners.emplace_back(x0 + along * dx - width * dy, y0 + along * dy + width * dx);
    if (unit(random) < 0.5) {
        const double back = unit(random) * length;
        corners.emplace_back(x0 + back * dx + width * dy, y0 + back * dy - width * dx);
        std::swap(corners[1], corners[3]);
    }
    corners.push_back(corners.front());
    std::string path = "M ";
    char pair[64];
    for (size_t i = 0; i < corners.size(); ++i) {
        std::snprintf(pair, sizeof pair, "%s%.10g,%.10g", i ? " L " : "", 25.0 * corners[i].first,
                      480.0 - 25.0 * corners[i].second);
        path += pair;
    }
    return path + " z";
}

// Each sliver read on its own, onto the terrain and onto a falling body of its
// own, whose mass and inertia Box2D then computes from it alone.
int throwSlivers(unsigned seed)
{
    std::cout.setstate(std::ios::badbit);
    std::mt19937 random(seed);
    b2World* world = physics::createWorld(b2Vec2(0.0f, -10.0f), true);
    b2Body* terrain = physics::createBody(world, physics::BodyDef());
    physics::ShapeDef solid;
    solid.density = 1.0f;
    int taken = 0;
    for (int i = 0; i < SLIVERS_PER_BATCH; ++i) {
        const cShapeFile shapes = cShapeFile::fromText("shapes/sliver.svg", drawing(pathElement(sliverPath(random))));
        shapes.addShapes(terrain, physics::ShapeDef());
        b2Body* falling = physics::createBody(world, physics::BodyDef());
        shapes.addShapes(falling, solid);
        physics::setMassFromShapes(falling);
        if (!std::isfinite(falling->GetMass()) || !std::isfinite(falling->GetInertia())) {
            return MASS_NOT_FINITE;
        }
        taken += falling->GetFixtureList() != nullptr;
    }
    for (int i = 0; i < STEPS; ++i) {
        world->Step(1.0f / 60.0f, 10, 8);
    }
    physics::destroyWorld(world);
    return taken == SLIVERS_PER_BATCH ? ALL_TAKEN : taken == 0 ? ALL_SKIPPED : 0;
}

TEST(ShapeFileSlivers, ThousandsOfSliversNearAndFarAreTakenOrSkippedButNeverAbort)
{
    for (unsigned seed = 1; seed <= BATCHES; ++seed) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(throwSlivers(seed));
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status)) << "batch " << seed << " died of signal " << WTERMSIG(status);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : 0, 0) << "batch " << seed;
    }
}

} // namespace
