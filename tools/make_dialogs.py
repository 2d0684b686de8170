#!/usr/bin/env python3
"""Writes the pictures the dialogs stand on: the backdrop that dims the screen
behind a dialog.

Sources: the art direction's ink colour, as the constants below. The backdrop
is a small opaque square of ink; a window stretches it over the whole screen
("background ... size=1024,768" in tools/sources/windows/) and fades its alpha
in from its "from" colour to its "to" colour as it opens, so how dark the
screen gets is the window's choice, not the picture's.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/image/gui/backdrop.png   BACKDROP x BACKDROP pixels of INK

Usage: tools/make_dialogs.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_images

GUI = "data/share/image/gui"
BACKDROP = 8
BACKDROP_RGB = gfx.INK


def backdrop():
    canvas = gfx.Canvas(BACKDROP, BACKDROP)
    canvas.rect(0, 0, BACKDROP, BACKDROP, BACKDROP_RGB)
    return canvas


def main():
    args = arguments(__doc__.split("\n")[0])
    images = {os.path.join(GUI, "backdrop.png"): backdrop()}
    write_images(args.out, "", images)
    return 0


if __name__ == "__main__":
    sys.exit(main())
