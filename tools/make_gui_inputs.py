#!/usr/bin/env python3
"""Writes the pictures of the input widgets: the line box, the list box and
the sliders.

Sources: the art direction's widget look (the panels' 8 px corner radius and
1 px #D8D0C3 border on near-white #FFFDF8, the runner and the fill in the
accent #EDAE49) and palette, as the constants below.

Outputs (under the resources folder data/share/image/gui/, the same bytes
for the same sources):
  line_box.png             LINE_BOX: the text field's background
  list_box_panel.png       LIST_PANEL: the list's panel
  list_box_row.png         ROW: a row's background (a faint rule at its
                           foot), for lists given a row picture
  list_box_highlight.png   HIGHLIGHT: the selected row (accent tint)
                           (the three of tools/lib/lists.py)
  slider13.png             13 frames of PIECE x PIECE side by side: minus
                           button (normal, under the pointer, pressed),
                           plus button (the same), runner (the same), start
                           cap, track, end cap, fill
  slider12.png             the first 12 of those frames (no fill)
  simple_slider_track.png  two halves of TRACK side by side: the empty
                           track, then the filled one
  simple_slider_runner.png RUNNER x RUNNER: the simple slider's knob

The sliders' track and fill frames hold the groove's cross-section running
down the frame, the same in every row: the slider lays them along its axis
turned a quarter (so a frame's column c shows across the groove, counted
from its lower side) and repeats them along it. The caps hold the groove's
rounded ends as drawn for a level slider.

Usage: tools/make_gui_inputs.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import sys

from lib import drawing as gfx
from lib.content import arguments, write_images
from lib.lists import FIELD, RADIUS, list_highlight, list_panel, list_row

GUI = "data/share/image/gui"

BORDER = gfx.PANEL_BORDER        # the boxes' 1 px border (FIELD inside, tools/lib/lists.py)
FIELD_SHADE = gfx.PAPER          # the line box's inner top shade

LINE_BOX = (360, 48)

PIECE = 32                       # a slider frame's side
GROOVE = 8                       # the groove's height
GROOVE_FILL = gfx.mix(gfx.PAPER_BOTTOM, BORDER, 0.5)
GROOVE_BORDER = gfx.darker(BORDER, 0.08)
FILL = 4                         # the accent fill's height inside the groove
KNOB = 11                        # the runner's radius
KNOB_RIM = 2
BUTTON_INSET = 2                 # a button's distance from its frame's edges
SIGN = 12                        # the length of the minus and plus strokes
SIGN_WIDTH = 3

TRACK = (240, 16)                # one half of the simple slider's track
RUNNER = 24


def line_box():
    width, height = LINE_BOX
    canvas = gfx.Canvas(width, height)
    # A faint shade under the top edge: the field lies a little lower.
    gfx.framed_box(canvas, 0, 0, width, height, RADIUS, gfx.vertical_gradient(1, 8, FIELD_SHADE, FIELD))
    return canvas


# --------------------------------------------------------------------------
# Slider frames.


def button(sign, look):
    """A step button in one of three looks: 0 normal, 1 under the pointer,
    2 pressed (darker, its sign a pixel lower)."""
    canvas = gfx.Canvas(PIECE, PIECE)
    fill = (FIELD, gfx.mix(FIELD, gfx.ACCENT, 0.25), gfx.darker(gfx.mix(FIELD, gfx.ACCENT, 0.25), 0.08))[look]
    drop = 1 if look == 2 else 0
    top = BUTTON_INSET + drop
    gfx.framed_box(canvas, BUTTON_INSET, top, PIECE - BUTTON_INSET, PIECE - BUTTON_INSET + drop,
                   RADIUS, gfx.vertical_gradient(top, PIECE - BUTTON_INSET, fill, gfx.darker(fill, 0.04)),
                   gfx.darker(BORDER, 0.1 if look else 0.0))
    middle = PIECE / 2.0
    half = SIGN / 2.0
    canvas.line(middle - half, middle + drop, middle + half, middle + drop, SIGN_WIDTH, gfx.INK)
    if sign == "+":
        canvas.line(middle, middle - half + drop, middle, middle + half + drop, SIGN_WIDTH, gfx.INK)
    return canvas


def runner(look):
    canvas = gfx.Canvas(PIECE, PIECE)
    colour = (gfx.ACCENT, gfx.lighter(gfx.ACCENT, 0.2), gfx.darker(gfx.ACCENT, 0.1))[look]
    middle = PIECE / 2.0
    drop = 1 if look == 2 else 0
    canvas.circle(middle, middle + drop, KNOB, gfx.darker(gfx.ACCENT, 0.3))
    canvas.circle(middle, middle + drop, KNOB - KNOB_RIM, colour)
    return canvas


def groove_strip():
    """The groove drawn level over three frames, with both rounded ends: the
    start cap is the first frame, the end cap the last, and any column of
    the middle one is the groove's cross-section."""
    canvas = gfx.Canvas(3 * PIECE, PIECE)
    top = (PIECE - GROOVE) / 2.0
    ends = PIECE / 2.0 - GROOVE / 2.0 - 2
    gfx.framed_box(canvas, ends, top, 3 * PIECE - ends, top + GROOVE, GROOVE / 2.0, GROOVE_FILL,
                   GROOVE_BORDER)
    return canvas


def fill_strip():
    canvas = gfx.Canvas(3 * PIECE, PIECE)
    top = (PIECE - FILL) / 2.0
    canvas.rounded_rect(0, top, 3 * PIECE, top + FILL, FILL / 2.0, gfx.ACCENT)
    return canvas


def cross_section(strip):
    """A frame whose every row is the strip's middle column, the column's
    top at the frame's right: laid along the axis a quarter turned, column c
    of the frame lies c pixels above the groove's lower side."""
    column = strip.crop(strip.width // 2, 0, strip.width // 2 + 1, PIECE)
    row = column.transposed()
    row.pixels[0].reverse()
    frame = gfx.Canvas(PIECE, PIECE)
    frame.pixels = [list(row.pixels[0]) for _ in range(PIECE)]
    return frame


def slider_frames():
    groove = groove_strip()
    frames = [button("-", look) for look in range(3)]
    frames += [button("+", look) for look in range(3)]
    frames += [runner(look) for look in range(3)]
    frames += [groove.crop(0, 0, PIECE, PIECE), cross_section(groove),
               groove.crop(2 * PIECE, 0, 3 * PIECE, PIECE), cross_section(fill_strip())]
    return frames


# --------------------------------------------------------------------------
# The simple slider.


def simple_track():
    width, height = TRACK
    canvas = gfx.Canvas(2 * width, height)
    top = (height - GROOVE) / 2.0
    gfx.framed_box(canvas, 1, top, width - 1, top + GROOVE, GROOVE / 2.0, GROOVE_FILL, GROOVE_BORDER)
    gfx.framed_box(canvas, width + 1, top, 2 * width - 1, top + GROOVE, GROOVE / 2.0, gfx.ACCENT,
                   gfx.darker(gfx.ACCENT, 0.2))
    return canvas


def simple_runner():
    canvas = gfx.Canvas(RUNNER, RUNNER)
    middle = RUNNER / 2.0
    canvas.circle(middle, middle, middle - 1, gfx.darker(gfx.ACCENT, 0.3))
    canvas.circle(middle, middle, middle - 1 - KNOB_RIM, gfx.ACCENT)
    return canvas


def main():
    args = arguments(__doc__.split("\n")[0])
    frames = slider_frames()
    images = {
        "line_box.png": line_box(),
        "list_box_panel.png": list_panel(),
        "list_box_row.png": list_row(),
        "list_box_highlight.png": list_highlight(),
        "slider13.png": gfx.sheet(frames),
        "slider12.png": gfx.sheet(frames[:12]),
        "simple_slider_track.png": simple_track(),
        "simple_slider_runner.png": simple_runner(),
    }
    write_images(args.out, GUI, images)
    return 0


if __name__ == "__main__":
    sys.exit(main())
