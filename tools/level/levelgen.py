#!/usr/bin/env python3
"""Builds the level drawing from its description.

    levelgen.py DESCRIPTION OUTPUT.svg

Refuses to write anything when an outline would not make a sound polygon or a
marker the level reads is missing or misplaced, and says why."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import describe  # noqa: E402
import geometry  # noqa: E402
import markers as markercheck  # noqa: E402
import svg  # noqa: E402


def build(text):
    """The drawing's outlines and markers, as the game will read them back, and
    every fault found in them."""
    level = describe.parse(text)
    if level.grounds and "floor" not in level.names:
        raise describe.DescriptionError("a ground needs 'let floor = ...'")
    raw = list(level.outlines)
    for surface in level.grounds:
        raw += geometry.ground_pieces(surface, level.names["floor"])
    outlines = [[_as_read(p) for p in o] for o in raw]
    points = [(label, _as_read(p)) for label, p in level.markers]
    faults = []
    for i, o in enumerate(outlines):
        faults += ["outline %d %s" % (i + 1, f) for f in geometry.outline_faults(o)]
    faults += markercheck.marker_faults(points, outlines)
    return outlines, points, faults


def _as_read(p):
    """The point after its trip through the drawing's rounded page units."""
    return svg.to_world(svg.to_page(p))


def main(argv):
    if len(argv) != 3:
        print("usage: levelgen.py DESCRIPTION OUTPUT.svg")
        return 2
    with open(argv[1]) as source:
        text = source.read()
    try:
        outlines, points, faults = build(text)
    except (describe.DescriptionError, ValueError) as error:
        print("%s: %s" % (argv[1], error))
        return 1
    if faults:
        print("\n".join("%s: %s" % (argv[1], f) for f in faults))
        return 1
    with open(argv[2], "w") as out:
        out.write(svg.document(outlines, points))
    print("%s: %d outlines, %d markers" % (argv[2], len(outlines), len(points)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
