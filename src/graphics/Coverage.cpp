#include "graphics/Coverage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int OPAQUE_ALPHA = 255;

int cellsFor(int texels) { return (texels + cCoverage::CELL_TEXELS - 1) / cCoverage::CELL_TEXELS; }

// The alpha byte of a texel, or of texels ANDed or ORed together: the fourth
// in memory, whatever the machine's byte order.
Uint8 alphaOf(Uint32 texels)
{
    Uint8 bytes[4];
    std::memcpy(bytes, &texels, sizeof bytes);
    return bytes[3];
}

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
// covering cell beside an empty one would otherwise paint a dark seam. The
// texels are taken whole, ANDed and ORed: a big picture has a million of them
// to judge before it first shows.
cCoverage::Cell cCoverage::judge(const SDL_Surface* surface, int column, int row) const
{
    if (surface->format->BytesPerPixel != 4) {
        return COVERING;
    }
    const int left = std::max(0, column * CELL_TEXELS - 1);
    const int right = std::min(width, (column + 1) * CELL_TEXELS + 1);
    const int top = std::max(0, row * CELL_TEXELS - 1);
    const int bottom = std::min(height, (row + 1) * CELL_TEXELS + 1);
    Uint32 all = ~0u;
    Uint32 any = 0;
    for (int y = top; y < bottom; ++y) {
        const auto* pixels = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + 4 * left;
        for (int x = 0; x < right - left; ++x) {
            Uint32 texel;
            std::memcpy(&texel, pixels + 4 * x, sizeof texel);
            all &= texel;
            any |= texel;
        }
        if (alphaOf(any) != 0 && alphaOf(all) != OPAQUE_ALPHA) {
            return BLENDED;
        }
    }
    return alphaOf(any) != 0 ? COVERING : EMPTY;
}
