"""Scenery and interface: the far background, the big tree, the drag-box
panel and the sound buttons."""
import math
import random

import svg

BACKGROUND_SIZE = 40.0
BACKGROUND_REPEAT = 39.7  # the right copy of the background stands this far on
SKY = "#d6e3fa"  # the window's clear colour, so the sky meets it without a seam
DEEP_EARTH = "#7a5032"  # the scenery's earth at the terrain's lowest point


def _periodic(x, terms):
    period = BACKGROUND_REPEAT
    return sum(a * math.sin(2 * math.pi * k * x / period + phase) for k, a, phase in terms)


class _Ridge:
    """A hill line that repeats every BACKGROUND_REPEAT units."""

    def __init__(self, base, terms):
        self.base, self.terms = base, terms

    def height(self, x):
        return self.base + _periodic(x, self.terms)

    def filled(self, colour):
        half = BACKGROUND_SIZE / 2 + 0.5
        xs = [-half + i * 0.2 for i in range(int(2 * half / 0.2) + 1)]
        points = [(x, self.height(x)) for x in xs]
        return svg.polygon(points + [(half, -half - 1), (-half, -half - 1)], colour, width=0.0)

    def trees(self, rng, colour, count, size):
        """Pointed fir tops standing on the hill line, in both copies' overlap."""
        items = []
        for k in range(count):
            x0 = k * BACKGROUND_REPEAT / count + rng.uniform(-0.3, 0.3)
            height = size * rng.uniform(0.8, 1.3)
            for x in (x0 - BACKGROUND_REPEAT, x0, x0 + BACKGROUND_REPEAT):
                foot = self.height(x) - 0.4
                items.append(svg.polygon([(x - height * 0.35, foot), (x, foot + height),
                                          (x + height * 0.35, foot)], colour, width=0.0))
        return items


def _cloud(x, y, scale):
    puffs = [(-1.0, 0.0, 0.9), (0.0, 0.4, 1.2), (1.1, 0.1, 0.95), (0.3, -0.2, 1.0)]
    return [svg.ellipse(x + dx * scale, y + dy * scale, r * scale * 1.3, r * scale * 0.8,
                        "#ffffff", width=0.0, extra="opacity:0.85;") for dx, dy, r in puffs]


def background():
    rng = random.Random(7)
    half = BACKGROUND_SIZE / 2
    sky = svg.linear_gradient("sky", 0, half, 0, -6, [(0, SKY), (0.7, "#e6eef8"),
                                                      (1, "#f7efd9")])
    items = [svg.rect(-half - 1, -half - 1, BACKGROUND_SIZE + 2, BACKGROUND_SIZE + 2,
                      "url(#sky)", width=0.0)]
    for x0, y, scale in ((3.0, 12.0, 1.6), (17.0, 8.5, 1.1), (29.0, 14.0, 1.9)):
        for x in (x0 - BACKGROUND_REPEAT, x0, x0 + BACKGROUND_REPEAT):
            items += _cloud(x, y, scale)
    items.append(_Ridge(-2.0, [(2, 2.2, 0.3), (3, 1.3, 1.9), (7, 0.6, 0.5)]).filled("#b9cbe0"))
    layers = [(_Ridge(-4.2, [(1, 0.8, 2.0), (4, 0.7, 0.2), (9, 0.3, 1.1)]), "#94b49b", 34, 2.2),
              (_Ridge(-8.0, [(2, 0.9, 1.0), (5, 0.5, 2.5), (11, 0.25, 0.4)]), "#6f9a78", 26, 3.2),
              (_Ridge(-12.0, [(3, 0.6, 0.7), (6, 0.4, 1.7)]), "#5a8464", 0, 0)]
    for ridge, colour, count, size in layers:
        items += ridge.trees(rng, colour, count, size)
        items.append(ridge.filled(colour))
    return [sky], items


def underground():
    """Plain earth, stretched by the game below the lowest terrain."""
    return [], [svg.rect(-1.0, -1.0, 3.0, 3.0, DEEP_EARTH, width=0.0)]


def tree():
    bark = svg.linear_gradient("bark", -1.2, 0, 1.2, 0, [
        (0, "#6e4526"), (0.45, "#9b6a3f"), (1, "#5a361c")])
    trunk = ("M -1.6,-8.4 C -0.9,-7.6 -0.9,-6.0 -0.95,-3.5 C -1.0,-1.0 -1.4,1.0 -2.6,2.6 "
             "L -1.9,3.0 C -0.9,1.9 -0.5,1.2 -0.3,0.2 C 0.1,1.4 0.9,2.4 2.4,3.2 L 2.8,2.6 "
             "C 1.4,1.6 0.9,0.4 0.95,-2.0 C 1.0,-5.0 1.0,-7.4 1.8,-8.4 Z")
    crown = [(-4.6, 3.2, 2.6), (4.4, 3.0, 2.7), (-2.4, 5.6, 2.9), (2.2, 5.8, 3.0),
             (0.0, 4.0, 3.1), (-0.2, 7.2, 2.2), (-5.6, 5.2, 1.8), (5.5, 5.4, 1.9)]
    items = [svg.path(trunk, "url(#bark)", width=0.12)]
    for x, y, r in crown:
        items.append(svg.circle(x, y, r, "#4f8a3c", width=0.12))
    for x, y, r in crown:
        items.append(svg.circle(x - r * 0.25, y + r * 0.25, r * 0.6, "#6aa84f", width=0.0))
    items.append(svg.ellipse(0, -8.3, 2.4, 0.2, "#3d2a18", width=0.0, extra="opacity:0.3;"))
    return [bark], items


def drag_box():
    wood = svg.linear_gradient("panel", -1, 0, 1, 0, [
        (0, "#e9d3a6"), (0.5, "#f6e7c6"), (1, "#e2c894")])
    items = [svg.rect(-0.94, -6.94, 1.88, 13.88, "url(#panel)", width=0.08, radius=0.35,
                      extra="opacity:0.88;")]
    for k in range(5):
        items.append(svg.circle(0, 5.8 - 1.5 * k, 0.7, "#c9a56e", width=0.04,
                                extra="opacity:0.45;"))
    for y in (-4.5, -6.0):  # the restart button, then the speaker
        items.append(svg.circle(0, y, 0.66, "#c9a56e", width=0.04, extra="opacity:0.45;"))
    return [wood], items


def _button():
    return svg.circle(0, 0, 0.56, "#f6e7c6", width=0.05)


def _speaker():
    return [_button(),
            svg.polygon([(-0.32, -0.12), (-0.16, -0.12), (0.04, -0.3), (0.04, 0.3),
                         (-0.16, 0.12), (-0.32, 0.12)], "#4a2c17", width=0.03)]


def mute():
    waves = [svg.path("M 0.12,%s Q %s,0 0.12,%s" % (-r, 0.12 + r * 1.3, r), "none", svg.INK, 0.05)
             for r in (0.14, 0.26)]
    return [], _speaker() + waves


def muted():
    cross = [svg.polyline([(0.14, -0.14), (0.38, 0.14)], "#d7263d", 0.08),
             svg.polyline([(0.14, 0.14), (0.38, -0.14)], "#d7263d", 0.08)]
    return [], _speaker() + cross


def restart():
    """An arrow turning clockwise round the button, its head at the top left."""
    r, start, end = 0.27, math.radians(60), math.radians(120)
    x0, y0 = r * math.cos(start), r * math.sin(start)
    x1, y1 = r * math.cos(end), r * math.sin(end)
    arc = svg.path("M %.4f,%.4f A %s,%s 0 1,0 %.4f,%.4f" % (x0, y0, r, r, x1, y1), "none",
                   svg.INK, 0.08)
    tx, ty = math.sin(end), -math.cos(end)  # the way a clockwise turn goes on
    nx, ny = -ty, tx
    head = svg.polygon([(x1 + 0.15 * tx, y1 + 0.15 * ty),
                        (x1 + 0.12 * nx - 0.03 * tx, y1 + 0.12 * ny - 0.03 * ty),
                        (x1 - 0.12 * nx - 0.03 * tx, y1 - 0.12 * ny - 0.03 * ty)],
                       svg.INK, width=0.02)
    return [], [_button(), arc, head]
