#!/usr/bin/env python3
"""Writes the play screen around the board: the board's pieces, the controls,
the pictures of both and of the flights, and the first level's tutorial.

Sources: the screen's layout (the control regions and each control's place in
tools/lib/levels.py, which lays the boards out around them), the art
direction's palette (tools/lib/drawing.py), the tutorial's steps below, and
their texts in tools/sources/strings/play.txt (the game shows them translated;
the tutorial's cells are checked against the first level's picture).

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/GameProcess/ambient.xml      frame, clue strips, highlight,
                                               error panel, coin counter and
                                               the tool switch
  data/share/main/GameProcess/hint_button.xml  the hint button
  data/share/main/GameProcess/pause.xml        the pause button
  data/share/main/GameProcess/reset_selection.xml   the reset target
  data/share/main/GameProcess/store_button.xml      the store button, and
  data/share/main/GameProcess/store_button_empty.xml  the edition without one
  data/share/main/other/tutorial.xml           the tutorial ("tutorial" root)
  data/share/image/play/*.png                  their pictures:
    pause_button.png   5 frames of 64 x 64, the pause icon on the light face
    store_button.png   5 frames of 88 x 64, the store icon on the accent face
    hint_button.png    5 frames of 72 x 72: the bulb with 0, 1, 2, 3, 4+
    hint_glow.png      6 frames of 96 x 96: a ring around a new hint
    tool_switch.png    5 frames of 72 x 72: the cross tool (normal, hover,
                       pressed), the fill tool (drawn over, ticked), unused
    plate.png          88 x 88: the plate behind each side control
    reset_target.png   88 x 88: the reset target (tinted as a drag goes on)
    reset_pulse.png    6 frames of 96 x 96: a ring while a line hovers on it
    error_slots.png    the error panel's backdrop with its eight places
    error_lock.png     28 x 28: a place the level does not allow
    error_mark.png     4 frames of 32 x 32: an error's mark appearing
    coin.png           36 x 36: the coin counter's coin
    white.png          8 x 8: bands, lines and highlight bars (tinted)
    hint_fly.png       4 frames of 40 x 40: a flying hint
    bonus_coin.png     6 frames of 40 x 40: a bonus coin turning
    tutorial_arrow.png 4 frames of 64 x 64: an arrow pointing right, nudging
    tutorial_cell.png  4 frames of 64 x 64: a pulsing frame on a cell

Usage: tools/make_play_screen.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import math
import os
import sys

from lib import drawing as gfx
from lib import faces
from lib import levels as layout
from lib import strings
from lib.content import arguments, hex_colour, shipped_packs, write_bytes, write_images

GAME_PROCESS = "data/share/main/GameProcess"
OTHER = "data/share/main/other"
PLAY = layout.PLAY_IMAGES
BOARD = layout.BOARD_IMAGES
GUI = "data/share/image/gui"
FONTS = "data/share/font"
STRINGS = "tools/sources/strings/play.txt"

# Every button of the play screen is drawn on the button face of
# tools/lib/faces.py: clicks land on the face, not on the room around it (the
# GUI XML's HIT_INSET).
FACE_HIT = ' HIT_INSET="%s"' % " ".join("%d" % m for m in faces.FACE_INSET)

PLATE = 88            # the plate behind a side control
ICON_BUTTON = (64, 64)
STORE = (88, 64)
HINT = 72
TOOL = 72
GLOW = 96
MARK = 32
FLY = 40
ARROW = 64
CELL_MARK = 64

# The board's frame and clue strips.
FRAME_MARGIN = layout.BOARD_FRAME      # the frame reaches this far round the board
STRIP_MARGIN = 8                       # a strip reaches this far past its farthest clue
STRIP_FALLBACK = 160                   # a strip's depth when its clues cannot be measured
STRIP_BAND = gfx.PANEL
STRIP_TINT = gfx.mix(gfx.PANEL, gfx.PAPER_BOTTOM, 0.55)

ICON_LOOKS = faces.LIGHT_LOOKS
PLATE_SHADOW = gfx.Shadow(reach=5, drop=2, opacity=0.2)

if STRIP_MARGIN > layout.CLEARANCE or FRAME_MARGIN > layout.CLEARANCE:
    raise SystemExit("make_play_screen: the frame and the strips must stay within the boards' clearance")


def sprite_colour(rgb, alpha=0xFF):
    """A sprite's COLOR: alpha, red, green and blue in decimal."""
    return "%d %d %d %d" % (alpha, rgb[0], rgb[1], rgb[2])


# --------------------------------------------------------------------------
# Pictures


def icon_sheet(size, looks, draw_icon):
    """Five looks of a button (tools/lib/faces.py) with the icon drawn on each,
    1 px lower on the pressed look; the disabled look desaturated."""
    frames = []
    for index, name in enumerate(("normal", "hover", "pressed", "selected")):
        frame = faces.face(size, looks[name], pressed=(name == "pressed"))
        draw_icon(frame, size[0] / 2.0 - 0.0, (size[1] - 4) / 2.0 + (1 if name == "pressed" else 0))
        frames.append(frame)
    disabled = faces.face(size, looks.get("disabled", looks["normal"]))
    draw_icon(disabled, size[0] / 2.0, (size[1] - 4) / 2.0)
    frames.append(disabled.desaturated(faces.DISABLED_LIGHTEN))
    return gfx.sheet(frames)


def pause_icon(canvas, cx, cy):
    for dx in (-7, 7):
        canvas.rounded_rect(cx + dx - 4, cy - 13, cx + dx + 4, cy + 13, 2.5, gfx.INK)


def store_icon(canvas, cx, cy):
    """A shop's cart with a coin in it."""
    canvas.polyline([(cx - 24, cy - 13), (cx - 17, cy - 13), (cx - 11, cy + 7), (cx + 13, cy + 7)], 3.5,
                    gfx.INK)
    canvas.polygon([(cx - 16, cy - 7), (cx + 19, cy - 7), (cx + 14, cy + 4), (cx - 12, cy + 4)], gfx.INK)
    canvas.circle(cx - 7, cy + 14, 3.5, gfx.INK)
    canvas.circle(cx + 10, cy + 14, 3.5, gfx.INK)
    gfx.coin(canvas, cx + 2, cy - 13, 8)


def fill_icon(canvas, cx, cy, side=28):
    canvas.rounded_rect(cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2, 3, gfx.FILLED)
    canvas.rounded_rect(cx - side / 2 + 1.5, cy - side / 2 + 1.5, cx + side / 2 - 1.5, cy + side / 2 - 1.5,
                        2, gfx.lighter(gfx.FILLED, 0.2))
    canvas.rounded_rect(cx - side / 2 + 3, cy - side / 2 + 3, cx + side / 2 - 3, cy + side / 2 - 3, 1.5,
                        gfx.FILLED)


def cross_icon(canvas, cx, cy, half=12, width=5):
    canvas.line(cx - half, cy - half, cx + half, cy + half, width, gfx.CROSS)
    canvas.line(cx - half, cy + half, cx + half, cy - half, width, gfx.CROSS)


def plate():
    return gfx.card(PLATE, PLATE, (6, 5, 6, 7), 16, PLATE_SHADOW)


def hint_button():
    """The bulb with a badge counting the hints held: 0 (dimmed), 1, 2, 3,
    and 4 with a plus for four and more."""
    frames = []
    for count in range(5):
        frame = gfx.Canvas(HINT, HINT)
        middle = HINT / 2.0
        frame.circle(middle, middle, 30, gfx.darker(gfx.PANEL_BORDER, 0.1))
        frame.circle(middle, middle, 28.5, gfx.vertical_gradient(8, 64, gfx.PANEL, gfx.PAPER))
        gfx.bulb(frame, middle - 4, middle + 1, 0.95)
        badge = gfx.SECONDARY if count else gfx.CROSS
        frame.circle(HINT - 17, 17, 13, gfx.PANEL)
        frame.circle(HINT - 17, 17, 11.5, badge)
        frame.text(str(count), HINT - 17 - (2.5 if count == 4 else 0), 17, 11, 2.2, gfx.PANEL)
        if count == 4:
            frame.line(HINT - 10.5, 14, HINT - 10.5, 20, 1.8, gfx.PANEL)
            frame.line(HINT - 13.5, 17, HINT - 7.5, 17, 1.8, gfx.PANEL)
        frames.append(frame if count else frame.desaturated(0.2))
    return gfx.sheet(frames)


def ring_frames(side, colour, count, start, end, width):
    frames = []
    for index in range(count):
        share = index / float(count - 1)
        frame = gfx.Canvas(side, side)
        radius = start + (end - start) * share
        frame.ring(side / 2.0, side / 2.0, radius, width * (1.0 - 0.6 * share), colour,
                   int(230 * (1.0 - 0.75 * share)))
        frames.append(frame)
    return gfx.sheet(frames)


def tool_switch():
    """Unticked the switch shows the cross tool, ticked the fill tool: the
    tick frame is a whole face drawn over the box."""
    looks = faces.LIGHT_LOOKS
    size = (TOOL, TOOL)
    frames = []
    for name in ("selected", "hover", "pressed"):
        frame = faces.face(size, looks[name], pressed=(name == "pressed"))
        cross_icon(frame, TOOL / 2.0, (TOOL - 4) / 2.0 + (1 if name == "pressed" else 0))
        frames.append(frame)
    ticked = faces.face(size, looks["selected"])
    fill_icon(ticked, TOOL / 2.0, (TOOL - 4) / 2.0)
    frames.append(ticked)
    frames.append(gfx.Canvas(TOOL, TOOL))
    return gfx.sheet(frames)


def reset_target():
    """A light plate with the arrow going back: the game tints it as a drag
    goes on (white keeps its look)."""
    canvas = gfx.Canvas(PLATE, PLATE)
    middle = PLATE / 2.0
    canvas.circle(middle, middle, 36, gfx.darker(gfx.PANEL_BORDER, 0.15))
    canvas.circle(middle, middle, 34, gfx.PANEL)
    canvas.ring(middle, middle, 30, 2, gfx.PANEL_BORDER)
    gfx.return_arrow(canvas, middle, middle, 15, 4.5, gfx.INK)
    return canvas


def error_slots():
    width = layout.ERROR_PLACES * layout.ERROR_PLACE_STEP + 12
    height = 44
    canvas = gfx.Canvas(width, height)
    gfx.framed_box(canvas, 0, 0, width, height, height / 2.0, gfx.PANEL)
    for index in range(layout.ERROR_PLACES):
        cx = 6 + layout.ERROR_PLACE_STEP * (index + 0.5)
        canvas.circle(cx, height / 2.0, 12, gfx.PAPER_BOTTOM)
        canvas.ring(cx, height / 2.0, 12, 1.5, gfx.PANEL_BORDER)
    return canvas


def error_lock():
    canvas = gfx.Canvas(28, 28)
    canvas.arc(14, 11, 5.5, 2.5, math.pi, math.pi, gfx.CROSS)
    canvas.line(8.5, 11, 8.5, 13, 2.5, gfx.CROSS)
    canvas.line(19.5, 11, 19.5, 13, 2.5, gfx.CROSS)
    canvas.rounded_rect(6, 12, 22, 23, 2.5, gfx.CROSS)
    canvas.circle(14, 17, 1.8, gfx.PAPER_BOTTOM)
    return canvas


def error_mark():
    frames = []
    for index, scale in enumerate((0.45, 0.8, 1.12, 1.0)):
        frame = gfx.Canvas(MARK, MARK)
        gfx.error_mark(frame, MARK / 2.0, MARK / 2.0, scale)
        frames.append(frame)
    return gfx.sheet(frames)


def coin_icon():
    canvas = gfx.Canvas(36, 36)
    gfx.coin(canvas, 18, 18, 15)
    return canvas


def white():
    canvas = gfx.Canvas(8, 8)
    canvas.rect(0, 0, 8, 8, (255, 255, 255))
    return canvas


def hint_fly():
    frames = []
    for index in range(4):
        frame = gfx.Canvas(FLY, FLY)
        middle = FLY / 2.0
        frame.falloff(gfx.circle_distance(middle, middle, 8 + index % 2), 10, gfx.ACCENT, 0.55)
        gfx.bulb(frame, middle, middle + 4, 0.62)
        frames.append(frame)
    return gfx.sheet(frames)


def bonus_coin():
    """A coin turning about its upright axis, and back to face the player."""
    frames = []
    for squeeze in (1.0, 0.55, 0.15, 0.55, 1.0, 1.0):
        frame = gfx.Canvas(FLY, FLY)
        middle = FLY / 2.0
        flat = gfx.Canvas(FLY, FLY)
        gfx.coin(flat, middle, middle, 15)
        # Squeezed across: each column samples the flat coin.
        for y in range(FLY):
            for x in range(FLY):
                sx = middle + (x + 0.5 - middle) / squeeze - 0.5
                if 0 <= sx < FLY:
                    frame.pixels[y][x] = flat.pixels[y][int(sx)]
        frames.append(frame)
    return gfx.sheet(frames)


def tutorial_arrow():
    frames = []
    for nudge in (0, 3, 6, 3):
        frame = gfx.Canvas(ARROW, ARROW)
        tip = 56 + nudge - 6
        frame.line(8 + nudge, 32, tip - 14, 32, 9, gfx.SECONDARY)
        frame.polygon([(tip - 20, 16), (tip, 32), (tip - 20, 48)], gfx.SECONDARY)
        frames.append(frame.with_shadow(2, (0, 2), gfx.INK, 0.25))
    return gfx.sheet(frames)


def tutorial_cell():
    frames = []
    for alpha, inset in ((230, 3), (200, 5), (150, 7), (200, 5)):
        frame = gfx.Canvas(CELL_MARK, CELL_MARK)
        frame.fill(lambda x, y, i=inset: i <= x < CELL_MARK - i and i <= y < CELL_MARK - i and
                   not (i + 4 <= x < CELL_MARK - i - 4 and i + 4 <= y < CELL_MARK - i - 4),
                   gfx.SECONDARY, alpha)
        frames.append(frame)
    return gfx.sheet(frames)


def pictures():
    return {
        "pause_button.png": icon_sheet(ICON_BUTTON, ICON_LOOKS, pause_icon),
        "store_button.png": icon_sheet(STORE, faces.ACCENT_LOOKS, store_icon),
        "hint_button.png": hint_button(),
        "hint_glow.png": ring_frames(GLOW, gfx.ACCENT, 6, 30, 46, 6),
        "tool_switch.png": tool_switch(),
        "plate.png": plate(),
        "reset_target.png": reset_target(),
        "reset_pulse.png": ring_frames(GLOW, gfx.ERROR, 6, 34, 46, 5),
        "error_slots.png": error_slots(),
        "error_lock.png": error_lock(),
        "error_mark.png": error_mark(),
        "coin.png": coin_icon(),
        "white.png": white(),
        "hint_fly.png": hint_fly(),
        "bonus_coin.png": bonus_coin(),
        "tutorial_arrow.png": tutorial_arrow(),
        "tutorial_cell.png": tutorial_cell(),
    }


# --------------------------------------------------------------------------
# Descriptions


def document(lines):
    return ('<?xml version="1.0" encoding="utf-8"?>\n'
            "<!-- Written by tools/make_play_screen.py; edit that. -->\n" +
            "\n".join(lines) + "\n").encode("utf-8")


def sprite(tag, folder, texture, indent, at=None, size=None, colour=None, animation=None,
           transform=None):
    lines = ["%s<%s>" % (indent, tag), "%s  <FILE>%s %s</FILE>" % (indent, folder, texture),
             "%s  <HOT_SPOT>HS_MID</HOT_SPOT>" % indent]
    if at is not None:
        lines.append("%s  <POS>%d %d</POS>" % (indent, at[0], at[1]))
    if transform is not None:
        lines.append("%s  <TRANSFORM>%s</TRANSFORM>" % (indent, transform))
    if colour is not None:
        lines.append("%s  <COLOR>%s</COLOR>" % (indent, colour))
    if size is not None:
        lines.append("%s  <SIZE>%d %d</SIZE>" % (indent, size[0], size[1]))
    if animation is not None:
        frames, fps, loop = animation
        lines.append('%s  <ANIMATION loop="%d" grid="%d 1" frames="%d" fps="%d"/>' % (
            indent, 1 if loop else 0, frames, frames, fps))
    lines.append("%s</%s>" % (indent, tag))
    return lines


def transform_at(x, y, angle=0.0):
    """The twelve numbers of a transform: position, pivot, rotation, scale."""
    return "%d %d 0 0 0 0 0 0 %.4f 1 1 1" % (x, y, angle)


def ambient_xml():
    lines = ["<ambient>"]
    parts = " ".join('%s="%s panel_%s.png"' % (part, BOARD, part) for part in gfx.NINE_PARTS)
    lines.append('  <border margin="%d" %s/>' % (FRAME_MARGIN, parts))
    for tag in ("left_ear", "up_ear"):
        lines.append('  <%s size="%d" margin="%d" tint="%s">' % (tag, STRIP_FALLBACK, STRIP_MARGIN,
                                                                hex_colour(STRIP_TINT)))
        lines += sprite("background", PLAY, "white.png", "    ", colour=sprite_colour(STRIP_BAND))
        lines += sprite("stick", PLAY, "white.png", "    ", size=(2, 8), colour=sprite_colour(gfx.GRID_LINE))
        lines += sprite("stickBlock", PLAY, "white.png", "    ", size=(2, 8),
                        colour=sprite_colour(gfx.BLOCK_LINE))
        lines.append("  </%s>" % tag)
    lines.append('  <highlight font="sans_bold_14" font_color="%s" shift="0 0">' % hex_colour(gfx.INK))
    lines += sprite("horisontal", PLAY, "white.png", "    ", colour=sprite_colour(gfx.ACCENT, 0x48))
    lines += sprite("vertical", PLAY, "white.png", "    ", colour=sprite_colour(gfx.ACCENT, 0x48))
    lines.append("  </highlight>")
    first = layout.ERROR_PANEL_AT
    step = layout.ERROR_PLACE_STEP
    lines.append('  <error_panel pos="%d %d" grid="%d 1" interval="%d 0" ping="0.12">' % (
        first[0], first[1], layout.ERROR_PLACES, step))
    middle = first[0] + (layout.ERROR_PLACES - 1) * step / 2.0
    lines += sprite("background", PLAY, "error_slots.png", "    ", at=(int(middle), first[1]))
    lines += sprite("sprite", PLAY, "error_mark.png", "    ", animation=(4, 24, False))
    lines += sprite("sprite_lock", PLAY, "error_lock.png", "    ")
    lines.append("  </error_panel>")
    coin = layout.COIN_AT
    lines.append('  <sunime pos="%d %d" fntName="sans_bold_28" fntColor="%s" fntHotSpot="HS_ML">' % (
        coin[0] + 24, coin[1], hex_colour(gfx.INK)))
    lines += sprite("icon", PLAY, "coin.png", "    ", at=coin)
    lines.append("  </sunime>")
    lines.append("  <check_mode>")
    lines.append('    <CHECKBOX ID="1" TEXTURE="%s tool_switch.png"%s>' % (PLAY, FACE_HIT))
    lines.append("      <POSITION>%d %d</POSITION>" % layout.TOOL_AT)
    lines.append("    </CHECKBOX>")
    lines.append("  </check_mode>")
    lines.append("</ambient>")
    return document(lines)


def control_xml(tag, at, attributes, body):
    lines = ["<%s%s>" % (tag, attributes),
             "  <TRANSFORM>%s</TRANSFORM>" % transform_at(*at)]
    lines += sprite("background", PLAY, "plate.png", "  ")
    lines += body
    lines.append("</%s>" % tag)
    return document(lines)


def button5(texture):
    return ['  <BUTTON5 ID="1" TEXTURE="%s %s"%s>' % (PLAY, texture, FACE_HIT),
            "    <POSITION>0 0</POSITION>", "  </BUTTON5>"]


def control_files():
    files = {}
    files["hint_button.xml"] = control_xml(
        "hint_button", layout.HINT_AT, ' speed="2" delay="1.5"',
        sprite("button_sprite", PLAY, "hint_button.png", "  ", animation=(5, 1, False)) +
        sprite("hint", PLAY, "hint_glow.png", "  ", animation=(6, 14, False)))
    pause = ["<pause>", "  <TRANSFORM>%s</TRANSFORM>" % transform_at(*layout.PAUSE_AT)]
    pause += button5("pause_button.png") + ["</pause>"]
    files["pause.xml"] = document(pause)
    files["store_button.xml"] = control_xml("store_button", layout.STORE_AT, ' speed="2" delay="1.5"',
                                            button5("store_button.png"))
    # The edition without a store button: the control stands, empty.
    empty = ['<store_button speed="2" delay="1.5">',
             "  <TRANSFORM>%s</TRANSFORM>" % transform_at(*layout.STORE_AT), "</store_button>"]
    files["store_button_empty.xml"] = document(empty)
    files["reset_selection.xml"] = control_xml(
        "reset_selection", layout.RESET_AT,
        ' time="0.25" begin_color="%s" mid_color="%s" end_color="%s"' % (
            hex_colour((255, 255, 255)), hex_colour(gfx.mix((255, 255, 255), gfx.ACCENT, 0.6)),
            hex_colour(gfx.mix((255, 255, 255), gfx.ERROR, 0.7))),
        sprite("sprite", PLAY, "reset_pulse.png", "  ", animation=(6, 12, True)))
    # The target itself is the background.
    files["reset_selection.xml"] = files["reset_selection.xml"].replace(
        b"plate.png", b"reset_target.png")
    return files


# --------------------------------------------------------------------------
# The tutorial


# The first level's steps: kind, cells ("row col", 0-based), arrow (place
# and direction in degrees, or None), locks (cells, hint, tool, store,
# reset), and the key of its text in tools/sources/strings/play.txt.
TUTORIAL_LEVEL = 1
TUTORIAL_PICTURE = "tools/sources/levels/pack_1/01_heart.txt"
ROW_ARROW_X = 700          # right of the first level's board, pointing left
STEPS = [
    ("CELL", [(1, c) for c in range(5)], ("row", 1, 180), (1, 1, 1, 1, 1), "tutorial_fill"),
    ("TOOL", [], ("control", layout.TOOL_AT, 0), (1, 1, 0, 1, 1), "tutorial_tool"),
    ("CELL_EMPTY", [(4, 0), (4, 1)], ("row", 4, 180), (1, 1, 1, 1, 1), "tutorial_cross"),
    ("HINT", [(2, c) for c in range(5)], ("control", layout.HINT_AT, 0), (1, 0, 1, 1, 1), "tutorial_hint"),
    ("USE_RESET_SELECTION", [], ("control", layout.RESET_AT, 0), (0, 1, 1, 1, 0), "tutorial_reset"),
    ("TOOL", [], ("control", layout.TOOL_AT, 0), (1, 1, 0, 1, 1), "tutorial_tool_back"),
    ("ENDLESS", [], None, (0, 0, 0, 0, 0), "tutorial_finish"),
]
# The step's panel: below the first level's board, its text at the left and
# the skip button at the right.
PANEL_AT = (468, 684)
PANEL_SIZE = (700, 116)
SKIP_BUTTON = 200          # the skip button's id (the game knows it)
SKIP_WIDTH = 200           # button_wide.png's frames


def first_level(root):
    picture = layout.read_picture(os.path.join(root, TUTORIAL_PICTURE), "pack_1")
    chosen = layout.choose_layout(picture, layout.clue_styles(root))
    return picture, chosen


def check_tutorial(picture):
    for kind, cells, _, _, key in STEPS:
        for row, col in cells:
            if not (0 <= row < picture.row_count and 0 <= col < picture.columns):
                raise ValueError("tutorial step %s: the cell %d %d is outside the first level" % (key, row, col))
            filled = picture.cell(row, col)
            if kind in ("CELL", "HINT") and not filled:
                raise ValueError("tutorial step %s: the cell %d %d is no picture cell" % (key, row, col))
            if kind == "CELL_EMPTY" and filled:
                raise ValueError("tutorial step %s: the cell %d %d is a picture cell" % (key, row, col))


def tutorial_xml(root, texts):
    picture, chosen = first_level(root)
    check_tutorial(picture)
    left, top = chosen.corner()
    cell = chosen.cell

    def centre(row, col):
        return (left + layout.cell_centre(col, cell), top + layout.cell_centre(row, cell))

    lines = ["<tutorial>", '  <level id="%d">' % TUTORIAL_LEVEL]
    for kind, cells, arrow, locks, key in STEPS:
        for needed in (key, "tutorial_skip"):
            if needed not in texts:
                raise ValueError("%s: no text \"%s\"" % (STRINGS, needed))
        names = ("blockelements", "blockhint", "blocktool", "blockstore", "blockreset")
        attributes = " ".join('%s="%s"' % (n, "true" if on else "false") for n, on in zip(names, locks))
        lines.append('    <step type="%s" %s>' % (kind, attributes))
        if cells:
            lines.append("      <cells>" + "".join("<cell>%d %d</cell>" % rc for rc in cells) + "</cells>")
            lines += sprite("sprite_cells", PLAY, "tutorial_cell.png", "      ", size=(cell, cell),
                            animation=(4, 8, True))
        if arrow is not None:
            what, where, degrees = arrow
            if what == "row":
                at = (ROW_ARROW_X, int(centre(where, 0)[1]))
            else:
                at = (where[0] - PLATE // 2 - ARROW // 2 - 4, where[1])
            lines += sprite("sprite_arrow", PLAY, "tutorial_arrow.png", "      ",
                            transform=transform_at(at[0], at[1], math.radians(degrees)),
                            animation=(4, 8, True))
        frame = " ".join('TX_%d_%d="%s dialog_%s.png"' % (i // 3 + 1, i % 3 + 1, GUI, part)
                         for i, part in enumerate(gfx.NINE_PARTS))
        label = 'FONT="%s dejavu_sans_20.xml" FONT_TEXTURE="%s dejavu_sans_20.png"' % (FONTS, FONTS)
        lines += ["      <GUI>",
                  '        <PANEL9 ID="1" %s>' % frame,
                  "          <SIZE>%d %d</SIZE>" % PANEL_SIZE,
                  "          <POSITION>%d %d</POSITION>" % PANEL_AT,
                  "          <CONTEXT>",
                  '            <WLABEL ID="2" %s TEXT="%s" HOT_SPOT="3" FONT_COLOR="%s">' % (
                      label, key, hex_colour(gfx.INK)),
                  "              <POSITION>%d 0</POSITION>" % (24 - PANEL_SIZE[0] // 2),
                  "            </WLABEL>",
                  '            <BUTTON5 ID="%d" TEXTURE="%s button_wide.png"%s>' % (
                      SKIP_BUTTON, GUI, FACE_HIT),
                  "              <POSITION>%d 0</POSITION>" % (PANEL_SIZE[0] // 2 - 24 - SKIP_WIDTH // 2),
                  "              <CONTEXT>",
                  '                <WLABEL ID="0" %s TEXT="tutorial_skip" HOT_SPOT="4" FONT_COLOR="%s">' % (
                      label, hex_colour(gfx.INK)),
                  "                  <POSITION>0 -2</POSITION>",
                  "                </WLABEL>",
                  "              </CONTEXT>",
                  "            </BUTTON5>",
                  "          </CONTEXT>",
                  "        </PANEL9>",
                  "      </GUI>",
                  "    </step>"]
    lines += ["  </level>", "</tutorial>"]
    return document(lines)


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        texts = dict(strings.read_source(os.path.join(args.root, *STRINGS.split("/")),
                                         shipped_packs(args.root)))
        files = {os.path.join(GAME_PROCESS, name): data for name, data in control_files().items()}
        files[os.path.join(GAME_PROCESS, "ambient.xml")] = ambient_xml()
        files[os.path.join(OTHER, "tutorial.xml")] = tutorial_xml(args.root, texts)
        images = pictures()
    except ValueError as error:
        print("make_play_screen: %s" % error, file=sys.stderr)
        return 1
    for path, data in sorted(files.items()):
        write_bytes(os.path.join(args.out, path), data)
        print(path)
    write_images(args.out, PLAY, images)
    return 0


if __name__ == "__main__":
    sys.exit(main())
