#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the display glyphs as 24 x 30 BMP files named by their resource id.

Each glyph is a 6 x 7 grid of 2 x 2 dots on a 4-pixel pitch. Lit dots are
RGB(0,255,0), unlit dots RGB(0,80,0), everything else black. The sixth column
is never lit, so it is left out of the patterns below.

Run it from anywhere: python3 make_glyphs.py [output-dir]
"""
import os
import struct
import sys

WIDTH, HEIGHT = 24, 30
DOT_X = (1, 5, 9, 13, 17, 21)
DOT_Y = (2, 6, 10, 14, 18, 22, 26)
LIT = (0, 255, 0)
UNLIT = (0, 80, 0)
BLACK = (0, 0, 0)

GLYPHS = {
    101: (".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."),  # 0
    102: ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "#####"),  # 1
    103: (".###.", "#...#", "....#", "..##.", ".#...", "#....", "#####"),  # 2
    104: (".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."),  # 3
    105: ("#..#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."),  # 4
    106: ("#####", "#....", "#....", "####.", "....#", "#...#", ".###."),  # 5
    107: (".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."),  # 6
    108: ("#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."),  # 7
    109: (".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."),  # 8
    110: (".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."),  # 9
    141: (".....", ".....", ".....", "#####", ".....", ".....", "....."),  # -
    142: (".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."),  # +
    143: ("##..#", "##.#.", "...#.", "..#..", ".#...", ".#.##", "#..##"),  # %
    145: (".....", ".....", ".....", ".....", ".....", ".....", "....."),  # blank
}


def pixels(rows):
    img = [[BLACK] * WIDTH for _ in range(HEIGHT)]
    for r, y0 in enumerate(DOT_Y):
        for c, x0 in enumerate(DOT_X):
            lit = c < 5 and rows[r][c] == "#"
            for dy in (0, 1):
                for dx in (0, 1):
                    img[y0 + dy][x0 + dx] = LIT if lit else UNLIT
    return img


def bmp(img):
    stride = (WIDTH * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(img):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    return header + info + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for rid, rows in GLYPHS.items():
        with open(os.path.join(out, f"{rid}.bmp"), "wb") as f:
            f.write(bmp(pixels(rows)))


if __name__ == "__main__":
    main()
