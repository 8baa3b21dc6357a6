#include "objects/WorldTest.h"
#include "physics/Physics.h"
#include "shapes/ShapeFile.h"
#include "support/CoutCapture.h"

#include <filesystem>

namespace {

using FactoryDataTest = WorldTest;

TEST_F(FactoryDataTest, EveryFactoryFindsItsDrawingsAndPicturesWithoutComplaint)
{
    const b2Vec2 anchors[2] = {b2Vec2(0.0f, 30.0f), b2Vec2(6.8f, 30.0f)};
    const CoutCapture output;

    for (bool preview : {false, true}) {
        for (ObjectFactory factory : {createBowlingBall, createCherry, createDistanceBox, createFrequencyBox,
                                      createSkate, createBalance, createHazelnut, createCannon}) {
            factory(world(), 3.4f, 20.0f, preview, anchors);
        }
        createBird(world(), 20.0f, 20.0f, preview);
    }
    for (auto factory : {createPlayer, createCardLeft, createCardRight, createCardTop, createDomino}) {
        factory(world(), 40.0f, 20.0f);
    }

    EXPECT_EQ(output.text(), "");
}

TEST_F(FactoryDataTest, EveryDrawingOfTheGameHasOnlyOutlinesBox2DTakesAsTheyAre)
{
    int drawings = 0;
    for (const auto& entry : std::filesystem::directory_iterator("shapes")) {
        const std::string name = "shapes/" + entry.path().filename().string();
        const cShapeFile drawing(name);
        int solid = 0;
        for (size_t i = 0; i < drawing.getOutlines().size(); ++i) {
            const std::vector<b2Vec2>& outline = drawing.getOutlines()[i];
            if (outline.size() != 1) {
                EXPECT_EQ(physics::polygonFault(outline), "") << "outline " << i + 1 << " of " << name;
                ++solid;
            }
        }
        EXPECT_GT(solid, 0) << name;
        ++drawings;
    }
    EXPECT_GE(drawings, 12);
}

} // namespace
