#pragma once

#include <SDL.h>

#include <string>

/// One picture of the game: a PNG image drawn as a quad with its own size,
/// offset, mirroring, tint and opacity, all in world units. Images are
/// uploaded once per name; later pictures of the same name share the handle.
class cTexture final {
public:
    cTexture();
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
    /// Draws the quad around the current origin, offset by (x, y).
    void draw();

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
    bool isMirroredX() const { return mirrorX; }
    /// The OpenGL texture shown, 0 when there is none.
    unsigned int getId() const { return id; }
    /// The image this picture read itself; empty when it shares or has none.
    const std::string& getName() const { return name; }

    /// Forgets a handle that died with the window's OpenGL context, so that
    /// the next load of this picture uploads its image again.
    void forgetLostHandle() { id = 0; }

private:
    void upload(SDL_Surface* surface);
    void applyTint() const;

    unsigned int id = 0;
    std::string name;
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
};
