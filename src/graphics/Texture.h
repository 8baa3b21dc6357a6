#pragma once

#include <SDL.h>

#include <memory>
#include <string>

class cCoverage;

/// One picture of the game: a PNG image drawn as a quad with its own size,
/// offset, mirroring, tint and opacity, all in world units. Images are
/// uploaded once per name; later pictures of the same name share the handle.
class cTexture final {
public:
    cTexture();
    /// A picture of the named image, read at once, or later when asked: see loadLater.
    cTexture(const std::string& name, float width, float height, float x, float y, float angle,
             bool mirrorY, bool mirrorX, bool later = false);
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
    /// The image this picture waits for; empty when it waits for none.
    const std::string& getWaitingName() const { return waitingName; }
    /// The parts of a picture that can be drawn apart: what covers everything
    /// under it, painted without blending, and the rest.
    enum Part { OPAQUE_PART, SEE_THROUGH_PART };

    /// Draws the quad around the current origin, offset by (x, y).
    void draw();
    /// Draws one part of the quad: the opaque parts of all pictures can go
    /// first, nearest first, so that the renderer skips what they hide.
    void drawPart(Part part);

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
    void upload(SDL_Surface* surface);
    void applyTint() const;
    void drawCells(Part part) const;
    void drawCellsWhere(bool covering, bool blended) const;
    void drawSpan(float s0, float s1, float t0, float t1) const;

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
};
