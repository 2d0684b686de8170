#!/usr/bin/env python3
"""Writes the game's own mouse cursor: its picture and "gCursor.xml", the
document that names it.

The cursor is an arrow in the board's ink inside a near-white edge (so it
reads on the dark filled cells as on the paper) over a faint soft shadow.
The game draws the picture with its upper-left corner at the pointer, so
the arrow's tip sits in that corner.

Sources: the arrow's outline below (pixels, its tip at TIP), the art
direction's palette.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/gCursor.xml   repository name "data/share/main/other
                                      gCursor.xml": a "cursor" element whose
                                      "file" names the picture
  data/share/image/gui/cursor.png     SIZE x SIZE, transparent around the
                                      arrow

Usage: tools/make_cursor.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes

DOCUMENT = "data/share/main/other/gCursor.xml"
GUI = "data/share/image/gui"
PICTURE = "cursor.png"

SIZE = 32
EDGE = 2.0          # the light edge around the ink
TIP = (2.0, 2.0)    # the arrow's point: the edge then reaches the corner

# The arrow, clockwise from its tip: down the left side, the notch, the
# tail, back up to the right wing.
ARROW = [(0.0, 0.0), (0.0, 19.0), (4.5, 15.0), (8.0, 23.0), (11.0, 21.8),
         (7.6, 14.0), (13.5, 14.0)]

SHADOW = gfx.Shadow(reach=3, drop=2, opacity=0.28)


def arrow_points():
    return [(TIP[0] + x, TIP[1] + y) for x, y in ARROW]


def cursor():
    canvas = gfx.Canvas(SIZE, SIZE)
    points = arrow_points()
    inside = gfx.polygon_distance(points)

    def outline(x, y):
        return inside(x, y) - EDGE

    def dropped(x, y):
        return outline(x - SHADOW.drop / 2.0, y - SHADOW.drop)

    canvas.falloff(dropped, SHADOW.reach, gfx.INK, SHADOW.opacity)
    canvas.shape(outline, gfx.PANEL)
    canvas.polygon(points, gfx.INK)
    return canvas


def cursor_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_cursor.py; edit that. -->",
             '<cursor file="%s %s"/>' % (GUI, PICTURE)]
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    write_bytes(os.path.join(args.out, *DOCUMENT.split("/")), cursor_xml())
    image = cursor()
    write_bytes(os.path.join(args.out, *GUI.split("/"), PICTURE), image.png())
    print("%s/%s  %d x %d" % (GUI, PICTURE, image.width, image.height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
