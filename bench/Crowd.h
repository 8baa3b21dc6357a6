#pragma once

class b2World;

/// Fills the sky above a point with the tools' objects, built by the game's
/// factories as a drop builds them, until the world holds at least the given
/// number of bodies: half of them a loose grid of every tool, the rest a block
/// of cherries packed so tight that they touch at thousands of points.
/// Returns the number of objects placed.
int placeCrowd(b2World* world, float x, float y, int bodies);
