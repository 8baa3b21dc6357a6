"""Checks that the generator refuses what the game could not use.

    python3 tools/level/test_levelgen.py
"""
import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import geometry  # noqa: E402
import levelgen  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def level_text():
    with open(os.path.join(HERE, "level1.txt")) as source:
        return source.read()


class GeneratorChecks(unittest.TestCase):
    def test_the_level_passes_every_check(self):
        self.assertEqual(levelgen.build(level_text())[2], [])

    def test_ground_pieces_are_convex_and_at_most_eight_corners(self):
        surface = [(0, 0), (1, 1), (2, 1.8), (3, 2.4), (4, 2.8), (5, 3.0), (6, 3.1), (7, 3.0), (8, 0)]
        pieces = geometry.ground_pieces(surface, -5)
        self.assertGreater(len(pieces), 1)
        for piece in pieces:
            self.assertEqual(geometry.outline_faults(piece), [])

    def test_a_concave_outline_is_refused(self):
        faults = geometry.outline_faults([(0, 0), (4, 0), (2, 1), (4, 4), (0, 4)])
        self.assertTrue(any("convex" in f for f in faults))

    def test_collinear_corners_are_refused(self):
        faults = geometry.outline_faults([(0, 0), (1, 0), (2, 0), (2, 2), (0, 2)])
        self.assertTrue(any("convex" in f for f in faults))

    def test_nine_corners_are_refused(self):
        ring = [(10 + 3 * math.cos(k * 0.69), 10 + 3 * math.sin(k * 0.69)) for k in range(9)]
        self.assertIn("has 9 corners (3 to 8 allowed)", geometry.outline_faults(ring))

    def test_terrain_outside_the_tiles_is_refused(self):
        faults = geometry.outline_faults([(0, 0), (2, 0), (2, 40), (0, 40)])
        self.assertIn("leaves the scenery tiles", faults)

    def test_a_missing_bird_is_reported(self):
        text = level_text().replace("mark bird ", "mark cherry ")
        faults = levelgen.build(text)[2]
        self.assertIn("label bird has 0 points, the level reads 2", faults)

    def test_a_marker_inside_the_ground_is_reported(self):
        faults = levelgen.build(level_text() + "mark domino 5,-1\n")[2]
        self.assertTrue(any("domino" in f and "inside the terrain" in f for f in faults))


if __name__ == "__main__":
    unittest.main()
