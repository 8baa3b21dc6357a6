#pragma once

#include <string>

/// A drawing written to hurt: outlines Box2D would refuse or choke on
/// (overflowing, not-a-number, collinear, crossed, too many or repeated
/// corners, thousands of points), broken paths and attributes, and every
/// label the level reads, each once beside the others on one spot, once far
/// out and once beyond the reader's reach.
std::string hostileDrawing();
