#!/usr/bin/env python3
"""Writes the frame and marker pictures: the board panel's nine pieces, the
page-marker sheet and the particle pictures (a soft dot and a small star).

Sources: the art direction's panel (16 px corners, near-white #FFFDF8 with a
1 px #D8D0C3 border and a soft 6 px shadow) and palette, as the constants
below. The panel is drawn whole, PIECE x 3 pixels a side, and cut into nine
PIECE x PIECE pieces; everything that changes along an edge (the rounding,
the shadow's corners) lies within the corners, so the edges and the middle
are the same all along and repeat seamlessly at any panel size.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/image/board/panel_<part>.png  the pieces, <part> one of ul, up,
                                           ur, lt, mid, rt, dl, dn, dr (the
                                           attribute names of a nine-part
                                           panel's description)
  data/share/image/gui/page_markers.png    two dots side by side, each
                                           MARKER x MARKER: the current
                                           page's (the accent colour), then
                                           the others' (smaller, grey)
  data/share/image/effects/soft_dot.png    a white dot whose alpha falls off
                                           from its middle to its edge, for
                                           particles (tinted by their colours)
  data/share/image/effects/star.png        a small white five-pointed star in a
                                           faint glow, STAR x STAR, for
                                           sparkles (tinted the same way)

Usage: tools/make_panels.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_images

BOARD = "data/share/image/board"
GUI = "data/share/image/gui"
EFFECTS = "data/share/image/effects"

PIECE = 16                 # the corners' side, and the edges' and middle's
SHADOW = gfx.Shadow(reach=6, drop=2, opacity=0.22)
INSET = (6, 5, 6, 7)       # the panel body's distance from the picture's left, top, right, bottom
RADIUS = 8                 # the body's corner radius

MARKER = 24                # one dot's cell in the sheet
CURRENT_RADIUS = 6
OTHER_RADIUS = 4.5
OTHER_DOT = gfx.CROSS

WHITE = (255, 255, 255)    # particle pictures are white: their colours tint them
DOT = 32                   # the particle dot's side
STAR = 32                  # the particle star's side
STAR_RADIUS = 12           # its points' distance from the middle
STAR_GLOW = 4              # how far its glow reaches past the points
STAR_GLOW_OPACITY = 0.45


def panel_pieces():
    pieces = gfx.nine_pieces(PIECE, INSET, RADIUS, SHADOW)
    return {"panel_%s.png" % name: piece for name, piece in zip(gfx.NINE_PARTS, pieces)}


def page_markers():
    current = gfx.Canvas(MARKER, MARKER)
    current.circle(MARKER / 2.0, MARKER / 2.0, CURRENT_RADIUS, gfx.ACCENT)
    other = gfx.Canvas(MARKER, MARKER)
    other.circle(MARKER / 2.0, MARKER / 2.0, OTHER_RADIUS, OTHER_DOT)
    return gfx.sheet([current, other])


def soft_dot():
    canvas = gfx.Canvas(DOT, DOT)
    middle = DOT / 2.0
    canvas.falloff(gfx.circle_distance(middle, middle, 0.0), middle, WHITE)
    return canvas


def star():
    canvas = gfx.Canvas(STAR, STAR)
    middle = STAR / 2.0
    points = gfx.star_points(middle, middle + 1.0, STAR_RADIUS)
    canvas.falloff(gfx.polygon_distance(points), STAR_GLOW, WHITE, STAR_GLOW_OPACITY)
    canvas.polygon(points, WHITE)
    return canvas


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        images = {os.path.join(BOARD, name): image for name, image in panel_pieces().items()}
    except ValueError as error:
        print("make_panels: %s" % error, file=sys.stderr)
        return 1
    images[os.path.join(GUI, "page_markers.png")] = page_markers()
    images[os.path.join(EFFECTS, "soft_dot.png")] = soft_dot()
    images[os.path.join(EFFECTS, "star.png")] = star()
    write_images(args.out, "", images)
    return 0


if __name__ == "__main__":
    sys.exit(main())
