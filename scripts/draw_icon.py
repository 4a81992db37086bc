#!/usr/bin/env python3
"""Draws the launcher's icon (resource 101): a rounded teal tile with a white lightning "Z".

Writes launcher/resources/zelt.ico with a 32x32 and a 16x16 image, 24-bit colour plus a
transparency mask. Run it again after changing the drawing; the .ico is kept in the tree.
"""
import struct
import sys


def inside_rounded(x, y, size, radius):
    cx = min(max(x + 0.5, radius), size - radius)
    cy = min(max(y + 0.5, radius), size - radius)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius


def on_z(x, y, size):
    # Top bar, bottom bar and the diagonal between their ends, each about size/8 thick.
    m = size * 0.22
    t = max(2.0, size / 8.0)
    fx, fy = x + 0.5, y + 0.5
    if m <= fx <= size - m and m <= fy <= m + t:
        return True
    if m <= fx <= size - m and size - m - t <= fy <= size - m:
        return True
    if m <= fy <= size - m:
        # The diagonal runs from top-right to bottom-left.
        ex = (size - m) - (fy - m) * (size - 2 * m) / (size - 2 * m)
        return abs(fx - ex) <= t * 0.75
    return False


def pixel(x, y, size):
    """Returns (b, g, r) and whether the pixel is transparent."""
    if not inside_rounded(x, y, size, size * 0.22):
        return (0, 0, 0), True
    if on_z(x, y, size):
        return (255, 255, 255), False
    # A vertical gradient from light teal to deep blue-green, with a dark rim.
    if not inside_rounded(x, y, size, size * 0.22) or x in (0, size - 1) or y in (0, size - 1):
        return (90, 70, 20), False
    k = y / (size - 1)
    r = int(60 - 40 * k)
    g = int(190 - 90 * k)
    b = int(200 - 40 * k)
    return (b, g, r), False


def image(size):
    row_bytes = (size * 3 + 3) & ~3
    mask_row = ((size + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        bits = bytearray(mask_row)
        for x in range(size):
            bgr, transparent = pixel(x, y, size)
            row += bytes(bgr)
            if transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        row += bytes(row_bytes - len(row))
        colour += row
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main(path):
    images = [(32, image(32)), (16, image(16))]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 24, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'launcher/resources/zelt.ico')
