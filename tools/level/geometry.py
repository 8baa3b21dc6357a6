"""Turns ground surfaces into convex pieces and checks every outline and marker
against what the physics library and the game accept."""
import math

MAX_CORNERS = 8          # Box2D's polygon limit, compiled into the library
MIN_EDGE = 0.05          # far above the library's weld distance of 0.0025
MIN_TURN = math.sin(math.radians(1.0))  # keeps corners clear of "collinear" after rounding
MIN_WIDTH = 0.2          # thinner pieces are slivers the solver handles badly

# The scenery tiles: tiles 1-5 and the three-units-higher row of tiles 6-9.
TILE_ROWS = [(-5.43, 199.37, -9.73, 31.23), (199.37, 363.21, -6.73, 34.23)]
WORLD_BOX = (-50.0, 400.0, -50.0, 100.0)


def cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def turn(a, b, c):
    """Sine of the left turn at b when walking a, b, c (negative: a right turn)."""
    la = math.hypot(b[0] - a[0], b[1] - a[1])
    lc = math.hypot(c[0] - b[0], c[1] - b[1])
    return cross(a, b, c) / (la * lc) if la > 0 and lc > 0 else 0.0


def ground_pieces(surface, floor):
    """Convex pieces, counter-clockwise, that fill from the surface down to the floor.

    A surface point straight above the previous one is a step; a valley or a
    corner too flat to be a polygon corner starts a new piece."""
    pieces = []
    for run in _runs(surface):
        start = 0
        while start < len(run) - 1:
            end = start + 1
            while (end + 1 < len(run) and end + 1 - start + 1 <= MAX_CORNERS - 2
                   and turn(run[end - 1], run[end], run[end + 1]) <= -MIN_TURN):
                end += 1
            top = run[start:end + 1]
            pieces.append([(top[0][0], floor), (top[-1][0], floor)] + top[::-1])
            start = end
    return pieces


def _runs(surface):
    runs = [[surface[0]]]
    for p in surface[1:]:
        previous = runs[-1][-1]
        if p[0] < previous[0] - 1e-9:
            raise ValueError("ground goes backwards at x=%g" % p[0])
        if abs(p[0] - previous[0]) < 1e-9:
            runs.append([p])
        else:
            runs[-1].append(p)
    return [r for r in runs if len(r) >= 2]


def outline_faults(points):
    """Why the outline would not make a sound polygon (empty when it would)."""
    n = len(points)
    if n < 3 or n > MAX_CORNERS:
        return ["has %d corners (3 to %d allowed)" % (n, MAX_CORNERS)]
    faults = []
    if signed_area(points) <= 0:
        faults.append("is not counter-clockwise")
    for i in range(n):
        a, b, c = points[i - 1], points[i], points[(i + 1) % n]
        if math.hypot(c[0] - b[0], c[1] - b[1]) < MIN_EDGE:
            faults.append("has an edge shorter than %g at (%g, %g)" % (MIN_EDGE, b[0], b[1]))
        elif turn(a, b, c) < MIN_TURN:
            faults.append("is not strictly convex at (%g, %g)" % (b[0], b[1]))
    if not faults and min_width(points) < MIN_WIDTH:
        faults.append("is a sliver narrower than %g" % MIN_WIDTH)
    if not inside_tiles(points):
        faults.append("leaves the scenery tiles")
    return faults


def signed_area(points):
    return 0.5 * sum(points[i - 1][0] * p[1] - p[0] * points[i - 1][1]
                     for i, p in enumerate(points))


def min_width(points):
    """The convex outline's narrowest extent, measured across each edge."""
    widest = []
    for i, b in enumerate(points):
        a = points[i - 1]
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        widest.append(max(abs(cross(a, b, p)) / length for p in points))
    return min(widest)


def inside_tiles(points):
    """True when the points lie within one tile row, or the band both rows share."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    boxes = TILE_ROWS + [(TILE_ROWS[0][0], TILE_ROWS[1][1], TILE_ROWS[1][2], TILE_ROWS[0][3])]
    return any(x0 <= min(xs) and max(xs) <= x1 and y0 <= min(ys) and max(ys) <= y1
               for x0, x1, y0, y1 in boxes)


def strictly_inside(point, outline):
    return all(cross(outline[i - 1], outline[i], point) > 1e-9 for i in range(len(outline)))
