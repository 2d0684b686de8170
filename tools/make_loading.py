#!/usr/bin/env python3
"""Writes the loading screen: its description and its pictures.

What the player sees from start-up until the title: the paper, the game's
logo (a small solved puzzle, a heart), and below it a loading animation
(cells of a ring filling one after another); over it all, at first, one
splash (a card with a larger solved puzzle, a sailboat, and three stars)
on a paper-coloured backdrop, which fades out after a while or at a key
press or a click.

Sources: the pictures drawn as text below (rows of '#' and '.'; the clue
numbers beside and above each are counted from them), the art direction's
palette and the constants below.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/screen_loading.xml   the loading screen's
                                             description: "background",
                                             "logo", "animation" (sprite and
                                             animation descriptions) and
                                             "splashes" with its times, its
                                             backdrop colour and one splash
  data/share/image/loading/paper.png         PAPER_W x PAPER_H, the paper's
                                             gradient, stretched over the
                                             screen
  data/share/image/loading/logo.png          the heart puzzle
  data/share/image/loading/spinner.png       SPINNER_FRAMES frames of
                                             SPINNER x SPINNER, SPINNER_COLUMNS
                                             to a row
  data/share/image/loading/splash.png        the sailboat card (a splash is
                                             read straight from its file, by
                                             its path below the resources
                                             folder)

Usage: tools/make_loading.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import math
import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes

SCREEN = "data/share/main/other/screen_loading.xml"
IMAGES = "data/share/image/loading"
SCREEN_W, SCREEN_H = 1024, 768

# The paper: a narrow strip of the gradient, stretched sideways.
PAPER_W, PAPER_H = 4, 384

# The logo's puzzle (its clue numbers are counted from it).
LOGO = [
    ".#.#.",
    "#####",
    "#####",
    ".###.",
    "..#..",
]
LOGO_CELL = 36
LOGO_AT = (512, 300)

# The splash's puzzle.
SPLASH = [
    "....#.....",
    "....##....",
    "....###...",
    "....####..",
    "....#####.",
    "....#.....",
    "##########",
    ".########.",
    "..######..",
    "#.#.#.#.#.",
]
SPLASH_CELL = 30
SPLASH_W, SPLASH_H = 560, 500

# Clue numbers: their height and stroke, and the room between two of them
# (and between the last and the board).
NUMBER_H = 14
NUMBER_STROKE = 2.2
NUMBER_GAP = 6

# The loading animation: a ring of eight cells, one filling after another.
SPINNER = 56
SPINNER_FRAMES = 8
SPINNER_COLUMNS = 4
SPINNER_FPS = 10
SPINNER_AT = (512, 560)

# Seconds each splash stays, and its fade.
TIME_PER_SPLASH = 2.0
TIME_FADE = 0.3


def number_width(number):
    """The width of a clue number's strokes (tools/lib/drawing.py's digits)."""
    digits = len(str(number))
    return NUMBER_H / 6.0 * (6.0 * (digits - 1) + 4.0) + NUMBER_STROKE


def runs(line):
    """The clue numbers of one line of a picture."""
    counts = [len(run) for run in "".join(line).split(".") if run]
    return counts or [0]


def clues(picture):
    rows = [runs(row) for row in picture]
    columns = [runs([row[x] for row in picture]) for x in range(len(picture[0]))]
    return rows, columns


def solved_puzzle(picture, cell, margin):
    """A solved board of the picture with its clue strips to the left and
    above, `margin` pixels of room around it; the canvas and the board's
    upper-left corner."""
    rows, columns = clues(picture)
    left_strip = int(math.ceil(max(sum(number_width(n) + NUMBER_GAP for n in r) for r in rows))) + NUMBER_GAP
    top_strip = max(len(c) for c in columns) * (NUMBER_H + NUMBER_GAP) + NUMBER_GAP
    width = margin * 2 + left_strip + cell * len(picture[0])
    height = margin * 2 + top_strip + cell * len(picture)
    canvas = gfx.Canvas(width, height)
    x0, y0 = margin + left_strip, margin + top_strip
    draw_board(canvas, picture, x0, y0, cell, rows, columns)
    return canvas, (x0, y0)


def draw_board(canvas, picture, x0, y0, cell, rows, columns):
    cols, lines = len(picture[0]), len(picture)
    right, bottom = x0 + cols * cell, y0 + lines * cell
    canvas.rect(x0, y0, right, bottom, gfx.CLOSED)
    for y, row in enumerate(picture):
        for x, mark in enumerate(row):
            if mark == "#":
                canvas.rect(x0 + x * cell, y0 + y * cell, x0 + (x + 1) * cell, y0 + (y + 1) * cell,
                            gfx.FILLED)
    # Grid lines, and the frame and every fifth line stronger.
    for x in range(cols + 1):
        strong = x % 5 == 0 or x == cols
        canvas.rect(x0 + x * cell - (1 if strong else 0), y0, x0 + x * cell + 1, bottom,
                    gfx.BLOCK_LINE if strong else gfx.GRID_LINE)
    for y in range(lines + 1):
        strong = y % 5 == 0 or y == lines
        canvas.rect(x0, y0 + y * cell - (1 if strong else 0), right + 1, y0 + y * cell + 1,
                    gfx.BLOCK_LINE if strong else gfx.GRID_LINE)
    # The clue numbers, ending at the board, a gap between each two.
    for y, numbers in enumerate(rows):
        cy = y0 + y * cell + cell / 2.0
        right = x0 - NUMBER_GAP
        for number in reversed(numbers):
            width = number_width(number)
            canvas.text(str(number), right - width / 2.0, cy, NUMBER_H, NUMBER_STROKE, gfx.INK)
            right -= width + NUMBER_GAP
    for x, numbers in enumerate(columns):
        cx = x0 + x * cell + cell / 2.0
        bottom = y0 - NUMBER_GAP
        for number in reversed(numbers):
            canvas.text(str(number), cx, bottom - NUMBER_H / 2.0, NUMBER_H, NUMBER_STROKE, gfx.INK)
            bottom -= NUMBER_H + NUMBER_GAP


def paper():
    canvas = gfx.Canvas(PAPER_W, PAPER_H)
    canvas.shape(lambda x, y: -1.0, gfx.vertical_gradient(0, PAPER_H, gfx.PAPER, gfx.PAPER_BOTTOM),
                 box=(0, 0, PAPER_W, PAPER_H))
    return canvas


def logo():
    canvas, _ = solved_puzzle(LOGO, LOGO_CELL, 4)
    return canvas


def spinner_frame(index):
    canvas = gfx.Canvas(SPINNER, SPINNER)
    # The eight cells around a 3 x 3 block, clockwise from the upper left.
    ring = [(0, 0), (1, 0), (2, 0), (2, 1), (2, 2), (1, 2), (0, 2), (0, 1)]
    size, gap = 14, 3
    offset = (SPINNER - (3 * size + 2 * gap)) // 2
    for position, (cx, cy) in enumerate(ring):
        left, top = offset + cx * (size + gap), offset + cy * (size + gap)
        behind = (index - position) % len(ring)
        gfx.framed_box(canvas, left, top, left + size, top + size, 3, gfx.CLOSED, gfx.GRID_LINE)
        if behind < 3:
            canvas.rounded_rect(left, top, left + size, top + size, 3, gfx.FILLED, (255, 150, 70)[behind])
    return canvas


def spinner():
    return gfx.grid([spinner_frame(i) for i in range(SPINNER_FRAMES)], SPINNER_COLUMNS)


def splash():
    shadow = gfx.Shadow(reach=10, drop=4, opacity=0.25)
    canvas = gfx.card(SPLASH_W, SPLASH_H, (12, 10, 12, 16), 16, shadow)
    puzzle, _ = solved_puzzle(SPLASH, SPLASH_CELL, 0)
    canvas.paste(puzzle, (SPLASH_W - puzzle.width) // 2, 40)
    # Solved: three stars under the board.
    for i in (-1, 0, 1):
        canvas.polygon(gfx.star_points(SPLASH_W / 2 + i * 52, SPLASH_H - 62, 20), gfx.ACCENT)
    return canvas


def sprite(lines, indent, name, file, hot_spot, pos, size=None, extra=()):
    lines.append("%s<%s>" % (indent, name))
    lines.append("%s  <FILE>%s %s</FILE>" % (indent, IMAGES, file))
    lines.append("%s  <HOT_SPOT>%s</HOT_SPOT>" % (indent, hot_spot))
    lines.append("%s  <POS>%d %d</POS>" % (indent, pos[0], pos[1]))
    if size:
        lines.append("%s  <SIZE>%d %d</SIZE>" % (indent, size[0], size[1]))
    lines.extend(indent + "  " + line for line in extra)
    lines.append("%s</%s>" % (indent, name))


def screen_xml():
    r, g, b = gfx.PAPER
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_loading.py; edit that. -->",
             "<screen_loading>"]
    sprite(lines, "  ", "background", "paper.png", "HS_UL", (0, 0), (SCREEN_W, SCREEN_H))
    sprite(lines, "  ", "logo", "logo.png", "HS_MID", LOGO_AT)
    rows = (SPINNER_FRAMES + SPINNER_COLUMNS - 1) // SPINNER_COLUMNS
    sprite(lines, "  ", "animation", "spinner.png", "HS_MID", SPINNER_AT,
           extra=['<ANIMATION loop="true" grid="%d %d" frames="%d" fps="%d"/>'
                  % (SPINNER_COLUMNS, rows, SPINNER_FRAMES, SPINNER_FPS)])
    lines.append('  <splashes time_per_splash="%.1f" time_fade="%.1f" back_color="255 %d %d %d">'
                 % (TIME_PER_SPLASH, TIME_FADE, r, g, b))
    lines += ["    <splash>",
              "      <FILE>%s/splash.png</FILE>" % IMAGES,
              "      <POS>%d %d</POS>" % (SCREEN_W // 2, SCREEN_H // 2),
              "      <HOT_SPOT>HS_MID</HOT_SPOT>",
              "    </splash>",
              "  </splashes>",
              "</screen_loading>"]
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    write_bytes(os.path.join(args.out, *SCREEN.split("/")), screen_xml())
    for name, picture in (("paper", paper), ("logo", logo), ("spinner", spinner), ("splash", splash)):
        image = picture()
        write_bytes(os.path.join(args.out, *IMAGES.split("/"), name + ".png"), image.png())
        print("%s/%s.png  %d x %d" % (IMAGES, name, image.width, image.height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
