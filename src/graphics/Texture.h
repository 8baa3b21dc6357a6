#pragma once

#include "graphics/Occlusion.h"

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

class cCoverage;

/// One picture of the game: a PNG image drawn as a quad with its own size,
/// offset, mirroring, tint and opacity, all in world units. Images are
/// uploaded once per name; later pictures of the same name share the handle.
class cTexture final {
public:
    cTexture();
    /// A picture of the named image, read when it is first drawn or when the
    /// manager gets round to it: see loadLater.
    cTexture(const std::string& name, float width, float height, float x, float y, float angle,
             bool mirrorY, bool mirrorX);
    ~cTexture();

    // The manager keeps pointers to its pictures, so a copy would be a stranger to it.
    cTexture(const cTexture&) = delete;
    cTexture& operator=(const cTexture&) = delete;

    /// Shows the named image: shares a registered one, else reads and uploads it.
    void load(const std::string& name);
    /// Reads this picture's own image again, if it has one.
    void reload();
    /// Shows the named image from when the manager gets round to reading it,
    /// or when the picture is first drawn, whichever comes first: a picture
    /// out of view need not hold up the start. One already read is shared at once.
    void loadLater(const std::string& name);
    /// Reads the image this picture waits for, if it waits for one.
    void loadWaiting();
    /// The image this picture waits for; empty when it waits for none.
    const std::string& getWaitingName() const { return waitingName; }
    /// Draws the quad around the current origin, offset by (x, y), without
    /// the cells judged hidden since the last draw.
    void draw();

    /// Judges which cells of the picture, drawn upright at the world point
    /// (originX, originY), lie wholly behind what the occlusion holds; the
    /// next draw skips them. A turned picture is drawn whole.
    void judgeHidden(const cOcclusion& occlusion, float originX, float originY);
    /// Hides behind this picture, drawn upright at (originX, originY), what its
    /// covering cells cover. A turned or faded picture hides nothing.
    void hideBehind(cOcclusion& occlusion, float originX, float originY) const;

    void setSize(float width, float height);
    void setAngle(float degrees);
    void setMirrorX(bool mirror);
    void setMirrorY(bool mirror);
    void setAlpha(float opacity);
    /// Positive components add to the image, otherwise they darken their channel.
    void setTint(float red, float green, float blue);

    float getWidth() const { return width; }
    float getHeight() const { return height; }
    float getAngle() const { return angle; }
    float getRed() const { return red; }
    float getGreen() const { return green; }
    float getBlue() const { return blue; }
    float getAlpha() const { return alpha; }
    /// The quad's centre from the drawing origin, before the picture's rotation.
    float getOffsetX() const { return x; }
    float getOffsetY() const { return y; }
    /// How far from its centre the quad can reach, at any angle.
    float getReach() const;
    bool isMirroredX() const { return mirrorX; }
    /// The OpenGL texture shown, 0 when there is none.
    unsigned int getId() const { return id; }
    /// The image this picture read itself; empty when it shares or has none.
    const std::string& getName() const { return name; }
    /// Which parts of the image paint anything; null without an image.
    const std::shared_ptr<const cCoverage>& getCoverage() const { return coverage; }

    /// Forgets a handle that died with the window's OpenGL context, so that
    /// the next load of this picture uploads its image again.
    void forgetLostHandle() { id = 0; }

private:
    /// The parts of a picture drawn apart: what covers everything under it,
    /// painted without blending, and the rest.
    enum Part { OPAQUE_PART, SEE_THROUGH_PART };

    void upload(SDL_Surface* surface);
    void drawPart(Part part);
    void applyTint() const;
    void drawCells(Part part) const;
    void drawCellsWhere(bool covering, bool blended) const;
    /// The quad's corners around its centre for the image between texture
    /// coordinates (s0, t0) and (s1, t1); mirrored, left lies right of right.
    struct Corners {
        float left, right, top, bottom;
    };
    Corners cornersOf(float s0, float s1, float t0, float t1) const;
    void drawSpan(float s0, float s1, float t0, float t1) const;
    bool isHidden(int column, int row) const;
    /// Where the image between texture coordinates (s0, t0) and (s1, t1) lies
    /// when the picture is drawn upright at the world point (originX, originY).
    cOcclusion::Area areaOf(float originX, float originY, float s0, float s1, float t0, float t1) const;
    /// The covering cells from the run of columns [first, end) in a row down to
    /// the last row below that covers the same columns.
    cOcclusion::Area coveringBlock(float originX, float originY, int first, int end, int row) const;

    unsigned int id = 0;
    std::string name;
    std::string waitingName;
    float width = 0.0f;
    float height = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    bool mirrorY = false;
    bool mirrorX = false;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 1.0f;
    // Which parts of the image paint anything; shared with every picture of it.
    std::shared_ptr<const cCoverage> coverage;
    // One flag a cell, set by judgeHidden for the next draw only.
    std::vector<unsigned char> hiddenCells;
    bool hiddenJudged = false;
};
