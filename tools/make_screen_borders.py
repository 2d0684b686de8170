#!/usr/bin/env python3
"""Writes the border pictures shown beside the game's screen in fullscreen,
and "data data.xml", the document that names them.

On a fullscreen desktop of another shape than the game's 1024 x 768 the
bars beside the screen are filled with "ear_tile", a sheet of the puzzle's
own graph paper a shade darker than the game's paper (cells of CELL pixels,
a stronger line every BLOCK cells), repeated both ways; "ear_line" runs
along the screen's edges, a plain line in the board's block-line colour
(a flat texture, since it is stretched along the edge, up and down beside
the screen or across above and below it).

Sources: the art direction's palette and the constants below.

Outputs (under the resources folder, the same bytes for the same sources):
  data/data.xml                        repository name "data data.xml": a
                                       "data" element whose "ear" holds the
                                       sprite descriptions "ear_tile" and
                                       "ear_line"
  data/share/image/gui/ear_tile.png    TILE x TILE, repeats seamlessly
  data/share/image/gui/ear_line.png    LINE x LINE, one colour

Usage: tools/make_screen_borders.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes

DATA = "data/data.xml"
GUI = "data/share/image/gui"

CELL = 16                  # the paper's cells
BLOCK = 4                  # cells between two stronger lines
TILE = CELL * BLOCK        # the tile holds one block, so it repeats seamlessly
LINE = 4                   # the edge line's width (and its texture's side)

EAR_PAPER = gfx.mix(gfx.PAPER_BOTTOM, gfx.CROSS, 0.3)
EAR_GRID = gfx.mix(EAR_PAPER, gfx.INK, 0.12)
EAR_BLOCK = gfx.mix(EAR_PAPER, gfx.INK, 0.24)
EAR_LINE = gfx.BLOCK_LINE


def ear_tile():
    canvas = gfx.Canvas(TILE, TILE)
    canvas.rect(0, 0, TILE, TILE, EAR_PAPER)
    canvas.grid(CELL, EAR_GRID)
    canvas.grid(TILE, EAR_BLOCK)
    return canvas


def ear_line():
    canvas = gfx.Canvas(LINE, LINE)
    canvas.rect(0, 0, LINE, LINE, EAR_LINE)
    return canvas


def data_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_screen_borders.py; edit that. -->",
             "<data>",
             "  <ear>"]
    for name in ("ear_tile", "ear_line"):
        lines += ["    <%s>" % name,
                  "      <FILE>%s %s.png</FILE>" % (GUI, name),
                  "      <HOT_SPOT>HS_UL</HOT_SPOT>",
                  "    </%s>" % name]
    lines += ["  </ear>", "</data>"]
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    write_bytes(os.path.join(args.out, *DATA.split("/")), data_xml())
    for name, picture in (("ear_tile", ear_tile), ("ear_line", ear_line)):
        write_bytes(os.path.join(args.out, *GUI.split("/"), name + ".png"), picture().png())
    return 0


if __name__ == "__main__":
    sys.exit(main())
