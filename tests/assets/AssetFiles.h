#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <box2d/box2d.h>

#include <memory>
#include <string>
#include <vector>

/// The real data folder of the source tree (the tests run in tests/data).
inline std::string dataPath(const std::string& name)
{
    return std::string(QUIB_SOURCE_DIR) + "/data/" + name;
}

inline bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

/// Where the game shows a picture: its size and the offset of its centre from
/// the object's origin, in world units; mirrored left-right when mirrorX.
struct PictureFrame {
    float width, height, x, y;
    bool mirrorX;
};

/// A PNG of the data folder, read with SDL_image as the game reads it.
class Picture final {
public:
    explicit Picture(const std::string& name)
        : surface(IMG_Load(dataPath(name).c_str()), SDL_FreeSurface)
    {
    }

    bool loaded() const { return surface != nullptr; }
    int width() const { return surface->w; }
    int height() const { return surface->h; }
    int bytesPerPixel() const { return surface->format->BytesPerPixel; }

    /// The pixel in column u, row v (row 0 is the top of the image).
    SDL_Color colorAt(int u, int v) const
    {
        Uint32 pixel = 0;
        const auto* row = static_cast<const Uint8*>(surface->pixels) + v * surface->pitch;
        SDL_memcpy(&pixel, row + u * bytesPerPixel(), bytesPerPixel());
        SDL_Color color{};
        SDL_GetRGBA(pixel, surface->format, &color.r, &color.g, &color.b, &color.unused);
        return color;
    }

    int alphaAt(int u, int v) const { return colorAt(u, v).unused; }

    /// The opacity the picture shows at a body-local world point, or -1 when the
    /// point lies outside the picture.
    int alphaAtWorld(const PictureFrame& frame, b2Vec2 p) const
    {
        float across = (p.x - (frame.x - frame.width / 2)) / frame.width;
        const float down = ((frame.y + frame.height / 2) - p.y) / frame.height;
        if (frame.mirrorX) {
            across = 1.0f - across;
        }
        const int u = static_cast<int>(across * width());
        const int v = static_cast<int>(down * height());
        if (u < 0 || v < 0 || u >= width() || v >= height()) {
            return -1;
        }
        return alphaAt(u, v);
    }

private:
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface;
};

/// Points well inside a convex outline: its centroid and the points part of
/// the way from there towards each corner.
inline std::vector<b2Vec2> pointsInside(const std::vector<b2Vec2>& outline, float fraction)
{
    b2Vec2 centre(0.0f, 0.0f);
    for (const b2Vec2& p : outline) {
        centre += p;
    }
    centre *= 1.0f / static_cast<float>(outline.size());
    std::vector<b2Vec2> points{centre};
    for (const b2Vec2& p : outline) {
        points.push_back(centre + fraction * (p - centre));
    }
    return points;
}

inline float distanceToSegment(b2Vec2 p, b2Vec2 a, b2Vec2 b)
{
    const b2Vec2 ab = b - a;
    const float t = b2Clamp(b2Dot(p - a, ab) / b2Max(b2Dot(ab, ab), 1e-12f), 0.0f, 1.0f);
    return b2Distance(p, a + t * ab);
}

/// Distance from a point to an outline's boundary.
inline float distanceToOutline(b2Vec2 p, const std::vector<b2Vec2>& outline)
{
    float best = 1e30f;
    for (size_t i = 0; i < outline.size(); ++i) {
        best = b2Min(best, distanceToSegment(p, outline[i], outline[(i + 1) % outline.size()]));
    }
    return best;
}

/// Inside a counter-clockwise convex outline.
inline bool insideOutline(b2Vec2 p, const std::vector<b2Vec2>& outline)
{
    for (size_t i = 0; i < outline.size(); ++i) {
        const b2Vec2 a = outline[i], b = outline[(i + 1) % outline.size()];
        if (b2Cross(b - a, p - a) < 0.0f) {
            return false;
        }
    }
    return true;
}
