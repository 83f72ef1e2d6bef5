#!/usr/bin/env python3
"""Draws every picture of the game and writes the sprite-sheet descriptions.

Run from the repository root with Debian's Python (it has PIL):  /usr/bin/python3 tools/gen_art.py
Everything is drawn from code: shapes, colours and layouts below; the species sheet is driven by
data/creatures/base.xml (number, shape word, colour word, types, size word, forms), the type icons by
data/types/types.xml and data/subtypes/subtypes.xml, the crowd rows by data/trainers.xml and the
arenas, the particle cells by data/particles/*.xml. The output is deterministic: re-running it gives the
same bytes, so the committed PNGs only change when this script or the data changes.

Pictures written (size in pixels, cell layout):

| file                        | size       | layout / use                                                        |
|-----------------------------|------------|---------------------------------------------------------------------|
| img/main_bg.png             | 853 x 480  | menu and loading background (window slots 0 and 22)                |
| img/journey.png             | 853 x 480  | journey screens' background (slot 23)                               |
| img/debug_background.png    | 853 x 480  | battle background with the debug setting on                         |
| img/stade_*.png (one each)  | 853 x 480  | battle backgrounds named by the arenas' <file>; stands on the crowd |
|                             |            | grid's border (27 x 15 seats of 32 px), the field in the middle     |
| img/lifebar.png             | 128 x 8    | HP bar frame; the 48 two-pixel segments go at x 30..125, y 2..5     |
| img/hpbar.png               | 8 x 4      | four 2 x 4 cells: green, yellow, red, gauge blue                    |
| img/zkball.png              | 64 x 16    | four 16 x 16 ball icons in a row: ready, with status, K.O., empty   |
|                             |            | place (the game's own ball: zigzag seam, cap over a cream base, gem)|
| img/clone.png               | 32 x 32    | "copy" badge (slot 8)                                               |
| img/supporters.png          | 64 x 16*K  | 16 x 16 cells; column = facing (0 front, 1 right, 2 left, 3 back),  |
|                             |            | row = supporter kind - 1 = trainer sprite number - 1 (K kinds)      |
| img/box.png                 | 96 x 16    | six 16 x 16 frame cells: corners TL TR BL BR, horizontal, vertical   |
| img/cursor.png              | 16 x 16    | menu cursor (slot 17)                                               |
| img/shadow.png              | 50 x 50    | creature shadow, an ellipse centred in the square                   |
| img/zlkn_icon.png           | 64 x 1216  | 32 x 32 icons, 2 animation frames per row, row = shape code (0..37); |
|                             |            | row 34 (GLYPHIC, a rune with a question mark) doubles as the icon   |
|                             |            | of an empty list entry; drawn pale so the colour tints show         |
| img/minitypes.png           | 16 x 16*T  | one column of 16 x 16 type icons, row = type id: 0 "none", then the |
|                             |            | types in types.xml order, then the subtypes (they share the ids)    |
| img/zelkins_base.png        | 1024 x 320 | the library sheet: 16 cells of 64 x 64 per line, cell n-1 = sprite  |
|                             |            | number n (species 1..69, forms 70..73), figures facing right        |
| img/particles.png           | 512 x 96   | sheet "particles": 32 x 6 cells of 16 x 16; a particle takes the    |
|                             |            | cells x..x+3 of its row (four animation frames); row 5 the balls    |
| data/textures/particles.xml |            | the "particles" sheet description (cells, grid, scale 2)            |
| data/particles/zelkball.xml |            | the ball particles of row 5: MAIN_zelkball_launch (thrown, falls,   |
|                             |            | turns into MAIN_zelkball_open) and MAIN_zelkball_dissapear          |
"""

import colorsys
import math
import os
import random
import re
import sys

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMG = os.path.join(ROOT, "img")
W, H = 853, 480

# ----------------------------------------------------------------------------------------------------
# Data read from the game's own files
# ----------------------------------------------------------------------------------------------------


def read_text(rel):
    with open(os.path.join(ROOT, rel), "rb") as f:
        return f.read().decode("latin-1")


def tag(block, name, default=None):
    m = re.search(r"<%s(?:\s[^>]*)?>(.*?)</%s>" % (name, name), block, re.S)
    return m.group(1).strip() if m else default


def read_library():
    text = read_text("data/creatures/base.xml")
    lib = re.search(r"<library>(.*?)</library>", text, re.S).group(1)
    layout = {
        "file": tag(lib, "file"),
        "per_line": int(tag(lib, "zlkn_per_line")),
        "width": int(tag(lib, "zlkn_width")),
        "height": int(tag(lib, "zlkn_height")),
        "face": int(tag(lib, "zlkn_face", "0")),
    }
    species = []
    for block in re.findall(r"<creature>(.*?)</creature>", text, re.S):
        mini = re.search(r'<minisprite(?:\s+color="([^"]*)")?\s*>(.*?)</minisprite>', block, re.S)
        form = re.search(r'<form\s+sprite_number="(\d+)"\s*>(.*?)</form>', block, re.S)
        stats = [int(tag(block, k, "80")) for k in
                 ("stat_hp", "stat_att", "stat_def", "stat_spe_att", "stat_spe_def", "stat_vit")]
        number = int(tag(block, "number"))
        species.append({
            "name": tag(block, "name"),
            "number": number,
            "sprite": int(form.group(1)) if form and int(form.group(1)) > 0 else number,
            "form": form.group(2).strip() if form else "",
            "shape": mini.group(2).strip() if mini else "ZELKIN",
            "colour": (mini.group(1) or "GREY") if mini else "GREY",
            "types": re.findall(r"<type>(.*?)</type>", block),
            "size": tag(block, "size", "M"),
            "total": sum(stats),
            "rarity": tag(block, "statut", ""),
        })
    return layout, species


def read_names(rel, element):
    text = read_text(rel)
    return [tag(b, "name") for b in re.findall(r"<%s>(.*?)</%s>" % (element, element), text, re.S)]


def read_stadium_files():
    out = []
    for fn in sorted(os.listdir(os.path.join(ROOT, "data/stadiums"))):
        if fn.endswith(".xml"):
            text = read_text("data/stadiums/" + fn)
            for b in re.findall(r"<stadium>(.*?)</stadium>", text, re.S):
                out.append((tag(b, "name"), tag(b, "file"), "<ultimate" in b,
                            [int(k) for k in re.findall(r"\d+", tag(b, "supporters", "") or "")]))
    return out


def read_trainer_ids():
    text = read_text("data/trainers.xml")
    return [int(tag(b, "id")) for b in re.findall(r"<trainer>(.*?)</trainer>", text, re.S)]


def read_particles():
    out = []
    folder = os.path.join(ROOT, "data/particles")
    for fn in sorted(os.listdir(folder)):
        if not fn.endswith(".xml"):
            continue
        text = read_text("data/particles/" + fn)
        for b in re.findall(r"<particle>(.*?)</particle>", text, re.S):
            m = re.search(r'<texture\s+x="(\d+)"\s+y="(\d+)"[^>]*>(.*?)</texture>', b, re.S)
            out.append((tag(b, "name"), int(m.group(1)), int(m.group(2)), m.group(3).strip(),
                        int(tag(b, "cycle", "1"))))
    return out


# Shape words in the order of their codes (the icon rows).
SHAPES = ["GRASS", "FIRE", "DRAGON", "TURTLE", "COBRA", "BUTTERFLY", "INSECT", "BIRD", "CAT", "SNAKE",
          "ZAPPLET", "ZELKIN", "FEE", "TOLLUMP", "BAT", "FLOWER", "MOLE", "FIGHT", "TADPOLE", "PUPPET",
          "POULP", "ROCK", "DOG", "DROWSEL", "BALL", "NESS", "POISON", "SHELL", "GHOST", "FISH", "STAR",
          "VORNITH", "VEK", "TREE", "GLYPHIC", "ORV", "PHIX", "EGG"]
EMPTY_ICON_ROW = 34

COLOURS = {
    "RED": (214, 58, 52), "BLUE": (58, 102, 214), "GREEN": (76, 176, 72), "CYAN": (64, 196, 214),
    "PURPLE": (142, 78, 196), "ORANGE": (240, 142, 40), "PINK": (242, 136, 186),
    "GREY": (150, 154, 162), "GRAY": (150, 154, 162), "BLACK": (70, 64, 84),
    "DARK_RED": (150, 34, 44), "DARK_GREEN": (40, 112, 56), "DARK_BLUE": (40, 58, 150),
    "BROWN": (146, 98, 56),
}

TYPE_COLOURS = {
    "none": (200, 200, 200), "Brut": (206, 196, 172), "Braise": (240, 96, 32), "Maree": (48, 128, 232),
    "Sylve": (72, 184, 64), "Foudre": (248, 208, 40), "Givre": (150, 220, 244), "Roche": (164, 128, 80),
    "Rafale": (150, 206, 196), "Ombre": (76, 56, 100), "Aurore": (252, 214, 110), "Venin": (160, 70, 190),
    "Acier": (170, 176, 192), "Psyche": (236, 80, 150), "Fauve": (196, 110, 50), "Spectre": (112, 92, 176),
    "Cristal": (110, 228, 216), "Contact": (220, 120, 90), "Projectile": (120, 150, 220),
    "Sonore": (200, 140, 220), "Aura": (250, 230, 140),
}

OUTLINE = (34, 28, 44, 255)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t=0.35):
    return mix(c, (255, 255, 255), t)


def darker(c, t=0.35):
    return mix(c, (0, 0, 0), t)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


# ----------------------------------------------------------------------------------------------------
# Pixel-art helpers: shapes drawn flat, then shaded and outlined from their silhouette
# ----------------------------------------------------------------------------------------------------


def shade_and_outline(img, outline=OUTLINE, strength=0.28):
    """Lights the upper-left rims, darkens the lower-right ones and rings the silhouette in a dark line."""
    w, h = img.size
    px = img.load()
    alpha = [[px[x, y][3] > 0 for y in range(h)] for x in range(w)]

    def solid(x, y):
        return 0 <= x < w and 0 <= y < h and alpha[x][y]

    out = img.copy()
    op = out.load()
    for x in range(w):
        for y in range(h):
            if alpha[x][y]:
                r, g, b, a = px[x, y]
                if not solid(x - 1, y - 1) or not solid(x, y - 2):
                    r, g, b = lighter((r, g, b), strength)
                elif not solid(x + 1, y + 1) or not solid(x, y + 2):
                    r, g, b = darker((r, g, b), strength)
                op[x, y] = (r, g, b, a)
            elif solid(x - 1, y) or solid(x + 1, y) or solid(x, y - 1) or solid(x, y + 1):
                op[x, y] = outline
    return out


class Canvas:
    """A creature cell with nominal 64 x 64 coordinates, feet at (32, 56), scaled about the feet."""

    def __init__(self, size=64, scale=1.0):
        self.img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)
        self.s = scale * size / 64.0
        self.k = size / 64.0
        self.eyes = []
        self.marks = []

    def p(self, x, y):
        return (32 * self.k + (x - 32) * self.s, 56 * self.k + (y - 56) * self.s)

    def ell(self, cx, cy, rx, ry, col):
        x0, y0 = self.p(cx - rx, cy - ry)
        x1, y1 = self.p(cx + rx, cy + ry)
        self.d.ellipse([x0, y0, x1, y1], fill=rgba(col))

    def rect(self, x0, y0, x1, y1, col):
        a, b = self.p(x0, y0)
        c, d = self.p(x1, y1)
        self.d.rectangle([a, b, c, d], fill=rgba(col))

    def poly(self, pts, col):
        self.d.polygon([self.p(x, y) for x, y in pts], fill=rgba(col))

    def line(self, pts, col, width=2):
        self.d.line([self.p(x, y) for x, y in pts], fill=rgba(col), width=max(1, int(width * self.s)))

    def eye(self, x, y, r=2.5):
        self.eyes.append((x, y, r))

    def mark(self, pts, col, width=1):
        """A detail drawn after shading (mouth, stripes)."""
        self.marks.append((pts, col, width))

    def finish(self):
        img = shade_and_outline(self.img)
        d = ImageDraw.Draw(img)
        for pts, col, width in self.marks:
            d.line([self.p(x, y) for x, y in pts], fill=rgba(col), width=width)
        for x, y, r in self.eyes:
            cx, cy = self.p(x, y)
            rr = max(1.0, r * self.s)
            if rr >= 1.8:
                d.ellipse([cx - rr, cy - rr, cx + rr - 1, cy + rr - 1], fill=(255, 255, 255, 255))
                pr = max(1.0, rr * 0.55)
                d.rectangle([cx + rr * 0.15, cy - pr * 0.6, cx + rr * 0.15 + pr, cy + pr * 0.6],
                            fill=(20, 16, 28, 255))
            else:
                d.rectangle([cx, cy, cx, cy], fill=(20, 16, 28, 255))
        return img


# ----------------------------------------------------------------------------------------------------
# Creature shapes: one function per shape word, facing right. pal holds body, accent, belly colours;
# rng varies proportions and features so that species sharing a shape still look apart.
# ----------------------------------------------------------------------------------------------------


def head_crest(c, x, y, pal, rng, kind=None):
    kind = rng.choice(["none", "horns", "tuft", "spikes", "antenna"]) if kind is None else kind
    a = pal["accent"]
    if kind == "horns":
        c.poly([(x - 4, y - 2), (x - 1, y - 12), (x + 1, y - 2)], a)
        c.poly([(x + 3, y - 2), (x + 7, y - 11), (x + 7, y - 1)], a)
    elif kind == "tuft":
        c.poly([(x - 6, y), (x - 3, y - 10), (x, y - 3), (x + 2, y - 11), (x + 4, y)], a)
    elif kind == "spikes":
        for i in range(3):
            c.poly([(x - 8 + i * 5, y + 1), (x - 6 + i * 5, y - 8), (x - 3 + i * 5, y + 1)], a)
    elif kind == "antenna":
        c.line([(x, y), (x - 3, y - 10)], darker(pal["body"]), 1)
        c.ell(x - 3, y - 11, 2, 2, a)


def legs(c, xs, y0, y1, col, w=3):
    for x in xs:
        c.rect(x - w / 2, y0, x + w / 2, y1, col)


def s_fire(c, pal, rng):  # upright lizard with a flame tail
    b = pal["body"]
    c.poly([(14, 44), (6, 30), (10, 34), (8, 20), (15, 32), (18, 40)], (250, 170, 40))
    c.ell(16, 40, 8, 4, b)
    c.ell(30, 40, 11, 13, b)
    c.ell(31, 44, 7, 8, pal["belly"])
    c.ell(38, 22, 10, 9, b)
    legs(c, [25, 35], 48, 56, darker(b, 0.15), 5)
    c.ell(42, 36, 3, 3, b)
    head_crest(c, 36, 14, pal, rng)
    c.eye(41, 20)
    c.mark([(44, 26), (47, 25)], OUTLINE)


def s_dragon(c, pal, rng):
    b = pal["body"]
    c.poly([(10, 44), (2, 34), (6, 46), (16, 50)], b)
    c.poly([(22, 28), (12, 8), (20, 12), (28, 6), (30, 26)], pal["accent"])
    c.ell(28, 40, 14, 12, b)
    c.ell(30, 44, 8, 7, pal["belly"])
    c.poly([(34, 32), (44, 16), (48, 22), (40, 36)], b)
    c.ell(48, 17, 9, 7, b)
    c.poly([(52, 18), (61, 20), (55, 23)], b)
    legs(c, [20, 36], 48, 56, darker(b, 0.15), 6)
    head_crest(c, 46, 11, pal, rng, rng.choice(["horns", "spikes"]))
    c.eye(51, 15)


def s_turtle(c, pal, rng):
    b = pal["body"]
    legs(c, [18, 40], 46, 56, b, 6)
    c.ell(52, 38, 7, 6, b)
    c.ell(29, 38, 19, 13, pal["accent"])
    c.ell(29, 46, 18, 5, pal["belly"])
    for x in (20, 29, 38):
        c.ell(x, 35, 4, 4, darker(pal["accent"], 0.25))
    if rng.random() < 0.5:
        for x in (18, 28, 38):
            c.poly([(x - 4, 28), (x, 18), (x + 4, 28)], lighter(pal["accent"], 0.3))
    c.eye(54, 36, 2)


def s_cobra(c, pal, rng):
    b = pal["body"]
    c.ell(30, 50, 18, 6, b)
    c.ell(16, 48, 8, 4, b)
    c.poly([(30, 50), (38, 20), (46, 22), (40, 50)], b)
    c.ell(42, 20, 12, 13, pal["accent"])
    c.ell(43, 22, 6, 10, pal["belly"])
    c.ell(46, 12, 6, 5, b)
    c.eye(48, 11, 2)
    c.mark([(51, 15), (55, 17), (53, 17)], (220, 40, 60))


def s_butterfly(c, pal, rng):
    a, b = pal["accent"], pal["body"]
    spread = rng.uniform(0.9, 1.15)
    c.ell(22, 18, 14 * spread, 12, b)
    c.ell(24, 36, 10 * spread, 9, lighter(b, 0.2))
    c.ell(22, 18, 6, 5, a)
    c.ell(24, 36, 4, 4, a)
    c.ell(36, 30, 4, 13, darker(b, 0.45))
    c.ell(40, 16, 6, 6, darker(b, 0.45))
    c.line([(42, 11), (48, 3)], darker(b, 0.5), 1)
    c.line([(40, 11), (40, 3)], darker(b, 0.5), 1)
    c.eye(43, 15, 2)


def s_insect(c, pal, rng):
    b = pal["body"]
    for x in (22, 30, 38):
        c.line([(x, 44), (x - 4, 56)], darker(b, 0.4), 2)
    c.ell(20, 38, 13, 10, b)
    c.ell(34, 38, 6, 7, darker(b, 0.15))
    c.ell(46, 34, 8, 8, b)
    c.ell(20, 35, 11, 6, pal["accent"])
    c.line([(50, 27), (58, 18)], darker(b, 0.4), 1)
    if rng.random() < 0.5:
        c.poly([(52, 38), (62, 36), (56, 42)], pal["accent"])
    c.eye(49, 32, 2)


def s_bird(c, pal, rng):
    b = pal["body"]
    tall = rng.uniform(0.85, 1.15)
    c.poly([(10, 34), (2, 28), (4, 40), (16, 42)], pal["accent"])
    legs(c, [28, 34], 46, 56, (230, 160, 40), 2)
    c.ell(28, 36, 15, 11 * tall, b)
    c.ell(31, 40, 9, 6, pal["belly"])
    c.ell(42, 22, 9, 8, b)
    c.poly([(49, 20), (60, 24), (49, 27)], (240, 180, 50))
    c.poly([(14, 32), (24, 24), (34, 34), (22, 40)], darker(b, 0.2))
    head_crest(c, 40, 15, pal, rng, rng.choice(["none", "tuft", "spikes"]))
    c.eye(45, 20, 2.2)


def s_cat(c, pal, rng):
    b = pal["body"]
    c.line([(12, 38), (6, 26), (10, 16)], b, 4)
    legs(c, [18, 26, 36, 42], 44, 56, b, 4)
    c.ell(28, 38, 15, 9, b)
    c.ell(44, 26, 10, 9, b)
    c.poly([(36, 20), (37, 9), (42, 18)], b)
    c.poly([(46, 18), (51, 8), (53, 20)], b)
    c.ell(28, 41, 9, 4, pal["belly"])
    if rng.random() < 0.6:
        c.mark([(22, 32), (24, 36)], darker(b, 0.4), 2)
        c.mark([(28, 31), (30, 35)], darker(b, 0.4), 2)
    c.eye(48, 25, 2.2)
    c.mark([(53, 30), (56, 30)], OUTLINE)


def s_snake(c, pal, rng):
    b = pal["body"]
    c.ell(18, 50, 12, 5, b)
    c.ell(34, 46, 12, 5, b)
    c.ell(30, 38, 8, 5, b)
    c.poly([(30, 38), (42, 26), (46, 30), (36, 42)], b)
    c.ell(46, 24, 9, 6, b)
    for x in (14, 22, 34):
        c.ell(x, 49, 2, 2, pal["accent"])
    if rng.random() < 0.5:
        c.poly([(40, 20), (38, 12), (44, 18)], pal["accent"])
    c.eye(49, 22, 2)
    c.mark([(54, 27), (58, 29)], (220, 40, 60))


def s_zapplet(c, pal, rng):  # round fruit body with a leaf and a spark tail
    b = pal["body"]
    c.poly([(10, 36), (4, 26), (12, 28), (8, 16), (18, 30)], (250, 220, 60))
    legs(c, [26, 36], 48, 56, darker(b, 0.2), 5)
    c.ell(31, 36, 16, 15, b)
    c.ell(34, 40, 8, 7, pal["belly"])
    c.line([(32, 21), (34, 13)], (110, 70, 40), 2)
    c.ell(39, 13, 6, 3, (80, 180, 70))
    c.eye(39, 32)
    c.ell(44, 39, 3, 2, (250, 120, 120))


def s_zelkin(c, pal, rng):  # the mascot: a fox-like quadruped with big ears
    b = pal["body"]
    c.poly([(14, 40), (2, 30), (6, 20), (18, 34)], pal["accent"])
    legs(c, [18, 26, 36, 42], 44, 56, b, 4)
    c.ell(29, 38, 15, 9, b)
    c.ell(29, 42, 9, 4, pal["belly"])
    c.ell(45, 26, 10, 10, b)
    c.poly([(38, 20), (34, 4), (44, 16)], b)
    c.poly([(46, 16), (54, 3), (54, 20)], b)
    c.poly([(39, 17), (37, 9), (42, 15)], pal["accent"])
    c.ell(52, 31, 5, 4, pal["belly"])
    head_crest(c, 44, 16, pal, rng, rng.choice(["none", "tuft"]))
    c.eye(48, 25)


def s_fee(c, pal, rng):  # small fairy with four thin wings
    b = pal["body"]
    c.ell(20, 20, 10, 6, lighter(pal["accent"], 0.5))
    c.ell(20, 32, 8, 5, lighter(pal["accent"], 0.5))
    c.poly([(26, 48), (32, 28), (40, 48)], b)
    c.ell(33, 22, 8, 8, lighter(b, 0.25))
    c.ell(33, 14, 9, 4, pal["accent"])
    c.line([(29, 48), (29, 55)], b, 2)
    c.line([(36, 48), (36, 55)], b, 2)
    c.line([(38, 32), (46, 24)], b, 2)
    c.ell(47, 23, 2, 2, (255, 240, 140))
    c.eye(36, 22, 2.2)


def s_tollump(c, pal, rng):  # heavy lumpy brute
    b = pal["body"]
    legs(c, [22, 38], 46, 56, darker(b, 0.15), 8)
    c.ell(30, 34, 18, 16, b)
    c.ell(12, 36, 5, 10, b)
    c.ell(48, 38, 5, 10, b)
    c.ell(38, 18, 9, 8, b)
    for _ in range(4):
        c.ell(rng.uniform(18, 40), rng.uniform(24, 44), 3, 3, pal["accent"])
    c.ell(32, 40, 9, 7, pal["belly"])
    c.eye(42, 16, 2)
    c.mark([(40, 23), (46, 23)], OUTLINE)


def s_bat(c, pal, rng):
    b = pal["body"]
    span = rng.uniform(0.9, 1.1)
    c.poly([(30, 28), (4, 12 * span), (8, 22), (4, 30), (12, 30), (10, 38), (30, 36)], darker(b, 0.2))
    c.poly([(34, 28), (60, 12 * span), (56, 22), (60, 30), (52, 30), (54, 38), (34, 36)],
           darker(b, 0.1))
    c.ell(32, 34, 9, 10, b)
    c.poly([(26, 26), (26, 14), (31, 24)], b)
    c.poly([(34, 24), (40, 14), (39, 26)], b)
    c.ell(33, 38, 5, 5, pal["belly"])
    c.line([(29, 44), (28, 52)], b, 2)
    c.line([(35, 44), (36, 52)], b, 2)
    c.eye(36, 30, 2)
    c.mark([(35, 35), (36, 37)], (255, 255, 255))


def s_flower(c, pal, rng):
    b = pal["body"]
    petals = rng.choice([5, 6, 8])
    legs(c, [26, 36], 46, 56, (70, 140, 60), 4)
    c.ell(31, 42, 10, 7, (90, 170, 70))
    c.ell(20, 46, 8, 3, (70, 150, 60))
    c.ell(42, 46, 8, 3, (70, 150, 60))
    for i in range(petals):
        a = 2 * math.pi * i / petals
        c.ell(32 + 12 * math.cos(a), 22 + 11 * math.sin(a), 7, 7, b)
    c.ell(32, 22, 8, 8, pal["accent"] if pal["accent"] != b else (250, 220, 80))
    c.eye(34, 21, 2)


def s_mole(c, pal, rng):
    b = pal["body"]
    c.ell(32, 52, 26, 5, (120, 90, 60))
    c.ell(30, 36, 15, 16, b)
    c.ell(32, 40, 9, 10, pal["belly"])
    c.ell(44, 30, 6, 5, (240, 150, 160))
    for x in (22, 40):
        c.poly([(x - 5, 48), (x, 42), (x + 5, 48), (x + 6, 52), (x - 6, 52)], lighter(pal["accent"], 0.3))
    if rng.random() < 0.5:
        c.poly([(26, 21), (30, 12), (34, 21)], pal["accent"])
    c.eye(38, 26, 1.5)


def s_fight(c, pal, rng):  # upright brawler
    b = pal["body"]
    legs(c, [26, 38], 42, 56, darker(b, 0.2), 6)
    c.poly([(20, 24), (44, 24), (40, 44), (24, 44)], b)
    c.rect(24, 38, 40, 42, pal["accent"])
    c.ell(33, 16, 8, 8, b)
    c.ell(16, 28, 4, 7, b)
    c.ell(48, 26, 6, 6, pal["accent"])
    c.ell(14, 36, 5, 5, pal["accent"])
    c.rect(26, 9, 41, 12, pal["accent"])
    c.eye(37, 15, 2)


def s_tadpole(c, pal, rng):
    b = pal["body"]
    c.poly([(20, 40), (4, 30), (8, 40), (4, 52), (20, 46)], lighter(b, 0.25))
    c.ell(34, 40, 16, 14, b)
    c.ell(38, 46, 9, 6, pal["belly"])
    c.ell(24, 52, 4, 3, b)
    c.ell(42, 54, 4, 3, b)
    c.ell(42, 30, 5, 5, b)
    c.eye(42, 29, 3)
    c.mark([(45, 42), (49, 41)], OUTLINE)


def s_puppet(c, pal, rng):  # stitched doll figure hanging from strings
    b = pal["body"]
    c.line([(24, 2), (24, 22)], (200, 200, 200), 1)
    c.line([(42, 2), (42, 22)], (200, 200, 200), 1)
    legs(c, [28, 36], 42, 56, darker(b, 0.2), 4)
    c.poly([(22, 26), (42, 26), (44, 44), (20, 44)], b)
    c.ell(32, 18, 10, 9, lighter(b, 0.3))
    c.line([(22, 28), (16, 38)], b, 3)
    c.line([(42, 28), (48, 38)], b, 3)
    c.rect(22, 26, 42, 29, pal["accent"])
    c.mark([(26, 32), (38, 32)], OUTLINE)
    c.mark([(30, 23), (38, 23)], OUTLINE)
    c.eye(36, 16, 2)


def s_poulp(c, pal, rng):  # octopus
    b = pal["body"]
    for i, x in enumerate((16, 24, 32, 40, 48)):
        c.line([(x, 38), (x + (-4 if i % 2 else 4), 48), (x, 55)], darker(b, 0.1), 4)
    c.ell(32, 26, 17, 15, b)
    for _ in range(3):
        c.ell(rng.uniform(22, 36), rng.uniform(16, 28), 2.5, 2.5, pal["accent"])
    c.eye(40, 28)
    c.eye(32, 29)


def s_rock(c, pal, rng):
    b = pal["body"]
    pts = []
    n = rng.choice([7, 8, 9])
    for i in range(n):
        a = 2 * math.pi * i / n
        r = rng.uniform(15, 21)
        pts.append((32 + r * math.cos(a) * 1.1, 36 + r * math.sin(a) * 0.9))
    c.poly(pts, b)
    c.ell(14, 42, 5, 5, b)
    c.ell(50, 42, 5, 5, b)
    legs(c, [24, 40], 48, 56, darker(b, 0.2), 6)
    c.mark([(20, 30), (26, 34), (24, 40)], darker(b, 0.45), 1)
    c.eye(40, 32, 2)
    if rng.random() < 0.5:
        c.ell(30, 22, 5, 3, pal["accent"])


def s_dog(c, pal, rng):
    b = pal["body"]
    c.poly([(14, 36), (4, 26), (8, 24), (16, 32)], b)
    legs(c, [18, 26, 36, 42], 44, 56, b, 4)
    c.ell(29, 37, 15, 9, b)
    c.ell(29, 41, 9, 4, pal["belly"])
    c.ell(45, 26, 9, 9, b)
    c.ell(53, 30, 6, 4, lighter(b, 0.2))
    c.ell(39, 25, 4, 8, darker(b, 0.3))
    if rng.random() < 0.5:
        c.rect(36, 32, 48, 35, pal["accent"])
    head_crest(c, 44, 17, pal, rng, rng.choice(["none", "horns", "spikes"]))
    c.eye(48, 24, 2.2)
    c.mark([(57, 28), (58, 28)], OUTLINE)


def s_drowsel(c, pal, rng):  # sleepy round bear-like creature
    b = pal["body"]
    c.ell(32, 40, 18, 15, b)
    c.ell(32, 44, 11, 9, pal["belly"])
    c.ell(36, 20, 11, 10, b)
    c.ell(28, 11, 4, 4, b)
    c.ell(43, 11, 4, 4, b)
    c.ell(22, 54, 6, 3, darker(b, 0.2))
    c.ell(42, 54, 6, 3, darker(b, 0.2))
    c.mark([(36, 20), (40, 21)], OUTLINE)
    c.mark([(42, 20), (45, 21)], OUTLINE)
    c.ell(46, 24, 3, 2, pal["accent"])


def s_ball(c, pal, rng):
    b = pal["body"]
    c.ell(32, 36, 19, 19, b)
    c.ell(36, 42, 10, 8, pal["belly"])
    c.ell(20, 54, 5, 3, darker(b, 0.2))
    c.ell(42, 54, 5, 3, darker(b, 0.2))
    if rng.random() < 0.5:
        c.poly([(28, 18), (32, 8), (36, 18)], pal["accent"])
    c.eye(40, 30)
    c.eye(30, 30)
    c.ell(46, 37, 3, 2, (250, 130, 150))


def s_ness(c, pal, rng):  # long-necked swimmer
    b = pal["body"]
    c.poly([(10, 44), (2, 40), (12, 48)], b)
    c.ell(26, 44, 16, 9, b)
    c.ell(26, 47, 10, 4, pal["belly"])
    c.poly([(34, 40), (42, 12), (48, 14), (42, 42)], b)
    c.ell(48, 12, 8, 5, b)
    for x in (16, 34):
        c.poly([(x - 5, 50), (x + 4, 50), (x + 2, 56), (x - 6, 56)], darker(b, 0.2))
    for y in (26, 34):
        c.ell(41 - (y - 26) * 0.2, y, 2, 2, pal["accent"])
    c.eye(50, 10, 2)


def s_poison(c, pal, rng):  # dripping slime
    b = pal["body"]
    c.poly([(8, 56), (12, 36), (20, 24), (32, 16), (44, 22), (52, 36), (56, 56)], b)
    c.ell(20, 54, 8, 3, b)
    c.ell(44, 54, 8, 3, b)
    for _ in range(4):
        c.ell(rng.uniform(16, 46), rng.uniform(26, 48), 2.5, 2.5, pal["accent"])
    c.eye(38, 30)
    c.eye(28, 30)
    c.mark([(28, 40), (32, 42), (38, 40)], OUTLINE)


def s_shell(c, pal, rng):
    b = pal["body"]
    c.ell(46, 46, 8, 6, pal["accent"])
    c.eye(48, 44, 2)
    c.poly([(8, 52), (16, 22), (32, 8), (44, 22), (48, 52)], b)
    for i in range(4):
        c.mark([(28, 50), (14 + i * 9, 22 + abs(1.5 - i) * 6)], darker(b, 0.35), 1)
    c.ell(28, 52, 18, 4, lighter(b, 0.2))


def s_ghost(c, pal, rng):
    b = pal["body"]
    c.poly([(14, 30), (14, 50), (20, 44), (26, 52), (32, 44), (38, 52), (44, 44), (48, 50), (50, 30)], b)
    c.ell(32, 26, 18, 18, b)
    c.ell(12, 34, 4, 6, b)
    c.ell(52, 32, 4, 6, b)
    if rng.random() < 0.5:
        c.ell(32, 10, 8, 3, pal["accent"])
    c.eye(38, 24, 3)
    c.eye(28, 24, 3)
    c.mark([(30, 34), (38, 34)], OUTLINE)


def s_fish(c, pal, rng):
    b = pal["body"]
    c.poly([(12, 30), (2, 18), (6, 30), (2, 44)], pal["accent"])
    c.ell(32, 32, 20, 12 * rng.uniform(0.85, 1.15), b)
    c.ell(36, 38, 12, 5, pal["belly"])
    c.poly([(24, 22), (34, 12), (38, 22)], pal["accent"])
    c.poly([(30, 40), (26, 50), (36, 42)], pal["accent"])
    c.ell(32, 56, 12, 1.5, (80, 140, 200))
    c.eye(44, 29, 2.5)
    c.mark([(50, 35), (53, 34)], OUTLINE)


def s_star(c, pal, rng):
    b = pal["body"]
    pts = []
    for i in range(10):
        a = -math.pi / 2 + math.pi * i / 5
        r = 22 if i % 2 == 0 else 10
        pts.append((32 + r * math.cos(a), 34 + r * math.sin(a)))
    c.poly(pts, b)
    c.ell(32, 34, 7, 7, pal["accent"])
    c.eye(35, 33, 2)


def s_vornith(c, pal, rng):  # raptor-like runner with a feathered crest
    b = pal["body"]
    c.poly([(20, 36), (2, 30), (4, 34), (18, 42)], pal["accent"])
    legs(c, [26, 34], 44, 56, darker(b, 0.25), 3)
    c.ell(28, 36, 12, 9, b)
    c.poly([(34, 32), (44, 16), (48, 20), (38, 38)], b)
    c.ell(48, 16, 8, 6, b)
    c.poly([(54, 15), (62, 18), (54, 20)], (240, 200, 80))
    c.poly([(42, 12), (34, 2), (38, 10), (30, 6), (42, 16)], pal["accent"])
    c.line([(36, 38), (42, 44)], b, 2)
    c.eye(50, 14, 2)


def s_vek(c, pal, rng):  # armoured beetle
    b = pal["body"]
    for x in (20, 30, 40):
        c.line([(x, 44), (x - 3, 56)], darker(b, 0.45), 2)
    c.ell(28, 36, 18, 12, b)
    c.line([(28, 24), (28, 48)], darker(b, 0.35), 1)
    c.ell(48, 38, 7, 6, darker(b, 0.2))
    c.poly([(52, 34), (62, 22), (58, 36)], pal["accent"])
    c.ell(22, 30, 5, 3, lighter(b, 0.4))
    c.eye(51, 38, 1.5)


def s_tree(c, pal, rng):
    b = pal["body"]
    c.rect(26, 34, 38, 56, (120, 84, 52))
    c.poly([(20, 56), (26, 48), (26, 56)], (120, 84, 52))
    c.poly([(44, 56), (38, 48), (38, 56)], (120, 84, 52))
    for cx, cy, r in ((32, 18, 13), (20, 26, 10), (44, 26, 10), (32, 30, 11)):
        c.ell(cx, cy, r * rng.uniform(0.9, 1.1), r * 0.9, b)
    for _ in range(3):
        c.ell(rng.uniform(20, 44), rng.uniform(14, 30), 2, 2, pal["accent"])
    c.eye(36, 42, 2)
    c.eye(30, 42, 2)


def s_glyphic(c, pal, rng):  # floating rune stone with a question-mark glyph
    b = pal["body"]
    c.ell(32, 55, 12, 2, (0, 0, 0))
    c.poly([(18, 14), (46, 10), (50, 44), (22, 48), (14, 30)], b)
    c.ell(44, 32, 4, 4, pal["accent"])
    c.mark([(26, 22), (30, 18), (36, 18), (38, 23), (32, 28), (32, 33)], darker(b, 0.6), 2)
    c.mark([(32, 37), (32, 39)], darker(b, 0.6), 2)


def s_orv(c, pal, rng):  # an eye-orb with orbiting shards
    b = pal["body"]
    c.ell(32, 30, 15, 15, b)
    for a in (0.3, 2.4, 4.3):
        x, y = 32 + 21 * math.cos(a), 30 + 19 * math.sin(a)
        c.poly([(x - 3, y), (x, y - 5), (x + 3, y), (x, y + 5)], pal["accent"])
    c.ell(36, 30, 8, 8, (245, 245, 240))
    c.ell(38, 30, 4, 5, pal["accent"])
    c.ell(32, 55, 10, 2, darker(b, 0.3))


def s_phix(c, pal, rng):  # fiery bird with a long plume tail
    b = pal["body"]
    c.poly([(20, 36), (2, 50), (8, 40), (0, 38), (10, 32)], (250, 200, 60))
    c.poly([(24, 30), (6, 6), (20, 12), (18, 2), (34, 26)], lighter(b, 0.2))
    c.ell(30, 36, 12, 10, b)
    c.ell(42, 22, 8, 7, b)
    c.poly([(48, 20), (58, 24), (48, 26)], (250, 220, 80))
    c.poly([(40, 16), (36, 4), (44, 12), (46, 2), (46, 16)], (250, 200, 60))
    legs(c, [28, 34], 44, 56, darker(b, 0.3), 2)
    c.eye(45, 21, 2)


def s_egg(c, pal, rng):
    b = pal["body"]
    c.ell(32, 36, 16, 20, (246, 240, 226))
    c.poly([(16, 36), (22, 30), (28, 38), (34, 30), (40, 38), (46, 30), (48, 36), (47, 48), (17, 48)], b)
    c.ell(24, 24, 3, 3, pal["accent"])
    c.ell(38, 18, 2, 2, pal["accent"])
    c.eye(38, 28, 2)


def s_grass(c, pal, rng):  # quadruped with a bulb on its back
    b = pal["body"]
    legs(c, [18, 26, 36, 42], 44, 56, darker(b, 0.1), 5)
    c.ell(29, 38, 16, 9, b)
    c.ell(46, 30, 10, 9, b)
    c.ell(24, 25, 11, 9, (70, 170, 70))
    for a in (-0.6, 0.6):
        c.poly([(24, 18), (24 + 12 * math.sin(a), 8), (24 + 4 * math.sin(a), 18)], (60, 150, 60))
    c.ell(29, 42, 9, 3, pal["belly"])
    if rng.random() < 0.5:
        c.ell(24, 16, 4, 4, pal["accent"])
    c.eye(49, 28, 2.5)
    c.mark([(52, 34), (56, 34)], OUTLINE)


SHAPE_FUNCS = {
    "GRASS": s_grass, "FIRE": s_fire, "DRAGON": s_dragon, "TURTLE": s_turtle, "COBRA": s_cobra,
    "BUTTERFLY": s_butterfly, "INSECT": s_insect, "BIRD": s_bird, "CAT": s_cat, "SNAKE": s_snake,
    "ZAPPLET": s_zapplet, "ZELKIN": s_zelkin, "FEE": s_fee, "TOLLUMP": s_tollump, "BAT": s_bat,
    "FLOWER": s_flower, "MOLE": s_mole, "FIGHT": s_fight, "TADPOLE": s_tadpole, "PUPPET": s_puppet,
    "POULP": s_poulp, "ROCK": s_rock, "DOG": s_dog, "DROWSEL": s_drowsel, "BALL": s_ball,
    "NESS": s_ness, "POISON": s_poison, "SHELL": s_shell, "GHOST": s_ghost, "FISH": s_fish,
    "STAR": s_star, "VORNITH": s_vornith, "VEK": s_vek, "TREE": s_tree, "GLYPHIC": s_glyphic,
    "ORV": s_orv, "PHIX": s_phix, "EGG": s_egg,
}
assert sorted(SHAPE_FUNCS) == sorted(SHAPES)


def creature_palette(sp):
    body = COLOURS.get(sp["colour"], COLOURS["GREY"])
    types = sp["types"] or ["none"]
    accent = TYPE_COLOURS.get(types[-1], (220, 220, 220))
    if sum(abs(a - b) for a, b in zip(accent, body)) < 90:
        accent = lighter(accent, 0.5) if sum(body) < 380 else darker(accent, 0.4)
    return {"body": body, "accent": accent, "belly": lighter(body, 0.5)}


def draw_creature(sp, size=64, palette=None, seed=None, scale=None):
    rng = random.Random(seed if seed is not None else "%s/%d" % (sp["name"], sp["sprite"]))
    if scale is None:
        scale = 0.82 + 0.18 * max(0.0, min(1.0, (sp["total"] - 300) / 300.0))
    c = Canvas(size, scale)
    SHAPE_FUNCS.get(sp["shape"], s_zelkin)(c, palette or creature_palette(sp), rng)
    img = c.finish()
    if sp.get("rarity"):
        # Rare species wear a small golden star above the head.
        d = ImageDraw.Draw(img)
        d.polygon([(56, 2), (58, 6), (62, 6), (59, 9), (60, 13), (56, 10), (52, 13), (53, 9), (50, 6),
                   (54, 6)], fill=(250, 214, 60, 255), outline=OUTLINE)
    return img


def gen_creature_sheet(layout, species):
    per, cw, ch = layout["per_line"], layout["width"], layout["height"]
    last = max(sp["sprite"] for sp in species)
    rows = (last + per - 1) // per
    sheet = Image.new("RGBA", (per * cw, rows * ch), (0, 0, 0, 0))
    for sp in species:
        n = sp["sprite"] - 1
        img = draw_creature(sp, 64)
        if (cw, ch) != (64, 64):
            img = img.resize((cw, ch), Image.NEAREST)
        if layout["face"] != 0:
            img = img.transpose(Image.FLIP_LEFT_RIGHT)  # drawn facing right; the sheet says otherwise
        sheet.paste(img, ((n % per) * cw, (n // per) * ch), img)
    save(sheet, layout["file"])


ICON_PALETTE = {"body": (236, 236, 236), "accent": (196, 196, 200), "belly": (255, 255, 255)}


def gen_icons():
    """Pale icons by shape code: the game multiplies them by the species' colour."""
    sheet = Image.new("RGBA", (64, 32 * len(SHAPES)), (0, 0, 0, 0))
    for row, shape in enumerate(SHAPES):
        c = Canvas(64, 1.0)
        SHAPE_FUNCS[shape](c, ICON_PALETTE, random.Random("icon/" + shape))
        small = c.img.resize((32, 32), Image.BOX)
        px = small.load()
        for x in range(32):
            for y in range(32):
                r, g, b, a = px[x, y]
                px[x, y] = (r, g, b, 255) if a >= 110 else (0, 0, 0, 0)
        img = shade_and_outline(small, strength=0.18)
        d = ImageDraw.Draw(img)
        for pts, col, width in c.marks:
            d.line([(x / 2, y / 2) for x, y in pts], fill=rgba(col), width=1)
        for x, y, r in c.eyes:
            d.rectangle([x / 2, y / 2 - 1, x / 2 + 1, y / 2], fill=(20, 16, 28, 255))
        sheet.paste(img, (0, 32 * row + 1), img)      # frame 0: standing
        squash = img.resize((32, 30), Image.NEAREST)   # frame 1: a small hop down
        sheet.paste(squash, (32, 32 * row + 2), squash)
    save(sheet, "zlkn_icon.png")


def save(img, name):
    path = os.path.join(IMG, name)
    img.save(path, optimize=True)
    print("wrote", os.path.relpath(path, ROOT), "%dx%d" % img.size)


# ----------------------------------------------------------------------------------------------------
# Trainers and supporters: 16 x 16 figures, four facings per row
# ----------------------------------------------------------------------------------------------------

SKINS = [(250, 214, 180), (232, 184, 140), (196, 140, 96), (140, 94, 62), (248, 224, 200)]
HAIRS = [(60, 40, 30), (240, 200, 90), (190, 70, 40), (30, 30, 40), (200, 200, 210), (120, 70, 160),
         (60, 130, 200), (240, 120, 170)]
CLOTHES = [(220, 50, 50), (50, 110, 220), (60, 170, 80), (240, 170, 40), (150, 70, 190), (40, 180, 190),
           (240, 120, 160), (90, 90, 100), (250, 250, 250), (140, 90, 50), (30, 40, 80), (200, 220, 60),
           (230, 90, 30), (110, 50, 60), (90, 200, 150), (60, 60, 60)]
STYLES = ["short", "long", "cap", "spiky", "bun", "bald_band", "hood", "pony"]


def trainer_look(kind):
    i = kind - 1
    return {
        "skin": SKINS[(i * 3) % len(SKINS)],
        "hair": HAIRS[(i * 5 + 1) % len(HAIRS)],
        "style": STYLES[i % len(STYLES)],
        "shirt": CLOTHES[i % len(CLOTHES)],
        "pants": darker(CLOTHES[(i * 7 + 3) % len(CLOTHES)], 0.35),
        "hat": CLOTHES[(i * 11 + 5) % len(CLOTHES)],
    }


def draw_trainer(kind, facing):
    """facing 0 looks at the viewer, 1 right, 2 left, 3 away."""
    t = trainer_look(kind)
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    side = facing in (1, 2)
    # legs and body
    if side:
        d.rectangle([6, 12, 7, 14], fill=rgba(t["pants"]))
        d.rectangle([8, 12, 9, 14], fill=rgba(darker(t["pants"], 0.2)))
        d.rectangle([6, 7, 9, 11], fill=rgba(t["shirt"]))
        d.rectangle([7, 8, 8, 11], fill=rgba(darker(t["shirt"], 0.2)))
    else:
        d.rectangle([5, 12, 6, 14], fill=rgba(t["pants"]))
        d.rectangle([9, 12, 10, 14], fill=rgba(t["pants"]))
        d.rectangle([5, 7, 10, 11], fill=rgba(t["shirt"]))
        d.rectangle([4, 8, 4, 10], fill=rgba(t["shirt"]))
        d.rectangle([11, 8, 11, 10], fill=rgba(t["shirt"]))
        d.point([(4, 11), (11, 11)], fill=rgba(t["skin"]))
    # head
    d.rectangle([5, 2, 10, 6], fill=rgba(t["skin"]))
    hair, style = rgba(t["hair"]), t["style"]
    if facing == 3:
        d.rectangle([5, 1, 10, 6], fill=hair)
    else:
        d.rectangle([5, 1, 10, 2], fill=hair)
        if side:
            d.rectangle([5, 1, 7, 5], fill=hair)
    if style == "long":
        d.rectangle([4, 2, 4, 8], fill=hair)
        d.rectangle([11, 2, 11, 8], fill=hair)
    elif style == "cap":
        d.rectangle([5, 0, 10, 2], fill=rgba(t["hat"]))
        if facing == 0:
            d.rectangle([5, 3, 10, 3], fill=rgba(darker(t["hat"], 0.3)))
        elif facing == 1:
            d.rectangle([10, 2, 12, 2], fill=rgba(darker(t["hat"], 0.3)))
    elif style == "spiky":
        d.point([(5, 0), (7, 0), (9, 0), (4, 1), (11, 1)], fill=hair)
    elif style == "bun":
        if facing == 3:
            d.rectangle([6, 0, 9, 1], fill=hair)
        else:
            d.rectangle([7, 0, 8, 0], fill=hair)
    elif style == "bald_band":
        d.rectangle([5, 1, 10, 1], fill=rgba(t["skin"]))
        d.rectangle([5, 2, 10, 2], fill=rgba(t["hat"]))
    elif style == "hood":
        d.rectangle([4, 1, 11, 2], fill=rgba(t["shirt"]))
        d.rectangle([4, 2, 4, 6], fill=rgba(t["shirt"]))
        d.rectangle([11, 2, 11, 6], fill=rgba(t["shirt"]))
    elif style == "pony":
        if facing == 1:
            d.rectangle([3, 2, 4, 6], fill=hair)
        elif facing == 3:
            d.rectangle([7, 6, 8, 8], fill=hair)
    # face
    eye = (24, 20, 30, 255)
    if facing == 0:
        d.point([(6, 4), (9, 4)], fill=eye)
    elif facing == 1:
        d.point([(9, 4)], fill=eye)
    if facing == 2:
        img = draw_trainer(kind, 1).transpose(Image.FLIP_LEFT_RIGHT)
        return img
    return shade_and_outline(img, strength=0.0)


def gen_supporters(kinds):
    sheet = Image.new("RGBA", (64, 16 * kinds), (0, 0, 0, 0))
    for k in range(1, kinds + 1):
        for f in range(4):
            fig = draw_trainer(k, f)
            sheet.paste(fig, (16 * f, 16 * (k - 1)), fig)
    save(sheet, "supporters.png")


def paint_ball(img, top, bottom, angle=0.0, gem=(120, 240, 230)):
    """The game's ball: a circle split by a zigzag seam, coloured cap over a cream base, a gem in the middle."""
    px = img.load()
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    for x in range(16):
        for y in range(16):
            dx, dy = x - 7.5, y - 7.5
            if dx * dx + dy * dy > 5.8 * 5.8:
                continue
            u, v = dx * ca + dy * sa, -dx * sa + dy * ca   # seam frame, turned with the spin
            seam = 1.6 * (abs(((u + 6) % 4) - 2) - 1)
            if abs(v - seam) < 0.8:
                px[x, y] = OUTLINE
            else:
                px[x, y] = rgba(top if v < seam else bottom)
    d = ImageDraw.Draw(img)
    cx, cy = 7.5 + 0.0 * ca, 7.5
    d.polygon([(cx, cy - 2.5), (cx + 2.5, cy), (cx, cy + 2.5), (cx - 2.5, cy)], fill=rgba(gem), outline=OUTLINE)
    return shade_and_outline(img, strength=0.18)


# ----------------------------------------------------------------------------------------------------
# Small interface pictures
# ----------------------------------------------------------------------------------------------------


def gen_ui():
    # HP bar frame: a label block on the left, then a dark track for 48 segments of 2 x 4 at x 30..125.
    bar = Image.new("RGBA", (128, 8), (0, 0, 0, 0))
    d = ImageDraw.Draw(bar)
    d.rounded_rectangle([0, 0, 127, 7], radius=3, fill=(40, 40, 56, 255))
    d.rectangle([29, 1, 126, 6], fill=(250, 250, 250, 255))
    d.rectangle([30, 2, 125, 5], fill=(70, 70, 84, 255))
    # "HP" in 3 x 5 pixel letters
    for x, y in [(6, 1), (6, 2), (6, 3), (6, 4), (6, 5), (7, 3), (8, 1), (8, 2), (8, 3), (8, 4), (8, 5),
                 (11, 1), (11, 2), (11, 3), (11, 4), (11, 5), (12, 1), (13, 1), (13, 2), (12, 3)]:
        d.point((x + 6, y), fill=(250, 210, 80, 255))
    save(bar, "lifebar.png")

    cells = Image.new("RGBA", (8, 4), (0, 0, 0, 0))
    d = ImageDraw.Draw(cells)
    for i, (top, low) in enumerate([((110, 230, 110), (40, 170, 60)), ((250, 230, 90), (220, 170, 30)),
                                    ((250, 110, 90), (200, 40, 40)), ((120, 170, 250), (50, 90, 210))]):
        d.rectangle([2 * i, 0, 2 * i + 1, 1], fill=rgba(top))
        d.rectangle([2 * i, 2, 2 * i + 1, 3], fill=rgba(low))
    save(cells, "hpbar.png")

    balls = Image.new("RGBA", (64, 16), (0, 0, 0, 0))
    cream = (244, 236, 214)
    looks = [((40, 170, 170), cream, (120, 240, 230)), ((240, 150, 40), cream, (250, 220, 120)),
             ((110, 110, 120), (170, 168, 160), (120, 120, 130))]
    for i, (top, bottom, gem) in enumerate(looks):
        b = paint_ball(Image.new("RGBA", (16, 16), (0, 0, 0, 0)), top, bottom, 0.0, gem)
        if i == 2:  # knocked out: crossed out
            d = ImageDraw.Draw(b)
            d.line([(3, 3), (12, 12)], fill=(30, 30, 30, 255), width=2)
            d.line([(12, 3), (3, 12)], fill=(30, 30, 30, 255), width=2)
        balls.paste(b, (16 * i, 0), b)
    d = ImageDraw.Draw(balls)
    d.ellipse([50, 2, 61, 13], outline=(150, 150, 160, 200))  # an empty place
    d.line([(52, 8), (59, 8)], fill=(150, 150, 160, 200))
    save(balls, "zkball.png")

    clone = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(clone)
    d.rounded_rectangle([10, 2, 29, 21], radius=4, fill=(150, 180, 250, 255), outline=OUTLINE, width=2)
    d.rounded_rectangle([2, 10, 21, 29], radius=4, fill=(250, 250, 250, 255), outline=OUTLINE, width=2)
    d.ellipse([7, 14, 16, 23], fill=(220, 60, 60, 255), outline=OUTLINE)
    save(clone, "clone.png")

    # Frame cells: a band on rows (or columns) 4..10, so the fill, drawn from 8 in, starts under it;
    # corners are quarter rings of radius 5..11 about the cell's inner corner, meeting the bands.
    line, light = (44, 44, 70, 255), (250, 250, 255, 255)

    def band(dist):
        if 4 <= dist <= 10:
            return line if dist in (4, 10) else light
        return (0, 0, 0, 0)

    box = Image.new("RGBA", (96, 16), (0, 0, 0, 0))
    px = box.load()
    for i, (cx, cy) in enumerate([(15, 15), (0, 15), (15, 0), (0, 0)]):
        for x in range(16):
            for y in range(16):
                r = math.hypot(x - cx, y - cy)
                px[16 * i + x, y] = band(int(round(15 - r)) if r <= 11.5 else -1)
    for x in range(16):
        for y in range(16):
            px[64 + x, y] = band(y)
            px[80 + x, y] = band(x)
    save(box, "box.png")

    cur = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(cur)
    d.polygon([(2, 2), (13, 8), (2, 14), (5, 8)], fill=(250, 200, 40, 255), outline=OUTLINE)
    save(cur, "cursor.png")

    sh = Image.new("RGBA", (50, 50), (0, 0, 0, 0))
    d = ImageDraw.Draw(sh)
    d.ellipse([1, 17, 48, 32], fill=(0, 0, 0, 150))
    d.ellipse([8, 20, 41, 29], fill=(0, 0, 0, 190))
    save(sh, "shadow.png")


def type_icon(name, col):
    """A 16 x 16 badge in the type's colour with a white symbol."""
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    if name == "none":
        d.rounded_rectangle([1, 1, 14, 14], radius=3, fill=(200, 200, 200, 255), outline=OUTLINE)
        d.line([(5, 8), (10, 8)], fill=(120, 120, 120, 255), width=2)
        return img
    d.rounded_rectangle([1, 1, 14, 14], radius=3, fill=rgba(col), outline=OUTLINE)
    w = (255, 255, 255, 255) if sum(col) < 560 else (60, 50, 40, 255)
    sym = {
        "Brut": lambda: d.ellipse([5, 5, 10, 10], fill=w),
        "Braise": lambda: d.polygon([(8, 3), (11, 8), (10, 12), (6, 12), (5, 8), (7, 7)], fill=w),
        "Maree": lambda: (d.ellipse([5, 7, 11, 12], fill=w), d.polygon([(8, 3), (11, 9), (5, 9)], fill=w)),
        "Sylve": lambda: (d.ellipse([4, 4, 12, 11], fill=w), d.line([(4, 12), (11, 5)], fill=rgba(col))),
        "Foudre": lambda: d.polygon([(9, 2), (5, 9), (8, 9), (6, 14), (11, 6), (8, 6)], fill=w),
        "Givre": lambda: [d.line(p, fill=w) for p in ([(8, 3), (8, 12)], [(4, 5), (12, 10)],
                                                         [(4, 10), (12, 5)])],
        "Roche": lambda: d.polygon([(4, 11), (5, 6), (8, 4), (11, 6), (12, 11)], fill=w),
        "Rafale": lambda: [d.arc([3, 3 + i * 3, 12, 8 + i * 3], 180, 360, fill=w) for i in range(2)],
        "Ombre": lambda: (d.ellipse([4, 4, 12, 12], fill=w), d.ellipse([6, 3, 13, 10], fill=rgba(col))),
        "Aurore": lambda: (d.ellipse([5, 5, 10, 10], fill=w),
                           [d.point(p, fill=w) for p in [(8, 2), (8, 13), (2, 8), (13, 8), (4, 4),
                                                         (11, 11), (4, 11), (11, 4)]]),
        "Venin": lambda: (d.ellipse([4, 6, 9, 11], fill=w), d.ellipse([9, 4, 12, 7], fill=w)),
        "Acier": lambda: (d.ellipse([4, 4, 11, 11], fill=w), d.ellipse([6, 6, 9, 9], fill=rgba(col))),
        "Psyche": lambda: (d.ellipse([3, 5, 12, 10], fill=w), d.ellipse([6, 6, 9, 9], fill=rgba(col))),
        "Fauve": lambda: [d.line([(4 + i * 3, 4), (6 + i * 3, 12)], fill=w, width=1) for i in range(3)],
        "Spectre": lambda: d.polygon([(4, 12), (4, 6), (8, 3), (12, 6), (12, 12), (10, 10), (8, 12),
                                      (6, 10)], fill=w),
        "Cristal": lambda: d.polygon([(8, 2), (12, 7), (8, 13), (4, 7)], fill=w),
        "Contact": lambda: d.rectangle([5, 5, 10, 10], fill=w),
        "Projectile": lambda: d.polygon([(3, 8), (12, 4), (9, 8), (12, 12)], fill=w),
        "Sonore": lambda: [d.arc([2 + i * 2, 4, 8 + i * 2, 12], 300, 60, fill=w) for i in range(3)],
        "Aura": lambda: d.ellipse([4, 4, 11, 11], outline=w),
    }.get(name, lambda: d.ellipse([6, 6, 9, 9], fill=w))
    sym()
    return img


def gen_minitypes(names):
    sheet = Image.new("RGBA", (16, 16 * len(names)), (0, 0, 0, 0))
    for i, n in enumerate(names):
        icon = type_icon(n, TYPE_COLOURS.get(n, (200, 200, 200)))
        sheet.paste(icon, (0, 16 * i), icon)
    save(sheet, "minitypes.png")


# ----------------------------------------------------------------------------------------------------
# Particles: 16 x 16 cells, four animation frames side by side
# ----------------------------------------------------------------------------------------------------

PARTICLE_LOOKS = {
    "eclats_bruts": ("shards", (214, 204, 180)), "flammeches": ("flame", (250, 120, 30)),
    "embruns": ("drops", (70, 150, 240)), "feuilles_tourbillon": ("leaf", (80, 190, 70)),
    "etincelles": ("spark", (250, 226, 60)), "flocons": ("snow", (200, 236, 255)),
    "gravats": ("rubble", (160, 124, 80)), "bourrasque": ("wind", (190, 230, 220)),
    "fumee_noire": ("smoke", (60, 50, 76)), "rayons_dores": ("rays", (252, 210, 90)),
    "bulles_toxiques": ("bubbles", (170, 80, 200)), "limaille": ("filings", (190, 196, 210)),
    "ondes_mentales": ("rings", (240, 90, 170)), "griffures": ("claw", (240, 240, 240)),
    "feux_follets": ("wisp", (140, 110, 240)), "prismes": ("prism", (130, 240, 230)),
    "impact": ("impact", (255, 240, 160)), "trainee": ("trail", (230, 230, 255)),
    "ondes_sonores": ("sound", (210, 150, 240)), "halo": ("rings", (255, 240, 170)),
    "statut_brulure": ("flame", (240, 80, 30)), "statut_poison": ("bubbles", (150, 60, 190)),
    "statut_paralysie": ("zigzag", (250, 220, 40)), "statut_sommeil": ("sleep", (140, 170, 250)),
    "statut_gel": ("ice", (160, 230, 255)), "statut_vertige": ("stars", (250, 230, 90)),
    "aura_effet": ("rings", (120, 220, 140)), "aura_talent": ("rays", (180, 140, 250)),
    "sang_rouge": ("drops", (200, 30, 40)), "sang_bleu": ("drops", (40, 80, 210)),
    "sang_vert": ("drops", (60, 170, 50)), "seve_verte": ("drops", (140, 200, 60)),
    "poussiere_grise": ("smoke", (170, 170, 170)), "ectoplasme": ("drops", (180, 120, 230)),
}


def particle_frame(kind, col, t):
    """Frame t (0..3) of a particle drawn on a 16 x 16 cell."""
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    fade = int(255 - 28 * t)
    c, dk, lt = rgba(col, fade), rgba(darker(col, 0.35), fade), rgba(lighter(col, 0.5), fade)
    if kind == "shards":
        for a in (0.4, 2.3, 4.2):
            r = 2 + 1.5 * t
            x, y = 8 + r * math.cos(a + t * 0.3), 8 + r * math.sin(a + t * 0.3)
            d.polygon([(x - 2, y), (x, y - 3), (x + 2, y + 1)], fill=c, outline=dk)
    elif kind == "flame":
        h = [6, 7, 6, 4][t]
        d.polygon([(8, 14 - 2 * h), (12, 10), (11, 14), (5, 14), (4, 10)], fill=c)
        d.polygon([(8, 14 - h), (10, 12), (9, 14), (7, 14), (6, 12)], fill=rgba((255, 230, 120), fade))
    elif kind == "drops":
        for i, (dx, dy) in enumerate([(-3, -2), (3, -1), (0, 2)]):
            x, y = 8 + dx * (1 + t * 0.4), 7 + dy + t * 1.5
            d.ellipse([x - 1.5, y - 1, x + 1.5, y + 2], fill=c)
            d.point((x - 0.5, y), fill=lt)
    elif kind == "leaf":
        a = t * math.pi / 4
        pts = [(8 + 6 * math.cos(a), 8 + 6 * math.sin(a)), (8 + 2 * math.cos(a + 1.57), 8 + 2 * math.sin(a + 1.57)),
               (8 - 6 * math.cos(a), 8 - 6 * math.sin(a)), (8 - 2 * math.cos(a + 1.57), 8 - 2 * math.sin(a + 1.57))]
        d.polygon(pts, fill=c, outline=dk)
    elif kind in ("spark", "impact", "stars"):
        r = [3, 6, 5, 3][t] if kind != "impact" else [3, 5, 7, 7][t]
        n = 4 if kind == "spark" else 8
        pts = []
        for i in range(2 * n):
            a = math.pi * i / n + (t * 0.4 if kind == "stars" else 0)
            rr = r if i % 2 == 0 else r * 0.35
            pts.append((8 + rr * math.cos(a), 8 + rr * math.sin(a)))
        d.polygon(pts, fill=c)
        if kind == "impact" and t >= 2:
            d.ellipse([4, 4, 11, 11], fill=(0, 0, 0, 0))
        d.point((8, 8), fill=lt)
    elif kind == "snow":
        a0 = t * math.pi / 12
        for k in range(3):
            a = a0 + k * math.pi / 3
            d.line([(8 - 5 * math.cos(a), 8 - 5 * math.sin(a)), (8 + 5 * math.cos(a), 8 + 5 * math.sin(a))],
                   fill=c)
        d.point((8, 8), fill=lt)
    elif kind == "rubble":
        for i, (x, y) in enumerate([(5, 6), (10, 5), (8, 10)]):
            y += t
            d.polygon([(x - 2, y + 2), (x - 2, y - 1), (x, y - 2), (x + 2, y), (x + 1, y + 2)], fill=c, outline=dk)
    elif kind == "wind":
        for i in range(2):
            d.arc([2 + t, 3 + i * 5, 14 - t // 2, 9 + i * 5], 200 + 20 * t, 340 + 10 * t, fill=c)
    elif kind == "smoke":
        r = 3 + t
        d.ellipse([8 - r, 9 - r - t, 8 + r, 9 + r - t], fill=rgba(col, fade - 60))
        d.ellipse([5 - r / 2, 8 - r / 2, 5 + r / 2, 8 + r / 2], fill=rgba(lighter(col, 0.2), fade - 60))
    elif kind == "rays":
        for k in range(8):
            a = k * math.pi / 4 + t * 0.2
            r0, r1 = 2 + t, 5 + t
            d.line([(8 + r0 * math.cos(a), 8 + r0 * math.sin(a)), (8 + r1 * math.cos(a), 8 + r1 * math.sin(a))],
                   fill=c)
    elif kind == "bubbles":
        for x, y, r in ((5, 11, 2), (10, 8, 3), (7, 4, 1.5)):
            y -= t
            d.ellipse([x - r, y - r, x + r, y + r], outline=c, fill=rgba(col, fade // 3))
            d.point((x - r / 2, y - r / 2), fill=lt)
    elif kind == "filings":
        for i in range(5):
            a = i * 1.3 + t * 0.5
            x, y = 8 + (2 + t) * math.cos(a), 8 + (2 + t) * math.sin(a)
            d.line([(x, y), (x + 2 * math.cos(a + 1), y + 2 * math.sin(a + 1))], fill=c)
    elif kind == "rings":
        r = 2 + 2 * t
        d.ellipse([8 - r, 8 - r, 8 + r, 8 + r], outline=c)
        if r > 3:
            d.ellipse([8 - r + 2, 8 - r + 2, 8 + r - 2, 8 + r - 2], outline=rgba(col, fade // 2))
    elif kind == "claw":
        for i in range(min(3, t + 1)):
            d.line([(3 + 4 * i, 2), (6 + 4 * i, 13)], fill=c, width=2)
    elif kind == "wisp":
        y = 8 - t
        d.ellipse([4, y, 12, y + 7], fill=c)
        d.polygon([(4, y + 3), (8, y - 4 + t), (12, y + 3)], fill=c)
        d.ellipse([6, y + 2, 10, y + 5], fill=lt)
    elif kind == "prism":
        hue = t / 4.0
        rgb = tuple(int(v * 255) for v in colorsys.hsv_to_rgb(hue, 0.5, 1.0))
        d.polygon([(8, 2), (13, 8), (8, 14), (3, 8)], fill=rgba(rgb, fade), outline=rgba(col, fade))
        d.line([(8, 2), (8, 14)], fill=lt)
    elif kind == "trail":
        for i in range(3):
            x0 = 1 + 2 * t
            d.line([(x0, 4 + 4 * i), (x0 + 10 - 2 * t, 4 + 4 * i)], fill=rgba(col, fade - 40 * i))
    elif kind == "sound":
        for i in range(1 + t % 3 + 1):
            d.arc([4 + 2 * i - 6, 2, 4 + 2 * i + 6, 14], 300, 60, fill=c)
    elif kind == "zigzag":
        pts = [(2, 8), (5, 4 + t % 2), (8, 11), (11, 5), (14, 9 - t % 2)]
        d.line(pts, fill=c, width=2)
    elif kind == "sleep":
        y = 10 - 2 * t
        d.line([(5, y), (10, y), (5, y + 5), (10, y + 5)], fill=c, width=1)
    elif kind == "ice":
        d.polygon([(8, 1 + t), (12, 6), (11, 13), (5, 13), (4, 6)], fill=rgba(col, fade), outline=lt)
        d.line([(8, 3), (8, 12)], fill=lt)
    return img


def ball_frame(t, mode):
    """Row-5 cells: the thrown ball spinning, its opening flash, and the withdraw flash."""
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    if mode == "spin":
        return paint_ball(img, (40, 170, 170), (244, 236, 214), t * 90.0)
    if mode == "open":
        r = 3 + 2 * t
        d.ellipse([8 - r, 8 - r, 8 + r - 1, 8 + r - 1], fill=(255, 255, 220, 230 - 50 * t))
        return img
    r = 7 - 2 * t
    d.rectangle([7 - t // 2, 0, 8 + t // 2, 15], fill=(255, 120, 120, 200))
    d.ellipse([8 - r, 8 - r, 8 + r, 8 + r], fill=(255, 90, 90, 180))
    return img


PARTICLE_SHEET = {"name": "particles", "file": "img/particles.png", "cell": 16, "columns": 32, "rows": 6,
                  "scale": 2.0}
BALL_PARTICLES = [("MAIN_zelkball_launch", 0, "spin"), ("MAIN_zelkball_open", 4, "open"),
                  ("MAIN_zelkball_dissapear", 8, "close")]


def gen_particles(particles):
    cs = PARTICLE_SHEET["cell"]
    sheet = Image.new("RGBA", (cs * PARTICLE_SHEET["columns"], cs * PARTICLE_SHEET["rows"]), (0, 0, 0, 0))
    for name, x, y, sheet_name, cycle in particles:
        if sheet_name != PARTICLE_SHEET["name"] or name.startswith("MAIN_zelkball"):
            continue
        kind, col = PARTICLE_LOOKS.get(name, ("spark", (250, 250, 250)))
        for t in range(max(cycle, 1)):
            fr = particle_frame(kind, col, t % 4)
            sheet.paste(fr, ((x + t) * cs, y * cs), fr)
    for name, x, mode in BALL_PARTICLES:
        for t in range(4):
            fr = ball_frame(t, mode)
            sheet.paste(fr, ((x + t) * cs, 5 * cs), fr)
    save(sheet, "particles.png")


def write_ball_particles():
    """The ball thrown when a creature is sent out, its opening flash and the withdraw flash (row 5)."""
    text = ('<?xml version="1.0" encoding="ISO-8859-1"?>\n'
            "<!-- Written by tools/gen_art.py: the ball animations of sending out and withdrawing a creature."
            " The opening flash comes first because the thrown ball turns into it when it lands. -->\n"
            "<particle>\n"
            '    <texture x="4" y="5">particles</texture>\n'
            "    <name>MAIN_zelkball_open</name>\n"
            '    <cycle frequency="3">4</cycle>\n'
            "    <duration>11</duration>\n"
            "</particle>\n"
            "<particle>\n"
            '    <texture x="0" y="5">particles</texture>\n'
            "    <name>MAIN_zelkball_launch</name>\n"
            '    <cycle frequency="2">4</cycle>\n'
            "    <movement>1</movement>\n"
            "    <gravity>0.25</gravity>\n"
            "    <deathwhen>Hit_ground</deathwhen>\n"
            "    <dying>MAIN_zelkball_open</dying>\n"
            "</particle>\n"
            "<particle>\n"
            '    <texture x="8" y="5">particles</texture>\n'
            "    <name>MAIN_zelkball_dissapear</name>\n"
            '    <cycle frequency="3">4</cycle>\n'
            "    <duration>11</duration>\n"
            "</particle>\n")
    with open(os.path.join(ROOT, "data/particles/zelkball.xml"), "w", encoding="latin-1", newline="\n") as f:
        f.write(text)
    print("wrote data/particles/zelkball.xml")


def write_texture_descriptions():
    folder = os.path.join(ROOT, "data/textures")
    os.makedirs(folder, exist_ok=True)
    p = PARTICLE_SHEET
    text = ('<?xml version="1.0" encoding="ISO-8859-1"?>\n'
            "<!-- Written by tools/gen_art.py: the sheet of the battle particles, 16 x 16 cells, shown twice as"
            " large. -->\n"
            "<texture>\n"
            "    <filename>%s</filename>\n"
            "    <name>%s</name>\n"
            "    <height>%d</height>\n"
            "    <width>%d</width>\n"
            "    <iteration_x>%d</iteration_x>\n"
            "    <iteration_y>%d</iteration_y>\n"
            "    <base_scaling>%.1f</base_scaling>\n"
            "</texture>\n") % (p["file"], p["name"], p["cell"], p["cell"], p["columns"], p["rows"], p["scale"])
    with open(os.path.join(folder, "particles.xml"), "w", encoding="latin-1", newline="\n") as f:
        f.write(text)
    print("wrote data/textures/particles.xml")


# ----------------------------------------------------------------------------------------------------
# Backgrounds: 853 x 480
# ----------------------------------------------------------------------------------------------------


def vgradient(size, top, bottom):
    img = Image.new("RGB", size, top)
    d = ImageDraw.Draw(img)
    for y in range(size[1]):
        d.line([(0, y), (size[0], y)], fill=mix(top, bottom, y / max(1, size[1] - 1)))
    return img


def speckle(d, rng, box, cols, n, size=(1, 3)):
    x0, y0, x1, y1 = box
    for _ in range(n):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        s = rng.randint(*size)
        d.rectangle([x, y, x + s, y + s], fill=rgba(rng.choice(cols)))


STADIUM_THEMES = {
    # stand, bench, field, field2 (stripes/cracks), line, keyword for the field pattern
    "prairies": ((150, 106, 66), (214, 170, 110), (96, 176, 78), (84, 160, 68), (240, 250, 230), "grass"),
    "cratere": ((64, 52, 56), (140, 50, 40), (96, 70, 62), (250, 120, 30), (255, 200, 120), "lava"),
    "lagon": ((226, 170, 140), (250, 226, 180), (232, 214, 160), (70, 160, 220), (255, 255, 255), "sand"),
    "glace": ((176, 200, 226), (236, 244, 255), (200, 232, 250), (150, 200, 236), (110, 160, 220), "ice"),
    "ruines": ((120, 118, 110), (160, 156, 140), (150, 146, 130), (96, 140, 80), (210, 206, 190), "tiles"),
    "zenith": ((240, 226, 190), (250, 240, 210), (246, 236, 210), (230, 196, 110), (200, 160, 60), "marble"),
}


def theme_for(filename):
    for key in STADIUM_THEMES:
        if key in filename:
            return key
    keys = sorted(STADIUM_THEMES)
    return keys[sum(map(ord, filename)) % len(keys)]


def draw_field(img, d, theme, rng, box):
    stand, bench, field, field2, line, pattern = STADIUM_THEMES[theme]
    x0, y0, x1, y1 = box
    d.rounded_rectangle(box, radius=18, fill=rgba(field), outline=rgba(darker(field, 0.3)), width=3)
    if pattern == "grass":
        for i, x in enumerate(range(x0 + 8, x1 - 8, 34)):
            if i % 2:
                d.rectangle([x, y0 + 4, min(x + 33, x1 - 6), y1 - 4], fill=rgba(field2))
        speckle(d, rng, (x0 + 10, y0 + 10, x1 - 10, y1 - 10), [(250, 240, 120), (250, 250, 250)], 60, (1, 2))
    elif pattern == "lava":
        speckle(d, rng, (x0 + 10, y0 + 10, x1 - 10, y1 - 10), [darker(field, 0.2), lighter(field, 0.1)], 400, (2, 5))
        for _ in range(9):
            x, y = rng.uniform(x0 + 20, x1 - 20), rng.uniform(y0 + 20, y1 - 20)
            pts = [(x, y)]
            for _ in range(5):
                x += rng.uniform(-30, 30)
                y += rng.uniform(-14, 14)
                pts.append((min(max(x, x0 + 10), x1 - 10), min(max(y, y0 + 10), y1 - 10)))
            d.line(pts, fill=rgba(field2), width=3)
            d.line(pts, fill=(255, 220, 120, 255), width=1)
    elif pattern == "sand":
        speckle(d, rng, (x0 + 10, y0 + 10, x1 - 10, y1 - 10), [darker(field, 0.08), lighter(field, 0.2)], 500, (1, 2))
        for cx, cy in ((x0 + 60, y0 + 40), (x1 - 70, y1 - 40)):
            d.ellipse([cx - 46, cy - 22, cx + 46, cy + 22], fill=rgba(field2), outline=(255, 255, 255, 255), width=2)
    elif pattern == "ice":
        for _ in range(14):
            x, y = rng.uniform(x0 + 20, x1 - 40), rng.uniform(y0 + 20, y1 - 20)
            d.line([(x, y), (x + rng.uniform(10, 40), y + rng.uniform(-10, 10))], fill=rgba(field2), width=1)
        for i in range(4):
            d.line([(x0 + 40 + 120 * i, y1 - 10), (x0 + 120 + 120 * i, y0 + 10)], fill=(255, 255, 255, 255), width=4)
    elif pattern == "tiles":
        for y in range(y0 + 6, y1 - 6, 28):
            off = 0 if (y // 28) % 2 else 20
            for x in range(x0 + 6 - off, x1 - 6, 40):
                if rng.random() < 0.12:
                    continue
                tone = mix(field, (255, 255, 255), rng.uniform(-0.05, 0.12))
                d.rectangle([max(x, x0 + 6), y, min(x + 38, x1 - 6), min(y + 26, y1 - 6)], fill=rgba(tone),
                            outline=rgba(darker(field, 0.25)))
        speckle(d, rng, (x0 + 10, y0 + 10, x1 - 10, y1 - 10), [field2, lighter(field2, 0.2)], 90, (2, 4))
    elif pattern == "marble":
        for _ in range(12):
            x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
            d.line([(x, y), (x + rng.uniform(20, 60), y + rng.uniform(-20, 20))], fill=rgba(darker(field, 0.08)), width=1)
        mx, my = (x0 + x1) // 2, (y0 + y1) // 2
        for r in (70, 76):
            d.ellipse([mx - r * 2, my - r, mx + r * 2, my + r], outline=rgba(field2), width=2)
    # centre line, circle and the two trainer pads
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    d.line([(cx, y0 + 8), (cx, y1 - 8)], fill=rgba(line, 200), width=2)
    d.ellipse([cx - 44, cy - 26, cx + 44, cy + 26], outline=rgba(line, 200), width=2)
    for px_, col in ((202, (80, 120, 230)), (650, (230, 80, 80))):
        d.ellipse([px_ - 24, 240, px_ + 24, 260], fill=rgba(col, 200), outline=rgba(darker(col, 0.4)), width=2)


def draw_stands(d, theme, rng, no_crowd):
    stand, bench, field, field2, line, pattern = STADIUM_THEMES[theme]
    d.rectangle([0, 0, W, H], fill=rgba(stand))
    speckle(d, rng, (0, 0, W, H), [darker(stand, 0.1), lighter(stand, 0.08)], 900, (1, 3))
    if no_crowd:
        return
    # a bench under every seat row of the 27 x 15 crowd grid (supporters are 32 x 32, feet 4 from the bottom)
    for r in range(15):
        y = -6 + 32 * r
        d.rectangle([-6, y + 24, 154, y + 30], fill=rgba(bench), outline=rgba(darker(bench, 0.35)))
        d.rectangle([698, y + 24, 858, y + 30], fill=rgba(bench), outline=rgba(darker(bench, 0.35)))
    for j in range(4):
        for y in (-3 + 32 * j, 343 + 32 * j):
            d.rectangle([154, y + 24, 698, y + 30], fill=rgba(bench), outline=rgba(darker(bench, 0.35)))


def gen_stadium(filename, ultimate):
    theme = theme_for(filename)
    rng = random.Random("stadium/" + filename)
    stand, bench, field, field2, line, pattern = STADIUM_THEMES[theme]
    if ultimate:
        img = vgradient((W, H), (120, 170, 240), (250, 236, 200))
        d = ImageDraw.Draw(img, "RGBA")
        for _ in range(9):
            x, y = rng.uniform(0, W), rng.uniform(10, 200)
            for k in range(3):
                d.ellipse([x + k * 22, y - k % 2 * 8, x + 60 + k * 22, y + 26], fill=(255, 255, 255, 200))
        for x in (150, 250, 603, 703):
            d.rectangle([x - 14, 70, x + 14, 330], fill=rgba(lighter(stand, 0.3)), outline=rgba(darker(stand, 0.3)))
            d.rectangle([x - 20, 62, x + 20, 72], fill=rgba(stand), outline=rgba(darker(stand, 0.3)))
        draw_field(img, d, theme, rng, (142, 196, 711, 400))
    else:
        img = Image.new("RGB", (W, H), stand)
        d = ImageDraw.Draw(img, "RGBA")
        draw_stands(d, theme, rng, False)
        d.rectangle([154, 125, 698, 343], fill=rgba(darker(stand, 0.3)))
        draw_field(img, d, theme, rng, (160, 131, 692, 337))
    save(img.convert("RGB"), filename)


def gen_main_bg():
    rng = random.Random("main_bg")
    img = vgradient((W, H), (170, 214, 250), (236, 246, 255))
    d = ImageDraw.Draw(img, "RGBA")
    for _ in range(18):
        x, y, r = rng.uniform(0, W), rng.uniform(0, H), rng.uniform(20, 90)
        d.ellipse([x - r, y - r, x + r, y + r], fill=(255, 255, 255, 60))
    d.polygon([(0, 380), (140, 330), (300, 372), (470, 320), (640, 366), (853, 330), (853, 480), (0, 480)],
              fill=(150, 206, 140, 255))
    d.polygon([(0, 420), (200, 396), (420, 428), (640, 400), (853, 420), (853, 480), (0, 480)],
              fill=(120, 186, 110, 255))
    for i in range(0, W, 48):
        d.line([(i, 0), (i + 200, H)], fill=(255, 255, 255, 14), width=10)
    # a big pale gem emblem on the right
    d.polygon([(700, 50), (800, 160), (700, 270), (600, 160)], fill=(255, 255, 255, 90))
    d.polygon([(700, 90), (760, 160), (700, 230), (640, 160)], fill=(120, 220, 220, 70))
    for k in range(12):
        a = k * math.pi / 6
        d.line([(700 + 120 * math.cos(a), 160 + 120 * math.sin(a)), (700 + 150 * math.cos(a), 160 + 150 * math.sin(a))],
               fill=(255, 255, 255, 110), width=4)
    save(img.convert("RGB"), "main_bg.png")


def gen_journey():
    rng = random.Random("journey")
    img = vgradient((W, H), (240, 226, 188), (222, 200, 150))
    d = ImageDraw.Draw(img, "RGBA")
    speckle(d, rng, (0, 0, W, H), [(210, 186, 140), (246, 236, 206)], 700, (1, 3))
    d.ellipse([560, 300, 900, 520], fill=(110, 170, 220, 255))      # a lake
    for _ in range(7):                                                # mountains
        x, y = rng.uniform(20, 820), rng.uniform(40, 140)
        d.polygon([(x - 50, y + 60), (x, y), (x + 50, y + 60)], fill=(150, 130, 110, 255))
        d.polygon([(x - 12, y + 14), (x, y), (x + 12, y + 14)], fill=(250, 250, 250, 255))
    for _ in range(40):                                               # trees
        x, y = rng.uniform(0, W), rng.uniform(160, 470)
        if 560 < x < 900 and y > 300:
            continue
        d.ellipse([x - 9, y - 9, x + 9, y + 9], fill=(80, 150, 70, 255))
        d.rectangle([x - 2, y + 8, x + 2, y + 14], fill=(120, 84, 52, 255))
    pts = [(40, 440), (160, 380), (120, 300), (260, 250), (420, 300), (520, 220), (680, 200), (800, 120)]
    for a, b in zip(pts, pts[1:]):
        for t in range(0, 20, 2):
            x = a[0] + (b[0] - a[0]) * t / 20.0
            y = a[1] + (b[1] - a[1]) * t / 20.0
            d.ellipse([x - 3, y - 3, x + 3, y + 3], fill=(140, 60, 40, 220))
    for x, y in pts[1:]:
        d.ellipse([x - 10, y - 10, x + 10, y + 10], fill=(250, 240, 220, 255), outline=(140, 60, 40, 255), width=3)
    d.rectangle([4, 4, W - 5, H - 5], outline=(140, 100, 60, 255), width=4)
    save(img.convert("RGB"), "journey.png")


def gen_debug_bg():
    img = Image.new("RGB", (W, H), (96, 104, 112))
    d = ImageDraw.Draw(img)
    for x in range(-6, W, 32):
        d.line([(x, 0), (x, H)], fill=(120, 128, 136))
    for y in range(-6, H, 32):
        d.line([(0, y), (W, y)], fill=(120, 128, 136))
    d.rectangle([154, 125, 698, 343], outline=(250, 200, 60), width=2)
    save(img, "debug_background.png")


# ----------------------------------------------------------------------------------------------------


def main():
    os.makedirs(IMG, exist_ok=True)
    layout, species = read_library()
    gen_creature_sheet(layout, species)
    gen_icons()
    stadiums = read_stadium_files()
    kinds = max(read_trainer_ids() + [k for s in stadiums for k in s[3]] + [16])
    gen_supporters(kinds)
    gen_ui()
    gen_minitypes(["none"] + read_names("data/types/types.xml", "type") +
                  read_names("data/subtypes/subtypes.xml", "subtype"))
    gen_particles(read_particles())
    write_texture_descriptions()
    write_ball_particles()
    for name, filename, ultimate, _ in stadiums:
        gen_stadium(filename, ultimate)
    gen_main_bg()
    gen_journey()
    gen_debug_bg()
    return 0


if __name__ == "__main__":
    sys.exit(main())
