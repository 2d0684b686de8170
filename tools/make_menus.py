#!/usr/bin/env python3
"""Writes the pictures of the shop, heart, trophy, options, help and players
screens: small icons, the cards their lists stand on and the help pages'
illustrations.

Sources: the art direction's palette and widget look (tools/lib/drawing.py) and
the sizes below; the help board is the picture HELP_PICTURE with its clues
counted here.

Outputs (under the resources folder data/share/image/menus/, the same
bytes for the same sources):
  coin_small.png        COIN x COIN: a coin, beside prices and bonuses
  heart_small.png       HEART x HEART: a heart, on the heart panel
  arrow_left.png,       ARROW x ARROW: ink chevrons for the page buttons
  arrow_right.png,      (drawn over the light icon button); up and down
  arrow_up.png,         turn the players list's pages
  arrow_down.png
  card_<part>.png       the nine CARD_PIECE x CARD_PIECE pieces of a card in
                        the paper tint with a 1 px border (NINE_PARTS order:
                        ul up ur lt mid rt dl dn dr), for items on a dialog
  trophy_card.png       TROPHY_CARD: the same card whole, behind a trophy
  help_board.png        a small board, half solved, with its clues
  help_tools.png        a filled cell and a crossed cell side by side
  players_list.png,     the players list's panel, row and highlight, as the
  players_row.png,      input widgets' (tools/lib/lists.py) but wide
  players_highlight.png enough for a name of 15 wide letters (PLAYERS_LIST)

Usage: tools/make_menus.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes
from lib.lists import list_highlight, list_panel, list_row

FOLDER = "data/share/image/menus"

COIN = 28
HEART = 36
ARROW = 32
ARROW_WIDTH = 4
CARD_PIECE = 16
CARD_RADIUS = 10
CARD_FILL = gfx.PAPER
TROPHY_CARD = (420, 96)

# The help board: a heart, the first rows filled and crossed.
HELP_PICTURE = [".#.#.",
                "#####",
                "#####",
                ".###.",
                "..#.."]
HELP_OPEN_ROWS = 3
HELP_CELL = 34
HELP_CLUES = 52           # the clue strips' depth
HELP_DIGIT = 14           # a clue digit's height
HELP_TOOL_CELL = 72
PLAYERS_LIST = (400, 252)  # seven rows of 36
PLAYERS_ROW = (384, 36)
PLAYERS_HIGHLIGHT = (384, 32)


def coin():
    canvas = gfx.Canvas(COIN, COIN)
    gfx.coin(canvas, COIN / 2.0, COIN / 2.0, COIN / 2.0 - 1.5)
    return canvas


def heart():
    canvas = gfx.Canvas(HEART, HEART)
    gfx.heart(canvas, HEART / 2.0, HEART / 2.0 - 1.0, HEART * 0.42)
    return canvas


def arrow(pointing):
    """A chevron pointing "left", "right", "up" or "down"."""
    canvas = gfx.Canvas(ARROW, ARROW)
    tip, back = (10.0, 21.0) if pointing in ("left", "up") else (22.0, 11.0)
    points = [(back, 7.0), (tip, ARROW / 2.0), (back, ARROW - 7.0)]
    if pointing in ("up", "down"):
        points = [(y, x) for x, y in points]
    canvas.polyline(points, ARROW_WIDTH, gfx.INK)
    return canvas


def card(width, height):
    canvas = gfx.Canvas(width, height)
    gfx.framed_box(canvas, 0, 0, width, height, CARD_RADIUS, CARD_FILL)
    return canvas


def card_pieces():
    whole = card(3 * CARD_PIECE, 3 * CARD_PIECE)
    pieces = {}
    for index, part in enumerate(gfx.NINE_PARTS):
        column, row = index % 3, index // 3
        pieces[part] = whole.crop(column * CARD_PIECE, row * CARD_PIECE,
                                  (column + 1) * CARD_PIECE, (row + 1) * CARD_PIECE)
    return pieces


def runs(line):
    """The clue of a line of '#' and '.': its runs' lengths (or [0])."""
    counts = [len(part) for part in "".join(line).split(".") if part]
    return counts or [0]


def filled_cell(canvas, left, top, size):
    canvas.rect(left, top, left + size, top + size, gfx.FILLED)
    canvas.rect(left + 1, top + 1, left + size - 1, top + 2, gfx.lighter(gfx.FILLED, 0.25))


def crossed_cell(canvas, left, top, size):
    inset = size * 0.28
    canvas.line(left + inset, top + inset, left + size - inset, top + size - inset, 3, gfx.CROSS)
    canvas.line(left + size - inset, top + inset, left + inset, top + size - inset, 3, gfx.CROSS)


def help_board():
    rows, columns = len(HELP_PICTURE), len(HELP_PICTURE[0])
    width = HELP_CLUES + columns * HELP_CELL + 1
    height = HELP_CLUES + rows * HELP_CELL + 1
    canvas = gfx.Canvas(width, height)
    board_left, board_top = HELP_CLUES, HELP_CLUES
    for index in range(max(rows, columns)):
        tint = gfx.mix(gfx.PAPER, gfx.PAPER_BOTTOM, 0.8 if index % 2 else 0.3)
        if index < columns:
            x = board_left + index * HELP_CELL
            canvas.rect(x, 0, x + HELP_CELL, board_top, tint)
        if index < rows:
            y = board_top + index * HELP_CELL
            canvas.rect(0, y, board_left, y + HELP_CELL, tint)
    for row in range(rows):
        for column in range(columns):
            left, top = board_left + column * HELP_CELL, board_top + row * HELP_CELL
            canvas.rect(left, top, left + HELP_CELL, top + HELP_CELL, gfx.CLOSED)
            if row < HELP_OPEN_ROWS:
                if HELP_PICTURE[row][column] == "#":
                    filled_cell(canvas, left, top, HELP_CELL)
                else:
                    crossed_cell(canvas, left, top, HELP_CELL)
    for i in range(columns + 1):
        x = board_left + i * HELP_CELL
        canvas.rect(x, board_top, x + 1, height, gfx.GRID_LINE if 0 < i < columns else gfx.INK)
    for i in range(rows + 1):
        y = board_top + i * HELP_CELL
        canvas.rect(board_left, y, width, y + 1, gfx.GRID_LINE if 0 < i < rows else gfx.INK)
    for row in range(rows):
        clue = runs(HELP_PICTURE[row])
        done = row < HELP_OPEN_ROWS
        for i, number in enumerate(reversed(clue)):
            cx = board_left - 13 - i * 18
            canvas.text(str(number), cx, board_top + row * HELP_CELL + HELP_CELL / 2.0, HELP_DIGIT, 2.4,
                        gfx.CROSSED_NUMBER if done else gfx.INK)
    for column in range(columns):
        line = [HELP_PICTURE[row][column] for row in range(rows)]
        clue = runs(line)
        for i, number in enumerate(reversed(clue)):
            cy = board_top - 14 - i * 20
            canvas.text(str(number), board_left + column * HELP_CELL + HELP_CELL / 2.0, cy, HELP_DIGIT, 2.4,
                        gfx.INK)
    return canvas


def help_tools():
    gap = 24
    canvas = gfx.Canvas(2 * HELP_TOOL_CELL + gap + 2, HELP_TOOL_CELL + 2)
    for index in range(2):
        left = 1 + index * (HELP_TOOL_CELL + gap)
        canvas.rect(left - 1, 0, left + HELP_TOOL_CELL + 1, HELP_TOOL_CELL + 2, gfx.INK)
        canvas.rect(left, 1, left + HELP_TOOL_CELL, HELP_TOOL_CELL + 1, gfx.CLOSED)
        if index == 0:
            filled_cell(canvas, left, 1, HELP_TOOL_CELL)
        else:
            crossed_cell(canvas, left, 1, HELP_TOOL_CELL)
    return canvas


def pictures():
    images = {
        "coin_small.png": coin(),
        "heart_small.png": heart(),
        "arrow_left.png": arrow("left"),
        "arrow_right.png": arrow("right"),
        "arrow_up.png": arrow("up"),
        "arrow_down.png": arrow("down"),
        "trophy_card.png": card(*TROPHY_CARD),
        "help_board.png": help_board(),
        "help_tools.png": help_tools(),
        "players_list.png": list_panel(PLAYERS_LIST),
        "players_row.png": list_row(PLAYERS_ROW),
        "players_highlight.png": list_highlight(PLAYERS_HIGHLIGHT),
    }
    for part, piece in card_pieces().items():
        images["card_%s.png" % part] = piece
    return images


def main():
    args = arguments(__doc__.split("\n")[0])
    for name, image in sorted(pictures().items()):
        write_bytes(os.path.join(args.out, FOLDER, name), image.png())
        print("%s/%s  %d x %d" % (FOLDER, name, image.width, image.height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
