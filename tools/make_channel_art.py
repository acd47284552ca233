#!/usr/bin/python3
"""Draws the channel window's pictures: assets/channel_back.bmp and its two picture buttons.

- channel_back.bmp (300 x 330): the background of FormChannel "Join a Channel": a dark
  steel gradient with a faint hexagon grid, the title, and lit frames round the list of
  channels (20, 52, 260 x 190) and the channel box (20, 250, 260 x 22).
- channel_join.bmp, channel_close.bmp (96 x 32): the join and close buttons, a bevelled
  metal plate with an amber word.

Our own art, drawn reproducibly (no randomness) with Pillow and the DejaVu fonts. Needs
Debian's python3-pil for /usr/bin/python3. Run from anywhere: tools/make_channel_art.py
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

AMBER = (255, 186, 60)
GREEN = (90, 220, 120)
STEEL_DARK = (14, 18, 28)
STEEL_MID = (34, 44, 62)


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def hexagon(draw, cx, cy, r, colour):
    points = [(cx + r * math.cos(math.radians(60 * k + 30)),
               cy + r * math.sin(math.radians(60 * k + 30))) for k in range(6)]
    draw.polygon(points, outline=colour)


def lit_frame(draw, box, colour):
    x0, y0, x1, y1 = box
    draw.rectangle((x0 - 3, y0 - 3, x1 + 3, y1 + 3), outline=lerp(colour, STEEL_DARK, 0.6))
    draw.rectangle((x0 - 2, y0 - 2, x1 + 2, y1 + 2), outline=colour)
    draw.rectangle((x0 - 1, y0 - 1, x1 + 1, y1 + 1), outline=lerp(colour, STEEL_DARK, 0.4))


def background():
    w, h = 300, 330
    image = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(image)
    for y in range(h):
        t = y / (h - 1)
        draw.line((0, y, w, y), fill=lerp(STEEL_MID, STEEL_DARK, t))
    grid = lerp(STEEL_MID, (80, 100, 130), 0.35)
    r = 14
    for row in range(-1, h // 21 + 2):
        for col in range(-1, w // 24 + 2):
            cx = col * 24.25 + (12 if row % 2 else 0)
            cy = row * 21
            hexagon(draw, cx, cy, r, lerp(grid, STEEL_DARK, row / (h / 21 + 2)))
    # Title band.
    draw.rectangle((0, 0, w, 40), fill=lerp(STEEL_DARK, (0, 0, 0), 0.3))
    draw.line((0, 40, w, 40), fill=AMBER)
    draw.line((0, 41, w, 41), fill=lerp(AMBER, STEEL_DARK, 0.6))
    title = ImageFont.truetype(FONT_BOLD, 17)
    draw.text((w // 2, 20), "Join a Channel", font=title, fill=AMBER, anchor="mm")
    lit_frame(draw, (20, 52, 20 + 260 - 1, 52 + 190 - 1), GREEN)
    lit_frame(draw, (20, 250, 20 + 260 - 1, 250 + 22 - 1), GREEN)
    # Corner studs.
    for cx, cy in ((8, 52), (292, 52), (8, 320), (292, 320)):
        draw.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), fill=(120, 130, 150), outline=(30, 30, 40))
    return image


def button(word):
    w, h = 96, 32
    image = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(image)
    top, bottom = (96, 108, 128), (30, 36, 48)
    for y in range(h):
        draw.line((0, y, w, y), fill=lerp(top, bottom, y / (h - 1)))
    draw.rectangle((0, 0, w - 1, h - 1), outline=(10, 12, 16))
    draw.line((1, 1, w - 2, 1), fill=(170, 180, 200))
    draw.line((1, 1, 1, h - 2), fill=(140, 150, 170))
    draw.line((1, h - 2, w - 2, h - 2), fill=(12, 14, 20))
    draw.line((w - 2, 1, w - 2, h - 2), fill=(12, 14, 20))
    font = ImageFont.truetype(FONT_BOLD, 14)
    draw.text((w // 2 + 1, h // 2 + 1), word, font=font, fill=(0, 0, 0), anchor="mm")
    draw.text((w // 2, h // 2), word, font=font, fill=AMBER, anchor="mm")
    return image


def main():
    background().save(os.path.join(ASSETS, "channel_back.bmp"))
    button("Join").save(os.path.join(ASSETS, "channel_join.bmp"))
    button("Close").save(os.path.join(ASSETS, "channel_close.bmp"))


if __name__ == "__main__":
    main()
