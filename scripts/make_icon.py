#!/usr/bin/env python3
"""Draws the program's icon, a keyboard key with an arrow on it, and writes ui/quelbind.ico with
16x16, 32x32 and 48x48 images (32-bit with alpha). Python's standard library only.

    python3 scripts/make_icon.py [output.ico]
"""
import struct
import sys
from pathlib import Path

SIZES = (16, 32, 48)
SUPERSAMPLE = 4


def rounded_box(x, y, left, top, right, bottom, radius):
    """True when (x, y) lies in the rectangle with rounded corners."""
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_arrow(x, y):
    """An upward arrow in the middle of the key's top face (unit coordinates)."""
    head = 0.30 <= y <= 0.52 and abs(x - 0.47) <= (y - 0.30) * 0.95
    shaft = 0.50 <= y <= 0.70 and abs(x - 0.47) <= 0.075
    return head or shaft


def colour_at(x, y):
    """RGBA of a point of the unit square, or None for transparent."""
    if not rounded_box(x, y, 0.04, 0.06, 0.96, 0.96, 0.16):
        return None
    if not rounded_box(x, y, 0.09, 0.10, 0.91, 0.92, 0.12):
        return (58, 64, 78, 255)  # outline
    if not rounded_box(x, y, 0.15, 0.13, 0.85, 0.80, 0.10):
        return (150, 158, 172, 255)  # the key's sides
    if in_arrow(x, y):
        return (30, 110, 210, 255)
    shade = int(236 - 40 * y)
    return (shade, shade, min(255, shade + 8), 255)


def render(size):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    c = colour_at((px + (sx + 0.5) / SUPERSAMPLE) / size,
                                  (py + (sy + 0.5) / SUPERSAMPLE) / size)
                    if c:
                        for i in range(3):
                            total[i] += c[i] * c[3]
                        total[3] += c[3]
            n = SUPERSAMPLE * SUPERSAMPLE
            alpha = total[3] // n
            rgb = [total[i] // total[3] if total[3] else 0 for i in range(3)]
            row.append((rgb[0], rgb[1], rgb[2], alpha))
        rows.append(row)
    return rows


def dib(size, pixels):
    """A BITMAPINFOHEADER image as an .ico stores it: bottom-up BGRA, then an AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "ui/quelbind.ico"
    images = [dib(size, render(size)) for size in SIZES]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out.write_bytes(data + b"".join(images))
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
