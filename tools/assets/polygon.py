"""Checks and helpers for convex outlines in world units (y up).

The physics library aborts on outlines it cannot take, so every outline that
the tools write is checked here first, with the same limits it applies.
"""
import math

MAX_POINTS = 8
MIN_EDGE = 0.01
MIN_AREA = 1e-4


def signed_area(points):
    total = 0.0
    for i, (x0, y0) in enumerate(points):
        x1, y1 = points[(i + 1) % len(points)]
        total += x0 * y1 - x1 * y0
    return total / 2.0


def counter_clockwise(points):
    return list(points) if signed_area(points) >= 0 else list(reversed(points))


def fault(points):
    """Empty when the outline is usable as a polygon shape, else the reason."""
    n = len(points)
    if not 3 <= n <= MAX_POINTS:
        return "%d points" % n
    if signed_area(points) <= MIN_AREA:
        return "not counter-clockwise or no area"
    for i in range(n):
        ax, ay = points[i]
        bx, by = points[(i + 1) % n]
        cx, cy = points[(i + 2) % n]
        if math.hypot(bx - ax, by - ay) < MIN_EDGE:
            return "tiny edge at point %d" % i
        # Strictly convex: a straight or reflex corner is refused.
        if (bx - ax) * (cy - by) - (by - ay) * (cx - bx) <= 1e-9:
            return "not strictly convex at point %d" % ((i + 1) % n)
    return ""


def mirrored_x(points, axis_x):
    """The outline mirrored about the vertical line x = axis_x, still CCW."""
    return counter_clockwise([(2 * axis_x - x, y) for x, y in points])


def ellipse(cx, cy, rx, ry, count, start_degrees=0.0):
    step = 2 * math.pi / count
    start = math.radians(start_degrees)
    return [(cx + rx * math.cos(start + i * step), cy + ry * math.sin(start + i * step))
            for i in range(count)]


def rotated_box(centre, direction_degrees, length_back, length_front, half_width_back,
                half_width_front):
    """A (possibly tapered) bar along a direction, as four CCW corners."""
    a = math.radians(direction_degrees)
    dx, dy = math.cos(a), math.sin(a)
    nx, ny = -dy, dx
    cx, cy = centre
    bx, by = cx - dx * length_back, cy - dy * length_back
    fx, fy = cx + dx * length_front, cy + dy * length_front
    return [(bx - nx * half_width_back, by - ny * half_width_back),
            (fx - nx * half_width_front, fy - ny * half_width_front),
            (fx + nx * half_width_front, fy + ny * half_width_front),
            (bx + nx * half_width_back, by + ny * half_width_back)]


def contains(points, x, y):
    """Whether (x, y) lies inside the outline (even-odd rule, any outline)."""
    inside = False
    n = len(points)
    for i in range(n):
        ax, ay = points[i]
        bx, by = points[(i + 1) % n]
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside
