#!/usr/bin/env python3
"""Draws Sparlin's application icon and writes it as resources/sparlin.ico.

The picture: a blue rounded tile on which two orange wedges press on a white
bar from left and right, a build being made smaller. It is drawn from shapes
at 16, 32, 48 and 256 pixels, each size rendered on its own with 4 x 4
samples per pixel, so that the small ones stay sharp. The three small images
are 32-bit bitmaps with alpha, the 256-pixel one a PNG, as Windows expects.

    scripts/windows/make-icon.py          # writes resources/sparlin.ico
"""
import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 256)
SAMPLES = 4

TILE_TOP = (43, 108, 176)
TILE_BOTTOM = (22, 60, 112)
BAR = (246, 248, 251)
WEDGE = (245, 158, 11)


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


def colour_at(x, y):
    """RGBA of the picture at (x, y) in the unit square; None outside it."""
    if not in_rounded_rect(x, y, 0.03, 0.03, 0.97, 0.97, 0.18):
        return None
    if in_rounded_rect(x, y, 0.40, 0.20, 0.60, 0.80, 0.04):
        return BAR
    if in_triangle(x, y, (0.10, 0.28), (0.10, 0.72), (0.35, 0.50)):
        return WEDGE
    if in_triangle(x, y, (0.90, 0.28), (0.90, 0.72), (0.65, 0.50)):
        return WEDGE
    t = (y - 0.03) / 0.94
    return tuple(round(TILE_TOP[i] + (TILE_BOTTOM[i] - TILE_TOP[i]) * t) for i in range(3))


def render(size):
    """Rows of (r, g, b, a), top row first, colours not premultiplied."""
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        r, g, b, covered = r + c[0], g + c[1], b + c[2], covered + 1
            if covered:
                row.append((round(r / covered), round(g / covered), round(b / covered), round(255 * covered / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bitmap_image(rows):
    """A 32-bit bottom-up DIB with its AND mask, as an icon directory holds it."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png_image(rows):
    size = len(rows)
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_file():
    images = [(size, png_image(render(size)) if size >= 256 else bitmap_image(render(size))) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        side = size if size < 256 else 0  # 0 stands for 256
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "sparlin.ico")
    with open(target, "wb") as f:
        f.write(icon_file())
    print(target)


if __name__ == "__main__":
    main()
