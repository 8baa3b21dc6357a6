#include "graphics/Coverage.h"

#include <algorithm>

namespace {

constexpr int OPAQUE_ALPHA = 255;

int cellsFor(int texels) { return (texels + cCoverage::CELL_TEXELS - 1) / cCoverage::CELL_TEXELS; }

} // namespace

cCoverage::cCoverage(SDL_Surface* surface)
    : width(surface->w), height(surface->h), columnCount(cellsFor(surface->w)), rowCount(cellsFor(surface->h))
{
    cells.reserve(static_cast<std::size_t>(columnCount * rowCount));
    SDL_LockSurface(surface);
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            cells.push_back(judge(surface, column, row));
        }
    }
    SDL_UnlockSurface(surface);
}

float cCoverage::columnStart(int column) const
{
    return static_cast<float>(std::min(column * CELL_TEXELS, width)) / static_cast<float>(width);
}

float cCoverage::rowStart(int row) const
{
    return static_cast<float>(std::min(row * CELL_TEXELS, height)) / static_cast<float>(height);
}

// Filtering reads one texel beyond a cell's edge, so that texel counts too: a
// covering cell beside an empty one would otherwise paint a dark seam.
cCoverage::Cell cCoverage::judge(const SDL_Surface* surface, int column, int row) const
{
    if (surface->format->BytesPerPixel != 4) {
        return COVERING;
    }
    const int left = std::max(0, column * CELL_TEXELS - 1);
    const int right = std::min(width, (column + 1) * CELL_TEXELS + 1);
    const int top = std::max(0, row * CELL_TEXELS - 1);
    const int bottom = std::min(height, (row + 1) * CELL_TEXELS + 1);
    bool anyShown = false;
    bool anySeeThrough = false;
    for (int y = top; y < bottom; ++y) {
        const auto* pixels = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = left; x < right; ++x) {
            const Uint8 alpha = pixels[4 * x + 3];
            anyShown = anyShown || alpha != 0;
            anySeeThrough = anySeeThrough || alpha != OPAQUE_ALPHA;
        }
        if (anyShown && anySeeThrough) {
            return BLENDED;
        }
    }
    return anyShown ? COVERING : EMPTY;
}
