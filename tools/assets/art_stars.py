"""The five stars, each with a hint of the tool it gives."""
import math

import art_props
import art_toys
import svg


def star_points(cx, cy, radius, inner=0.48):
    points = []
    for k in range(10):
        r = radius if k % 2 == 0 else radius * inner
        a = math.radians(90 + 36 * k)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def star(cx, cy, radius, ident):
    """A glowing golden star with a friendly face; ident names its gradients."""
    glow = svg.radial_gradient(ident + "glow", cx, cy, radius * 1.25, [
        (0, "#fff3b0", 0.9), (0.6, "#ffe27a", 0.45), (1, "#ffe27a", 0.0)])
    gold = svg.radial_gradient(ident + "gold", cx - radius * 0.2, cy + radius * 0.3, radius, [
        (0, "#fff6c2"), (0.5, "#ffd23f"), (1, "#f0a020")])
    eye = radius * 0.09
    items = [
        svg.circle(cx, cy, radius * 1.25, "url(#%sglow)" % ident, width=0.0),
        svg.polygon(star_points(cx, cy, radius), "url(#%sgold)" % ident, "#b86a10",
                    radius * 0.06),
        svg.circle(cx - radius * 0.17, cy + radius * 0.05, eye, svg.INK, width=0.0),
        svg.circle(cx + radius * 0.17, cy + radius * 0.05, eye, svg.INK, width=0.0),
        svg.path("M %s,%s Q %s,%s %s,%s" % (cx - radius * 0.15, cy - radius * 0.15, cx,
                                             cy - radius * 0.3, cx + radius * 0.15,
                                             cy - radius * 0.15),
                 "none", svg.INK, radius * 0.05),
    ]
    return [glow, gold], items


def bowling_star():
    defs, items = star(-0.15, 0.12, 0.82, "s")
    ball_defs, ball = art_toys.bowling()
    return defs + ball_defs, items + [svg.group(ball, "translate(0.55,-0.55) scale(0.42)")]


def balance_star():
    defs, items = star(0, 0.05, 0.7, "s")
    beam = svg.group(art_toys.beam_items(), "translate(0,-0.35) rotate(-4) scale(1.05,1.2)")
    stand = svg.group(art_toys.stand_items(), "translate(0,-0.55) scale(0.5)")
    return defs, [beam, stand] + items


def cherry_star():
    defs, items = star(0, -0.35, 0.66, "s")
    cherry = svg.group(art_toys.cherry_items(), "translate(0.1,0.42) scale(0.6)")
    return defs + art_toys.cherry_defs(), items + [cherry]


def skate_star():
    defs, items = star(0, 0.3, 0.75, "s")
    board = svg.group(art_toys.skate_items(), "translate(0,-0.72) scale(1.1)")
    return defs, [board] + items


def cannon_star():
    defs, items = star(1.05, 1.15, 1.2, "s")
    cannon_defs, cannon = art_props.cannon()
    body = svg.group(cannon, "translate(-0.75,-0.6) scale(0.72)")
    return defs + cannon_defs, [body] + items
