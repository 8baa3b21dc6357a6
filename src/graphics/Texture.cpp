#include "graphics/Texture.h"

#include "app/DataDir.h"
#include "app/SayOnce.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/PictureDecoder.h"
#include "graphics/TextureManager.h"
#include "graphics/UploadableSurface.h"

#include <SDL_opengl.h>
#include <GL/glu.h>


namespace {

// Wide pictures (backgrounds, scenery) are drawn near their own size, where
// mipmaps only cost memory; the small ones shrink and need them.
constexpr float MIPMAP_WIDTH_LIMIT = 20.0f;

SDL_Surface* readImage(const std::string& name)
{
    SDL_Surface* surface = loadPicture(DATA_DIR + name);
    return surface ? surface : loadPicture(name);
}

} // namespace

cTexture::cTexture() = default;

cTexture::cTexture(const std::string& imageName, float quadWidth, float quadHeight, float offsetX,
                   float offsetY, float degrees, bool upsideDown, bool leftRight)
    : width(quadWidth), height(quadHeight), x(offsetX), y(offsetY), angle(degrees),
      mirrorY(upsideDown), mirrorX(leftRight)
{
    load(imageName);
}

cTexture::~cTexture()
{
    Singleton<cTextureManager>::instance().remove(this);
}

void cTexture::load(const std::string& imageName)
{
    cTextureManager& manager = Singleton<cTextureManager>::instance();
    const unsigned int shared = manager.find(imageName);
    if (shared != 0) {
        // Asking again for the image this picture owns changes nothing.
        if (imageName != name) {
            id = shared;
            name.clear();
            manager.share(this, imageName);
        }
        return;
    }
    // An image that could not be read is not read again for every picture.
    cSayOnce& say = Singleton<cSayOnce>::instance();
    if (say.said(imageName)) {
        return;
    }
    SDL_Surface* surface = readImage(imageName);
    SDL_Surface* uploadable = surface ? uploadableSurface(surface) : nullptr;
    if (!uploadable) {
        say.say(imageName, "Failed to load the image: " + imageName + ", Error: " + SDL_GetError());
        SDL_FreeSurface(surface);
        return;
    }
    name = imageName;
    upload(uploadable);
    if (uploadable != surface) {
        SDL_FreeSurface(uploadable);
    }
    SDL_FreeSurface(surface);
}

void cTexture::reload()
{
    if (!name.empty()) {
        load(name);
    }
}

void cTexture::upload(SDL_Surface* surface)
{
    const GLenum format = surface->format->BytesPerPixel == 3 ? GL_RGB : GL_RGBA;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    Singleton<cVideo>::instance().setBoundTexture(id);

    const bool mipmapped = width < MIPMAP_WIDTH_LIMIT;
    // Set before the image arrives: a driver that sees a mipmap filter then
    // makes room for every level, which a picture without mipmaps never uses.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    SDL_LockSurface(surface);
    glTexImage2D(GL_TEXTURE_2D, 0, format, surface->w, surface->h, 0, format, GL_UNSIGNED_BYTE,
                 surface->pixels);
    if (mipmapped) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, format, surface->w, surface->h, format, GL_UNSIGNED_BYTE,
                          surface->pixels);
    }
    SDL_UnlockSurface(surface);

    Singleton<cTextureManager>::instance().add(this);
}

void cTexture::draw()
{
    // Without its image a picture would be a blank box hiding the scene.
    if (id == 0) {
        return;
    }
    glPushMatrix();
    cVideo& video = Singleton<cVideo>::instance();
    if (video.boundTexture() != id) {
        glBindTexture(GL_TEXTURE_2D, id);
        video.setBoundTexture(id);
    }
    glTranslatef(x, y, 0.0f);
    const float hw = width * 0.5f;
    const float hh = height * 0.5f;
    glEnable(GL_TEXTURE_2D);
    applyTint();

    const float sx = mirrorX ? -1.0f : 1.0f;
    const float sy = mirrorY ? -1.0f : 1.0f;
    // Row 0 of the image is its top, and the world's y axis points up.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-hw * sx, hh * sy);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(hw * sx, hh * sy);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(hw * sx, -hh * sy);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-hw * sx, -hh * sy);
    glEnd();

    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPopMatrix();
}

// One positive component makes the whole tint a colour added to the image
// (a highlight); otherwise the image is multiplied, so -1 removes a channel.
void cTexture::applyTint() const
{
    if (red > 0.0f || green > 0.0f || blue > 0.0f) {
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
        glColor4f(red, green, blue, alpha);
    } else {
        glColor4f(1.0f + red, 1.0f + green, 1.0f + blue, alpha);
    }
}

void cTexture::setSize(float quadWidth, float quadHeight)
{
    width = quadWidth;
    height = quadHeight;
}

void cTexture::setAngle(float degrees)
{
    angle = degrees;
}

void cTexture::setMirrorX(bool mirror)
{
    mirrorX = mirror;
}

void cTexture::setMirrorY(bool mirror)
{
    mirrorY = mirror;
}

void cTexture::setAlpha(float opacity)
{
    alpha = opacity;
}

void cTexture::setTint(float tintRed, float tintGreen, float tintBlue)
{
    red = tintRed;
    green = tintGreen;
    blue = tintBlue;
}
