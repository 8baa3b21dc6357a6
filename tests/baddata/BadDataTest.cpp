// Every file the game reads, missing or broken: the game says so once per
// file, builds what it can and plays on. Each test plays in a child process of
// its own, on a copy of the data with some files broken, 300 ticks long.
#include "baddata/HostileDrawing.h"
#include "baddata/ScratchData.h"
#include "support/CoutCapture.h"

#include "app/Application.h"
#include "app/DataDir.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "levels/Level1.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int TICKS = 300;
constexpr int JUMP_EVERY = 60;
const std::vector<std::string> SOUNDS = {"sounds/twit.wav", "sounds/roll.wav", "sounds/twow.wav",
                                         "sounds/bank.wav", "sounds/boink.wav", "sounds/click.wav"};
const std::string MUSIC = "sounds/music.ogg";
// Pictures the level asks for whatever its drawing holds: its own and the
// scenery tiles, in order of name.
const std::vector<std::string> LEVEL_PICTURES = {
    "images/background.png", "images/dragbox.png", "images/level1.png", "images/level2.png", "images/level3.png",
    "images/level4.png",     "images/level5.png",  "images/level6.png", "images/level7.png", "images/level8.png",
    "images/level9.png",     "images/mute.png",    "images/restart.png", "images/underground.png"};
const std::string PICTURE_FAILURE = "Failed to load the image: ";
const std::string DRAWING_FAILURE = "Failed to load the SVG: ";

class BadDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::filesystem::exists(DATA_DIR)) {
            GTEST_SKIP() << "installed data in " << DATA_DIR << " would be read instead of the broken files";
        }
        ASSERT_FALSE(data.root().empty());
    }

    // The game on the scratch data in a child process, so that it says once
    // what is wrong whatever an earlier test of this program read; what it printed.
    std::string play()
    {
        int channel[2];
        EXPECT_EQ(pipe(channel), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            const std::string output = playHere();
            const bool written = ::write(channel[1], output.data(), output.size()) == ssize_t(output.size());
            _exit(written ? 0 : 1);
        }
        close(channel[1]);
        std::string output;
        char buffer[4096];
        for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) {
            output.append(buffer, static_cast<std::size_t>(got));
        }
        close(channel[0]);
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the game's run ended with " << status;
        return output;
    }

    // Rolling right and jumping now and then.
    std::string playHere()
    {
        if (chdir(data.root().c_str()) != 0) {
            _exit(2);
        }
        CoutCapture output;
        Singleton<cVideo>::instance().open(640, 480, 32, "QUIB");
        new Level1;
        cInput& input = Singleton<cInput>::instance();
        input.setKey(SDLK_RIGHT, cInput::DOWN);
        for (int tick = 1; tick <= TICKS; ++tick) {
            input.setKey(SDLK_UP, tick % JUMP_EVERY == 0 ? cInput::DOWN : cInput::UP);
            cApplication::tick();
        }
        return output.text();
    }

    // The lines of the output that contain the text.
    static int lines(const std::string& output, const std::string& text)
    {
        std::istringstream in(output);
        int found = 0;
        for (std::string line; std::getline(in, line);) {
            found += line.find(text) != std::string::npos ? 1 : 0;
        }
        return found;
    }

    // Every picture named in a failure line, in order of name, as often as named.
    static std::vector<std::string> reportedPictures(const std::string& output)
    {
        std::istringstream in(output);
        std::vector<std::string> named;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(PICTURE_FAILURE, 0) == 0) {
                named.push_back(line.substr(PICTURE_FAILURE.size(), line.find(',') - PICTURE_FAILURE.size()));
            }
        }
        std::sort(named.begin(), named.end());
        return named;
    }

    static void expectSoundFailuresOnce(const std::string& output)
    {
        for (const std::string& sound : SOUNDS) {
            EXPECT_EQ(lines(output, "Failed to load sound " + sound), 1) << sound;
        }
        EXPECT_EQ(lines(output, "Failed to load music " + MUSIC), 1);
    }

    static std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    ScratchData data;
};

TEST_F(BadDataTest, MissingPicturesSoundsAndMusicAreEachReportedOnce)
{
    const std::vector<std::string> pictures = data.files("images");
    for (const std::string& file : pictures) {
        data.remove(file);
    }
    for (const std::string& file : data.files("sounds")) {
        data.remove(file);
    }
    const std::string output = play();
    // Which objects' pictures a short run asks for depends on the level; each once.
    const std::vector<std::string> reported = reportedPictures(output);
    EXPECT_EQ(std::adjacent_find(reported.begin(), reported.end()), reported.end()) << "reported twice";
    EXPECT_TRUE(std::includes(reported.begin(), reported.end(), LEVEL_PICTURES.begin(), LEVEL_PICTURES.end()));
    EXPECT_GT(reported.size(), LEVEL_PICTURES.size()) << "no object's picture was asked for";
    expectSoundFailuresOnce(output);
}

TEST_F(BadDataTest, MissingObjectDrawingsAreEachReportedOnce)
{
    std::vector<std::string> drawings;
    for (const std::string& file : data.files("shapes")) {
        if (file != "shapes/level.svg") {
            drawings.push_back(file);
            data.remove(file);
        }
    }
    const std::string output = play();
    for (const std::string& drawing : drawings) {
        EXPECT_EQ(lines(output, DRAWING_FAILURE + drawing), 1) << drawing;
    }
}

TEST_F(BadDataTest, AMissingLevelDrawingIsReportedOnce)
{
    data.remove("shapes/level.svg");
    EXPECT_EQ(play(), DRAWING_FAILURE + "shapes/level.svg\n");
}

TEST_F(BadDataTest, TruncatedFilesAreReportedOnceEach)
{
    std::vector<std::string> files = data.files("images");
    for (const char* folder : {"sounds", "shapes"}) {
        const std::vector<std::string> more = data.files(folder);
        files.insert(files.end(), more.begin(), more.end());
    }
    for (const std::string& file : files) {
        data.truncate(file);
    }
    const std::string output = play();
    // Without its drawing the level builds no objects, so it shows its own pictures only.
    EXPECT_EQ(reportedPictures(output), LEVEL_PICTURES);
    // A sound or the music cut in half still loads: the mixer plays what is there.
    EXPECT_EQ(lines(output, "Failed to load sound "), 0);
    EXPECT_EQ(lines(output, "Failed to load music "), 0);
}

TEST_F(BadDataTest, FilesOfRandomBytesAreEachReportedOnce)
{
    for (const char* folder : {"images", "sounds", "shapes"}) {
        for (const std::string& file : data.files(folder)) {
            data.scramble(file);
        }
    }
    const std::string output = play();
    EXPECT_EQ(reportedPictures(output), LEVEL_PICTURES);
    expectSoundFailuresOnce(output);
}

TEST_F(BadDataTest, PicturesOfOtherLayoutsAllLoad)
{
    struct Layout {
        const char* options;
        const char* output;
    };
    // Palette, grey, grey with alpha, 16 bits a channel with and without alpha, RGB.
    const Layout layouts[] = {
        {"-type Palette", "PNG8:"},
        {"-colorspace Gray -alpha off -depth 8", ""},
        {"-colorspace Gray -define png:color-type=4 -depth 8", ""},
        {"-depth 16", "PNG64:"},
        {"-alpha off -depth 16", "PNG48:"},
        {"-alpha off", "PNG24:"},
    };
    // Small pictures of each layout stand in for the game's: converting those
    // would take longer than the game's whole run.
    const std::vector<std::string> pictures = data.files("images");
    for (std::size_t i = 0; i < std::size(layouts); ++i) {
        data.write(pictures[i], readFile(QUIB_TEST_DATA_DIR "/images/corners.png"));
        ASSERT_TRUE(data.convert(pictures[i], layouts[i].options, layouts[i].output)) << layouts[i].options;
    }
    for (std::size_t i = std::size(layouts); i < pictures.size(); ++i) {
        data.copy(pictures[i % std::size(layouts)], pictures[i]);
    }
    EXPECT_EQ(lines(play(), PICTURE_FAILURE), 0);
}

TEST_F(BadDataTest, HostileDrawingsLeaveTheGamePlaying)
{
    for (const std::string& drawing : data.files("shapes")) {
        data.write(drawing, hostileDrawing());
    }
    const std::string output = play();
    EXPECT_GT(lines(output, "Skipped outline"), 0);
    EXPECT_EQ(lines(output, DRAWING_FAILURE), 0);
}

} // namespace
