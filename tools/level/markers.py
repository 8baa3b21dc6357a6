"""Checks the level's markers against what the level content reads."""
from geometry import WORLD_BOX, TILE_ROWS, strictly_inside
from describe import ROPE_ATTACH_DX

# Labels whose first point the level reads (bird: its first two).
SINGLE = ["player", "backgroundTree", "bowlingStar", "balance", "balanceStar",
          "cherryStar", "skate", "skateStar", "cannon", "cannonStar"]
PLANKS = ["distanceBox", "distanceBox2", "frequencyBox2", "frequencyBox3", "frequencyBox4"]
# Labels of which the level builds one object per point.
SEVERAL = ["cherry", "cardLeft", "cardRight", "cardTop", "domino", "hazelnut"]
BIRDS = 2
# Labels only the scenery tiles read (tools/assets/tiles.py): the finish flag.
SCENERY = ["goal"]
# Where the rules put a new hazelnut; it must appear in open air.
HAZELNUT_RETURN = (311.79, 23.3)


def required_counts():
    counts = {label: 1 for label in SINGLE}
    for plank in PLANKS:
        for label in (plank, plank + "AnchorL", plank + "AnchorR"):
            counts[label] = 1
    counts["bird"] = BIRDS
    return counts


def marker_faults(markers, outlines):
    by_label = {}
    for label, p in markers:
        by_label.setdefault(label, []).append(p)
    faults = _count_faults(by_label)
    for label, p in markers:
        faults += ["marker %s at (%g, %g) %s" % (label, p[0], p[1], f) for f in _place_faults(p, outlines)]
    if any(strictly_inside(HAZELNUT_RETURN, o) for o in outlines):
        faults.append("the hazelnut's return point is inside the terrain")
    for plank in PLANKS:
        faults += _rope_faults(plank, by_label)
    return faults


def _count_faults(by_label):
    faults = []
    counts = required_counts()
    for label, count in counts.items():
        found = len(by_label.get(label, []))
        if found != count:
            faults.append("label %s has %d points, the level reads %d" % (label, found, count))
    for label in SEVERAL:
        if not by_label.get(label):
            faults.append("label %s has no points" % label)
    for label in by_label:
        if label not in counts and label not in SEVERAL + SCENERY:
            faults.append("label %s is not one the level reads" % label)
    return faults


def _place_faults(p, outlines):
    x0, x1, y0, y1 = WORLD_BOX
    if not (x0 < p[0] < x1 and y0 < p[1] < y1):
        return ["is outside the world"]
    if not any(a <= p[0] <= b and c <= p[1] <= d for a, b, c, d in TILE_ROWS):
        return ["is outside the scenery tiles"]
    if any(strictly_inside(p, o) for o in outlines):
        return ["is inside the terrain"]
    return []


def _rope_faults(plank, by_label):
    """The rope pictures are laid out only for ropes closer to vertical than 45 degrees."""
    try:
        x, y = by_label[plank][0]
        anchors = (by_label[plank + "AnchorL"][0], by_label[plank + "AnchorR"][0])
    except KeyError:
        return []
    faults = []
    for anchor, end in zip(anchors, ((x - ROPE_ATTACH_DX, y), (x + ROPE_ATTACH_DX, y))):
        dx, dy = anchor[0] - end[0], anchor[1] - end[1]
        if dy <= 0 or abs(dx) >= dy:
            faults.append("a rope of %s is not hanging close to vertical" % plank)
    return faults
