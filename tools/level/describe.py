"""Reads a level description: named numbers, terrain and markers, one per line.

    let NAME = EXPR            a named number, usable in every later expression
    ground X,Y X,Y ...         a ground surface from left to right, filled down to `floor`
    box X0,Y0 X1,Y1            a solid rectangle between two corners
    poly X,Y X,Y X,Y ...       one solid convex outline
    mark LABEL X,Y [X,Y ...]   one marker point per pair, all under the same label
    hang LABEL X,Y ROPE        a plank marker with its two anchors ROPE above its rope ends

Coordinates are world units (y up); an expression is arithmetic on numbers and
names written without blanks. Everything after '#' is a comment.
"""
import ast
import operator

# The plank factory ties its two ropes this far left and right of the plank's centre.
ROPE_ATTACH_DX = 3.4

_OPERATORS = {
    ast.Add: operator.add, ast.Sub: operator.sub,
    ast.Mult: operator.mul, ast.Div: operator.truediv,
    ast.USub: operator.neg, ast.UAdd: operator.pos,
}


class DescriptionError(Exception):
    pass


class Level:
    def __init__(self):
        self.names = {}
        self.grounds = []   # lists of (x, y) surface points
        self.outlines = []  # lists of (x, y) corners of solid convex outlines
        self.markers = []   # (label, (x, y)) in file order


def evaluate(text, names):
    """The value of an arithmetic expression over numbers and known names."""
    def walk(node):
        if isinstance(node, ast.Expression):
            return walk(node.body)
        if isinstance(node, ast.Constant) and isinstance(node.value, (int, float)):
            return float(node.value)
        if isinstance(node, ast.Name):
            if node.id not in names:
                raise DescriptionError("unknown name '%s'" % node.id)
            return names[node.id]
        if isinstance(node, ast.BinOp) and type(node.op) in _OPERATORS:
            return _OPERATORS[type(node.op)](walk(node.left), walk(node.right))
        if isinstance(node, ast.UnaryOp) and type(node.op) in _OPERATORS:
            return _OPERATORS[type(node.op)](walk(node.operand))
        raise DescriptionError("not plain arithmetic: '%s'" % text)
    try:
        return walk(ast.parse(text, mode="eval"))
    except SyntaxError:
        raise DescriptionError("bad expression '%s'" % text)


def point(text, names):
    parts = text.split(",")
    if len(parts) != 2:
        raise DescriptionError("expected X,Y but found '%s'" % text)
    return (evaluate(parts[0], names), evaluate(parts[1], names))


def _let(level, args):
    if len(args) != 3 or args[1] != "=":
        raise DescriptionError("expected: let NAME = EXPR")
    level.names[args[0]] = evaluate(args[2], level.names)


def _ground(level, args):
    if len(args) < 2:
        raise DescriptionError("a ground needs at least two points")
    level.grounds.append([point(a, level.names) for a in args])


def _box(level, args):
    if len(args) != 2:
        raise DescriptionError("expected: box X0,Y0 X1,Y1")
    (x0, y0), (x1, y1) = (point(a, level.names) for a in args)
    x0, x1 = sorted((x0, x1))
    y0, y1 = sorted((y0, y1))
    level.outlines.append([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def _poly(level, args):
    if len(args) < 3:
        raise DescriptionError("a poly needs at least three points")
    level.outlines.append([point(a, level.names) for a in args])


def _mark(level, args):
    if len(args) < 2:
        raise DescriptionError("expected: mark LABEL X,Y ...")
    for a in args[1:]:
        level.markers.append((args[0], point(a, level.names)))


def _hang(level, args):
    if len(args) != 3:
        raise DescriptionError("expected: hang LABEL X,Y ROPE")
    label = args[0]
    x, y = point(args[1], level.names)
    rope = evaluate(args[2], level.names)
    level.markers.append((label + "AnchorL", (x - ROPE_ATTACH_DX, y + rope)))
    level.markers.append((label + "AnchorR", (x + ROPE_ATTACH_DX, y + rope)))
    level.markers.append((label, (x, y)))


_COMMANDS = {"let": _let, "ground": _ground, "box": _box, "poly": _poly,
             "mark": _mark, "hang": _hang}


def parse(text):
    """The level that the description text describes; DescriptionError names the line."""
    level = Level()
    for number, line in enumerate(text.splitlines(), 1):
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        command = _COMMANDS.get(words[0])
        try:
            if command is None:
                raise DescriptionError("unknown command '%s'" % words[0])
            command(level, words[1:])
        except DescriptionError as error:
            raise DescriptionError("line %d: %s" % (number, error))
    return level
