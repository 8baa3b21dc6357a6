"""The tools the player places: bowling ball, cherry, skateboard, balance,
and the small pictures that stand for them in the drag box."""
import math

import geometry as g
import svg

WOOD = "#d9a86c"
WOOD_DARK = "#a8703e"
IRON = "#6b7280"


def bowling():
    r = g.BOWLING_RADIUS - 0.02
    shade = svg.radial_gradient("ball", -0.3, 0.3, 1.2, [
        (0, "#6d7fd8"), (0.55, "#2f3a8f"), (1, "#161b4a")])
    holes = [svg.circle(x, y, 0.09, "#0b0d26", width=0.0)
             for x, y in ((0.12, 0.38), (0.34, 0.26), (0.2, 0.08))]
    items = [svg.circle(0, 0, r, "url(#ball)", width=0.04)] + holes + [
        svg.ellipse(-0.32, 0.38, 0.16, 0.08, "#ffffff", width=0.0,
                    extra="opacity:0.55;", rotate=40)]
    return [shade], items


def cherry_items():
    r = g.CHERRY_RADIUS
    leaf = "M 0.1,0.78 C 0.2,0.95 0.48,0.95 0.62,0.82 C 0.45,0.7 0.22,0.68 0.1,0.78 Z"
    return [
        svg.path("M 0.0,0.3 C 0.02,0.52 0.06,0.68 0.12,0.8", "none", "#5b3a1a", 0.07),
        svg.path(leaf, "#63a83e", width=0.03),
        svg.path("M 0.14,0.79 C 0.3,0.84 0.42,0.83 0.55,0.81", "none", "#3f7a2a", 0.02),
        svg.circle(0, 0, r - 0.02, "url(#cherry)", width=0.04),
        svg.ellipse(-0.14, 0.13, 0.09, 0.05, "#ffffff", width=0.0,
                    extra="opacity:0.7;", rotate=35),
    ]


def cherry_defs():
    return [svg.radial_gradient("cherry", -0.12, 0.1, 0.5, [
        (0, "#ff6b6b"), (0.6, "#d7263d"), (1, "#8c1026")])]


def cherry():
    return cherry_defs(), cherry_items()


def skate_items():
    deck = g.SKATE_DECK
    items = []
    for wx, wy in g.SKATE_WHEEL_CENTRES:
        side = 1 if wx > 0 else -1
        top = deck[0][1]
        items.append(svg.polygon([(wx - 0.2 * side, top), (wx + 0.12 * side, top),
                                  (wx + 0.04 * side, wy + 0.15), (wx - 0.06 * side, wy + 0.15)],
                                 "#9aa3ad", width=0.03))
        r = g.SKATE_WHEEL_RADIUS
        hub = g.SKATE_HUB_FRAME.width / 2
        items.append(svg.circle(wx, wy, (r + hub) / 2, "none", "#f2c94c", r - hub))
        items.append(svg.circle(wx, wy, r - 0.015, "none", svg.INK, 0.03))
        items.append(svg.circle(wx, wy, hub, "none", svg.INK, 0.02))
    items.append(svg.polygon(deck, "#e0793a", width=0.04))
    top_y = deck[3][1]
    items.append(svg.polyline([(-1.18, top_y - 0.04), (1.18, top_y - 0.04)], "#3a2a20", 0.05))
    items.append(svg.polyline([(-0.7, 0.33), (0.7, 0.33)], "#ffd38a", 0.04))
    return items


def skate():
    return [], skate_items()


def skate_hub():
    r = g.SKATE_HUB_FRAME.width / 2 - 0.01
    items = [svg.circle(0, 0, r, "#d8dde3", width=0.02)]
    for k in range(3):
        a = math.radians(90 + 120 * k)
        items.append(svg.polyline([(0, 0), (r * 0.8 * math.cos(a), r * 0.8 * math.sin(a))],
                                  IRON, 0.03))
    items.append(svg.circle(0, 0, 0.03, IRON, width=0.0))
    return [], items


def beam_items():
    hx, hy = g.BEAM_HALF
    grain = [svg.polyline([(-hx + 0.15, y), (hx - 0.15, y)], WOOD_DARK, 0.015,
                          "opacity:0.6;") for y in (-0.05, 0.04)]
    return [svg.polygon(g.beam_outline(), WOOD, width=0.04)] + grain + [
        svg.rect(-hx + 0.05, -hy + 0.02, 0.25, 2 * hy - 0.04, "#7fbf5a", width=0.0),
        svg.rect(hx - 0.3, -hy + 0.02, 0.25, 2 * hy - 0.04, "#7fbf5a", width=0.0),
        svg.polygon(g.beam_outline(), "none", width=0.04),
    ]


def balance():
    return [], beam_items()


def stand_items():
    jx, jy = g.BALANCE_JOINT
    return [
        svg.polygon(g.BALANCE_STAND, "#c0504d", width=0.04),
        svg.polyline([(-0.32, -0.3), (0.32, -0.3)], "#8e3431", 0.04),
        svg.circle(jx, jy, 0.11, "#d8dde3", width=0.03),
        svg.circle(jx, jy, 0.035, IRON, width=0.0),
    ]


def balance_fix():
    return [], stand_items()


def balance_icon():
    """The balance at a glance: a short thick beam tipped on its stand."""
    beam = [(-0.62, -0.08), (0.62, -0.08), (0.62, 0.08), (-0.62, 0.08)]
    tipped = svg.group([svg.polygon(beam, WOOD, width=0.05),
                        svg.rect(-0.6, -0.06, 0.16, 0.12, "#7fbf5a", width=0.0),
                        svg.rect(0.44, -0.06, 0.16, 0.12, "#7fbf5a", width=0.0),
                        svg.polygon(beam, "none", width=0.05)], "translate(0,0.05) rotate(-14)")
    stand = svg.polygon([(-0.28, -0.5), (0.28, -0.5), (0.06, 0.02), (-0.06, 0.02)], "#c0504d",
                        width=0.05)
    bolt = svg.circle(0, 0.05, 0.07, "#d8dde3", width=0.03)
    return [], [tipped, stand, bolt]


def skate_icon():
    return [], [svg.group(skate_items(), "scale(0.6) translate(0,-0.1)")] + [
        svg.circle(x * 0.6, (y - 0.1) * 0.6, 0.07, "#d8dde3", width=0.015)
        for x, y in g.SKATE_WHEEL_CENTRES]
