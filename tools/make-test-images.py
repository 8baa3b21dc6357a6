#!/usr/bin/env python3
"""Writes the small PNG pictures that the graphics tests draw and read back.

Each picture is split into four quadrants of distinct colours, so a test can
tell top from bottom and left from right after mirroring, and the colours
stay clear of 0 and 255 so that a tint visibly moves them either way.
Every PNG colour layout that the game may meet has its own picture, and a
BMP stands for pixels whose channels are stored blue first.

Usage: tools/make-test-images.py [output folder]  (default tests/data/images)
"""
import os
import struct
import sys
import zlib

# Quadrant colours: top left, top right, bottom left, bottom right.
STEEL = (100, 150, 200)
RED = (220, 40, 40)
GREEN = (40, 200, 60)
BLUE = (40, 60, 220)
QUADRANT_COLOURS = (STEEL, RED, GREEN, BLUE)

# A picture big enough to be drawn in cells: nothing, opaque, half see-through, opaque.
CELL_PICTURE_ALPHAS = (0, 255, 128, 255)

GREYS = (200, 60, 120, 0)
GREY_ALPHAS = (255, 255, 255, 0)

COLOUR_GREY, COLOUR_RGB, COLOUR_PALETTE, COLOUR_GREY_ALPHA, COLOUR_RGBA = 0, 2, 3, 4, 6


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def quadrant(x, y, size):
    half = size // 2
    return (0 if x < half else 1) + (0 if y < half else 2)


def write_png(path, size, colour_type, pixel, extra_chunks=()):
    """pixel(q) gives the bytes of one pixel of quadrant q."""
    rows = b"".join(
        b"\0" + b"".join(pixel(quadrant(x, y, size)) for x in range(size))
        for y in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        for kind, data in extra_chunks:
            out.write(chunk(kind, data))
        out.write(chunk(b"IDAT", zlib.compress(rows)))
        out.write(chunk(b"IEND", b""))


def write_bmp(path, size):
    """A 24-bit BMP: blue, green, red in memory, the bottom row first."""
    row_bytes = (size * 3 + 3) // 4 * 4
    rows = b"".join(
        b"".join(bytes(reversed(QUADRANT_COLOURS[quadrant(x, y, size)])) for x in range(size)).ljust(row_bytes, b"\0")
        for y in reversed(range(size)))
    header_size = 14 + 40
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", header_size + len(rows), 0, 0, header_size))
        out.write(struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(rows), 2835, 2835, 0, 0))
        out.write(rows)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("tests", "data", "images")
    os.makedirs(folder, exist_ok=True)
    palette = b"".join(bytes(c) for c in QUADRANT_COLOURS)
    # Ten pixels of three bytes make rows that need padding to four bytes.
    pictures = {
        "corners.png": (16, COLOUR_RGBA, lambda q: bytes(QUADRANT_COLOURS[q] + (255,)), ()),
        "corners-rgb.png": (10, COLOUR_RGB, lambda q: bytes(QUADRANT_COLOURS[q]), ()),
        "palette.png": (16, COLOUR_PALETTE, lambda q: bytes((q,)), ((b"PLTE", palette),)),
        "palette-keyed.png": (16, COLOUR_PALETTE, lambda q: bytes((q,)),
                              ((b"PLTE", palette), (b"tRNS", bytes((255, 255, 255, 0))))),
        "cells.png": (256, COLOUR_RGBA,
                      lambda q: bytes(QUADRANT_COLOURS[q] + (CELL_PICTURE_ALPHAS[q],)), ()),
        "grey.png": (16, COLOUR_GREY, lambda q: bytes((GREYS[q],)), ()),
        "grey-alpha.png": (16, COLOUR_GREY_ALPHA, lambda q: bytes((GREYS[q], GREY_ALPHAS[q])), ()),
    }
    for name, (size, colour_type, pixel, extra) in pictures.items():
        write_png(os.path.join(folder, name), size, colour_type, pixel, extra)
    # Not a PNG, but the one layout whose channels come in the other order.
    write_bmp(os.path.join(folder, "corners-bgr.bmp"), 10)


if __name__ == "__main__":
    main()
