#!/usr/bin/env python3
"""Writes the pictures of the title, pack and level screens, the finish
window and the in-game menu.

Sources: the art direction's palette and shapes (tools/lib/drawing.py), the
packs (tools/sources/levels/pack_N/pack.txt: each pack's tint) and each pack's
first picture (tools/sources/levels/pack_N/01_*.txt), which its cover shows.

Outputs (under the resources folder, the same bytes for the same sources),
all in data/share/image/screens/:
  paper.png          16 x 192, the paper gradient; windows stretch it over
                     the screen (the menus' backdrop and the fade)
  top_bar.png        16 x 96, the bar across the top of the menu screens: a
                     near-white band over a soft shadow; stretched sideways
  logo.png           the title's logo: the first pack's first picture solved
                     on a small board
  star_big.png       STAR_STEP x 64, a won star (the finish window's stars
                     stand one picture width apart)
  star_slot.png      the same size, the place of a star not won
  stars_small.png    two 28 x 28 frames side by side: an empty star, a won one
                     (the level list's three stars)
  level_tile.png     three TILE frames side by side: a level's face, the face
                     under the pointer (accent border), and what covers a
                     locked level (a veil and a lock)
  pack_card.png      PACK_CARD, the card a pack stands on
  cover_N.png        COVER x COVER, pack N's first picture in the pack's tint
  pack_locked.png    COVER x COVER, the veil and lock over a locked cover
  icon_star.png, icon_coin.png        28 x 28, stars and coins
  icon_back.png, icon_packs.png, icon_trophy.png, icon_options.png,
  icon_shop.png, icon_prev.png, icon_next.png, icon_restart.png,
  icon_training.png  ICON x ICON ink shapes laid on the icon buttons
  training_overlap.png, training_full.png, training_cross.png
                     TIP_STRIP, a line of TIP_CELLS cells for the training
                     screen's tips (the clues are the window's labels): a
                     run of 7 slid to both ends over the cells it covers
                     either way; "4 1 3" filling its line; "2 3" found and
                     the rest crossed
  link_underline.png 4 x 23: the change-player link's underline along its
                     bottom (the window stretches it under the link's text)
  picture_frame.png  PICTURE_FRAME square: the white ground, in a thin
                     border, that the finish window draws the solved
                     picture on
  picture_cell.png   4 x 4 in the filled cells' colour: one cell of that
                     picture (stretched over the cell)

Usage: tools/make_screens.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import math
import sys

from lib import drawing as gfx
from lib.content import picture_generator, shipped_packs
from lib.faces import CARD_FACE, TILE_FACE
from lib.levels import read_sources as read_levels
from lib.packs import read_pack

FOLDER = "data/share/image/screens"
STAR_STEP = 76
TILE = (150, 170)
PACK_CARD = (320, 240)
COVER = 124
ICON = 36
LINK_HEIGHT = 23  # the link font's line height (DejaVu Sans 20)
PICTURE_FRAME = 144
TIP_CELLS = 10
TIP_CELL = 26
TIP_STRIP = (TIP_CELLS * TIP_CELL + 2, 60)

SHADOW = gfx.Shadow(6, 2, 0.18)
SLOT = (0xE4, 0xDD, 0xD0)
VEIL = gfx.PAPER


def paper():
    canvas = gfx.Canvas(16, 192)
    canvas.rect(0, 0, 16, 192, gfx.PAPER)
    canvas.shape(lambda x, y: -1.0, gfx.vertical_gradient(0, 192, gfx.PAPER, gfx.PAPER_BOTTOM))
    return canvas


def top_bar():
    canvas = gfx.Canvas(16, 96)
    for y in range(78, 96):
        share = 1.0 - (y - 78) / 18.0
        canvas.rect(0, y, 16, y + 1, gfx.INK, int(round(60 * share * share)))
    canvas.rect(0, 0, 16, 78, gfx.PANEL)
    canvas.rect(0, 77, 16, 78, gfx.PANEL_BORDER)
    return canvas


def board_picture(rows, cell, filled, lines=True):
    """The picture's filled cells as a small solved board on white."""
    height, width = len(rows), len(rows[0])
    canvas = gfx.Canvas(width * cell + 1, height * cell + 1)
    canvas.rect(0, 0, canvas.width, canvas.height, gfx.CLOSED)
    for r, row in enumerate(rows):
        for c, char in enumerate(row):
            if char == "#":
                canvas.rect(c * cell + 1, r * cell + 1, (c + 1) * cell, (r + 1) * cell, filled)
    if lines:
        for i in range(width + 1):
            canvas.rect(i * cell, 0, i * cell + 1, canvas.height, gfx.GRID_LINE)
        for i in range(height + 1):
            canvas.rect(0, i * cell, canvas.width, i * cell + 1, gfx.GRID_LINE)
    return canvas


def logo(first):
    cell = 30
    board = board_picture(first.rows, cell, gfx.FILLED)
    side = board.width + 24
    canvas = gfx.Canvas(side + 16, side + 16)
    gfx.framed_box(canvas, 8, 6, 8 + side, 6 + side, 12, gfx.PANEL)
    canvas.paste(board, 20, 18)
    canvas.rect(19, 17, 21 + board.width - 1, 19, gfx.INK)
    canvas.rect(19, 17 + board.height - 1, 21 + board.width - 1, 19 + board.height - 1, gfx.INK)
    canvas.rect(19, 17, 21, 19 + board.height - 1, gfx.INK)
    canvas.rect(19 + board.width - 1, 17, 21 + board.width - 1, 19 + board.height - 1, gfx.INK)
    return canvas.with_shadow(4, (0, 2), opacity=0.18)


def big_star(won):
    canvas = gfx.Canvas(STAR_STEP, 64)
    if won:
        gfx.star(canvas, STAR_STEP / 2, 33, 30, gfx.ACCENT, gfx.darker(gfx.ACCENT, 0.25), 2)
        return canvas.with_shadow(2, (0, 2), opacity=0.2)
    gfx.star(canvas, STAR_STEP / 2, 33, 30, SLOT, gfx.darker(SLOT, 0.08), 2)
    return canvas


def small_stars():
    empty = gfx.Canvas(28, 28)
    gfx.star(empty, 14, 15, 12, SLOT, gfx.darker(SLOT, 0.12), 2)
    won = gfx.Canvas(28, 28)
    gfx.star(won, 14, 15, 12, gfx.ACCENT, gfx.darker(gfx.ACCENT, 0.25), 2)
    return gfx.sheet([empty, won])


def face_box(size, margins):
    """(left, top, right, bottom) of the face within a picture of that size."""
    return margins[0], margins[1], size[0] - margins[2], size[1] - margins[3]


def tile_face(border, width):
    w, h = TILE
    left, top, right, bottom = face_box(TILE, TILE_FACE)
    canvas = gfx.Canvas(w, h)
    canvas.falloff(gfx.rounded_rect_distance(left, top + 3, right, bottom + 3, 12), SHADOW.reach,
                   gfx.INK, SHADOW.opacity)
    gfx.framed_box(canvas, left, top, right, bottom, 12, gfx.PANEL, border, width)
    return canvas


def level_tile():
    w, h = TILE
    cover = gfx.Canvas(w, h)
    cover.shape(gfx.rounded_rect_distance(*face_box(TILE, TILE_FACE), 12), VEIL, 190)
    gfx.lock(cover, w / 2, 64, 40, gfx.CROSS)
    return gfx.sheet([tile_face(gfx.PANEL_BORDER, 1), tile_face(gfx.ACCENT, 3), cover])


def pack_card():
    w, h = PACK_CARD
    left, top, right, bottom = face_box(PACK_CARD, CARD_FACE)
    canvas = gfx.Canvas(w, h)
    canvas.falloff(gfx.rounded_rect_distance(left, top + 4, right, bottom + 4, 14), SHADOW.reach,
                   gfx.INK, SHADOW.opacity)
    gfx.framed_box(canvas, left, top, right, bottom, 14, gfx.PANEL)
    return canvas


def cover(picture, tint):
    rows = picture.rows
    cell = (COVER - 12) // max(len(rows), len(rows[0]))
    board = board_picture(rows, cell, gfx.darker(tint, 0.15), lines=cell >= 8)
    canvas = gfx.Canvas(COVER, COVER)
    gfx.framed_box(canvas, 0, 0, COVER, COVER, 10, gfx.mix(gfx.PANEL, tint, 0.12))
    canvas.paste(board, (COVER - board.width) // 2, (COVER - board.height) // 2)
    return canvas


def pack_locked():
    canvas = gfx.Canvas(COVER, COVER)
    canvas.shape(gfx.rounded_rect_distance(0, 0, COVER, COVER, 10), VEIL, 205)
    gfx.lock(canvas, COVER / 2, COVER / 2, 48, gfx.BLOCK_LINE)
    return canvas


def icon_star():
    canvas = gfx.Canvas(28, 28)
    gfx.star(canvas, 14, 15, 12, gfx.ACCENT, gfx.darker(gfx.ACCENT, 0.25), 2)
    return canvas


def icon_coin():
    canvas = gfx.Canvas(28, 28)
    gfx.coin(canvas, 14, 14, 12)
    return canvas


def icon(draw):
    canvas = gfx.Canvas(ICON, ICON)
    draw(canvas, ICON / 2.0)
    return canvas


def draw_back(canvas, c):
    canvas.polyline([(c + 8, c - 11), (c - 4, c), (c + 8, c + 11)], 4, gfx.INK)
    canvas.line(c - 4, c, c + 12, c, 4, gfx.INK)


def draw_packs(canvas, c):
    for dx in (-8, 8):
        for dy in (-8, 8):
            canvas.rounded_rect(c + dx - 6.5, c + dy - 6.5, c + dx + 6.5, c + dy + 6.5, 2.5, gfx.INK)


def draw_trophy(canvas, c):
    canvas.polygon([(c - 10, c - 13), (c + 10, c - 13), (c + 8, c - 1), (c + 3, c + 4),
                    (c - 3, c + 4), (c - 8, c - 1)], gfx.INK)
    for side in (-1, 1):
        canvas.arc(c + side * 10, c - 7, 5, 3, -math.pi / 2 if side > 0 else math.pi / 2, math.pi, gfx.INK)
    canvas.rect(int(c - 2), int(c + 3), int(c + 2), int(c + 10), gfx.INK)
    canvas.rounded_rect(c - 8, c + 9, c + 8, c + 14, 1.5, gfx.INK)


def draw_options(canvas, c):
    teeth = []
    for i in range(32):
        angle = i * math.pi / 16 + math.pi / 16
        radius = 14 if (i // 2) % 2 == 0 else 10.5
        teeth.append((c + radius * math.cos(angle), c + radius * math.sin(angle)))
    canvas.shape(gfx.subtract(gfx.polygon_distance(teeth), gfx.circle_distance(c, c, 4.5)), gfx.INK,
                 box=(c - 15, c - 15, c + 15, c + 15))


def draw_shop(canvas, c):
    """A shopping cart: the handle, the basket and two wheels."""
    canvas.polyline([(c - 15, c - 11), (c - 10, c - 11), (c - 5, c + 5), (c + 10, c + 5)], 3, gfx.INK)
    canvas.polygon([(c - 8, c - 7), (c + 14, c - 7), (c + 11, c + 2), (c - 5, c + 2)], gfx.INK)
    canvas.circle(c - 3, c + 11, 3, gfx.INK)
    canvas.circle(c + 8, c + 11, 3, gfx.INK)


def draw_prev(canvas, c):
    canvas.polyline([(c + 5, c - 11), (c - 6, c), (c + 5, c + 11)], 5, gfx.INK)


def draw_next(canvas, c):
    canvas.polyline([(c - 5, c - 11), (c + 6, c), (c - 5, c + 11)], 5, gfx.INK)


def draw_restart(canvas, c):
    gfx.return_arrow(canvas, c, c + 1, 11, 4, gfx.INK)


def draw_training(canvas, c):
    """A mortarboard: the square top seen aslant, the cap under it and the
    tassel hanging from its middle."""
    canvas.polygon([(c - 16, c - 5), (c, c - 12), (c + 16, c - 5), (c, c + 2)], gfx.INK)
    canvas.polygon([(c - 9, c - 1), (c, c + 3), (c + 9, c - 1), (c + 9, c + 8), (c, c + 11),
                    (c - 9, c + 8)], gfx.INK)
    canvas.polyline([(c, c - 5), (c + 13, c - 1), (c + 13, c + 9)], 2, gfx.INK)
    canvas.circle(c + 13, c + 10, 2.5, gfx.INK)


def tip_strip(cells, ghosts=()):
    """A line of the board: "#" a filled cell, "x" a crossed one, "." a
    closed one; each ghost (first, last cell) a run's possible place drawn as
    an accent bar, the first above the line and the others below it."""
    width, height = TIP_STRIP
    canvas = gfx.Canvas(width, height)
    top = (height - TIP_CELL) // 2
    left = 1
    canvas.rect(left, top, left + TIP_CELLS * TIP_CELL, top + TIP_CELL, gfx.CLOSED)
    for i, char in enumerate(cells):
        x = left + i * TIP_CELL
        if char == "#":
            canvas.rect(x + 1, top + 1, x + TIP_CELL, top + TIP_CELL, gfx.lighter(gfx.FILLED, 0.18))
            canvas.rect(x + 2, top + 2, x + TIP_CELL - 1, top + TIP_CELL - 1, gfx.FILLED)
        elif char == "x":
            m = TIP_CELL * 0.3
            for ax, ay, bx, by in ((x + m, top + m, x + TIP_CELL - m, top + TIP_CELL - m),
                                   (x + TIP_CELL - m, top + m, x + m, top + TIP_CELL - m)):
                canvas.line(ax, ay, bx, by, 3, gfx.CROSS)
    for i in range(TIP_CELLS + 1):
        colour = gfx.BLOCK_LINE if i % 5 == 0 else gfx.GRID_LINE
        canvas.rect(left + i * TIP_CELL - (1 if i % 5 == 0 else 0), top, left + i * TIP_CELL + 1,
                    top + TIP_CELL + 1, colour)
    canvas.rect(left, top, left + TIP_CELLS * TIP_CELL + 1, top + 1, gfx.BLOCK_LINE)
    canvas.rect(left, top + TIP_CELL, left + TIP_CELLS * TIP_CELL + 1, top + TIP_CELL + 1,
                gfx.BLOCK_LINE)
    for index, (first, last) in enumerate(ghosts):
        y = top - 13 if index == 0 else top + TIP_CELL + 5
        canvas.rounded_rect(left + first * TIP_CELL + 3, y, left + (last + 1) * TIP_CELL - 3, y + 8,
                            4, gfx.ACCENT)
    return canvas


def link_underline():
    canvas = gfx.Canvas(4, LINK_HEIGHT)
    canvas.rect(0, LINK_HEIGHT - 2, 4, LINK_HEIGHT, gfx.SECONDARY)
    return canvas


def picture_frame():
    canvas = gfx.Canvas(PICTURE_FRAME, PICTURE_FRAME)
    gfx.framed_box(canvas, 0, 0, PICTURE_FRAME, PICTURE_FRAME, 6, gfx.CLOSED)
    return canvas


def picture_cell():
    canvas = gfx.Canvas(4, 4)
    canvas.rect(0, 0, 4, 4, gfx.FILLED)
    return canvas


def images(root):
    pictures = read_levels(root)
    firsts = {}
    for picture in pictures:
        if picture.level_id == 1:
            firsts[picture.pack] = picture
    out = {
        "paper.png": paper(),
        "top_bar.png": top_bar(),
        "logo.png": logo(firsts["pack_1"]),
        "star_big.png": big_star(True),
        "star_slot.png": big_star(False),
        "stars_small.png": small_stars(),
        "level_tile.png": level_tile(),
        "pack_card.png": pack_card(),
        "pack_locked.png": pack_locked(),
        "icon_star.png": icon_star(),
        "icon_coin.png": icon_coin(),
        "icon_back.png": icon(draw_back),
        "icon_packs.png": icon(draw_packs),
        "icon_trophy.png": icon(draw_trophy),
        "icon_options.png": icon(draw_options),
        "icon_shop.png": icon(draw_shop),
        "icon_prev.png": icon(draw_prev),
        "icon_next.png": icon(draw_next),
        "icon_restart.png": icon(draw_restart),
        "icon_training.png": icon(draw_training),
        "training_overlap.png": tip_strip("...####...", ghosts=((0, 6), (3, 9))),
        "training_full.png": tip_strip("####x#x###"),
        "training_cross.png": tip_strip("x##xx###xx"),
        "link_underline.png": link_underline(),
        "picture_frame.png": picture_frame(),
        "picture_cell.png": picture_cell(),
    }
    for number, folder in shipped_packs(root):
        if folder not in firsts:
            raise ValueError("tools/sources/levels/%s: no picture 01 for the pack's cover" % folder)
        out["cover_%d.png" % number] = cover(firsts[folder], read_pack(root, number, folder).tint)
    return out


def main():
    return picture_generator("make_screens", __doc__.split("\n")[0], FOLDER, images)


if __name__ == "__main__":
    sys.exit(main())
