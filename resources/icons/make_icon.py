#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the application icon and writes it as mirel.ico.

The artwork: a stack of white sheets with a black outline (three sheets at
32 x 32, two at 16 x 16) and a white arrow pointer at the lower right, on a
transparent background. Both images use the 16-colour palette.

Run it from anywhere: python3 make_icon.py [output-dir]

With --hicolor DIR NAME it writes the desktop's copies of the same artwork
instead, as an icon theme tree: DIR/16x16/apps/NAME.png (the 16 x 16
drawing), DIR/32x32/apps/NAME.png (the 32 x 32 drawing), 48x48 (the 16 x 16
drawing at three times its size) and 128x128 (the 32 x 32 drawing at four
times), and DIR/scalable/apps/NAME.svg, the 32 x 32 drawing as squares that
stay sharp at every size. Whole-number enlargements keep every outline one
even width.
"""
import os
import struct
import sys
import zlib

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


def enlarge(img, factor):
    return [[px for px in row for _ in range(factor)] for row in img for _ in range(factor)]


def png(img):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(img)
    raw = bytearray()
    for row in img:
        raw.append(0)  # no filter
        for px in row:
            raw += bytes((0, 0, 0, 0)) if px is CLEAR else bytes(PALETTE[px]) + b"\xff"
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def svg(img):
    """Square pixels, merged into the fewest rectangles of one colour."""
    size = len(img)
    rects = []
    open_runs = {}  # (x0, x1, colour) -> [x, y, width, height] still growing down
    for y, row in enumerate(img + [[CLEAR] * size]):
        runs = set()
        x = 0
        while x < size:
            px = row[x]
            end = x
            while end + 1 < size and row[end + 1] == px:
                end += 1
            if px is not CLEAR:
                runs.add((x, end, px))
            x = end + 1
        for key in list(open_runs):
            if key in runs:
                open_runs[key][3] += 1
                runs.discard(key)
            else:
                rects.append(open_runs.pop(key))
        for key in runs:
            open_runs[key] = [key[0], y, key[1] - key[0] + 1, 1, key[2]]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
             f'viewBox="0 0 {size} {size}" shape-rendering="crispEdges">']
    for x, y, w, h, px in sorted(rects, key=lambda r: (r[1], r[0])):
        colour = "#%02x%02x%02x" % PALETTE[px]
        lines.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{colour}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def write_hicolor(root, name):
    images = {16: icon16(), 32: icon32(), 48: enlarge(icon16(), 3),
              128: enlarge(icon32(), 4)}
    for size, img in images.items():
        folder = os.path.join(root, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(png(img))
    folder = os.path.join(root, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg(icon32()))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--hicolor":
        write_hicolor(sys.argv[2], sys.argv[3])
        return
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(out, "mirel.ico"), "wb") as f:
        f.write(ico([icon32(), icon16()]))


if __name__ == "__main__":
    main()
