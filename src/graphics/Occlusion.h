#pragma once

#include <vector>

/// What the opaque pictures painted so far hide, kept in small square blocks
/// of the world. The pictures are judged nearest first: each asks which of its
/// cells lie wholly behind nearer ones, then hides what its own covering cells
/// cover. The scene is then painted from the back, skipping the hidden cells:
/// a software renderer pays for every pixel it paints, covered later or not.
class cOcclusion final {
public:
    /// A rectangle of the world, in world units.
    struct Area {
        float left, bottom, right, top;
    };

    /// Forgets what was hidden and watches this part of the world: nothing
    /// outside it is ever shown, so it counts as hidden.
    void reset(const Area& watched);
    /// Whether no part of the area can be seen.
    bool hides(const Area& area) const;
    /// Hides the blocks that lie wholly inside the area, which is painted opaque.
    void cover(const Area& area);

private:
    static constexpr float BLOCK_SIZE = 0.25f;

    int column(float x) const;
    int row(float y) const;

    Area region{0.0f, 0.0f, 0.0f, 0.0f};
    int columns = 0;
    int rows = 0;
    std::vector<unsigned char> covered;
};
