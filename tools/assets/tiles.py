"""Renders the scenery tiles data/images/level1..9.png from the terrain
outlines of data/shapes/level.svg: the same outlines the physics uses, so
the ground the player sees is the ground that holds them. A chequered flag
stands at each "goal" marker: the level's end, seen from afar.

The whole terrain is drawn once in world units; each tile is the same
drawing seen through its own 40.96-unit window, so the tiles meet exactly.
"""
import math
import os
import random
import sys

import art_scene
import polygon
import shapefile
import svg
from geometry import Frame

TILE_SIZE = 40.96  # 1024 pixels at 25 pixels per unit
TILE_PIXELS = 1024
TILE_COUNT = 9
GRASS_DEPTH = 0.38
PROBE = 0.05  # how far beyond an edge to look for a neighbouring outline
PIECE = 0.2  # edges are judged in pieces this long
GOAL = "goal"
POLE = (0.16, 5.0)  # the flag's pole, wide and high
FLAG = (2.8, 1.8)  # the flag, wide and high, in CHECKS squares across and down
CHECKS = (5, 3)


def tile_frame(k):
    """Where the game shows tile k (1-based)."""
    x = 15.05 + TILE_SIZE * (k - 1)
    y = 10.75 if k <= 5 else 13.75
    return Frame(TILE_SIZE, TILE_SIZE, x, y)


def terrain(level_svg):
    """The solid outlines of the level drawing, counter-clockwise."""
    return [polygon.counter_clockwise(points) for _, points in shapefile.read(level_svg)
            if len(points) >= 3]


def goals(level_svg):
    """Where the drawing's goal markers stand."""
    return [points[0] for label, points in shapefile.read(level_svg) if label == GOAL and points]


def _finish_flag(x, y):
    """A chequered flag on a pole standing at (x, y)."""
    (pole_w, pole_h), (flag_w, flag_h), (across, down) = POLE, FLAG, CHECKS
    left, top = x + pole_w / 2, y + pole_h
    items = [svg.rect(x - pole_w / 2, y, pole_w, pole_h, "#6b4328", width=0.04)]
    for i in range(across):
        for j in range(down):
            items.append(svg.rect(left + i * flag_w / across, top - (j + 1) * flag_h / down,
                                  flag_w / across, flag_h / down,
                                  "#ffffff" if (i + j) % 2 == 0 else svg.INK, width=0.0))
    items.append(svg.rect(left, top - flag_h, flag_w, flag_h, "none", width=0.06))
    return items


def _inside_any(outlines, x, y):
    return any(polygon.contains(points, x, y) for points in outlines)


def _pieces(points):
    """The outline's edges cut into short pieces, in order: (start, end, normal)."""
    pieces = []
    for i, (ax, ay) in enumerate(points):
        bx, by = points[(i + 1) % len(points)]
        length = math.hypot(bx - ax, by - ay)
        if length == 0:
            continue
        normal = ((by - ay) / length, -(bx - ax) / length)
        count = max(1, int(math.ceil(length / PIECE)))
        for j in range(count):
            t0, t1 = j / count, (j + 1) / count
            pieces.append(((ax + (bx - ax) * t0, ay + (by - ay) * t0),
                           (ax + (bx - ax) * t1, ay + (by - ay) * t1), normal))
    return pieces


def _faces_open_space(outlines, piece):
    (ax, ay), (bx, by), (nx, ny) = piece
    return not _inside_any(outlines, (ax + bx) / 2 + nx * PROBE, (ay + by) / 2 + ny * PROBE)


def exposed_runs(outlines, wanted=lambda normal: True):
    """Polylines along the parts of the outlines that face open space (not
    another outline) and whose outward normal passes the test."""
    runs = []
    for points in outlines:
        pieces = _pieces(points)
        keep = [wanted(p[2]) and _faces_open_space(outlines, p) for p in pieces]
        if all(keep):
            runs.append([p[0] for p in pieces] + [pieces[0][0]])
            continue
        first = keep.index(False)  # start each run after a gap, so none wraps
        run = []
        for k in range(len(pieces)):
            i = (first + k) % len(pieces)
            if keep[i]:
                run = run or [pieces[i][0]]
                run.append(pieces[i][1])
            elif run:
                runs.append(run)
                run = []
        if run:
            runs.append(run)
    return runs


def _land_path(outlines):
    return " ".join("M " + " L ".join("%.4f,%.4f" % p for p in points) + " Z"
                    for points in outlines)


def _stones(outlines, rng):
    """Pebbles scattered through the ground, placed by world position."""
    xs = [x for points in outlines for x, _ in points]
    ys = [y for points in outlines for _, y in points]
    items = []
    y = min(ys)
    while y < max(ys):
        x = min(xs)
        while x < max(xs):
            px, py = x + rng.uniform(0, 1.6), y + rng.uniform(0, 1.6)
            if rng.random() < 0.35 and _inside_any(outlines, px, py):
                r = rng.uniform(0.08, 0.2)
                items.append(svg.ellipse(px, py, r * 1.4, r, "#8c6a4f", width=0.03,
                                         extra="opacity:0.6;", rotate=rng.uniform(-30, 30)))
            x += 1.6
        y += 1.6
    return items


def _strata(outlines):
    xs = [x for points in outlines for x, _ in points]
    ys = [y for points in outlines for _, y in points]
    items, y = [], math.floor(min(ys))
    while y < max(ys):
        d = "M %.2f,%.2f" % (min(xs) - 1, y)
        x = min(xs) - 1
        while x < max(xs) + 1:
            d += " Q %.2f,%.2f %.2f,%.2f" % (x + 1.5, y + 0.25 * math.sin(x * 0.7 + y), x + 3, y)
            x += 3
        items.append(svg.path(d, "none", "#6b4328", 0.06, "opacity:0.35;"))
        y += 1.7
    return items


def _lines(runs, colour, width):
    return [svg.polyline(run, colour, width, "stroke-linecap:butt;") for run in runs]


def drawing(outlines):
    """(defs, items) of the whole terrain in world units."""
    land = _land_path(outlines)
    ys = [y for points in outlines for _, y in points]
    dirt = svg.linear_gradient("dirt", 0, max(ys), 0, min(ys), [
        (0, "#b98552"), (0.5, "#9a6a40"), (1, art_scene.DEEP_EARTH)])
    clip = '<clipPath id="land"><path d="%s"/></clipPath>' % land
    grass = exposed_runs(outlines, lambda normal: normal[1] > 0.35)
    inside = (_strata(outlines) + _stones(outlines, random.Random(11)) +
              _lines(grass, "#5f9e3c", 2 * GRASS_DEPTH) +
              _lines(grass, "#8cc65a", GRASS_DEPTH) +
              _lines(exposed_runs(outlines), svg.INK, 0.12))
    items = [svg.path(land, "url(#dirt)", width=0.0),
             '<g clip-path="url(#land)">%s</g>' % "".join(inside)]
    return [dirt, clip], items


def main(level_svg, out_dir):
    outlines = terrain(level_svg)
    if not outlines:
        sys.exit("no terrain outlines in " + level_svg)
    defs, items = drawing(outlines)
    for x, y in goals(level_svg):
        items += _finish_flag(x, y)
    os.makedirs(out_dir, exist_ok=True)
    for k in range(1, TILE_COUNT + 1):
        text = svg.document(tile_frame(k), (TILE_PIXELS, TILE_PIXELS), defs, items)
        svg.render(text, os.path.join(out_dir, "level%d.png" % k))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/shapes/level.svg",
         sys.argv[2] if len(sys.argv) > 2 else "data/images")
