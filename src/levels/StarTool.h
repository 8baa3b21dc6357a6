#pragma once

#include <box2d/b2_math.h>

/// What a star becomes once the wheel reaches it: a tool on a layer of its own,
/// shown by the tool's picture. The layers put the tools in this order in the
/// registry, which is the order the drag box stacks them in.
struct StarTool {
    int kind;
    int layer;
    const char* image;
    float size;
    b2Vec2 offset;
};

/// The five stars, in the order the rules look at them.
extern const StarTool STAR_TOOLS[5];
