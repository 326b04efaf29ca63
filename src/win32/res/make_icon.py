#!/usr/bin/env python3
"""Draws the program's icon, a small voice recorder, and writes vocset.ico (16 x 16 and 32 x 32, 32-bit)."""
import struct
import sys
from pathlib import Path


def recorder(size):
    """Rows of (r, g, b, a) pixels, top row first, of a recorder body with a grille and a red record light."""
    s = size / 32.0
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            # Coordinates on the 32-pixel design grid, at the centre of the pixel.
            gx, gy = (x + 0.5) / s, (y + 0.5) / s
            colour = (0, 0, 0, 0)
            inside = 8 <= gx <= 24 and 2 <= gy <= 30
            corner = min(gx - 8, 24 - gx) < 3 and min(gy - 2, 30 - gy) < 3
            if inside and corner:
                cx = 11 if gx < 16 else 21
                cy = 5 if gy < 16 else 27
                inside = (gx - cx) ** 2 + (gy - cy) ** 2 <= 9
            if inside:
                colour = (48, 56, 72, 255)
                edge = gx < 9.2 or gx > 22.8 or gy < 3.2 or gy > 28.8
                if edge:
                    colour = (20, 24, 32, 255)
                elif 11 <= gx <= 21 and 5 <= gy <= 15 and int(gy) % 3 == 0:
                    colour = (170, 180, 196, 255)  # the grille
                elif (gx - 16) ** 2 + (gy - 23) ** 2 <= 9:
                    colour = (230, 30, 30, 255)  # the record light
            row.append(colour)
        pixels.append(row)
    return pixels


def icon_image(size):
    pixels = recorder(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def main():
    sizes = (16, 32)
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("vocset.ico")
    target.write_bytes(out)


if __name__ == "__main__":
    main()
