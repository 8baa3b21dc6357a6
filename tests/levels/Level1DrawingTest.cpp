#include "app/Application.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "levels/Level1.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectList.h"
#include "support/CoutCapture.h"
#include "support/FreshGame.h"
#include "support/Play.h"

#include <SDL.h>
#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path GAME_DATA = QUIB_SOURCE_DIR "/data";
const char* const SMALL_LEVEL = QUIB_TEST_DATA_DIR "/shapes/level1-small.svg";
// Bodies of the small level: the world's ground body, the terrain, the
// player (3), balance (2), two cherries, two birds, a card house (3), a
// domino, a skateboard (3), a cannon, five planks and a hazelnut.
constexpr int SMALL_LEVEL_BODIES = 25;

std::string missingLine(const std::string& label)
{
    return "Missing marker \"" + label + "\" in shapes/level.svg\n";
}

std::string readFile(const fs::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The whole path element that carries the label.
std::pair<size_t, size_t> pathOf(const std::string& drawing, const std::string& label)
{
    const size_t at = drawing.find("inkscape:label=\"#" + label + "\"");
    const size_t start = drawing.rfind("<path", at);
    const size_t end = drawing.find("/>", at) + 2;
    return {start, end - start};
}

std::string withoutMarker(std::string drawing, const std::string& label)
{
    const auto [start, length] = pathOf(drawing, label);
    return drawing.erase(start, length);
}

// The label's path drawn with a pair that does not read: the label is in the
// drawing, but it has no point.
std::string withUnreadableMarker(std::string drawing, const std::string& label)
{
    const auto [start, length] = pathOf(drawing, label);
    const size_t d = drawing.find(" d=\"", start);
    return drawing.insert(d + 4, "M one,two L 1,2 L ");
}

// A marker at the world point, after every other path of the drawing.
std::string withMarker(std::string drawing, const std::string& label, float x, float y)
{
    std::ostringstream path;
    path << "    <path d=\"M " << x * 25 << "," << 480 - y * 25 << " L " << x * 25 + 1 << "," << 480 - y * 25
         << "\" inkscape:label=\"#" << label << "\" />\n";
    return drawing.insert(drawing.rfind("  </g>"), path.str());
}

/// Level1 run in a scratch folder that holds a test drawing as its
/// "shapes/level.svg", beside the game's own pictures, sounds and object drawings.
class Level1DrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/quib-level-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        fs::create_directory(folder / "shapes");
        fs::create_directory_symlink(GAME_DATA / "images", folder / "images");
        fs::create_directory_symlink(GAME_DATA / "sounds", folder / "sounds");
        for (const fs::directory_entry& entry : fs::directory_iterator(GAME_DATA / "shapes")) {
            if (entry.path().filename() != "level.svg") {
                fs::create_symlink(entry.path(), folder / "shapes" / entry.path().filename());
            }
        }
        ASSERT_EQ(chdir(folder.c_str()), 0);
        ASSERT_TRUE(Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"));
    }

    void TearDown() override
    {
        if (level) {
            SDL_UnlockAudio();
            endLevel(level);
        }
        EXPECT_EQ(chdir(GAME_DATA.c_str()), 0);
        fs::remove_all(folder);
    }

    void load(const std::string& drawing)
    {
        std::ofstream(folder / "shapes" / "level.svg") << drawing;
        level = new Level1;
        SDL_LockAudio();
    }

    static void tick(int count)
    {
        for (int i = 0; i < count; ++i) {
            cApplication::tick();
        }
    }

    int bodyCount() const { return level->getWorld()->GetBodyCount(); }

    static std::string smallLevel() { return readFile(SMALL_LEVEL); }

    CoutCapture output;
    fs::path folder;
    Level1* level = nullptr;
};

TEST_F(Level1DrawingTest, TheSmallLevelBuildsEverythingAndSaysNothing)
{
    load(smallLevel());
    tick(10);
    EXPECT_EQ(bodyCount(), SMALL_LEVEL_BODIES);
    EXPECT_EQ(output.text(), "");
}

struct MissingCase {
    const char* label;
    int bodiesLeftOut;
    int kindLeftOut;
};

void PrintTo(const MissingCase& missing, std::ostream* out) { *out << missing.label; }

class MissingMarkerTest : public Level1DrawingTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingMarkerTest, IsReportedOnceAndItsObjectLeftOutWhileTheGameGoesOn)
{
    const MissingCase& missing = GetParam();
    load(withoutMarker(smallLevel(), missing.label));
    tick(30);
    EXPECT_EQ(output.text(), missingLine(missing.label));
    EXPECT_EQ(bodyCount(), SMALL_LEVEL_BODIES - missing.bodiesLeftOut);
    if (missing.kindLeftOut >= 0) {
        EXPECT_EQ(registry().getFirstOfKind(missing.kindLeftOut), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(SingleMarkers, MissingMarkerTest,
                         ::testing::Values(MissingCase{"player", 3, KIND_WHEEL}, MissingCase{"balance", 2, -1},
                                           MissingCase{"skate", 3, -1}, MissingCase{"cannon", 1, KIND_CANNON},
                                           MissingCase{"cannonStar", 0, KIND_CANNON_STAR},
                                           MissingCase{"frequencyBox3AnchorR", 1, -1}));

TEST_F(Level1DrawingTest, ASecondBirdMissingIsReportedAndTheFirstStillPerches)
{
    load(withoutMarker(smallLevel(), "bird"));
    tick(10);
    EXPECT_EQ(output.text(), missingLine("bird"));
    EXPECT_EQ(registry().getAllOfKind(KIND_BIRD).size(), 1u);
}

// The terrain alone: every label the level takes a place from is named once,
// in the order the level asks for them, and the game goes on with the ground.
TEST_F(Level1DrawingTest, ADrawingWithOutlinesButNoMarkersNamesEveryMissingLabel)
{
    std::string drawing = smallLevel();
    const size_t layer = drawing.find("<g inkscape:label=\"Markers\"");
    drawing.erase(layer, drawing.find("</g>", layer) + 4 - layer);
    load(drawing);
    tick(10);
    std::string expected;
    for (const char* label : {"player", "backgroundTree", "bowlingStar", "balance", "balanceStar", "cherryStar", "bird",
                              "skate", "skateStar", "cannon", "cannonStar"}) {
        expected += missingLine(label);
    }
    for (const char* box : {"distanceBox", "distanceBox2", "frequencyBox2", "frequencyBox3", "frequencyBox4"}) {
        for (const char* suffix : {"AnchorL", "AnchorR", ""}) {
            expected += missingLine(std::string(box) + suffix);
        }
    }
    EXPECT_EQ(output.text(), expected);
    EXPECT_EQ(bodyCount(), 2) << "the world's ground body and the terrain";
}

TEST_F(Level1DrawingTest, ALabelWhosePathHasNoPointIsReportedLikeAMissingOne)
{
    load(withUnreadableMarker(smallLevel(), "skate"));
    tick(10);
    EXPECT_EQ(output.text(), missingLine("skate"));
    EXPECT_EQ(bodyCount(), SMALL_LEVEL_BODIES - 3);
}

TEST_F(Level1DrawingTest, ALabelOfManyWithNoPointBuildsNoneAndSaysNothing)
{
    load(withUnreadableMarker(smallLevel(), "domino"));
    tick(10);
    EXPECT_EQ(output.text(), "");
    EXPECT_EQ(bodyCount(), SMALL_LEVEL_BODIES - 1);
}

TEST_F(Level1DrawingTest, ThreeBirdMarkersBuildTwoBirdsAtTheFirstTwo)
{
    load(withMarker(smallLevel(), "bird", 60.0f, 5.0f));
    EXPECT_EQ(output.text(), "");
    const ObjectList birds = registry().getAllOfKind(KIND_BIRD);
    ASSERT_EQ(birds.size(), 2u);
    EXPECT_EQ(birds[0]->getBody()->GetPosition(), b2Vec2(25.0f, 5.0f));
    EXPECT_EQ(birds[1]->getBody()->GetPosition(), b2Vec2(29.0f, 5.0f));
}

TEST_F(Level1DrawingTest, FiveCherryMarkersBuildFiveCherriesInFileOrder)
{
    // After the drawing's cherries at x 20 and 21, three more out of order.
    std::string drawing = smallLevel();
    for (const float x : {18.0f, 23.5f, 19.0f}) {
        drawing = withMarker(drawing, "cherry", x, 0.42f);
    }
    load(drawing);
    const ObjectList cherries = registry().getAllOfKind(KIND_CHERRY);
    ASSERT_EQ(cherries.size(), 5u);
    const float inFileOrder[] = {20.0f, 21.0f, 18.0f, 23.5f, 19.0f};
    for (size_t i = 0; i < cherries.size(); ++i) {
        EXPECT_FLOAT_EQ(cherries[i]->getBody()->GetPosition().x, inFileOrder[i]) << "cherry " << i;
    }
    EXPECT_EQ(output.text(), "");
}

} // namespace
