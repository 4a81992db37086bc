#!/usr/bin/env python3
"""Draws launcher/resources/den.bmp, the default background picture: a warm, light gradient with
soft rings and a faint lattice, light enough for the dark page title and the icons drawn over it.
565 x 565 pixels covers the largest board (15 x 15 cells). 24-bit, bottom-up, no compression."""
import math
import struct
import sys

W = H = 565


def colour(x, y):
    t = y / (H - 1)
    # cream at the top to a pale sage at the bottom
    r = 250 - 40 * t
    g = 244 - 14 * t
    b = 226 - 20 * t
    # soft rings around two centres, like light through leaves
    for cx, cy, radius, strength in ((120, 90, 260, 14), (470, 430, 300, 12)):
        d = math.hypot(x - cx, y - cy)
        ring = 0.5 + 0.5 * math.cos(d / radius * math.pi * 6)
        fade = max(0.0, 1 - d / (radius * 1.6))
        r += strength * ring * fade
        g += strength * ring * fade * 0.9
        b += strength * ring * fade * 0.5
    # a faint diagonal lattice
    if (x + y) % 33 == 0 or (x - y) % 33 == 0:
        r, g, b = r - 10, g - 8, b - 10
    return tuple(max(0, min(255, int(round(v)))) for v in (b, g, r))


def main(path):
    row_size = (W * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(H - 1, -1, -1):
        row = bytearray()
        for x in range(W):
            row += bytes(colour(x, y))
        row += b"\0" * (row_size - W * 3)
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "launcher/resources/den.bmp")
