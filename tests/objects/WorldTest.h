#pragma once

#include "support/FlatLevel.h"
#include "objects/ObjectFactory.h"

#include <box2d/b2_math.h>
#include <gtest/gtest.h>

#include <vector>

class b2Body;
class b2Fixture;
class b2World;
class cObjectList;

/// A real window (pictures need an OpenGL context) and a flat level, with the
/// game's data as working directory so that the factories find their drawings
/// and pictures. Every object left in the registry goes with the level after
/// each test.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static cObjectList& registry();
    b2World* world() const { return level->getWorld(); }
    b2Body* ground() const;
    /// Whole ticks of the level, each stepping the world by 1/60 s.
    void tick(int count = 1);

    /// A solid box of density 1 with its own object.
    cObject* addBox(float x, float y, float halfSize = 0.5f);
    bool touching(const b2Body* body, const b2Body* other) const;

    static std::vector<b2Fixture*> fixturesOf(b2Body* body);
    /// The object's body and every body jointed to it, the object's first.
    static std::vector<b2Body*> bodiesAround(const cObject* object);
    /// The object a body belongs to, as its user data says.
    static cObject* objectOf(b2Body* body);

    FlatLevel* level = nullptr;
};
