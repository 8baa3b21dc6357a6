"""Pictures of the level's own objects: the hanging plank and its ropes,
cards, domino, hazelnut, the two birds and the cannon."""
import math

import geometry as g
import svg

WOOD = "#d9a86c"
WOOD_DARK = "#a8703e"
ROPE = "#c9a66b"
ROPE_DARK = "#8a6a3a"
ROPE_LENGTH = 4.0  # the rope pictures are stretched to their rope's length


def plank():
    hx, hy = g.PLANK_HALF
    items = [svg.rect(-hx + 0.02, -hy + 0.02, 2 * hx - 0.04, 2 * hy - 0.04, WOOD, width=0.05,
                      radius=0.06)]
    for y in (-0.2, 0.05, 0.22):
        items.append(svg.path("M %s,%s C -1.5,%s 1.5,%s %s,%s" % (
            -hx + 0.2, y, y + 0.05, y - 0.05, hx - 0.2, y), "none", WOOD_DARK, 0.02,
            "opacity:0.7;"))
    for x in (-1.27, 1.27):
        items.append(svg.polyline([(x, -hy + 0.03), (x, hy - 0.03)], WOOD_DARK, 0.03))
    for x in (-g.PLANK_ROPE_X, g.PLANK_ROPE_X):
        items.append(svg.rect(x - 0.18, -0.22, 0.36, 0.44, "#9aa3ad", width=0.03, radius=0.05))
        items.append(svg.circle(x, 0, 0.08, "#5c636c", width=0.0))
    return [], items


def rope_frame():
    return g.Frame(g.ROPE_FRAME_WIDTH, ROPE_LENGTH)


def rope():
    half, top = 0.09, ROPE_LENGTH / 2
    items = [svg.rect(-half, -top, 2 * half, 2 * top, ROPE, width=0.0)]
    twists = 24
    step = ROPE_LENGTH / twists
    for k in range(twists + 1):
        y = -top + k * step
        items.append(svg.polyline([(-half, y - step * 0.4), (half, y + step * 0.4)],
                                  ROPE_DARK, 0.035))
    items += [svg.polyline([(-half, -top), (-half, top)], svg.INK, 0.03),
              svg.polyline([(half, -top), (half, top)], svg.INK, 0.03)]
    return [], items


def spring():
    coils, width, top = 14, 0.26, ROPE_LENGTH / 2
    pitch = ROPE_LENGTH / coils
    back, front = [], []
    for k in range(coils):
        y = top - k * pitch
        front.append(svg.polyline([(-width, y), (width, y - pitch / 2)], "#c2c9d1", 0.07))
        back.append(svg.polyline([(width, y - pitch / 2), (-width, y - pitch)], "#6b7280", 0.06))
    return [], back + front


def card_face(outline):
    """A card seen on edge: white with the red of its back along the middle."""
    a, b, c, d = outline
    mid = [((a[0] + d[0]) / 2, (a[1] + d[1]) / 2), ((b[0] + c[0]) / 2, (b[1] + c[1]) / 2)]
    return [svg.polygon(outline, "#fbf6ea", width=0.025),
            svg.polyline(mid, "#c8323c", 0.035)]


def card_left():
    return [], card_face(g.card_left_outline())


def card_top():
    return [], card_face(g.CARD_TOP)


def domino():
    w, h = g.DOMINO_HALF_WIDTH, g.DOMINO_HEIGHT
    items = [svg.polygon(g.domino_outline(), "#2b2b33", width=0.03),
             svg.polyline([(-w + 0.08, h / 2), (w - 0.08, h / 2)], "#f4f1e8", 0.03)]
    for y in (0.25, 0.5, 0.75, 1.21, 1.46, 1.71):
        items.append(svg.circle(0, y, 0.065, "#f4f1e8", width=0.0))
    return [], items


def hazelnut():
    top = g.HAZELNUT[0]
    shade = svg.radial_gradient("nut", 0.0, 0.1, 0.7, [
        (0, "#c98a4b"), (0.7, "#9a5b2a"), (1, "#6e3d1a")])
    cap = "M %s C 0.3,0.5 0.52,0.42 0.48,0.28 C 0.3,0.22 -0.1,0.22 -0.28,0.28 " \
          "C -0.32,0.42 -0.1,0.5 %s Z" % ("%s,%s" % top, "%s,%s" % top)
    items = [svg.path(svg.smooth_closed(g.HAZELNUT), "url(#nut)", width=0.035)]
    for x0, x1 in ((-0.15, -0.02), (0.35, 0.22)):
        items.append(svg.path("M %s,0.2 C %s,0.0 %s,-0.2 0.1,-0.42" % (x0, x0, x1), "none",
                              "#7a4520", 0.02, "opacity:0.7;"))
    items += [svg.path(cap, "#e3c38d", width=0.03),
              svg.ellipse(-0.12, -0.05, 0.08, 0.16, "#ffffff", width=0.0,
                          extra="opacity:0.25;", rotate=-15)]
    return [shade], items


def bird_items(body, belly, wing, brow):
    cx, cy = g.BIRD_BODY_CENTRE
    feet = [svg.polyline([(x, cy - g.BIRD_BODY_RADII[1] + 0.08), (x, cy - 1.3),
                          (x + 0.15, cy - 1.33)], "#e08a2e", 0.06) for x in (-0.3, 0.2)]
    return feet + [
        svg.polygon(g.BIRD_TAIL, wing, width=0.05),
        svg.path(svg.smooth_closed(g.bird_body()), body, width=0.06),
        svg.ellipse(cx + 0.3, cy - 0.35, 0.62, 0.5, belly, width=0.0),
        svg.ellipse(cx - 0.35, cy - 0.1, 0.6, 0.36, wing, width=0.04, rotate=-18),
        svg.polygon(g.BIRD_BEAK, "#f0a030", width=0.04),
        svg.circle(0.55, 0.38, 0.19, "#ffffff", width=0.035),
        svg.circle(0.6, 0.38, 0.09, "#222222", width=0.0),
        svg.circle(0.63, 0.42, 0.03, "#ffffff", width=0.0),
        brow,
    ]


def bird():
    brow = svg.path("M 0.35,0.66 C 0.48,0.72 0.65,0.7 0.76,0.6", "none", svg.INK, 0.05)
    return [], bird_items("#8fbbe3", "#f3e6c4", "#5d8fc4", brow)


def bird2():
    brow = svg.path("M 0.3,0.58 C 0.45,0.74 0.66,0.74 0.8,0.58", "none", "#ffffff", 0.07)
    return [], bird_items("#c9a070", "#f4d2c0", "#8a623c", brow)


def cannon():
    iron = svg.linear_gradient("iron", -1.0, 1.0, 0.5, -0.2, [
        (0, "#5a6270"), (0.5, "#2f343c"), (1, "#1b1e23")])
    barrel = g.cannon_barrel()
    items = [svg.polygon(g.CANNON_BED, "#b57a45", width=0.05)]
    for y in (-2.32, -2.02):
        items.append(svg.polyline([(-2.3, y), (2.1, y)], "#8a5630", 0.03))
    items += [svg.circle(x, -2.15, 0.07, "#5c636c", width=0.0) for x in (-1.9, 1.7)]
    items.append(svg.circle(g.CANNON_BREECH[0], g.CANNON_BREECH[1], 0.55, "#2f343c", width=0.05))
    items.append(svg.polygon(barrel, "url(#iron)", width=0.05))
    for t in (0.25, 0.6):
        items.append(_barrel_band(t))
    items += _cap_items()
    return [iron], items


def _barrel_band(fraction):
    a = math.radians(g.CANNON_ELEVATION)
    length = g.CANNON_BARREL_LENGTH * fraction
    half = g.CANNON_HALF_WIDTH_BREECH + (g.CANNON_HALF_WIDTH_MOUTH -
                                        g.CANNON_HALF_WIDTH_BREECH) * fraction + 0.04
    cx = g.CANNON_BREECH[0] + length * math.cos(a)
    cy = g.CANNON_BREECH[1] + length * math.sin(a)
    nx, ny = -math.sin(a), math.cos(a)
    return svg.polyline([(cx - nx * half, cy - ny * half), (cx + nx * half, cy + ny * half)],
                        "#8a93a0", 0.12)


def _cap_items():
    """The bouncing cap: a springy red and white pad, unlike the iron."""
    cap = g.cannon_cap()
    a, b, c, d = cap
    stripes = []
    for k in range(1, 6):
        t = k / 6.0
        p = (a[0] + (d[0] - a[0]) * t, a[1] + (d[1] - a[1]) * t)
        q = (b[0] + (c[0] - b[0]) * t, b[1] + (c[1] - b[1]) * t)
        stripes.append(svg.polyline([p, q], "#ffffff" if k % 2 else "#e0403a", 0.16))
    return [svg.polygon(cap, "#e0403a", width=0.0)] + stripes + [
        svg.polygon(cap, "none", width=0.05)]
