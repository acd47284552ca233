#!/usr/bin/env python3
"""Draws the product icon strip of the user lists: assets/icon_strip.bmp.

A 24-bit picture 416 x 18 on magenta (the lists' transparent colour) holding 13 badges,
one per product code in the order of the product icon table, the last for the "32" rule.
Badge j covers columns 32*j to 32*j+27 and rows 2 to 15: a rounded plate in the product's
colour with a darker rim and one to three white letters in a 5 x 7 pixel font.

Run from anywhere: python3 tools/make_icon_strip.py
"""

import os
import struct

WIDTH, HEIGHT = 416, 18
PITCH, BADGE_W, TOP, BOTTOM = 32, 28, 2, 15
MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

# (product code as the game lists it, label, plate colour as R, G, B)
BADGES = [
    ("PXES", "BW", (170, 40, 30)),     # StarCraft: Brood War
    ("RATS", "SC", (30, 80, 170)),     # StarCraft
    ("PX3W", "TFT", (40, 110, 130)),   # Warcraft III: The Frozen Throne
    ("3RAW", "W3", (40, 120, 50)),     # Warcraft III
    ("PX2D", "LOD", (150, 110, 20)),   # Diablo II: Lord of Destruction
    ("VD2D", "D2", (120, 20, 20)),     # Diablo II
    ("TAHC", "CH", (90, 90, 100)),     # chat client
    ("RHSD", "DS", (110, 70, 40)),     # Diablo shareware
    ("RHSS", "SS", (60, 130, 200)),    # StarCraft shareware
    ("RTSJ", "JS", (180, 60, 120)),    # StarCraft, Japanese edition
    ("GPCW", "WC", (20, 140, 140)),    # Warcraft client
    ("NB2W", "W2", (100, 120, 30)),    # Warcraft II: Battle.net Edition
    ("32", "X", (200, 30, 30)),        # the "32" rule
]

FONT = {
    "B": ["1111.", "1...1", "1...1", "1111.", "1...1", "1...1", "1111."],
    "C": [".111.", "1...1", "1....", "1....", "1....", "1...1", ".111."],
    "D": ["1111.", "1...1", "1...1", "1...1", "1...1", "1...1", "1111."],
    "F": ["11111", "1....", "1....", "1111.", "1....", "1....", "1...."],
    "H": ["1...1", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    "J": ["..111", "...1.", "...1.", "...1.", "...1.", "1..1.", ".11.."],
    "L": ["1....", "1....", "1....", "1....", "1....", "1....", "11111"],
    "O": [".111.", "1...1", "1...1", "1...1", "1...1", "1...1", ".111."],
    "S": [".1111", "1....", "1....", ".111.", "....1", "....1", "1111."],
    "T": ["11111", "..1..", "..1..", "..1..", "..1..", "..1..", "..1.."],
    "W": ["1...1", "1...1", "1...1", "1.1.1", "1.1.1", "1.1.1", ".1.1."],
    "X": ["1...1", "1...1", ".1.1.", "..1..", ".1.1.", "1...1", "1...1"],
    "2": [".111.", "1...1", "....1", "...1.", "..1..", ".1...", "11111"],
    "3": ["1111.", "....1", "....1", ".111.", "....1", "....1", "1111."],
}


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour)


def draw_badge(pixels, left, label, colour):
    rim = shade(colour, 0.55)
    light = shade(colour, 1.35)
    height = BOTTOM - TOP + 1
    for dy in range(height):
        for dx in range(BADGE_W):
            # Rounded corners: leave out the pixels a radius-2 corner cuts away.
            edge_x = min(dx, BADGE_W - 1 - dx)
            edge_y = min(dy, height - 1 - dy)
            if edge_x + edge_y < 2:
                continue
            on_rim = edge_x == 0 or edge_y == 0 or edge_x + edge_y == 2
            if on_rim:
                value = rim
            elif dy == 1:
                value = light  # a highlight along the top edge
            else:
                value = colour
            pixels[TOP + dy][left + dx] = value
    text_w = len(label) * 6 - 1
    x0 = left + (BADGE_W - text_w) // 2
    y0 = TOP + (height - 7) // 2
    for index, letter in enumerate(label):
        for gy, row in enumerate(FONT[letter]):
            for gx, bit in enumerate(row):
                if bit == "1":
                    pixels[y0 + gy][x0 + index * 6 + gx] = WHITE


def write_bmp(path, pixels):
    row_bytes = (WIDTH * 3 + 3) & ~3
    image = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        image += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + image)


def main():
    pixels = [[MAGENTA] * WIDTH for _ in range(HEIGHT)]
    for j, (_code, label, colour) in enumerate(BADGES):
        draw_badge(pixels, PITCH * j, label, colour)
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "..", "assets", "icon_strip.bmp"), pixels)


if __name__ == "__main__":
    main()
