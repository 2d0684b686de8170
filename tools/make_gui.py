#!/usr/bin/env python3
"""Writes the widget pictures: buttons, the check box, the switch, panels and
bars, in the art direction's look.

Sources: the art direction's widget rules and palette, as the constants below
and the button face of tools/lib/faces.py. Buttons are rounded with a border
one shade darker than their face and a gentle vertical gradient over a soft
drop shadow; the pressed look is darker and 1 px lower, the disabled look the
normal one desaturated. Button labels and icons are separate widgets drawn over
them.

Outputs (under the resources folder, data/share/image/gui; the same bytes for
the same sources). Sheets are frames of equal size side by side:
  button_wide.png     5 frames of 200 x 56: normal, hover, pressed, selected,
                      disabled (the accent colour; for text buttons)
  button_icon.png     5 frames of 64 x 64, the same looks on a light face
                      (for icon buttons)
  button_two.png      2 frames of 120 x 48: up, down (the secondary colour)
  checkbox.png        5 frames of 40 x 40: box, box under the pointer, box
                      pressed, the tick alone (drawn over a box), unused
  switch_track.png    64 x 32: the switch's track, grey with the accent
                      filling its right end (hidden by the knob when off)
  switch_knob.png     32 x 32: the knob, which covers either end
  panel.png           320 x 240: a plain panel
  dialog_<part>.png   the nine 24 x 24 pieces of the dialog frame, <part> one
                      of ul, up, ur, lt, mid, rt, dl, dn, dr (row by row: the
                      description's TX_1_1 ... TX_3_3)
  progress_bar.png    640 x 24: the empty track (left half) and the accent
                      fill (right half), 320 x 24 each
  progress_ring.png   240 x 96: a ring filling clockwise from the top in 10
                      frames of 48 x 48 on a 5 x 2 grid (frame 0 empty,
                      frame 9 full)

Usage: tools/make_gui.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import math
import sys

from lib import drawing as gfx
from lib.content import picture_generator
from lib.faces import ACCENT_LOOKS, BOX, CHECK, DISABLED_LIGHTEN, LIGHT_LOOKS, face

GUI = "data/share/image/gui"

WIDE = (200, 56)
ICON = (64, 64)
TWO = (120, 48)
# The two-state button's looks (a face's gradient and border, as those of
# tools/lib/faces.py).
SECONDARY_LOOKS = {
    "up": ACCENT_LOOKS["selected"],
    "down": (gfx.darker(gfx.SECONDARY, 0.08), gfx.darker(gfx.SECONDARY, 0.2), gfx.darker(gfx.SECONDARY, 0.38)),
}

# The check box: its box (BOX within a CHECK-sided frame, tools/lib/faces.py)
# and the tick drawn over it.
BOX_RADIUS = 6
BOX_BORDER = gfx.darker(gfx.PANEL_BORDER, 0.15)
TICK = [(12.5, 19.5), (17.5, 25), (28, 12.5)]
TICK_WIDTH = 4
TICK_COLOUR = gfx.FILLED

TRACK = (64, 32)
TRACK_OFF = gfx.mix(gfx.PAPER_BOTTOM, gfx.CROSS, 0.45)
KNOB = 32
# The knob covers the whole end of the track it rests on, so that only the
# other end's colour shows.
KNOB_RADIUS = 15

PANEL_SIZE = (320, 240)
PANEL_INSET = (6, 5, 6, 7)  # room for the shadow
PANEL_RADIUS = 16
PANEL_SHADOW = gfx.Shadow(reach=6, drop=2, opacity=0.22)
DIALOG_PIECE = 24          # the dialog frame's pieces (16 px corners need 6 px of shadow beside them)

BAR = (320, 24)            # one half of the progress bar
BAR_EMPTY = gfx.mix(gfx.PAPER_BOTTOM, gfx.CROSS, 0.3)

RING = 48                  # a ring frame's side
RING_FRAMES = 10
RING_COLUMNS = 5
RING_RADIUS = 17
RING_WIDTH = 7


def five_looks(size, looks):
    """Normal, hover, pressed, selected and disabled, side by side. The
    disabled look is the normal one (or the set's own dimmer face)
    desaturated."""
    normal = face(size, looks["normal"])
    disabled = face(size, looks["disabled"]) if "disabled" in looks else normal
    return gfx.sheet([normal, face(size, looks["hover"]), face(size, looks["pressed"], pressed=True),
                      face(size, looks["selected"]), disabled.desaturated(DISABLED_LIGHTEN)])


def two_looks():
    return gfx.sheet([face(TWO, SECONDARY_LOOKS["up"]), face(TWO, SECONDARY_LOOKS["down"], pressed=True)])


def box(body, border):
    canvas = gfx.Canvas(CHECK, CHECK)
    left, top, right, bottom = BOX
    canvas.rounded_rect(left, top, right, bottom, BOX_RADIUS, border)
    canvas.rounded_rect(left + 2, top + 2, right - 2, bottom - 2, BOX_RADIUS - 2, body)
    return canvas


def checkbox():
    tick = gfx.Canvas(CHECK, CHECK)
    tick.polyline(TICK, TICK_WIDTH, TICK_COLOUR)
    return gfx.sheet([box(gfx.PANEL, BOX_BORDER),
                      box(gfx.mix(gfx.PANEL, gfx.ACCENT, 0.1), gfx.ACCENT),
                      box(gfx.PAPER_BOTTOM, gfx.darker(gfx.ACCENT, 0.2)),
                      tick,
                      gfx.Canvas(CHECK, CHECK)])


def switch_track():
    """The track: grey, with the accent filling its right end. The knob
    covers a whole end: resting on the left (on) it leaves the accent in
    sight, on the right (off) it hides it."""
    width, height = TRACK
    radius = height / 2.0
    canvas = gfx.Canvas(width, height)
    canvas.rounded_rect(0, 0, width, height, radius, gfx.darker(TRACK_OFF, 0.2))
    canvas.rounded_rect(2, 2, width - 2, height - 2, radius - 2, TRACK_OFF)
    canvas.circle(width - radius, radius, radius - 2, gfx.ACCENT)
    return canvas


def switch_knob():
    canvas = gfx.Canvas(KNOB, KNOB)
    middle = KNOB / 2.0
    canvas.circle(middle, middle, KNOB_RADIUS, gfx.darker(gfx.PANEL_BORDER, 0.1))
    canvas.circle(middle, middle, KNOB_RADIUS - 1.5, gfx.vertical_gradient(2, KNOB - 2, gfx.PANEL, gfx.PAPER))
    return canvas


def plain_panel():
    return gfx.card(PANEL_SIZE[0], PANEL_SIZE[1], PANEL_INSET, PANEL_RADIUS, PANEL_SHADOW)


def dialog_pieces():
    pieces = gfx.nine_pieces(DIALOG_PIECE, PANEL_INSET, PANEL_RADIUS, PANEL_SHADOW)
    return {"dialog_%s.png" % name: piece for name, piece in zip(gfx.NINE_PARTS, pieces)}


def progress_bar():
    width, height = BAR
    radius = height / 2.0

    def half(face_top, face_bottom, border):
        canvas = gfx.Canvas(width, height)
        canvas.rounded_rect(0, 0, width, height, radius, border)
        canvas.rounded_rect(1, 1, width - 1, height - 1, radius - 1,
                            gfx.vertical_gradient(1, height - 1, face_top, face_bottom))
        return canvas
    return gfx.sheet([half(gfx.darker(BAR_EMPTY, 0.06), BAR_EMPTY, gfx.darker(BAR_EMPTY, 0.18)),
                      half(gfx.lighter(gfx.ACCENT, 0.2), gfx.ACCENT, gfx.darker(gfx.ACCENT, 0.22))])


def progress_ring():
    frames = []
    middle = RING / 2.0
    for index in range(RING_FRAMES):
        canvas = gfx.Canvas(RING, RING)
        canvas.ring(middle, middle, RING_RADIUS + RING_WIDTH / 2.0, RING_WIDTH, BAR_EMPTY)
        sweep = 2 * math.pi * index / (RING_FRAMES - 1)
        if sweep > 0:
            canvas.arc(middle, middle, RING_RADIUS, RING_WIDTH, -math.pi / 2, sweep, gfx.ACCENT)
        frames.append(canvas)
    return gfx.grid(frames, RING_COLUMNS)


def images():
    out = {
        "button_wide.png": five_looks(WIDE, ACCENT_LOOKS),
        "button_icon.png": five_looks(ICON, LIGHT_LOOKS),
        "button_two.png": two_looks(),
        "checkbox.png": checkbox(),
        "switch_track.png": switch_track(),
        "switch_knob.png": switch_knob(),
        "panel.png": plain_panel(),
        "progress_bar.png": progress_bar(),
        "progress_ring.png": progress_ring(),
    }
    out.update(dialog_pieces())
    return out


def main():
    return picture_generator("make_gui", __doc__.split("\n")[0], GUI, lambda root: images())


if __name__ == "__main__":
    sys.exit(main())
