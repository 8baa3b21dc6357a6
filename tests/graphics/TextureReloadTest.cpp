#include "DrawingTest.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"

#include <SDL_opengl.h>

using namespace images;

namespace {

void reloadAll()
{
    Singleton<cTextureManager>::instance().reloadAll();
}

} // namespace

class TextureReload : public DrawingTest {
protected:
    void TearDown() override { window.setMode(TestWindow::START_WIDTH, TestWindow::START_HEIGHT); }
};

TEST_F(TextureReload, TexturesStillDrawAfterTheWindowChangesSize)
{
    cTexture owner(CORNERS, QUAD_SIZE, QUAD_SIZE, -10.0f, 0.0f, 0.0f, false, false);
    cTexture sharer(CORNERS, QUAD_SIZE, QUAD_SIZE, 10.0f, 0.0f, 0.0f, true, true);

    window.setMode(800, 600);
    reloadAll();
    window.clear();
    owner.draw();
    sharer.draw();

    EXPECT_EQ(owner.getId(), sharer.getId());
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE, -10.0f);
    expectQuadrants(halfTurn(CORNER_COLOURS), QUAD_SIZE, 10.0f);
}

TEST_F(TextureReload, ImagesAreUploadedAgainInANewContext)
{
    cTexture corners(CORNERS, QUAD_SIZE, QUAD_SIZE, -18.0f, 0.0f, 0.0f, false, false);
    cTexture grey(GREY, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, true, false);
    cTexture sharer(CORNERS, QUAD_SIZE, QUAD_SIZE, 18.0f, 0.0f, 0.0f, true, true);

    window.reopen();
    ASSERT_FALSE(glIsTexture(corners.getId())) << "the old context survived, nothing to test";
    reloadAll();
    window.clear();
    corners.draw();
    grey.draw();
    sharer.draw();

    EXPECT_TRUE(glIsTexture(corners.getId()));
    EXPECT_TRUE(glIsTexture(grey.getId()));
    EXPECT_NE(corners.getId(), grey.getId());
    EXPECT_EQ(corners.getId(), sharer.getId());
    EXPECT_EQ(2u, Singleton<cTextureManager>::instance().getTextures().size());
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE, -18.0f);
    expectQuadrants(upsideDown(GREY_COLOURS), QUAD_SIZE, 0.0f);
    expectQuadrants(halfTurn(CORNER_COLOURS), QUAD_SIZE, 18.0f);
}

// The game opening its window a second time: whether a handle died with the
// old context can only be told in the new one.
TEST_F(TextureReload, PicturesDrawAfterTheGameOpensItsWindowAgain)
{
    cVideo& video = Singleton<cVideo>::instance();
    video.open(TestWindow::START_WIDTH, TestWindow::START_HEIGHT, 32, "QUIB");
    cTexture corners(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);

    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    video.open(TestWindow::START_WIDTH, TestWindow::START_HEIGHT, 32, "QUIB");
    window.clear();
    corners.draw();

    EXPECT_TRUE(glIsTexture(corners.getId()));
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE);
}

TEST_F(TextureReload, SharerWhoseOwnerMovedOnReadsItsImageItself)
{
    cTexture owner(CORNERS, QUAD_SIZE, QUAD_SIZE, -10.0f, 0.0f, 0.0f, false, false);
    cTexture sharer(CORNERS, QUAD_SIZE, QUAD_SIZE, 10.0f, 0.0f, 0.0f, false, false);
    owner.load(GREY);

    window.reopen();
    reloadAll();
    window.clear();
    owner.draw();
    sharer.draw();

    EXPECT_EQ(CORNERS, sharer.getName());
    EXPECT_EQ(sharer.getId(), Singleton<cTextureManager>::instance().find(CORNERS));
    expectQuadrants(GREY_COLOURS, QUAD_SIZE, -10.0f);
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE, 10.0f);
}
