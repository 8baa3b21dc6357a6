#include "graphics/Occlusion.h"

#include <algorithm>
#include <cmath>

namespace {

// A covering area gives up this much of its edge before it hides a block, so
// that every point of a hidden block lies strictly inside what covers it: the
// renderer paints a pixel whose centre falls exactly on an edge only on one side.
constexpr float EDGE_ALLOWANCE = 0.001f;

} // namespace

void cOcclusion::reset(const Area& watched)
{
    region = watched;
    columns = std::max(0, static_cast<int>(std::ceil((watched.right - watched.left) / BLOCK_SIZE)));
    rows = std::max(0, static_cast<int>(std::ceil((watched.top - watched.bottom) / BLOCK_SIZE)));
    covered.assign(static_cast<std::size_t>(columns * rows), 0);
}

int cOcclusion::column(float x) const { return static_cast<int>(std::floor((x - region.left) / BLOCK_SIZE)); }

int cOcclusion::row(float y) const { return static_cast<int>(std::floor((y - region.bottom) / BLOCK_SIZE)); }

bool cOcclusion::hides(const Area& area) const
{
    const int firstColumn = std::max(0, column(area.left));
    const int lastColumn = std::min(columns - 1, column(area.right));
    const int firstRow = std::max(0, row(area.bottom));
    const int lastRow = std::min(rows - 1, row(area.top));
    if (firstColumn > lastColumn) {
        return true;
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        const auto* blocks = covered.data() + r * columns;
        if (std::find(blocks + firstColumn, blocks + lastColumn + 1, 0) != blocks + lastColumn + 1) {
            return false;
        }
    }
    return true;
}

void cOcclusion::cover(const Area& area)
{
    // The first block whose left edge lies inside, up to the last whose right edge does.
    const int firstColumn = std::max(0, column(area.left + EDGE_ALLOWANCE) + 1);
    const int lastColumn = std::min(columns - 1, column(area.right - EDGE_ALLOWANCE) - 1);
    const int firstRow = std::max(0, row(area.bottom + EDGE_ALLOWANCE) + 1);
    const int lastRow = std::min(rows - 1, row(area.top - EDGE_ALLOWANCE) - 1);
    if (firstColumn > lastColumn) {
        return;
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        auto* blocks = covered.data() + r * columns;
        std::fill(blocks + firstColumn, blocks + lastColumn + 1, 1);
    }
}
