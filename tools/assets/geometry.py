"""The one description of every object's shape, in world units, body-local, y up.

The object drawings in data/shapes and the pictures in data/images are both
computed from these numbers, so what the player sees is what collides. The
picture frames (size and offset of each picture's centre from the body
origin) are the ones at which the game shows the pictures.
"""
import math

from polygon import ellipse, mirrored_x, rotated_box


class Frame:
    """Where a picture is shown: its size and its centre relative to the origin."""

    def __init__(self, width, height, x=0.0, y=0.0):
        self.width, self.height, self.x, self.y = width, height, x, y

    def left(self):
        return self.x - self.width / 2

    def top(self):
        return self.y + self.height / 2


# The rider's wheel and the rider (outlines made by the game itself).
WHEEL_RADIUS = 0.8
WHEEL_FRAME = Frame(1.7, 1.7)
RIDER_DROP = 0.2  # the rider body sits this far below the wheel centre
SQUIRREL_FRAME = Frame(1.6, 1.6, 0.0, 0.16)

BOWLING_RADIUS = 0.8
BOWLING_FRAME = Frame(1.7, 1.7)
CHERRY_RADIUS = 0.4
CHERRY_FRAME = Frame(1.8, 1.8)

# The hanging plank: a 7.6 x 0.8 box, ropes fixed 3.4 either side of its centre.
PLANK_HALF = (3.8, 0.4)
PLANK_ROPE_X = 3.4
PLANK_FRAME = Frame(7.8, 7.8)
ROPE_FRAME_WIDTH = 19.7

# Skateboard: a deck with raised tails; wheels are circles pinned below it.
SKATE_FRAME = Frame(2.5, 2.5)
SKATE_DECK = [(-1.0, 0.24), (1.0, 0.24), (1.25, 0.38), (1.2, 0.46), (-1.2, 0.46),
              (-1.25, 0.38)]
SKATE_WHEEL_CENTRES = [(0.8, -0.05), (-0.8, -0.05)]
SKATE_WHEEL_RADIUS = 0.25
SKATE_HUB_FRAME = Frame(0.3, 0.3)

# Balance: a stand (the pivot body) and a beam pinned to the stand at JOINT.
BALANCE_FIX_FRAME = Frame(1.1, 1.1)
BALANCE_STAND = [(-0.5, -0.5), (0.5, -0.5), (0.14, 0.24), (-0.14, 0.24)]
BALANCE_JOINT = (0.0, 0.3)
BALANCE_FRAME = Frame(4.5, 4.5)
BEAM_HALF = (2.25, 0.12)
BEAM_BEVEL = 0.04


def beam_outline():
    hx, hy, b = BEAM_HALF[0], BEAM_HALF[1], BEAM_BEVEL
    return [(-hx + b, -hy), (hx - b, -hy), (hx, -hy + b), (hx, hy - b),
            (hx - b, hy), (-hx + b, hy), (-hx, hy - b), (-hx, -hy + b)]


# Cards: the left card stands on its lower right corner (the origin) and leans
# right; the right card is its mirror image about the centre of its picture,
# as the game mirrors the one card picture.
CARD_LENGTH = 2.0
CARD_THICKNESS = 0.14
CARD_LEAN_DEGREES = 22.0
CARD_LEFT_FRAME = Frame(2.0, 2.0, 0.4, 1.0)
CARD_RIGHT_FRAME = Frame(2.0, 2.0, 0.3, 1.0)
CARD_TOP_FRAME = Frame(2.0, 2.0, 0.1, 1.0)
CARD_TOP = [(-0.88, 0.0), (1.08, 0.0), (1.08, CARD_THICKNESS), (-0.88, CARD_THICKNESS)]


def card_left_outline():
    lean = math.radians(CARD_LEAN_DEGREES)
    ux, uy = math.sin(lean), math.cos(lean)
    nx, ny = math.cos(lean), -math.sin(lean)
    t, length = CARD_THICKNESS, CARD_LENGTH
    low_left = (-t * nx, -t * ny)
    return [(0.0, 0.0), (length * ux, length * uy),
            (low_left[0] + length * ux, low_left[1] + length * uy), low_left]


def card_right_outline():
    # The game draws the right card as the left picture mirrored about the
    # picture's centre, so the outline is mirrored about the same line.
    shift = CARD_RIGHT_FRAME.x - CARD_LEFT_FRAME.x
    moved = [(x + shift, y) for x, y in card_left_outline()]
    return mirrored_x(moved, CARD_RIGHT_FRAME.x)


DOMINO_FRAME = Frame(2.0, 2.0, 0.0, 1.0)
DOMINO_HALF_WIDTH = 0.25
DOMINO_HEIGHT = 1.96
DOMINO_BEVEL = 0.04


def domino_outline():
    w, h, b = DOMINO_HALF_WIDTH, DOMINO_HEIGHT, DOMINO_BEVEL
    return [(-w + b, 0.0), (w - b, 0.0), (w, b), (w, h - b), (w - b, h), (-w + b, h),
            (-w, h - b), (-w, b)]


HAZELNUT_FRAME = Frame(1.2, 1.2, 0.1, 0.0)
HAZELNUT = [(0.1, 0.55), (-0.22, 0.36), (-0.4, 0.02), (-0.28, -0.36), (0.1, -0.5),
            (0.48, -0.36), (0.6, 0.02), (0.42, 0.36)]

# Bird: a round body with a beak to the right and a tail to the left.
BIRD_FRAME = Frame(3.4, 3.4)
BIRD_BODY_CENTRE = (-0.05, -0.15)
BIRD_BODY_RADII = (1.15, 1.1)
BIRD_BEAK = [(0.98, 0.08), (1.62, 0.3), (0.95, 0.5)]
BIRD_TAIL = [(-1.0, -0.55), (-0.95, -0.05), (-1.62, 0.15), (-1.6, -0.3)]


def bird_body():
    cx, cy = BIRD_BODY_CENTRE
    return ellipse(cx, cy, BIRD_BODY_RADII[0], BIRD_BODY_RADII[1], 8, 22.5)


# Cannon: a mortar on a wooden bed, its barrel raised to the right; the cap
# across its mouth is the bouncing part that throws what lands on it.
CANNON_FRAME = Frame(5.4, 5.4)
CANNON_BED = [(-2.5, -2.62), (2.3, -2.62), (2.0, -1.7), (-2.2, -1.7)]
CANNON_ELEVATION = 55.0
CANNON_BREECH = (-0.9, -1.5)
CANNON_BARREL_LENGTH = 3.4
CANNON_HALF_WIDTH_BREECH = 0.72
CANNON_HALF_WIDTH_MOUTH = 0.6
CANNON_CAP_DEPTH = 0.3
CANNON_CAP_HALF_WIDTH = 0.78


def cannon_barrel():
    return rotated_box(CANNON_BREECH, CANNON_ELEVATION, 0.0, CANNON_BARREL_LENGTH,
                       CANNON_HALF_WIDTH_BREECH, CANNON_HALF_WIDTH_MOUTH)


def cannon_mouth():
    """The centre of the barrel's mouth, where the cap starts."""
    a = math.radians(CANNON_ELEVATION)
    return (CANNON_BREECH[0] + CANNON_BARREL_LENGTH * math.cos(a),
            CANNON_BREECH[1] + CANNON_BARREL_LENGTH * math.sin(a))


def cannon_cap():
    return rotated_box(cannon_mouth(), CANNON_ELEVATION, 0.0, CANNON_CAP_DEPTH,
                       CANNON_CAP_HALF_WIDTH, CANNON_CAP_HALF_WIDTH)


# Object drawings: file name -> list of (label, outline or one marker point).
def shape_files():
    return {
        "skate": [("deck", SKATE_DECK)],
        "balanceFix": [("stand", BALANCE_STAND), ("joint", [BALANCE_JOINT])],
        "balance": [("beam", beam_outline())],
        "cardleft": [("card", card_left_outline())],
        "cardright": [("card", card_right_outline())],
        "cardtop": [("card", CARD_TOP)],
        "domino": [("domino", domino_outline())],
        "hazelnut": [("nut", HAZELNUT)],
        "bird": [("body", bird_body()), ("beak", BIRD_BEAK), ("tail", BIRD_TAIL)],
        "cannon": [("bed", CANNON_BED), ("barrel", cannon_barrel())],
        "cannonbounce": [("mouth", cannon_cap())],
    }
