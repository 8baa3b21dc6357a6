#include "levels/LevelTest.h"

#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "objects/Object.h"
#include "objects/ObjectKind.h"
#include "support/TestWindow.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>

namespace {

constexpr int FULL = 128;
constexpr Rgba STEEL{100, 150, 200, 255};

class SwitchesTest : public LevelTest {
protected:
    static unsigned int imageId(const char* name) { return Singleton<cTextureManager>::instance().find(name); }

    static void expectMuted(const cObject* button)
    {
        EXPECT_TRUE(level->isMuted());
        EXPECT_EQ(Mix_Volume(-1, -1), 0);
        EXPECT_EQ(Mix_VolumeMusic(-1), 0);
        EXPECT_EQ(button->getTexture()->getId(), imageId("images/muted.png"));
    }

    static void expectAudible(const cObject* button)
    {
        EXPECT_FALSE(level->isMuted());
        EXPECT_EQ(Mix_Volume(-1, -1), FULL);
        EXPECT_EQ(Mix_VolumeMusic(-1), FULL);
        EXPECT_EQ(button->getTexture()->getId(), imageId("images/mute.png"));
    }

    static void typeKey(int key)
    {
        pressKey(key);
        tick();
        releaseKey(key);
    }

    // A test picture around (-5, 5) whose top left quarter is steel blue.
    static void addCorners()
    {
        auto* picture = new cObject(5, KIND_PLAIN);
        picture->setPosition(-5.0f, 5.0f);
        picture->setTexture(new cTexture(QUIB_TEST_DATA_DIR "/images/corners.png", 4.0f, 4.0f, 0.0f, 0.0f, 0.0f,
                                         false, false));
    }

    // What the last tick showed, read from the front buffer after the swap,
    // with the view at its start: the camera at (0, 2), 25 pixels a unit.
    static Rgba shownAt(float x, float y)
    {
        unsigned char pixel[4] = {};
        glReadBuffer(GL_FRONT);
        glReadPixels(static_cast<int>(320.0f + 25.0f * x), static_cast<int>(240.0f + 25.0f * (y - 2.0f)), 1, 1,
                     GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return {pixel[0], pixel[1], pixel[2], pixel[3]};
    }
};

TEST_F(SwitchesTest, PressingMTwiceMutesAndUnmutes)
{
    const cObject* button = addMuteButton(-5.0f, -5.0f);
    tick();
    expectAudible(button);
    typeKey(SDLK_m);
    expectMuted(button);
    typeKey(SDLK_m);
    expectAudible(button);
}

TEST_F(SwitchesTest, HoldingMMutesOnce)
{
    const cObject* button = addMuteButton(-5.0f, -5.0f);
    pressKey(SDLK_m);
    tick(5);
    expectMuted(button);
}

TEST_F(SwitchesTest, ClickingTheMuteButtonSwitchesTheSound)
{
    const cObject* button = addMuteButton(-5.0f, 5.0f);
    pointAt(-4.5f, 5.5f);
    click();
    tick();
    expectMuted(button);
    click(3);
    tick();
    expectAudible(button);

    pointAt(-4.3f, 5.0f);
    click();
    tick();
    expectAudible(button);
}

TEST_F(SwitchesTest, KeyAndClickInOneTickSwitchOnlyOnce)
{
    const cObject* button = addMuteButton(-5.0f, 5.0f);
    pointAt(-5.0f, 5.0f);
    click();
    pressKey(SDLK_m);
    tick();
    expectMuted(button);
}

// An upload makes a new texture name, so the names seen after the first
// round must be the ones seen after many more.
TEST_F(SwitchesTest, SwitchingBackAndForthUploadsNoNewPictures)
{
    const cObject* button = addMuteButton(-5.0f, -5.0f);
    typeKey(SDLK_m);
    const unsigned int muted = button->getTexture()->getId();
    typeKey(SDLK_m);
    const unsigned int audible = button->getTexture()->getId();
    for (int i = 0; i < 10; ++i) {
        typeKey(SDLK_m);
        EXPECT_EQ(button->getTexture()->getId(), muted);
        typeKey(SDLK_m);
        EXPECT_EQ(button->getTexture()->getId(), audible);
    }
    EXPECT_EQ(imageId("images/muted.png"), muted);
    EXPECT_EQ(imageId("images/mute.png"), audible);
}

TEST_F(SwitchesTest, DebugViewShowsOutlinesInsteadOfPictures)
{
    addCorners();
    tick();
    EXPECT_TRUE(colorNear(shownAt(-6.0f, 6.0f), STEEL));
    EXPECT_TRUE(colorNear(shownAt(0.0f, -1.0f), TestWindow::BACKGROUND)) << "the ground has no picture";

    typeKey(SDLK_d);
    EXPECT_TRUE(level->isDebugView());
    EXPECT_TRUE(colorNear(shownAt(-6.0f, 6.0f), TestWindow::BACKGROUND));
    EXPECT_FALSE(colorNear(shownAt(0.0f, -1.0f), TestWindow::BACKGROUND, 20)) << "the ground is filled";

    typeKey(SDLK_d);
    EXPECT_FALSE(level->isDebugView());
    EXPECT_TRUE(colorNear(shownAt(-6.0f, 6.0f), STEEL));
    EXPECT_TRUE(colorNear(shownAt(0.0f, -1.0f), TestWindow::BACKGROUND));
}

TEST_F(SwitchesTest, FSwitchesFullScreenOnAndOffAndPicturesSurvive)
{
    addCorners();
    cVideo& video = Singleton<cVideo>::instance();
    typeKey(SDLK_f);
    EXPECT_TRUE(video.isFullscreen());
    typeKey(SDLK_f);
    EXPECT_FALSE(video.isFullscreen());
    EXPECT_EQ(video.width(), 640);
    EXPECT_EQ(video.height(), 480);
    tick();
    EXPECT_TRUE(colorNear(shownAt(-6.0f, 6.0f), STEEL));
}

} // namespace
