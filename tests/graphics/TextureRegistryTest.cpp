#include "DrawingTest.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "support/CoutCapture.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <vector>

using namespace images;

namespace {

cTextureManager& manager()
{
    return Singleton<cTextureManager>::instance();
}

bool isRegistered(const cTexture& texture)
{
    const std::vector<cTexture*>& textures = manager().getTextures();
    return std::find(textures.begin(), textures.end(), &texture) != textures.end();
}

// A picture reads its image when first drawn or at the manager's turn; these
// tests look at the registry as soon as the images are read.
void readNow(std::initializer_list<cTexture*> pictures)
{
    for (cTexture* picture : pictures) {
        picture->loadWaiting();
    }
}

// Binds the way drawing does, so the game's memory of the binding stays true.
void bind(const cTexture& texture)
{
    glBindTexture(GL_TEXTURE_2D, texture.getId());
    Singleton<cVideo>::instance().setBoundTexture(texture.getId());
}

GLint boundMinFilter(const cTexture& texture)
{
    bind(texture);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    return filter;
}

GLint boundLevelWidth(const cTexture& texture, int level)
{
    bind(texture);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

} // namespace

class TextureRegistry : public DrawingTest {};

TEST_F(TextureRegistry, SecondTextureOfANameSharesTheFirstsHandle)
{
    cTexture first(CORNERS, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture second(CORNERS, 3.0f, 1.0f, 0.0f, 0.0f, 0.0f, false, false);
    readNow({&first, &second});

    EXPECT_NE(0u, first.getId());
    EXPECT_EQ(first.getId(), second.getId());
    EXPECT_EQ(CORNERS, first.getName());
    EXPECT_EQ("", second.getName());
    EXPECT_TRUE(isRegistered(first));
    EXPECT_FALSE(isRegistered(second));

    const std::size_t registered = manager().getTextures().size();
    second.reload();
    EXPECT_EQ(first.getId(), second.getId());
    EXPECT_EQ("", second.getName());
    EXPECT_EQ(registered, manager().getTextures().size());
}

TEST_F(TextureRegistry, OnlyTexturesThatUploadedAreRegisteredInOrder)
{
    CoutCapture output;
    cTexture palette(PALETTE, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture corners(CORNERS, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture shared(PALETTE, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture missing(MISSING, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture empty;
    readNow({&palette, &corners, &shared, &missing});

    EXPECT_EQ((std::vector<cTexture*>{&palette, &corners}), manager().getTextures());
    EXPECT_EQ(palette.getId(), manager().find(PALETTE));
    EXPECT_EQ(corners.getId(), manager().find(CORNERS));
    EXPECT_EQ(0u, manager().find(MISSING));
    EXPECT_EQ(0u, empty.getId());
    EXPECT_NE(palette.getId(), corners.getId());
}

TEST_F(TextureRegistry, SwitchedTextureIsFoundOnlyUnderItsNewImage)
{
    cTexture texture(CORNERS, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    readNow({&texture});
    const unsigned int firstId = texture.getId();
    texture.load(PALETTE);

    EXPECT_EQ(0u, manager().find(CORNERS));
    EXPECT_EQ(texture.getId(), manager().find(PALETTE));
    EXPECT_NE(firstId, texture.getId());
    EXPECT_EQ(PALETTE, texture.getName());
    EXPECT_EQ((std::vector<cTexture*>{&texture}), manager().getTextures());
    // The earlier image is still there for whoever shared it.
    EXPECT_TRUE(glIsTexture(firstId));
}

TEST_F(TextureRegistry, TextureThatTurnsToAnotherOwnersImageGivesUpItsName)
{
    cTexture turning(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    cTexture grey(GREY, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, false, false);
    readNow({&turning, &grey});
    turning.load(GREY);

    EXPECT_EQ(grey.getId(), turning.getId());
    EXPECT_EQ("", turning.getName());
    EXPECT_FALSE(isRegistered(turning));
    EXPECT_EQ(0u, manager().find(CORNERS));

    // A later picture of the old name must show that image, not the grey one.
    cTexture corners(CORNERS, QUAD_SIZE, QUAD_SIZE, 0.0f, 0.0f, 0.0f, true, true);
    corners.draw();
    EXPECT_NE(grey.getId(), corners.getId());
    expectQuadrants(halfTurn(CORNER_COLOURS), QUAD_SIZE);
}

TEST_F(TextureRegistry, DestroyedTextureLeavesTheRegistry)
{
    {
        cTexture texture(CORNERS, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
        cTexture sharer(CORNERS, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
        readNow({&texture, &sharer});
    }
    EXPECT_TRUE(manager().getTextures().empty());
    EXPECT_EQ(0u, manager().find(CORNERS));
    manager().reloadAll();
}

// The 16-texel image gets mipmaps only where more than 50 of its texels fall
// on a world unit: at 25 pixels a unit it then shrinks to less than half.
TEST_F(TextureRegistry, APictureShownAtHalfItsImageOrMoreGetsNoMipmaps)
{
    cTexture texture(CORNERS, 0.32f, 1.0f, 0.0f, 0.0f, 0.0f, false, false);
    readNow({&texture});
    EXPECT_EQ(GL_LINEAR, boundMinFilter(texture));
    EXPECT_EQ(0, boundLevelWidth(texture, 1));
}

TEST_F(TextureRegistry, APictureShownAtLessThanHalfItsImageGetsMipmaps)
{
    cTexture texture(CORNERS, 0.3f, 30.0f, 0.0f, 0.0f, 0.0f, false, false);
    readNow({&texture});
    EXPECT_EQ(GL_LINEAR_MIPMAP_LINEAR, boundMinFilter(texture));
    EXPECT_EQ(8, boundLevelWidth(texture, 1));
}

TEST_F(TextureRegistry, DrawBindsItsOwnTexture)
{
    cTexture corners(CORNERS, QUAD_SIZE, QUAD_SIZE, -10.0f, 0.0f, 0.0f, false, false);
    cTexture grey(GREY, QUAD_SIZE, QUAD_SIZE, 10.0f, 0.0f, 0.0f, true, true);
    corners.draw();
    grey.draw();
    EXPECT_EQ(grey.getId(), Singleton<cVideo>::instance().boundTexture());
    expectQuadrants(CORNER_COLOURS, QUAD_SIZE, -10.0f);
    expectQuadrants(halfTurn(GREY_COLOURS), QUAD_SIZE, 10.0f);
}

// A picture has no image until it is first drawn or the manager's turn comes
// to it, first come first served, one image a tick: a tick whose drawing read
// an image leaves the turn. One that goes away before its turn is forgotten;
// a later picture of an image already read shares it at once.
TEST_F(TextureRegistry, PicturesWaitForTheirFirstDrawingOrTheirTurnOneImageATick)
{
    cTexture first(CORNERS_RGB, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture second(GREY, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    delete new cTexture(PALETTE, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    cTexture third(CORNERS_BGR, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    EXPECT_EQ(first.getId(), 0u);
    EXPECT_EQ(second.getId(), 0u);

    second.draw();
    EXPECT_NE(second.getId(), 0u);
    EXPECT_TRUE(second.getWaitingName().empty());
    EXPECT_TRUE(manager().loadNextWaiting()) << "two still wait";
    EXPECT_EQ(first.getId(), 0u) << "read in a tick that read an image to draw";
    EXPECT_TRUE(manager().loadNextWaiting());
    EXPECT_NE(first.getId(), 0u);
    EXPECT_EQ(third.getId(), 0u);
    EXPECT_TRUE(manager().loadNextWaiting());
    EXPECT_NE(third.getId(), 0u);
    EXPECT_FALSE(manager().loadNextWaiting()) << "nothing waits any more";

    const cTexture copy(CORNERS_RGB, 2.0f, 2.0f, 0.0f, 0.0f, 0.0f, false, false);
    EXPECT_EQ(copy.getId(), first.getId());
}
