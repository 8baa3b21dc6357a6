"""Makes sure a PNG has an alpha channel: the renderer writes fully opaque
pictures as RGB, and the game's pictures are RGBA throughout."""
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
RGB, RGBA = 2, 6


def _chunks(data):
    pos = len(SIGNATURE)
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def _chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(
        ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def _unfiltered_rows(raw, width, height, bpp):
    stride = width * bpp
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, row = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = row[i - bpp] if i >= bpp else 0
            up = previous[i]
            corner = previous[i - bpp] if i >= bpp else 0
            predictor = (0, left, up, (left + up) // 2, _paeth(left, up, corner))[kind]
            row[i] = (row[i] + predictor) & 0xFF
        rows.append(row)
        previous = row
    return rows


def ensure_alpha(path):
    with open(path, "rb") as source:
        data = source.read()
    chunks = list(_chunks(data))
    header = chunks[0][1]
    width, height, depth, colour = struct.unpack(">IIBB", header[:10])
    if colour == RGBA or colour != RGB or depth != 8:
        return
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    out = bytearray()
    for row in _unfiltered_rows(raw, width, height, 3):
        out.append(0)
        for i in range(0, len(row), 3):
            out += row[i:i + 3] + b"\xff"
    new_header = header[:9] + bytes([RGBA]) + header[10:]
    with open(path, "wb") as target:
        target.write(SIGNATURE + _chunk(b"IHDR", new_header) +
                     _chunk(b"IDAT", zlib.compress(bytes(out), 9)) + _chunk(b"IEND", b""))
