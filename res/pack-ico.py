#!/usr/bin/env python3
"""Packs raw RGB pixels and opacity masks into an .ico of 8-bit images.

Usage: pack-ico.py OUT.ico BASE SIZE [BASE SIZE ...]
Each BASE names BASE.rgb (SIZE*SIZE*3 bytes) and BASE.mask (SIZE*SIZE bytes,
0 = transparent). Every image gets a 256-entry palette whose entry 0 is
black, the colour under the transparent pixels.
"""
import struct
import sys


def bitmap(rgb, mask, size):
    pixels = [tuple(rgb[i:i + 3]) for i in range(0, len(rgb), 3)]
    opaque = [m != 0 for m in mask]
    palette = [(0, 0, 0)]
    for pixel, keep in zip(pixels, opaque):
        if keep and pixel not in palette:
            palette.append(pixel)
    if len(palette) > 256:
        sys.exit("more than 256 colours")
    index = {colour: n for n, colour in enumerate(palette)}
    palette += [(0, 0, 0)] * (256 - len(palette))

    xor_rows, and_rows = [], []
    and_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):  # bottom-up
        row = pixels[y * size:(y + 1) * size]
        keep = opaque[y * size:(y + 1) * size]
        xor_rows.append(bytes(index[p] if k else 0 for p, k in zip(row, keep)))
        bits = bytearray(and_stride)
        for x, k in enumerate(keep):
            if not k:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0,
                         size * size + and_stride * size, 0, 0, 0, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + b"".join(xor_rows) + b"".join(and_rows)


def main():
    out = sys.argv[1]
    images = []
    for base, size in zip(sys.argv[2::2], sys.argv[3::2]):
        size = int(size)
        rgb = open(base + ".rgb", "rb").read()
        mask = open(base + ".mask", "rb").read()
        images.append((size, bitmap(rgb, mask, size)))
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for size, image in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, image in images)
    open(out, "wb").write(data)


main()
