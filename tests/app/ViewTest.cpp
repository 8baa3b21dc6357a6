#include "app/Application.h"
#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <utility>

namespace {

// One real window for the whole program, as the game has.
class ViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Singleton<cVideo>::instance().open(640, 480, 32, "QUIB"); }

    cVideo& video = Singleton<cVideo>::instance();
    cInput& input = Singleton<cInput>::instance();
};

// The world point that the projection puts at a window pixel (y down).
void unproject(int px, int py, int width, int height, float& x, float& y)
{
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const float ndcX = (static_cast<float>(px) / width) * 2.0f - 1.0f;
    const float ndcY = 1.0f - (static_cast<float>(py) / height) * 2.0f;
    x = (ndcX - m[12]) / m[0];
    y = (ndcY - m[13]) / m[5];
}

TEST_F(ViewTest, StartingViewShowsTheOriginTwoUnitsBelowTheCentre)
{
    ASSERT_EQ(Singleton<cCamera>::instance().x(), 0.0f);
    video.project();
    float x, y;
    unproject(320, 240, 640, 480, x, y);
    EXPECT_NEAR(x, 0.0f, 1e-5);
    EXPECT_NEAR(y, 2.0f, 1e-5);
    unproject(0, 0, 640, 480, x, y);
    EXPECT_NEAR(x, -12.8f, 1e-4);
    EXPECT_NEAR(y, 11.6f, 1e-4);

    input.setMousePixel(320, 240);
    EXPECT_FLOAT_EQ(input.mouseX(), 0.0f);
    EXPECT_FLOAT_EQ(input.mouseY(), 2.0f);
    input.setMousePixel(0, 0);
    EXPECT_FLOAT_EQ(input.mouseX(), -12.8f);
    EXPECT_FLOAT_EQ(input.mouseY(), 11.6f);
}

TEST_F(ViewTest, FollowingMovesTheViewAndTheMouseTogether)
{
    cCamera& camera = Singleton<cCamera>::instance();
    input.setMousePixel(100, 50);
    const float beforeX = input.mouseX(), beforeY = input.mouseY();
    const float cameraX = camera.x(), cameraY = camera.y();
    camera.follow(10.0f, 3.0f);
    EXPECT_FLOAT_EQ(camera.x(), 10.0f);
    EXPECT_FLOAT_EQ(camera.y(), 5.0f);
    EXPECT_FLOAT_EQ(input.mouseX() - beforeX, 10.0f - cameraX);
    EXPECT_FLOAT_EQ(input.mouseY() - beforeY, 5.0f - cameraY);
    // The mouse is where the same pixel shows the world after the move.
    const float movedX = input.mouseX(), movedY = input.mouseY();
    input.setMousePixel(100, 50);
    EXPECT_NEAR(input.mouseX(), movedX, 1e-4);
    EXPECT_NEAR(input.mouseY(), movedY, 1e-4);
    camera.follow(0.0f, 0.0f);
}

TEST_F(ViewTest, ResizeToZeroHeightBecomesOnePixelAndTheProjectionFollows)
{
    video.resize(300, 0);
    EXPECT_EQ(video.width(), 300);
    EXPECT_EQ(video.height(), 1);
    video.resize(800, 600);
    video.project();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    // The same shape as 640 x 480: the same piece of the world, larger.
    float x, y;
    unproject(0, 0, 800, 600, x, y);
    EXPECT_NEAR(x, -12.8f, 1e-4);
    EXPECT_NEAR(y, 11.6f, 1e-4);
    video.resize(640, 480);
}

// A wider window shows more to the sides and the same height; the mouse maps
// through the same numbers as the picture.
TEST_F(ViewTest, AnyWindowShowsTheSameHeightAndTheMouseLandsOnWhatItShows)
{
    const struct {
        int width, height;
    } windows[] = {{1280, 720}, {600, 480}, {2560, 1080}};
    const cCamera& camera = Singleton<cCamera>::instance();
    for (const auto& window : windows) {
        video.resize(window.width, window.height);
        video.project();
        const float halfWidth = 9.6f * static_cast<float>(window.width) / static_cast<float>(window.height);
        for (const auto& corner : {std::make_pair(0, 0), std::make_pair(window.width, window.height)}) {
            const float sideX = corner.first == 0 ? -1.0f : 1.0f;
            float x, y;
            unproject(corner.first, corner.second, window.width, window.height, x, y);
            EXPECT_NEAR(x, camera.x() + sideX * halfWidth, 1e-3) << window.width << " x " << window.height;
            EXPECT_NEAR(y, camera.y() - sideX * 9.6f, 1e-3);
            input.setMousePixel(corner.first, corner.second);
            EXPECT_NEAR(input.mouseX(), x, 1e-3);
            EXPECT_NEAR(input.mouseY(), y, 1e-3);
        }
    }
    video.resize(640, 480);
    EXPECT_EQ(camera.zoom(), 25.0f);
}

TEST_F(ViewTest, FullScreenTwiceReturnsToTheSizeBeforeIt)
{
    video.resize(700, 500);
    video.toggleFullscreen();
    EXPECT_TRUE(video.isFullscreen());
    video.toggleFullscreen();
    EXPECT_FALSE(video.isFullscreen());
    EXPECT_EQ(video.width(), 700);
    EXPECT_EQ(video.height(), 500);
    video.resize(640, 480);
}

TEST(WindowlessVideoTest, FullScreenBeforeTheWindowExistsDoesNothing)
{
    cVideo unopened;
    unopened.toggleFullscreen();
    EXPECT_FALSE(unopened.isFullscreen());
}

// Each tick the timer queued is run as the event loop runs it, so that the
// next test of this program finds none waiting.
TEST_F(ViewTest, TheTimerNeverQueuesMoreThanTwoTicksUntilTheyRun)
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(cApplication::tickTimer(5, nullptr), 17u);
        }
        int ticks = 0;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_USEREVENT) {
                ++ticks;
                cApplication::runQueuedTick();
            }
        }
        EXPECT_EQ(ticks, 2) << "round " << round;
    }
}

} // namespace
