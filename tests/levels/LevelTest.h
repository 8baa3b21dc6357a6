#pragma once

#include "objects/ObjectFactory.h"
#include "support/FlatLevel.h"
#include "support/Play.h"

#include <gtest/gtest.h>

class b2World;
class cDragBox;
class cObject;

/// A real window and a flat level ticked by the application, driven through
/// the same input states the event loop writes. The working directory is the
/// game's data, where the factories find their drawings and pictures. The
/// mixer is held still while a test runs, so a sound that was started is
/// still playing when the test asks, however slowly the tick ran.
class LevelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static b2World* world() { return level->getWorld(); }
    /// One tick of the game: the level, then any drag box, then the input edges.
    static void tick(int count = 1);

    static void pressKey(int key);
    static void releaseKey(int key);

    /// The wheel with its squirrel and foot, the wheel resting on the ground at x.
    static void placePlayer(float x, float y = FlatLevel::WHEEL_REST_Y);
    /// A star of the given kind at (x, y), as the level content makes them.
    static cObject* addStar(int kind, ObjectFactory factory, float x, float y);
    static cObject* addMuteButton(float x, float y);
    static cDragBox* addDragBox();
    /// The object's picture is tinted so in red, green and blue.
    static void expectTint(const cObject* object, float red, float green, float blue);

    static FlatLevel* level;
};
