"""Writes outlines and markers as a drawing in the narrow dialect the game reads:
one path per outline, each attribute on its own line, absolute straight lines."""

PAGE_SCALE = 25.0   # drawing units per world unit
PAGE_HEIGHT = 480.0
MARGIN = 25.0

TERRAIN_STYLE = "fill:#7a9a3c;fill-opacity:1;stroke:#3b4a1c;stroke-width:2"
MARKER_STYLE = "fill:none;stroke:#d40000;stroke-width:10;stroke-linecap:round"
MARKER_TICK = 2.0   # the marker's second point, dropped by the reader, keeps it visible


def to_page(p):
    return (_rounded(p[0] * PAGE_SCALE), _rounded(PAGE_HEIGHT - p[1] * PAGE_SCALE))


def to_world(q):
    return (q[0] / PAGE_SCALE, (PAGE_HEIGHT - q[1]) / PAGE_SCALE)


def _rounded(v):
    return round(v, 3) + 0.0


def _number(v):
    text = "%.3f" % v
    return text.rstrip("0").rstrip(".") if "." in text else text


def _pair(q):
    return "%s,%s" % (_number(q[0]), _number(q[1]))


def _path(style, d, ident, label):
    return ("    <path\n"
            "       style=\"%s\"\n"
            "       d=\"%s\"\n"
            "       id=\"%s\"\n"
            "       inkscape:label=\"#%s\" />\n" % (style, d, ident, label))


def outline_path(points, index):
    """A closed outline: the reader drops the pair after the last ' L ', so the
    first corner is repeated there."""
    pairs = [_pair(to_page(p)) for p in points]
    d = "M " + " L ".join(pairs + [pairs[0]]) + " z"
    return _path(TERRAIN_STYLE, d, "terrain%d" % index, "terrain%d" % index)


def marker_path(label, p, index):
    q = to_page(p)
    d = "M %s L %s" % (_pair(q), _pair((q[0] + MARKER_TICK, q[1])))
    return _path(MARKER_STYLE, d, "%s%d" % (label, index), label)


def _layer(ident, name, body):
    return ("  <g\n"
            "     inkscape:groupmode=\"layer\"\n"
            "     id=\"%s\"\n"
            "     inkscape:label=\"%s\">\n%s  </g>\n" % (ident, name, body))


def document(outlines, markers):
    """The whole drawing; its page covers every outline and marker."""
    page = [to_page(p) for o in outlines for p in o] + [to_page(p) for _, p in markers]
    x0 = min(q[0] for q in page) - MARGIN
    y0 = min(q[1] for q in page) - MARGIN
    width = max(q[0] for q in page) + MARGIN - x0
    height = max(q[1] for q in page) + MARGIN - y0
    terrain = "".join(outline_path(o, i + 1) for i, o in enumerate(outlines))
    counts = {}
    marks = []
    for label, p in markers:
        counts[label] = counts.get(label, 0) + 1
        marks.append(marker_path(label, p, counts[label]))
    box = "%s %s %s %s" % tuple(_number(v) for v in (x0, y0, width, height))
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<svg\n"
            "   xmlns=\"http://www.w3.org/2000/svg\"\n"
            "   xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
            "   version=\"1.1\"\n"
            "   width=\"%s\"\n"
            "   height=\"%s\"\n"
            "   viewBox=\"%s\">\n" % (_number(width), _number(height), box)
            + _layer("terrain", "Terrain", terrain)
            + _layer("markers", "Markers", "".join(marks))
            + "</svg>\n")
