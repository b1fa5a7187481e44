#!/usr/bin/env python3
"""Draws the application icon and writes it as mirel.ico.

The artwork: a stack of white sheets with a black outline (three sheets at
32 x 32, two at 16 x 16) and a white arrow pointer at the lower right, on a
transparent background. Both images use the 16-colour palette.

Run it from anywhere: python3 make_icon.py [output-dir]
"""
import os
import struct
import sys

# The standard 16-colour palette; the icon uses black (0) and white (15).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE = 0, 15
CLEAR = None

ARROW_32 = (
    "k...........",
    "kk..........",
    "kwk.........",
    "kwwk........",
    "kwwwk.......",
    "kwwwwk......",
    "kwwwwwk.....",
    "kwwwwwwk....",
    "kwwwwwwwk...",
    "kwwwwwwwwk..",
    "kwwwwwkkkkk.",
    "kwwkwwk.....",
    "kwk.kwwk....",
    "kk..kwwk....",
    "k....kwwk...",
    ".....kwwk...",
    "......kk....",
)

ARROW_16 = (
    "k.....",
    "kk....",
    "kwk...",
    "kwwk..",
    "kwwwk.",
    "kwwkkk",
    "kwk...",
    "kk....",
)


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def sheet(img, left, top, right, bottom):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            img[y][x] = BLACK if edge else WHITE


def stamp(img, art, left, top):
    for dy, row in enumerate(art):
        for dx, ch in enumerate(row):
            if ch != ".":
                img[top + dy][left + dx] = BLACK if ch == "k" else WHITE


def icon32():
    img = canvas(32)
    sheet(img, 12, 1, 27, 21)
    sheet(img, 8, 4, 23, 24)
    sheet(img, 4, 7, 19, 27)
    stamp(img, ARROW_32, 19, 14)
    return img


def icon16():
    img = canvas(16)
    sheet(img, 5, 0, 13, 11)
    sheet(img, 1, 3, 9, 14)
    stamp(img, ARROW_16, 9, 7)
    return img


def dib(img):
    size = len(img)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(img):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, px in enumerate(row):
            index = 0 if px is CLEAR else px
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if px is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    return header + palette + xor + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for img in images:
        blob = dib(img)
        size = len(img)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(out, "mirel.ico"), "wb") as f:
        f.write(ico([icon32(), icon16()]))


if __name__ == "__main__":
    main()
