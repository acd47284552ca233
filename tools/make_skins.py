#!/usr/bin/python3
"""Draws the main window's three skins: assets/skins/*.bmp (21 pictures).

Per skin (prefix sc_ for "Starcraft", blue_ for "Blue", silver_ for "Silver"):
  <prefix>background.bmp               768 x 540  the main window's background
  <prefix>send.bmp, <prefix>whisper.bmp 73 x 27   faces of Command1 (Send), Command4 (Whisper)
  <prefix>quit.bmp, <prefix>channels.bmp,
  <prefix>create.bmp, <prefix>join.bmp  100 x 50  faces of Command5, Command6, Command7, Command8

A background is a brushed metal body (a bevel round the 765 pixels of the main window's
client width; the picture's last 3 columns are never seen) with areas set into it, each in a
bevelled metal frame, where the main window's layout table puts the controls:
  - the labels' panel round Shape1 and Shape2 (x 12..114, y 18..297): the status captions
    (white), "Disabled" / "Enabled" (red / green), the view options and "Hide offline
    friends" are drawn straight onto the picture there, so it is dark in every skin;
  - the right screen: the channel name's header (Label1, white text, tinted dark) above a
    lit rule, then the user list;
  - the screens behind the chat view and the typing box (opaque controls);
  - the bays of the four left picture buttons and of Send / Whisper, one flat colour that
    the corners of the button faces take too.
Lines of light (or, on Silver, coloured inlays) along the top and bottom and down the seam
of the left column, lit corner brackets on the chat and right screens, rivets, indicator
lights and a mark of the skin in the top edge finish it.

A button face is a bevelled brushed-metal plate, its corners cut (Starcraft, Silver) or
rounded (Blue) against the bay's colour, with accents in the skin's style and the button's
word in bold DejaVu Sans: one size for Send and Whisper, one for the four large words, the
largest that fits every word of its size, centred on the capitals.

  Starcraft  dark brushed steel, amber light tubes, green lights and header rule, hazard
             stripes; plates of dark steel with amber bars and amber lettering;
  Blue       deep blue body, steel-blue frames, cyan light tubes, a lit scale; glassy
             rounded steel-blue plates with a cyan strip and white lettering;
  Silver     light brushed silver, dark gunmetal panels for the text, blue inlaid lines,
             vent slots; silver plates with corner screws, a blue inlay and dark lettering.

The pictures are 24-bit uncompressed bottom-up BMPs, as Windows BITMAP resources want them
(assets/resources.rc embeds them, ids in assets/resource_ids.h). Everything random comes from
fixed seeds, so a run gives the same pictures again on the same Pillow and FreeType.

Needs Debian's Pillow (python3-pil) and fonts-dejavu-core. Run it from anywhere with
Debian's python (not the pyenv python3 first on PATH):

    /usr/bin/python3 tools/make_skins.py
"""

import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

BG_W, BG_H = 768, 540
VISIBLE_W = 765  # the main window's client width: the picture's last 3 columns stay hidden
SMALL = (73, 27)  # Send, Whisper
LARGE = (100, 50)  # Quit, Channels, Create, Join
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Inner (dark) areas of the background, (left, top, right, bottom) inclusive, around the
# controls of the main window's layout table; each gets a bevelled frame FRAME pixels wide
# outside it.
FRAME = 3
STATUS_PANEL = (8, 12, 117, 299)  # Shape1 12,18 102x161 and Shape2 12,184 102x113: the labels
LEFT_BAY = (8, 306, 117, 528)  # Command6/7/8/5 at x 12, y 308/364/420/476, 102 x 50
CHAT_SCREEN = (132, 12, 570, 486)  # RichTextBox2 136,16 433x468
TYPE_SCREEN = (132, 494, 570, 531)  # Text4 136,496 433x33
RIGHT_SCREEN = (577, 12, 757, 488)  # Label1 578,16 177x33 over ListBoxFX1 583,54 169x433
HEADER_RULE_Y = 51  # between the channel name and the user list
SEND_BAY = (577, 495, 757, 534)  # Command1 584,496..501 81x30, Command4 669,497..502 81x29
LEFT_BUTTON_TOPS = (308, 364, 420, 476)
SEAM_X = 124  # between the left column and the chat

SKINS = {
    "sc": {
        "motif": "hazard",
        "line_width": 1,
        "seed": 1998,
        "body": (50, 53, 56),
        "grain": 0.20,
        "groove": (14, 15, 16),
        "edge_light": (112, 116, 120),
        "frame": (74, 77, 80),
        "recess": (11, 13, 13),
        "bay": (16, 17, 18),
        "behind": (11, 13, 13),  # round the chat view and the typing box
        "header": (14, 34, 22),
        "accent": (255, 160, 28),  # amber
        "accent2": (60, 255, 110),  # green
        "glow": True,
        "rivet": (96, 99, 102),
        "button_style": "bars",
        "plate": (68, 71, 75),
        "plate_grain": 0.16,
        "plate_edge": (8, 8, 8),
        "plate_light": (140, 144, 148),
        "plate_dark": (28, 29, 31),
        "plate_accent": (255, 160, 28),
        "text": (255, 200, 84),
        "text_shadow": (0, 0, 0),
        "text_emboss": None,
    },
    "blue": {
        "motif": "scale",
        "line_width": 1,
        "seed": 2061,
        "body": (26, 44, 82),
        "grain": 0.18,
        "groove": (4, 10, 26),
        "edge_light": (92, 128, 186),
        "frame": (58, 86, 130),
        "recess": (5, 12, 30),
        "bay": (8, 18, 42),
        "behind": (5, 12, 30),
        "header": (10, 36, 70),
        "accent": (40, 220, 255),  # cyan
        "accent2": (130, 190, 255),  # ice blue
        "glow": True,
        "rivet": (88, 118, 160),
        "button_style": "round",
        "plate": (60, 92, 138),
        "plate_grain": 0.16,
        "plate_edge": (4, 10, 28),
        "plate_light": (150, 186, 230),
        "plate_dark": (24, 40, 70),
        "plate_accent": (40, 220, 255),
        "text": (246, 252, 255),
        "text_shadow": (6, 16, 40),
        "text_emboss": None,
    },
    "silver": {
        "motif": "vents",
        "line_width": 2,
        "seed": 3003,
        "body": (176, 181, 188),
        "grain": 0.22,
        "groove": (82, 86, 94),
        "edge_light": (238, 240, 244),
        "frame": (196, 200, 206),
        "recess": (22, 26, 33),  # gunmetal: white, red and green text stay readable
        "bay": (112, 118, 128),
        "behind": (88, 94, 104),
        "header": (34, 48, 72),
        "accent": (52, 116, 204),  # blue
        "accent2": (84, 156, 236),  # light blue
        "glow": False,
        "rivet": (206, 210, 216),
        "button_style": "screws",
        "plate": (204, 208, 214),
        "plate_grain": 0.20,
        "plate_edge": (60, 64, 72),
        "plate_light": (250, 251, 253),
        "plate_dark": (122, 128, 138),
        "plate_accent": (52, 116, 204),
        "text": (26, 30, 38),
        "text_shadow": None,
        "text_emboss": (246, 248, 252),
    },
}

# (file name, word, size) of the button faces, in the order of their resource ids.
BUTTONS = [
    ("send", "Send", SMALL),
    ("whisper", "Whisper", SMALL),
    ("quit", "Quit", LARGE),
    ("channels", "Channels", LARGE),
    ("create", "Create", LARGE),
    ("join", "Join", LARGE),
]


# ---------------------------------------------------------------------------------------------
# Small colour and texture helpers


def mix(a, b, t):
    """Colour a blended towards colour b by t (0 = a, 1 = b)."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def clamp(v):
    return max(0, min(255, int(round(v))))


def noise(rng, w, h):
    """Uniform grey noise, 0..255."""
    return Image.frombytes("L", (w, h), rng.randbytes(w * h))


def brushed(rng, w, h, colour, grain):
    """Brushed metal: long horizontal streaks and a little fine grain around a colour."""
    streaks = noise(rng, max(2, w // 14), h).resize((w, h), Image.BILINEAR)
    streaks = streaks.filter(ImageFilter.GaussianBlur(0.6))
    fine = noise(rng, w, h)
    texture = Image.blend(streaks, fine, 0.25)
    bands = [texture.point(lambda v, c=c: clamp(c + (v - 128) * grain)) for c in colour]
    return Image.merge("RGB", bands)


def sheen(image, strength):
    """A soft diagonal light across the picture: brighter top left, darker bottom right."""
    w, h = image.size
    small = Image.new("L", (2, 2))
    small.putdata([128 + strength, 128, 128, 128 - strength])
    ramp = small.resize((w, h), Image.BILINEAR)
    return ImageChops.add(image, Image.merge("RGB", [ramp] * 3), 1.0, -128)


# ---------------------------------------------------------------------------------------------
# Background parts


def screen(img, box, skin, rng, fill, scanlines=False):
    """A dark area set into the body: a bevelled metal frame FRAME pixels wide round it (a
    groove outside, lit from the top left), then the area itself, flat or with faint display
    scanlines, with a short inner shadow along its top and left."""
    draw = ImageDraw.Draw(img)
    l, t, r, b = box
    black, white = (0, 0, 0), (255, 255, 255)
    frame = skin["frame"]
    for i in range(FRAME, 0, -1):  # outermost ring first
        ol, ot, orr, ob = l - i, t - i, r + i, b + i
        if i == FRAME:
            draw.rectangle([ol, ot, orr, ob], outline=skin["groove"])
            continue
        lit = mix(frame, skin["edge_light"], 0.75 if i == FRAME - 1 else 0.25)
        dim = mix(frame, black, 0.55 if i == 1 else 0.3)
        draw.line([(ol, ot), (orr, ot)], fill=lit)
        draw.line([(ol, ot), (ol, ob)], fill=lit)
        draw.line([(ol, ob), (orr, ob)], fill=dim)
        draw.line([(orr, ot), (orr, ob)], fill=dim)
    inner = brushed(rng, r - l + 1, b - t + 1, fill, 0.04)
    img.paste(inner, (l, t))
    if scanlines:
        line = mix(fill, white, 0.035)
        for y in range(t + 2, b, 3):
            draw.line([(l + 1, y), (r - 1, y)], fill=line)
    for i, depth in enumerate((0.7, 0.35)):
        shade = mix(fill, black, depth)
        draw.line([(l + i, t + i), (r, t + i)], fill=shade)
        draw.line([(l + i, t + i), (l + i, b)], fill=shade)


def glow_lines(img, lines, colour, skin, width=1, radius=2.5, inlaid=True):
    """Lines of light: a soft halo with a bright core (dark skins), or inlaid coloured lines
    in a dark groove (Silver)."""
    if skin["glow"]:
        d = ImageDraw.Draw(img)
        if inlaid:  # the tube lies in a dark channel
            for points in lines:
                d.line(points, fill=skin["groove"], width=width + 2)
        halo = Image.new("RGB", img.size)
        hd = ImageDraw.Draw(halo)
        for points in lines:
            hd.line(points, fill=mix(colour, (0, 0, 0), 0.2), width=width + 1)
        halo = halo.filter(ImageFilter.GaussianBlur(radius))
        img.paste(ImageChops.screen(img, halo))
        core = mix(colour, (255, 255, 255), 0.25)
        d = ImageDraw.Draw(img)
        for points in lines:
            d.line(points, fill=core, width=width)
    else:
        d = ImageDraw.Draw(img)
        for points in lines:
            (x0, y0), (x1, y1) = points
            if not inlaid:
                d.line(points, fill=colour, width=width)
            elif y0 == y1:  # horizontal: groove above, the line, a light lip below
                d.line([(x0, y0 - 1), (x1, y1 - 1)], fill=skin["groove"])
                d.line(points, fill=colour, width=width)
                d.line([(x0, y0 + width), (x1, y1 + width)], fill=skin["edge_light"])
            else:  # vertical: groove left, the line, a light lip right
                d.line([(x0 - 1, y0), (x1 - 1, y1)], fill=skin["groove"])
                d.line(points, fill=colour, width=width)
                d.line([(x0 + width, y0), (x1 + width, y1)], fill=skin["edge_light"])


def light_dot(img, x, y, colour, skin):
    """A small round indicator light (or, on Silver, a coloured stud)."""
    scale = 4
    size = 9
    sprite = Image.new("RGBA", (size * scale, size * scale), (0, 0, 0, 0))
    sd = ImageDraw.Draw(sprite)
    c = size * scale // 2
    rim = mix(skin["groove"], (0, 0, 0), 0.3)
    sd.ellipse([c - 13, c - 13, c + 13, c + 13], fill=rim + (255,))
    sd.ellipse([c - 9, c - 9, c + 9, c + 9], fill=colour + (255,))
    hi = mix(colour, (255, 255, 255), 0.7)
    sd.ellipse([c - 6, c - 7, c - 1, c - 2], fill=hi + (255,))
    sprite = sprite.resize((size, size), Image.LANCZOS)
    if skin["glow"]:
        halo = Image.new("RGB", img.size)
        ImageDraw.Draw(halo).ellipse([x - 4, y - 4, x + 4, y + 4], fill=colour)
        halo = halo.filter(ImageFilter.GaussianBlur(3))
        img.paste(ImageChops.screen(img, halo))
    img.paste(sprite, (x - size // 2, y - size // 2), sprite)


def rivet(img, x, y, skin):
    """A domed rivet head, 7 pixels across, lit from the top left."""
    scale = 4
    size = 7
    sprite = Image.new("RGBA", (size * scale, size * scale), (0, 0, 0, 0))
    sd = ImageDraw.Draw(sprite)
    base = skin["rivet"]
    sd.ellipse([0, 0, size * scale - 1, size * scale - 1], fill=skin["groove"] + (255,))
    shade = mix(base, (0, 0, 0), 0.35)
    sd.ellipse([3, 3, size * scale - 3, size * scale - 3], fill=shade + (255,))
    sd.ellipse([3, 3, size * scale - 6, size * scale - 6], fill=base + (255,))
    sd.ellipse([7, 6, 14, 13], fill=mix(base, (255, 255, 255), 0.6) + (255,))
    sprite = sprite.resize((size, size), Image.LANCZOS)
    img.paste(sprite, (x - size // 2, y - size // 2), sprite)


def corner_brackets(img, box, colour, skin, length=12):
    """Lit L-shaped marks on the four corners of a screen's frame."""
    l, t, r, b = box
    l, t, r, b = l - 2, t - 2, r + 2, b + 2  # on the frame's lit ring
    lines = []
    for x, y, dx, dy in ((l, t, 1, 1), (r, t, -1, 1), (l, b, 1, -1), (r, b, -1, -1)):
        lines.append(((x, y), (x + length * dx, y)))
        lines.append(((x, y), (x, y + length * dy)))
    glow_lines(img, lines, colour, skin, radius=1.5, inlaid=False)


def top_motif(img, box, skin):
    """The skin's mark in the top edge, left of the indicator lights: warning stripes
    (Starcraft), a lit scale (Blue), vent slots (Silver)."""
    l, t, r, b = box
    draw = ImageDraw.Draw(img)
    motif = skin["motif"]
    if motif == "hazard":
        band = Image.new("RGB", (r - l + 1, b - t + 1), (20, 18, 14))
        bd = ImageDraw.Draw(band)
        for x in range(-10, band.width + 10, 8):
            bd.polygon([(x, band.height), (x + 4, band.height), (x + 4 + band.height, 0),
                        (x + band.height, 0)], fill=mix(skin["accent"], (0, 0, 0), 0.15))
        img.paste(band, (l, t))
        draw.rectangle([l - 1, t - 1, r + 1, b + 1], outline=skin["groove"])
    elif motif == "scale":
        draw.rectangle([l, t, r, b], fill=skin["recess"])
        for i, x in enumerate(range(l + 2, r - 1, 4)):
            top = t + 1 if i % 4 == 0 else t + 3
            draw.line([(x, top), (x, b - 1)], fill=mix(skin["recess"], skin["accent"], 0.8))
        draw.rectangle([l - 1, t - 1, r + 1, b + 1], outline=skin["groove"])
    else:  # "vents"
        for x in range(l + 2, r - 2, 7):
            draw.rectangle([x, t + 1, x + 3, b - 1], fill=skin["groove"])
            draw.line([(x, b), (x + 3, b)], fill=skin["edge_light"])


def make_background(skin):
    rng = random.Random(skin["seed"])
    img = brushed(rng, BG_W, BG_H, skin["body"], skin["grain"])
    img = sheen(img, 22)
    draw = ImageDraw.Draw(img)
    right = VISIBLE_W - 1
    black = (0, 0, 0)

    # The body's frame: a bevel round the visible client area.
    draw.rectangle([0, 0, right, BG_H - 1], outline=skin["groove"])
    draw.line([(1, 1), (right - 1, 1)], fill=skin["edge_light"])
    draw.line([(1, 1), (1, BG_H - 2)], fill=skin["edge_light"])
    draw.line([(2, BG_H - 2), (right - 1, BG_H - 2)], fill=mix(skin["body"], black, 0.45))
    draw.line([(right - 1, 2), (right - 1, BG_H - 2)], fill=mix(skin["body"], black, 0.45))
    # The hidden columns past the client area match the frame.
    draw.rectangle([VISIBLE_W, 0, BG_W - 1, BG_H - 1], fill=skin["groove"])

    # The areas the controls sit in. The labels' panel and the channel name's header are
    # dark in every skin: their text is drawn straight onto the picture.
    screen(img, STATUS_PANEL, skin, rng, skin["recess"], scanlines=True)
    screen(img, LEFT_BAY, skin, rng, skin["bay"])
    screen(img, CHAT_SCREEN, skin, rng, skin["behind"])
    screen(img, TYPE_SCREEN, skin, rng, skin["behind"])
    screen(img, RIGHT_SCREEN, skin, rng, skin["recess"], scanlines=True)
    screen(img, SEND_BAY, skin, rng, skin["bay"])
    draw = ImageDraw.Draw(img)

    # The labels' panel: a divider between the status pairs (Shape1) and the view options
    # (Shape2), in the gap between the two frames.
    l, t, r, b = STATUS_PANEL
    draw.line([(l + 3, 181), (r - 3, 181)], fill=mix(skin["recess"], black, 0.7))
    draw.line([(l + 3, 182), (r - 3, 182)], fill=mix(skin["recess"], skin["edge_light"], 0.22))

    # The right screen: the channel name's header, tinted, with a lit rule below it.
    l, t, r, b = RIGHT_SCREEN
    draw.rectangle([l + 2, t + 2, r, HEADER_RULE_Y - 1], fill=skin["header"])

    # The left bay: a dim accent line in each gap between two buttons.
    l, t, r, b = LEFT_BAY
    for top in LEFT_BUTTON_TOPS[1:]:
        y = top - 4
        draw.line([(l + 14, y), (r - 14, y)], fill=mix(skin["bay"], skin["accent"], 0.45))

    accent, accent2 = skin["accent"], skin["accent2"]
    # Lines of light along the top and bottom edges and down the seam of the left column.
    glow_lines(img, [((16, 4), (580, 4))], accent, skin, width=skin["line_width"])
    glow_lines(img, [((16, 535), (568, 535))], accent, skin, radius=1.5)
    seam = [((SEAM_X, 22), (SEAM_X, 292)), ((SEAM_X, 313), (SEAM_X, 522))]
    glow_lines(img, seam, accent, skin, width=skin["line_width"])
    top_motif(img, (592, 1, 694, 7), skin)
    rule = [((RIGHT_SCREEN[0] + 2, HEADER_RULE_Y), (RIGHT_SCREEN[2], HEADER_RULE_Y))]
    glow_lines(img, rule, accent2, skin, radius=2, inlaid=False)
    corner_brackets(img, CHAT_SCREEN, accent2, skin)
    corner_brackets(img, RIGHT_SCREEN, accent2, skin)

    # Rivets on the frame and at the ends of the seam, indicator lights top right and
    # between the labels' panel and the button bay.
    for x, y in ((6, 4), (758, 4), (6, 535), (SEAM_X, 8), (SEAM_X, 531)):
        rivet(img, x, y, skin)
    for x in (704, 718, 732):
        light_dot(img, x, 4, accent2, skin)
    light_dot(img, SEAM_X, 302, accent2, skin)
    return img


# ---------------------------------------------------------------------------------------------
# Button faces


def face_font(size):
    """The largest bold DejaVu Sans in which every word of the faces of this size fits, so
    that Send and Whisper (and the four large words) share one size."""
    w, h = size
    large = h >= 40
    max_w, max_h = w - (18 if large else 10), h - (20 if large else 10)
    points = 17 if large else 13
    while points > 6:
        font = ImageFont.truetype(FONT_BOLD, points)
        boxes = [font.getbbox(word) for _, word, s in BUTTONS if s == size]
        if all(r - l <= max_w and b - t <= max_h for l, t, r, b in boxes):
            return font
        points -= 1
    return ImageFont.truetype(FONT_BOLD, points)


def shape_mask(w, h, inset, style, cut):
    """Antialiased mask of the face's outline shrunk by inset pixels: chamfered corners or
    rounded ones. Drawn at 4 times the size and scaled down."""
    k = 4
    mask = Image.new("L", (w * k, h * k), 0)
    d = ImageDraw.Draw(mask)
    l, t, r, b = inset * k, inset * k, (w - inset) * k - 1, (h - inset) * k - 1
    c = max(1, cut - inset) * k
    if style == "round":
        d.rounded_rectangle([l, t, r, b], radius=c, fill=255)
    else:
        d.polygon([(l + c, t), (r - c, t), (r, t + c), (r, b - c), (r - c, b), (l + c, b),
                   (l, b - c), (l, t + c)], fill=255)
    return mask.resize((w, h), Image.LANCZOS)


def shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def scaled(mask, factor):
    return mask.point(lambda v: int(v * factor))


def make_button(skin, word, size, seed):
    w, h = size
    rng = random.Random(seed)
    style = skin["button_style"]
    large = h >= 40
    cut = (8 if style == "round" else 6) if large else (5 if style == "round" else 4)
    bevel = 3 if large else 2
    black, white = (0, 0, 0), (255, 255, 255)

    # Outside the outline: the bay behind the button. Then the dark edge, the brushed plate
    # and its bevel (lit top left, shaded bottom right).
    img = Image.new("RGB", size, skin["bay"])
    img.paste(skin["plate_edge"], (0, 0, w, h), shape_mask(w, h, 0, style, cut))
    plate = sheen(brushed(rng, w, h, skin["plate"], skin["plate_grain"]), 26)
    inner = shape_mask(w, h, 1, style, cut)
    if style == "round":
        # Glass: a gloss over the upper half, fading downwards.
        ramp = Image.linear_gradient("L").resize((w, h)).point(
            lambda v: max(0, int(70 - v * 1.1)))
        plate.paste(white, (0, 0, w, h), ramp)
    img.paste(plate, (0, 0, w, h), inner)
    for depth, strength in ((bevel, 0.5), (1, 0.9)):
        lit = ImageChops.subtract(inner, shifted(inner, depth, depth))
        shade = ImageChops.subtract(inner, shifted(inner, -depth, -depth))
        img.paste(skin["plate_light"], (0, 0, w, h), scaled(lit, strength))
        img.paste(skin["plate_dark"], (0, 0, w, h), scaled(shade, strength))

    draw = ImageDraw.Draw(img)
    accent = skin["plate_accent"]
    groove = mix(skin["plate_dark"], black, 0.3)
    if style == "bars":
        # Short lit bars at the ends of the top and bottom edges.
        if large:
            y_top, y_bottom, length, x0 = 6, h - 7, 14, cut + 4
        else:
            y_top, y_bottom, length, x0 = None, h - 4, 6, cut + 2
        for y in (y_top, y_bottom):
            if y is None:
                continue
            for points in (((x0, y), (x0 + length, y)),
                           ((w - 1 - x0 - length, y), (w - 1 - x0, y))):
                draw.line(points, fill=groove, width=3)
                draw.line(points, fill=accent)
    elif style == "round":
        # A lit strip under the word.
        half = w // 4 if large else w // 5
        y = h - (6 if large else 4)
        draw.line([(w // 2 - half, y), (w // 2 + half, y)], fill=groove, width=3)
        draw.line([(w // 2 - half, y), (w // 2 + half, y)], fill=accent)
    else:  # "screws": a screw in each corner of a large face, a blue inlay below the word
        if large:
            for x, y in ((7, 7), (w - 8, 7), (7, h - 8), (w - 8, h - 8)):
                draw.ellipse([x - 2, y - 2, x + 2, y + 2], fill=skin["plate_dark"])
                draw.ellipse([x - 1, y - 1, x + 1, y + 1], fill=skin["plate_light"])
                draw.line([(x - 1, y + 1), (x + 1, y - 1)], fill=skin["plate_edge"])
        half = w // 4 if large else w // 5
        y = h - (6 if large else 4)
        draw.line([(w // 2 - half, y), (w // 2 + half, y)], fill=groove, width=3)
        draw.line([(w // 2 - half, y), (w // 2 + half, y)], fill=accent)

    # The word, centred, with a shadow (light letters) or an emboss (dark letters).
    font = face_font(size)
    l, t, r, b = font.getbbox(word)
    x = (w - (r - l)) // 2 - l
    # Vertically the capitals are centred (cap top to baseline), so a descender ("p" of
    # Whisper) does not lift its word above the others.
    _, cap_top, _, baseline = font.getbbox("H")
    y = (h - (baseline - cap_top)) // 2 - cap_top - (1 if large else 0)
    if skin["text_shadow"] is not None:
        draw.text((x + 1, y + 1), word, font=font, fill=skin["text_shadow"])
    if skin["text_emboss"] is not None:
        draw.text((x + 1, y + 1), word, font=font, fill=skin["text_emboss"])
    draw.text((x, y), word, font=font, fill=skin["text"])
    return img


# ---------------------------------------------------------------------------------------------


def save_bmp(img, path):
    """24-bit uncompressed bottom-up BMP (Pillow's BMP writer does exactly that for RGB)."""
    img.convert("RGB").save(path, format="BMP")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "assets", "skins")
    os.makedirs(out, exist_ok=True)
    for prefix, skin in SKINS.items():
        save_bmp(make_background(skin), os.path.join(out, f"{prefix}_background.bmp"))
        for index, (name, word, size) in enumerate(BUTTONS):
            face = make_button(skin, word, size, skin["seed"] * 10 + index)
            save_bmp(face, os.path.join(out, f"{prefix}_{name}.bmp"))


if __name__ == "__main__":
    main()
