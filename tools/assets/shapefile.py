"""Reads and writes object and level drawings in the narrow SVG dialect the
game's shape reader understands: absolute straight-line paths, one per
element, each attribute after a blank, labels in inkscape:label with a
leading character that the reader drops.
"""
import re

PAGE_HEIGHT = 480.0
UNITS = 25.0


def to_page(x, y):
    return UNITS * x, PAGE_HEIGHT - UNITS * y


def to_world(px, py):
    return px / UNITS, (PAGE_HEIGHT - py) / UNITS


def _pair(x, y):
    px, py = to_page(x, y)
    return "%s,%s" % (_number(px), _number(py))


def _number(value):
    text = "%.4f" % value
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def path_data(points):
    """A closed outline repeats its first corner last (the reader drops the
    pair after the last separator); a marker is one point drawn to itself."""
    if len(points) == 1:
        points = [points[0], points[0]]
    else:
        points = list(points) + [points[0]]
    return "M " + " L ".join(_pair(x, y) for x, y in points) + (" z" if len(points) > 2 else "")


def write(path, named_outlines):
    lines = ['<?xml version="1.0" encoding="UTF-8" standalone="no"?>',
             '<!-- Made by tools/assets/shapes.py from tools/assets/geometry.py -->',
             '<svg',
             '   xmlns="http://www.w3.org/2000/svg"',
             '   xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"',
             '   width="640"',
             '   height="480"',
             '   viewBox="0 0 640 480">']
    for index, (label, points) in enumerate(named_outlines):
        lines += ['  <path',
                  '     id="path%d"' % (index + 1),
                  '     d="%s"' % path_data(points),
                  '     inkscape:label="#%s"' % label,
                  '     style="fill:#d8b27a;stroke:#5a3a1e;stroke-width:1" />']
    lines.append('</svg>')
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


_PAIR = re.compile(r"^\s*([-+0-9.eE]+)")


def _leading_number(text):
    match = _PAIR.match(text)
    return float(match.group(1)) if match else 0.0


def _read_path(tag):
    start = tag.find(' d="', 5)
    if start < 0:
        return []
    value = tag[start + 3:tag.find('"', start + 4)]
    points, pair_start, search = [], 3, 0
    while True:
        comma = value.find(",", search)
        if comma < 0:
            break
        separator = value.find(" L ", comma)
        if separator < 0:
            break
        x = _leading_number(value[pair_start:comma])
        y = _leading_number(value[comma + 1:separator])
        points.append(to_world(x, y))
        pair_start = search = separator + 3
    return points


def _read_label(tag):
    start = tag.find(' inkscape:label="', 5)
    if start < 0:
        return ""
    end = tag.find('"', start + 17)
    return tag[start + 18:end]


def read(path):
    """(label, points in world units) for every path element, in file order,
    exactly as the game's reader sees them (orientation left as drawn)."""
    with open(path) as source:
        text = "".join(line.rstrip("\n") + " " for line in source if line.endswith("\n"))
    result = []
    for match in re.finditer(r"<path[^>]*>", text):
        tag = match.group(0)
        result.append((_read_label(tag), _read_path(tag)))
    return result
