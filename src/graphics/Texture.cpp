#include "graphics/Texture.h"

#include "app/DataDir.h"
#include "app/SayOnce.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "graphics/Coverage.h"
#include "graphics/PictureDecoder.h"
#include "graphics/TextureManager.h"
#include "graphics/UploadableSurface.h"

#include <SDL_opengl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

// Mipmaps only for pictures whose images have more than this many texels per
// world unit: shown at the smallest usual zoom (25 pixels a unit, a 640 x 480
// window), they shrink to less than half and would flicker without. Anything
// shown larger filters well as it is, and mipmap filtering costs a software
// renderer dearly over big pictures such as the tree.
constexpr float MIPMAP_TEXEL_DENSITY = 50.0f;

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
    // Most pictures of a level lie out of view at the start: the first frame
    // waits only for those it shows.
    loadLater(imageName);
}

cTexture::~cTexture()
{
    Singleton<cTextureManager>::instance().remove(this);
}

void cTexture::loadLater(const std::string& imageName)
{
    cTextureManager& manager = Singleton<cTextureManager>::instance();
    const cTexture* owner = manager.findOwner(imageName);
    if (owner && owner->id != 0) {
        load(imageName);
        return;
    }
    waitingName = imageName;
    manager.addWaiting(this);
}

void cTexture::loadWaiting()
{
    if (!waitingName.empty()) {
        // load() forgets the name it is given as it starts.
        const std::string waited = waitingName;
        load(waited);
    }
}

void cTexture::load(const std::string& imageName)
{
    cTextureManager& manager = Singleton<cTextureManager>::instance();
    if (!waitingName.empty()) {
        waitingName.clear();
        manager.removeWaiting(this);
    }
    const cTexture* owner = manager.findOwner(imageName);
    // An owner whose handle died with the window's context has no image to share.
    if (owner && owner->id != 0) {
        // Asking again for the image this picture owns changes nothing.
        if (owner != this) {
            id = owner->id;
            coverage = owner->coverage;
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

    const bool mipmapped = static_cast<float>(surface->w) > MIPMAP_TEXEL_DENSITY * width;
    // Set before the image arrives: a driver that sees a mipmap filter then
    // makes room for every level, which a picture without mipmaps never uses.
    // Filtering at a picture's edge would otherwise mix in the border colour:
    // a thin dark line wherever two pictures meet.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
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
    coverage = std::make_shared<const cCoverage>(surface);

    Singleton<cTextureManager>::instance().add(this);
}

void cTexture::draw()
{
    drawPart(OPAQUE_PART);
    drawPart(SEE_THROUGH_PART);
    hiddenJudged = false;
}

void cTexture::drawPart(Part part)
{
    if (id == 0) {
        loadWaiting();
    }
    // Without its image a picture would be a blank box hiding the scene.
    if (id == 0 || !coverage) {
        return;
    }
    glPushMatrix();
    cVideo& video = Singleton<cVideo>::instance();
    if (video.boundTexture() != id) {
        glBindTexture(GL_TEXTURE_2D, id);
        video.setBoundTexture(id);
    }
    glTranslatef(x, y, 0.0f);
    glEnable(GL_TEXTURE_2D);
    applyTint();
    drawCells(part);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPopMatrix();
}

// A see-through picture blends everywhere; an opaque one paints its covering
// cells without blending, which costs a software renderer far less. Only an
// upright picture is split so: turned, the corners where runs of the two kinds
// meet could leave pixels unpainted.
void cTexture::drawCells(Part part) const
{
    const bool split = alpha >= 1.0f && angle == 0.0f;
    if (part == OPAQUE_PART && split) {
        glDisable(GL_BLEND);
        // Plain texels cost the renderer less than texels times a white colour.
        if (red == 0.0f && green == 0.0f && blue == 0.0f) {
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        }
        drawCellsWhere(true, false);
        glEnable(GL_BLEND);
    } else if (part == SEE_THROUGH_PART) {
        drawCellsWhere(!split, true);
    }
}

// The covering or the blended cells or both, in runs along each row; a run
// that repeats exactly in the rows below goes down with them as one quad. A
// software renderer pays for every quad's edges, and much less for the tiles
// of the screen that a quad covers whole than for those it cuts.
void cTexture::drawCellsWhere(bool covering, bool blended) const
{
    const auto wanted = [this, covering, blended](int column, int row) {
        const cCoverage::Cell cell = coverage->at(column, row);
        return ((covering && cell == cCoverage::COVERING) || (blended && cell == cCoverage::BLENDED)) &&
               !isHidden(column, row);
    };
    // Whether [first, end) is a whole run of that row, no more and no less.
    const auto isRun = [this, &wanted](int first, int end, int row) {
        if (row < 0 || row >= coverage->rows() || (first > 0 && wanted(first - 1, row)) ||
            (end < coverage->columns() && wanted(end, row))) {
            return false;
        }
        for (int column = first; column < end; ++column) {
            if (!wanted(column, row)) {
                return false;
            }
        }
        return true;
    };
    glBegin(GL_QUADS);
    for (int row = 0; row < coverage->rows(); ++row) {
        for (int column = 0; column < coverage->columns();) {
            if (!wanted(column, row)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < coverage->columns() && wanted(column, row)) {
                ++column;
            }
            if (isRun(first, column, row - 1)) {
                continue;
            }
            int last = row;
            while (isRun(first, column, last + 1)) {
                ++last;
            }
            drawSpan(coverage->columnStart(first), coverage->columnStart(column), coverage->rowStart(row),
                     coverage->rowStart(last + 1));
        }
    }
    glEnd();
}

// Texture coordinates (s, t) across the picture; row 0 of the image is its
// top, and the world's y axis points up.
cTexture::Corners cTexture::cornersOf(float s0, float s1, float t0, float t1) const
{
    const float hw = width * 0.5f * (mirrorX ? -1.0f : 1.0f);
    const float hh = height * 0.5f * (mirrorY ? -1.0f : 1.0f);
    return {(2.0f * s0 - 1.0f) * hw, (2.0f * s1 - 1.0f) * hw, (1.0f - 2.0f * t0) * hh, (1.0f - 2.0f * t1) * hh};
}

void cTexture::drawSpan(float s0, float s1, float t0, float t1) const
{
    const Corners at = cornersOf(s0, s1, t0, t1);
    glTexCoord2f(s0, t0);
    glVertex2f(at.left, at.top);
    glTexCoord2f(s1, t0);
    glVertex2f(at.right, at.top);
    glTexCoord2f(s1, t1);
    glVertex2f(at.right, at.bottom);
    glTexCoord2f(s0, t1);
    glVertex2f(at.left, at.bottom);
}

bool cTexture::isHidden(int column, int row) const
{
    return hiddenJudged && hiddenCells[static_cast<std::size_t>(row * coverage->columns() + column)] != 0;
}

void cTexture::judgeHidden(const cOcclusion& occlusion, float originX, float originY)
{
    hiddenJudged = coverage && angle == 0.0f;
    if (!hiddenJudged) {
        return;
    }
    hiddenCells.resize(static_cast<std::size_t>(coverage->columns() * coverage->rows()));
    for (int row = 0; row < coverage->rows(); ++row) {
        for (int column = 0; column < coverage->columns(); ++column) {
            const cOcclusion::Area area = areaOf(originX, originY, coverage->columnStart(column),
                                                 coverage->columnStart(column + 1), coverage->rowStart(row),
                                                 coverage->rowStart(row + 1));
            hiddenCells[static_cast<std::size_t>(row * coverage->columns() + column)] =
                coverage->at(column, row) != cCoverage::EMPTY && occlusion.hides(area);
        }
    }
}

// Each run of covering cells in a row goes down as far as the rows below cover
// it too: the occlusion's blocks across the line between two rows are hidden
// only by an area that spans the line.
void cTexture::hideBehind(cOcclusion& occlusion, float originX, float originY) const
{
    if (!coverage || angle != 0.0f || alpha < 1.0f) {
        return;
    }
    for (int row = 0; row < coverage->rows(); ++row) {
        for (int column = 0; column < coverage->columns();) {
            if (coverage->at(column, row) != cCoverage::COVERING) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < coverage->columns() && coverage->at(column, row) == cCoverage::COVERING) {
                ++column;
            }
            occlusion.cover(coveringBlock(originX, originY, first, column, row));
        }
    }
}

cOcclusion::Area cTexture::coveringBlock(float originX, float originY, int first, int end, int row) const
{
    const auto covers = [this, first, end](int below) {
        for (int column = first; column < end; ++column) {
            if (coverage->at(column, below) != cCoverage::COVERING) {
                return false;
            }
        }
        return true;
    };
    int last = row;
    while (last + 1 < coverage->rows() && covers(last + 1)) {
        ++last;
    }
    return areaOf(originX, originY, coverage->columnStart(first), coverage->columnStart(end),
                  coverage->rowStart(row), coverage->rowStart(last + 1));
}

cOcclusion::Area cTexture::areaOf(float originX, float originY, float s0, float s1, float t0, float t1) const
{
    const Corners at = cornersOf(s0, s1, t0, t1);
    const float centreX = originX + x, centreY = originY + y;
    return {centreX + std::min(at.left, at.right), centreY + std::min(at.top, at.bottom),
            centreX + std::max(at.left, at.right), centreY + std::max(at.top, at.bottom)};
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

float cTexture::getReach() const
{
    return std::hypot(width, height) * 0.5f;
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
