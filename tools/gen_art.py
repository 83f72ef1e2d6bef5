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
    text = read_text("data/stadiums/stadiums.xml") if os.path.exists(
        os.path.join(ROOT, "data/stadiums/stadiums.xml")) else ""
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
