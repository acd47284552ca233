#!/usr/bin/python3
"""Draws the three backgrounds of the user pop-up Form7: assets/popup_starcraft.bmp (the
design picture, "Starcraft Style"), assets/popup_blue.bmp ("Blue Style", Picture2) and
assets/popup_silver.bmp ("Silver Style", Picture3).

Each is a 24-bit picture of the pop-up's client area, 146 x 271 pixels (2190 x 4065 twips at
15 twips a pixel): a vertical gradient in the skin's colours crossed by faint diagonal lines,
a bevelled frame in the colours of the main window's skins (tools/make_skins.py), a dark
plate behind the white name label (8, 8, 129 x 33), shallow grooves where the seven buttons
sit (left 8, width 129, height 25, tops 32, 64, 96, 128, 160, 200 and 232) and rivets in the
corners. Our own art: nothing is copied from anywhere.

Needs Debian's python3-pil (Pillow), hence /usr/bin/python3. Run from anywhere:
    /usr/bin/python3 tools/make_popup_backgrounds.py
The pictures are committed; the build never runs this script.
"""

import os

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 146, 271
# The name label stands at (8, 8, 129 x 33); the first button covers its lowest rows, so the
# plate behind it ends above that button.
PLATE = (8, 8, 8 + 129, 30)
BUTTON_LEFT, BUTTON_WIDTH, BUTTON_HEIGHT = 8, 129, 25
BUTTON_TOPS = [32, 64, 96, 128, 160, 200, 232]
SEPARATOR_Y = 192

# name: (file, gradient top, gradient bottom, line colour, frame light, frame dark, plate)
SKINS = {
    # Dark steel with amber edges, as the main window's Starcraft skin.
    "starcraft": ("popup_starcraft.bmp", (40, 42, 45), (14, 15, 16), (58, 60, 64),
                  (230, 160, 40), (8, 8, 9), (6, 10, 6)),
    # Deep blue with cyan edges, as the Blue skin.
    "blue": ("popup_blue.bmp", (16, 34, 78), (4, 10, 32), (26, 56, 110),
             (80, 200, 240), (2, 6, 20), (2, 8, 26)),
    # Light brushed silver with a gunmetal plate, as the Silver skin.
    "silver": ("popup_silver.bmp", (214, 218, 224), (130, 136, 146), (190, 196, 204),
               (250, 250, 252), (70, 74, 82), (58, 62, 70)),
}


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour)


def bevel(draw, box, light, dark, width=1):
    left, top, right, bottom = box
    for k in range(width):
        draw.line([(left + k, bottom - k), (left + k, top + k), (right - k, top + k)], fill=light)
        draw.line([(left + k, bottom - k), (right - k, bottom - k), (right - k, top + k)],
                  fill=dark)


def draw_skin(top, bottom, lines, light, dark, plate):
    image = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(image)
    for y in range(HEIGHT):
        draw.line([(0, y), (WIDTH - 1, y)], fill=mix(top, bottom, y / (HEIGHT - 1)))
    # Faint diagonal lines, every 9 pixels, blended into the gradient.
    for start in range(-HEIGHT, WIDTH, 9):
        for x in range(WIDTH):
            y = x - start
            if 0 <= y < HEIGHT:
                base = image.getpixel((x, y))
                image.putpixel((x, y), mix(base, lines, 0.35))
    # The frame: two pixels of bevel, a dark line inside.
    bevel(draw, (0, 0, WIDTH - 1, HEIGHT - 1), light, dark, 2)
    draw.rectangle((2, 2, WIDTH - 3, HEIGHT - 3), outline=shade(dark, 1.4))
    # The plate behind the name label, sunk into the panel.
    l, t, r, b = PLATE
    draw.rectangle((l, t, r - 1, b - 1), fill=plate)
    bevel(draw, (l - 1, t - 1, r, b), dark, light)
    # A groove under each button, one pixel wider all round than the button.
    for top_y in BUTTON_TOPS:
        box = (BUTTON_LEFT - 1, top_y - 1, BUTTON_LEFT + BUTTON_WIDTH, top_y + BUTTON_HEIGHT)
        bevel(draw, box, dark, light)
    # Rivets in the four corners.
    for cx, cy in ((6, 6), (WIDTH - 7, 6), (6, HEIGHT - 7), (WIDTH - 7, HEIGHT - 7)):
        draw.ellipse((cx - 2, cy - 2, cx + 2, cy + 2), fill=shade(light, 0.8), outline=dark)
    # The separator of the window draws its own line at SEPARATOR_Y; a dark shadow under it.
    draw.line([(3, SEPARATOR_Y + 1), (WIDTH - 4, SEPARATOR_Y + 1)], fill=dark)
    return image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    assets = os.path.join(here, "..", "assets")
    for name, (file_name, top, bottom, lines, light, dark, plate) in SKINS.items():
        draw_skin(top, bottom, lines, light, dark, plate).save(os.path.join(assets, file_name))


if __name__ == "__main__":
    main()
