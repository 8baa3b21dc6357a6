"""The player's wheel, the squirrel running inside it, and the window icon."""
import math

import geometry as g
import svg

FUR = "#c8682b"
FUR_LIGHT = "#e89550"
BELLY = "#f7dfb4"
TAIL = "#b4561f"
RIM = "#a86a34"
RIM_LIGHT = "#dba56a"


def wheel():
    r = g.WHEEL_RADIUS
    band = 0.12
    middle = r - band / 2
    dash = 2 * math.pi * middle / 16
    items = [
        svg.circle(0, 0, middle, "none", RIM, band),
        svg.circle(0, 0, middle, "none", RIM_LIGHT, band,
                   "stroke-dasharray:%.4f;" % dash),
        svg.circle(0, 0, r - 0.02, "none", svg.INK, 0.04),
        svg.circle(0, 0, r - band, "none", svg.INK, 0.03),
    ]
    return [], items


def squirrel_items():
    """The squirrel in the rider body's frame (the wheel centre 0.2 above it)."""
    tail = ("M -0.15,-0.12 C -0.55,-0.2 -0.72,0.3 -0.5,0.6 C -0.35,0.8 -0.05,0.75 -0.08,0.55 "
            "C -0.1,0.42 -0.25,0.45 -0.28,0.5 C -0.38,0.3 -0.3,0.0 -0.05,-0.02 Z")
    tail_light = "M -0.45,0.5 C -0.5,0.25 -0.42,0.05 -0.25,-0.05"
    return [
        svg.path(tail, TAIL, width=0.035),
        svg.path(tail_light, "none", FUR_LIGHT, 0.05),
        svg.ellipse(-0.14, -0.3, 0.14, 0.11, FUR, width=0.03, rotate=-20),
        svg.ellipse(-0.2, -0.45, 0.13, 0.04, FUR, width=0.025),
        svg.ellipse(0.04, -0.12, 0.3, 0.23, FUR, width=0.035, rotate=20),
        svg.ellipse(0.12, -0.16, 0.16, 0.13, BELLY, width=0.0, rotate=30),
        svg.ellipse(0.26, -0.33, 0.12, 0.05, FUR, width=0.025, rotate=-35),
        svg.ellipse(0.3, -0.05, 0.1, 0.045, FUR, width=0.025, rotate=-25),
        svg.path("M 0.22,0.28 C 0.2,0.42 0.27,0.53 0.31,0.52 C 0.37,0.5 0.39,0.4 0.38,0.29 Z", FUR,
                 width=0.03),
        svg.path("M 0.27,0.31 C 0.27,0.4 0.3,0.45 0.32,0.44", "none", BELLY, 0.03),
        svg.circle(0.32, 0.17, 0.17, FUR, width=0.035),
        svg.ellipse(0.46, 0.12, 0.1, 0.075, BELLY, width=0.025, rotate=-15),
        svg.circle(0.54, 0.14, 0.025, svg.INK, width=0.0),
        svg.circle(0.38, 0.22, 0.045, svg.INK, width=0.0),
        svg.circle(0.395, 0.235, 0.015, "#ffffff", width=0.0),
    ]


def squirrel():
    return [], squirrel_items()


def icon():
    wheel_defs, wheel_items = wheel()
    rider = svg.group(squirrel_items(), "translate(0,%s)" % -g.RIDER_DROP)
    return wheel_defs, [svg.circle(0, 0, g.WHEEL_RADIUS, "#fff4dc", width=0.0), rider] + \
        wheel_items
