"""A few helpers for drawing pictures as SVG in world units (y up) and
rendering them to RGBA PNG files with rsvg-convert."""
import os
import subprocess
import tempfile

import pngalpha

INK = "#4a2c17"  # the one outline colour of every picture


def _fmt(value):
    return ("%.4f" % value).rstrip("0").rstrip(".")


def points_attr(points):
    return " ".join("%s,%s" % (_fmt(x), _fmt(y)) for x, y in points)


def style(fill="none", stroke=INK, width=0.0, extra=""):
    text = "fill:%s;" % fill
    text += "stroke:%s;stroke-width:%s;stroke-linejoin:round;stroke-linecap:round;" % (
        stroke, _fmt(width)) if width > 0 else "stroke:none;"
    return text + extra


def polygon(points, fill, stroke=INK, width=0.05, extra=""):
    return '<polygon points="%s" style="%s"/>' % (points_attr(points),
                                                   style(fill, stroke, width, extra))


def polyline(points, stroke=INK, width=0.05, extra=""):
    return '<polyline points="%s" style="%s"/>' % (points_attr(points),
                                                    style("none", stroke, width, extra))


def circle(cx, cy, r, fill, stroke=INK, width=0.05, extra=""):
    return '<circle cx="%s" cy="%s" r="%s" style="%s"/>' % (
        _fmt(cx), _fmt(cy), _fmt(r), style(fill, stroke, width, extra))


def ellipse(cx, cy, rx, ry, fill, stroke=INK, width=0.05, extra="", rotate=0.0):
    turn = ' transform="rotate(%s %s %s)"' % (_fmt(rotate), _fmt(cx), _fmt(cy)) if rotate else ""
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" style="%s"%s/>' % (
        _fmt(cx), _fmt(cy), _fmt(rx), _fmt(ry), style(fill, stroke, width, extra), turn)


def rect(x, y, w, h, fill, stroke=INK, width=0.05, radius=0.0, extra=""):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" style="%s"/>' % (
        _fmt(x), _fmt(y), _fmt(w), _fmt(h), _fmt(radius), style(fill, stroke, width, extra))


def path(d, fill, stroke=INK, width=0.05, extra=""):
    return '<path d="%s" style="%s"/>' % (d, style(fill, stroke, width, extra))


def group(items, transform=""):
    attr = ' transform="%s"' % transform if transform else ""
    return "<g%s>%s</g>" % (attr, "".join(items))


def linear_gradient(ident, x1, y1, x2, y2, stops):
    """A gradient in world units from (x1, y1) to (x2, y2); stops are
    (offset, colour) or (offset, colour, opacity)."""
    parts = ['<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" '
             'x2="%s" y2="%s">' % (ident, _fmt(x1), _fmt(y1), _fmt(x2), _fmt(y2))]
    parts += [_stop(stop) for stop in stops]
    return "".join(parts) + "</linearGradient>"


def radial_gradient(ident, cx, cy, r, stops):
    parts = ['<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" '
             'r="%s">' % (ident, _fmt(cx), _fmt(cy), _fmt(r))]
    parts += [_stop(stop) for stop in stops]
    return "".join(parts) + "</radialGradient>"


def _stop(stop):
    opacity = stop[2] if len(stop) > 2 else 1.0
    return '<stop offset="%s" style="stop-color:%s;stop-opacity:%s"/>' % (
        _fmt(stop[0]), stop[1], _fmt(opacity))


def document(frame, pixels, defs, items):
    """The picture's SVG: the frame (world units) stretched onto pixels (w, h)."""
    width, height = pixels
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="%s %s %s %s" preserveAspectRatio="none"><defs>%s</defs>'
            '<g transform="scale(1,-1)">%s</g></svg>\n' % (
                width, height, _fmt(frame.left()), _fmt(-frame.top()), _fmt(frame.width),
                _fmt(frame.height), "".join(defs), "".join(items)))


def render(svg_text, out_png):
    """Renders the SVG text to an RGBA PNG."""
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as source:
        source.write(svg_text)
    try:
        subprocess.run(["rsvg-convert", "-f", "png", "-o", out_png, source.name], check=True)
        pngalpha.ensure_alpha(out_png)
    finally:
        os.unlink(source.name)


def pixels_for(frame, per_unit=50, limit=1024):
    """Power-of-two pixel sizes giving at least per_unit pixels per world unit."""
    def size(units):
        n = 16
        while n < units * per_unit and n < limit:
            n *= 2
        return n
    return size(frame.width), size(frame.height)


def smooth_closed(points):
    """Path data of a smooth closed curve through the points (Catmull-Rom)."""
    n = len(points)
    d = "M %s,%s" % (_fmt(points[0][0]), _fmt(points[0][1]))
    for i in range(n):
        p0, p1 = points[i - 1], points[i]
        p2, p3 = points[(i + 1) % n], points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += " C %s,%s %s,%s %s,%s" % tuple(_fmt(v) for v in (*c1, *c2, *p2))
    return d + " Z"
