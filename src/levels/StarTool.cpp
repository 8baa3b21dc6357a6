#include "levels/StarTool.h"

#include "objects/ObjectKind.h"

const StarTool STAR_TOOLS[5] = {
    {KIND_BOWLING_STAR, 11, "images/bowling.png", 1.4f, {0.0f, 0.0f}},
    {KIND_BALANCE_STAR, 12, "images/balanceDragBox.png", 1.4f, {0.0f, 0.0f}},
    {KIND_CHERRY_STAR, 13, "images/cherry.png", 1.6f, {-0.05f, -0.1f}},
    {KIND_SKATE_STAR, 14, "images/skateDragBox.png", 1.6f, {0.0f, 0.0f}},
    {KIND_CANNON_STAR, 15, "images/cannon.png", 1.4f, {0.0f, 0.0f}},
};
