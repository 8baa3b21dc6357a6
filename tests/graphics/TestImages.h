#pragma once

#include "support/TestWindow.h"

// The pictures made by tools/make-test-images.py: four quadrants each.
namespace images {

inline const char* const CORNERS = "images/corners.png";
inline const char* const CORNERS_RGB = "images/corners-rgb.png";
inline const char* const CORNERS_BGR = "images/corners-bgr.bmp";
inline const char* const PALETTE = "images/palette.png";
inline const char* const PALETTE_KEYED = "images/palette-keyed.png";
inline const char* const GREY = "images/grey.png";
inline const char* const GREY_ALPHA = "images/grey-alpha.png";
/// 256 texels a side: nothing, red, half see-through green, blue.
inline const char* const CELLS = "images/cells.png";
inline const char* const MISSING = "images/no-such-picture.png";

inline constexpr Rgba STEEL{100, 150, 200, 255};
inline constexpr Rgba RED{220, 40, 40, 255};
inline constexpr Rgba GREEN{40, 200, 60, 255};
inline constexpr Rgba BLUE{40, 60, 220, 255};
/// GREEN at alpha 128 over the background.
inline constexpr Rgba HALF_GREEN{127, 213, 155, 255};

/// The colours of one picture's quadrants as they should appear on screen.
struct Quadrants {
    Rgba topLeft, topRight, bottomLeft, bottomRight;
};

inline constexpr Quadrants CORNER_COLOURS{STEEL, RED, GREEN, BLUE};
inline constexpr Quadrants GREY_COLOURS{{200, 200, 200, 255}, {60, 60, 60, 255}, {120, 120, 120, 255}, {0, 0, 0, 255}};

constexpr Quadrants upsideDown(const Quadrants& q)
{
    return {q.bottomLeft, q.bottomRight, q.topLeft, q.topRight};
}

constexpr Quadrants halfTurn(const Quadrants& q)
{
    return {q.bottomRight, q.bottomLeft, q.topRight, q.topLeft};
}

} // namespace images
