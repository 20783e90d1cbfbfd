#!/usr/bin/env python3
"""Draws the game's pictures and writes them as XPM text into assets/pictures/.

Run it again after changing a drawing; the build converts the XPM files, not this script.
Every picture uses the shared palette of pixel_canvas; transparent pixels are left None.
"""
import math
import os
import sys

from draw_font import GLYPHS
from pixel_canvas import Canvas, write_xpm

OUTLINE = "n"
BODY, BODY_SHADE, BODY_LIGHT = "g", "G", "l"
BELLY = "y"


# The pondrel: a round green creature with a leaf sprout, big eyes and orange feet.
# All poses are 44 x 48, face right, keep 4 clear columns each side, and share the
# top-left corner, so the standing pose's box is the collision box.

def pondrel_body(c, cx, cy, rx, ry):
    c.ellipse(cx, cy, rx, ry, BODY_SHADE)
    c.ellipse(cx - 1, cy - 1, rx - 1.5, ry - 1.5, BODY)
    c.ellipse(cx - rx * 0.45, cy - ry * 0.5, rx * 0.25, ry * 0.2, BODY_LIGHT)
    c.ellipse(cx + rx * 0.2, cy + ry * 0.35, rx * 0.5, ry * 0.45, BELLY)


def pondrel_feet(c, feet):
    for x, y in feet:
        c.ellipse(x, y, 5, 2.5, "o")
        c.rect(int(x) - 3, int(y) + 1, 7, 1, "B")


def pondrel_sprout(c, x, top, droop=False):
    stem_bottom = top + 7
    c.line(x, top + 2, x, stem_bottom, "d")
    if droop:
        c.polygon([(x, top + 3), (x + 8, top + 5), (x + 10, top + 9), (x + 4, top + 8)], "g")
        c.polygon([(x, top + 4), (x - 6, top + 6), (x - 8, top + 10), (x - 3, top + 8)], "G")
    else:
        c.polygon([(x, top + 3), (x + 4, top - 2), (x + 10, top - 3), (x + 7, top + 2)], "g")
        c.polygon([(x, top + 4), (x - 3, top), (x - 8, top), (x - 5, top + 4)], "G")


def open_eyes(c, y, wide=False):
    h = 5.5 if wide else 4.5
    for x, r in ((24.5, 3.5), (33.5, 4)):
        c.ellipse(x, y, r, h, "w")
        c.rect(int(x) + 1, int(y) - 1, 2, 4 if wide else 3, "k")
        c.put(int(x) + 1, int(y) - 1, "w")


def closed_eyes(c, y):
    for x in (22, 31):
        c.line(x, y, x + 2, y + 1, "k")
        c.line(x + 3, y + 1, x + 5, y, "k")


def drowsy_eyes(c, y):
    for x, r in ((24.5, 3.5), (33.5, 4)):
        c.ellipse(x, y, r, 3, "w")
        c.rect(int(x) + 1, int(y), 2, 2, "k")
        c.rect(int(x - r), int(y) - 3, int(2 * r) + 1, 3, BODY)
        c.line(int(x - r), int(y) - 1, int(x + r), int(y) - 1, BODY_SHADE)


def smile(c, x, y):
    c.line(x, y, x + 1, y + 1, "k")
    c.line(x + 2, y + 1, x + 3, y + 1, "k")
    c.put(x + 4, y, "k")


def cheek(c, x, y):
    c.rect(x, y, 3, 2, "M")


def pondrel_standing(lift=0, feet=((14, 45.5), (30, 45.5))):
    c = Canvas(44, 48)
    pondrel_feet(c, feet)
    pondrel_sprout(c, 22, 5 - lift)
    pondrel_body(c, 22, 28.5 - lift, 17, 15.5)
    open_eyes(c, 23 - lift)
    smile(c, 30, 31 - lift)
    cheek(c, 35, 28 - lift)
    c.outline(OUTLINE)
    return c


def pondrel_running():
    return pondrel_standing(lift=1, feet=((9, 44.5), (34, 45.5)))


def pondrel_jumping():
    c = Canvas(44, 48)
    pondrel_feet(c, ((15, 42.5), (29, 43.5)))
    pondrel_sprout(c, 21, 2)
    pondrel_body(c, 22, 25, 16, 17)
    open_eyes(c, 19, wide=True)
    c.ellipse(32.5, 30, 2, 2.5, "R")
    c.outline(OUTLINE)
    return c


def pondrel_ducking():
    c = Canvas(44, 48)
    pondrel_feet(c, ((12, 45.5), (32, 45.5)))
    pondrel_sprout(c, 21, 14, droop=True)
    pondrel_body(c, 22, 36, 18, 11)
    drowsy_eyes(c, 32)
    c.line(31, 39, 34, 39, "k")
    c.outline(OUTLINE)
    return c


def pondrel_sleeping():
    c = Canvas(44, 48)
    pondrel_sprout(c, 20, 17, droop=True)
    pondrel_body(c, 22, 38, 18, 9.5)
    closed_eyes(c, 35)
    cheek(c, 35, 38)
    c.outline(OUTLINE)
    for x, y in ((33, 10), (38, 4)):
        c.stamp(["###", "..#", ".#.", "#..", "###"], x, y, {"#": "p"})
    return c


# Tiles: 40 x 40 cells.

def block():
    c = Canvas(40, 40, "b")
    for x, y, w, h in ((4, 14, 6, 4), (22, 12, 7, 5), (13, 24, 8, 5), (30, 27, 6, 4),
                       (2, 32, 5, 4), (20, 35, 6, 3)):
        c.rect(x, y, w, h, "a")
        c.rect(x, y, w, 1, "e")
        c.rect(x, y + h - 1, w, 1, "A")
    for x, y in ((9, 21), (28, 20), (16, 31), (36, 14), (26, 29), (6, 27)):
        c.put(x, y, "B")
        c.put(x + 1, y, "B")
    c.rect(0, 0, 40, 6, "g")
    c.rect(0, 0, 40, 1, "l")
    for x in range(0, 40, 5):
        c.rect(x + 1, 6, 2, 1 + (x * 7) % 4, "g")
        c.put(x + 3, 6, "G")
    c.rect(0, 39, 40, 1, "v")
    return c


def spike():
    c = Canvas(40, 40)
    c.rect(0, 35, 40, 5, "A")
    c.rect(0, 35, 40, 1, "a")
    for base in (0, 10, 20, 30):
        c.polygon([(base + 1, 36), (base + 5, 2), (base + 9, 36)], "e")
        c.polygon([(base + 5, 2), (base + 9, 36), (base + 5, 36)], "a")
        c.line(base + 4, 8, base + 4, 20, "w")
    c.outline(OUTLINE)
    return c


def rotated_clockwise(c):
    turned = Canvas(c.height, c.width)
    for y in range(c.height):
        for x in range(c.width):
            turned.pixels[x][c.height - 1 - y] = c.pixels[y][x]
    return turned


def bush():
    c = Canvas(40, 40)
    for cx, cy, r in ((10, 30, 9), (29, 30, 10), (19, 24, 11), (20, 33, 12)):
        c.ellipse(cx, cy, r, r * 0.8, "G")
    for cx, cy, r in ((9, 28, 6), (27, 27, 7), (17, 21, 7)):
        c.ellipse(cx, cy, r, r * 0.7, "g")
    for x, y in ((12, 26), (25, 31), (30, 24), (18, 33)):
        c.rect(x, y, 2, 2, "R")
    c.rect(4, 39, 32, 1, "d")
    c.outline("q")
    return c


def flower():
    c = Canvas(40, 40)
    for x, top, petal, middle in ((13, 18, "M", "y"), (27, 24, "w", "o")):
        c.line(x, top + 3, x, 39, "d")
        c.polygon([(x, 36), (x - 6, 30), (x - 3, 35)], "g")
        for dx, dy in ((-3, 0), (3, 0), (0, -3), (0, 3)):
            c.ellipse(x + 0.5 + dx, top + 0.5 + dy, 2.5, 2.5, petal)
        c.ellipse(x + 0.5, top + 0.5, 1.6, 1.6, middle)
    c.outline("q")
    return c


def carrot():
    c = Canvas(44, 62)
    for tip, lean in ((22, 0), (16, -6), (28, 6)):
        c.polygon([(tip - 2, 22), (tip + lean - 3, 2), (tip + lean + 3, 2), (tip + 2, 22)],
                  "g" if lean == 0 else "G")
    c.polygon([(13, 22), (31, 22), (23, 61), (21, 61)], "o")
    c.polygon([(13, 22), (18, 22), (22, 59), (21, 59)], "y")
    for y, x0, x1 in ((30, 20, 27), (38, 22, 26), (46, 20, 24), (52, 22, 24)):
        c.line(x0, y, x1, y, "B")
    c.outline(OUTLINE)
    return c


def checkpoint(lit):
    c = Canvas(40, 80)
    c.rect(18, 10, 4, 66, "B")
    c.rect(18, 10, 1, 66, "t")
    c.ellipse(20, 77, 10, 3, "a")
    c.rect(10, 77, 20, 3, "a")
    if lit:
        c.polygon([(22, 12), (37, 17), (22, 24)], "y")
        c.polygon([(22, 18), (37, 17), (22, 24)], "o")
        c.ellipse(20, 6, 6, 6, "y")
        c.ellipse(20, 6, 3.5, 3.5, "w")
    else:
        c.polygon([(22, 58), (33, 63), (30, 70), (22, 68)], "R")
        c.ellipse(20, 6, 5, 5, "r")
        c.ellipse(19, 5, 2, 2, "a")
    c.outline(OUTLINE)
    return c


# Sky.

def cloud():
    c = Canvas(96, 40)
    for cx, cy, rx, ry in ((24, 26, 18, 11), (48, 19, 22, 16), (72, 25, 19, 12),
                           (48, 29, 40, 9)):
        c.ellipse(cx, cy, rx, ry, "p")
    for cx, cy, rx, ry in ((23, 23, 14, 8), (46, 16, 17, 12), (71, 22, 15, 9)):
        c.ellipse(cx, cy, rx, ry, "w")
    c.outline("e")
    return c


def sun():
    c = Canvas(64, 64)
    for i in range(12):
        angle = i * math.pi / 6
        dx, dy = math.cos(angle), math.sin(angle)
        c.polygon([(32 + 22 * dx - 4 * dy, 32 + 22 * dy + 4 * dx),
                   (32 + 31 * dx, 32 + 31 * dy),
                   (32 + 22 * dx + 4 * dy, 32 + 22 * dy - 4 * dx)], "o")
    c.ellipse(32, 32, 22, 22, "o")
    c.ellipse(32, 32, 20, 20, "y")
    c.ellipse(27, 26, 7, 6, "w")
    return c


def moon():
    c = Canvas(32, 32)
    c.ellipse(16, 16, 14, 14, "p")
    c.ellipse(22, 12, 11, 12, None)
    for x, y, r in ((9, 17, 2), (13, 24, 1.5), (6, 11, 1.2)):
        c.ellipse(x, y, r, r, "e")
    return c


# The title: the game's name in big rounded letters, and the pondrel below it.

def title_letter(rows, cell):
    """A glyph of the font, each pixel a cell: yellow above, orange below, lit on top."""
    letter = Canvas(len(rows[0]) * cell, 7 * cell)
    for j, row in enumerate(rows[:7]):
        for i, ch in enumerate(row):
            if ch == "#":
                letter.rect(i * cell, j * cell, cell, cell, "y" if j < 4 else "o")
                if j == 0 or rows[j - 1][i] != "#":
                    letter.rect(i * cell, j * cell + 2, cell, 2, "w")
    return letter


def title():
    glyphs = {line[0]: line[2:].split("|") for line in GLYPHS.strip("\n").split("\n")}
    cell, gap = 12, 12
    letters = [title_letter(glyphs[ch], cell) for ch in "QUINDLE"]
    width = sum(l.width for l in letters) + gap * (len(letters) - 1)
    c = Canvas(560, 260)
    x = (560 - width) // 2
    for letter in letters:
        shadow = Canvas(letter.width, letter.height)
        shadow.pixels = [["v" if p else None for p in row] for row in letter.pixels]
        c.paste(shadow, x + 5, 13)
        c.paste(letter, x, 8)
        x += letter.width + gap
    c.outline(OUTLINE)
    hero = pondrel_standing().scaled(3)
    c.ellipse(280, 253, 90, 7, "G")
    c.ellipse(280, 252, 84, 5, "g")
    c.paste(hero, (560 - hero.width) // 2, 256 - hero.height)
    return c


def icon():
    c = Canvas(32, 32)
    pondrel_sprout(c, 15, 2)
    pondrel_body(c, 16, 19, 14, 12)
    for x in (11.5, 20.5):
        c.ellipse(x, 16, 3.5, 4.5, "w")
        c.rect(int(x) + 1, 15, 2, 3, "k")
    smile(c, 14, 23)
    c.outline(OUTLINE)
    return c


PICTURES = {
    "pondrel_right": pondrel_standing,
    "pondrel_right2": pondrel_running,
    "pondrel_jump": pondrel_jumping,
    "pondrel_duck": pondrel_ducking,
    "pondrel_sleep": pondrel_sleeping,
    "block": block,
    "spike": spike,
    "spike_side": lambda: rotated_clockwise(spike()),
    "bush": bush,
    "flower": flower,
    "carrot": carrot,
    "checkpoint_off": lambda: checkpoint(False),
    "checkpoint_on": lambda: checkpoint(True),
    "cloud": cloud,
    "sun": sun,
    "moon": moon,
    "title": title,
    "icon": icon,
}

if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "assets", "pictures")
    for name, draw in PICTURES.items():
        write_xpm(draw(), os.path.join(folder, name + ".xpm"), name)
