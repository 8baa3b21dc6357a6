#pragma once

#include <SDL.h>

#include <vector>

/// Which square cells of an image paint nothing, which cover whatever lies
/// under them, and which must be blended. A big picture is drawn cell by cell:
/// the empty cells are skipped and the covering ones painted without blending,
/// which is most of what painting costs on a software renderer.
class cCoverage final {
public:
    enum Cell : unsigned char { EMPTY, COVERING, BLENDED };

    /// Cells of this many texels a side; the last row and column may be narrower.
    static constexpr int CELL_TEXELS = 32;

    /// Judges the pixels of an uploadable surface (R, G, B and maybe A bytes).
    explicit cCoverage(SDL_Surface* surface);

    int columns() const { return columnCount; }
    int rows() const { return rowCount; }
    Cell at(int column, int row) const { return cells[static_cast<std::size_t>(row * columnCount + column)]; }
    /// The share of the image's width or height where a column or row begins (0..1).
    float columnStart(int column) const;
    float rowStart(int row) const;

private:
    Cell judge(const SDL_Surface* surface, int column, int row) const;

    int width = 0;
    int height = 0;
    int columnCount = 0;
    int rowCount = 0;
    std::vector<Cell> cells;
};
