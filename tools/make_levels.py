#!/usr/bin/env python3
"""Writes the game's levels and the board's files from readable sources.

Sources: tools/levels/<pack>/<NN>_<name>.txt, each a named picture drawn in
text: a line "name: Title", then the picture's rows of '#' (picture cell) and
'.' (empty cell). Every picture must have exactly one solution from its
clues; an ambiguous or contradictory picture stops the script with an error
and nothing is written.

Outputs (under Resources/, the same bytes for the same sources):
  data/share/main/levels               zip archive: <pack>/<name>.xml per level
  data/share/main/GameProcess/         numbers.xml, settings.xml, effects.xml (its
                                       hint flight and bonus coin fly pictures
                                       that tools/make_play_screen.py draws)
  data/share/image/board/              the board's images (PNG)

A level's repository name is "data/share/main/levels <pack>/<name>.xml": the
archive is a repository folder, the pack's path is
"data/share/main/levels <pack>" and a level record's file is "<name>.xml".

Usage: tools/make_levels.py [--check] [--root DIR] [--out DIR]
  --check  only read and check the sources (clues, one solution each)
  --root   the checkout to read from (default: this script's)
  --out    the resources folder to write into (default: <root>/Resources)
Python 3 standard library and tools/lib/ only.
"""

import math
import os
import re
import sys
from functools import lru_cache
from xml.etree import ElementTree

from lib.content import arguments, shipped_packs, write_bytes, write_zip, xml_text
from lib.drawing import (ACCENT, BLOCK_LINE, CLOSED, CROSS, CROSSED_NUMBER, ERROR, FILLED, GRID_LINE, INK,
                         SECONDARY, Canvas, lighter, segment_distance, sheet)

LEVEL_ARCHIVE = "data/share/main/levels"
GAME_PROCESS = "data/share/main/GameProcess"
BOARD_IMAGES = "data/share/image/board"
PLAY_IMAGES = "data/share/image/play"
EFFECT_IMAGES = "data/share/image/effects"
FONTS = "data/share/font"
PACK_SOURCE = "pack.txt"

# --------------------------------------------------------------------------
# Screen layout on the 1024 x 768 canvas (the game's own coordinates).
#
# The gameplay controls around the board own two regions, kept free of the
# board and its clue numbers on every level (left, top, right, bottom):
#   TOP_BAR      the pause button at the left, the coin counter in the middle
#                and the error panel at the right, across the whole width;
#   SIDE_COLUMN  below the bar on the right: the hint button, the tool switch
#                and the store button, stacked.
# Every board, its frame and all its clue numbers stay CLEARANCE pixels away
# from both regions and from the canvas edges: the PLAY_AREA. Inside it each
# board is placed so that the board with its clue strips sits in the middle.
CANVAS = (1024, 768)
TOP_BAR_HEIGHT = 64
SIDE_COLUMN_WIDTH = 120
TOP_BAR = (0, 0, CANVAS[0], TOP_BAR_HEIGHT)
SIDE_COLUMN = (CANVAS[0] - SIDE_COLUMN_WIDTH, TOP_BAR_HEIGHT, CANVAS[0], CANVAS[1])
CONTROL_REGIONS = {"top bar": TOP_BAR, "side column": SIDE_COLUMN}
# Where each control stands in its region (its centre; tools/make_play_screen.py
# writes the controls' files): in the top bar the pause button, the coin
# counter's coin (its number follows to the right) and the error panel's
# first place (the others follow to the right, ERROR_PLACE_STEP apart); in
# the side column the hint button, the tool switch, the store button and, at
# the bottom, the reset-selection target.
PAUSE_AT = (40, 32)
COIN_AT = (486, 32)
ERROR_PLACES = 8
ERROR_PLACE_STEP = 34
ERROR_PANEL_AT = (CANVAS[0] - 16 - 17 - (ERROR_PLACES - 1) * ERROR_PLACE_STEP, 32)
HINT_AT = (964, 150)
TOOL_AT = (964, 272)
STORE_AT = (964, 394)
RESET_AT = (964, 668)
CLEARANCE = 16
PLAY_AREA = (CLEARANCE, TOP_BAR_HEIGHT + CLEARANCE,
             CANVAS[0] - SIDE_COLUMN_WIDTH - CLEARANCE, CANVAS[1] - CLEARANCE)

# The board: square cells in blocks of BLOCK x BLOCK with a BLOCK_GAP between
# blocks (and between the frame and the outer cells). A side is a multiple of
# BLOCK from BLOCK to MAX_SIDE cells, so that every block is whole.
BLOCK = 5
BLOCK_GAP = 4
MAX_SIDE = 20
MAX_CELL = 64
# Room kept around the board for its frame, and the distance from the board's
# edge to the ink of the nearest clue number.
BOARD_FRAME = 8
CLUE_OFFSET = 12
# The least room (pixels) between the cross-out strokes of two neighbouring
# numbers of a row.
STRIKE_SEPARATION = 3

# Clue fonts, largest first: the numbers file that names it, the font (a name
# of data/share/font/fonts.xml and its BMFont description) and the smallest
# cell it is used on, so that the numbers stay in proportion to the cells.
# Each level takes the largest font for which its board and clues fit, with
# the largest cell that fits; the level names its numbers file.
CLUE_STYLES = [
    # numbers file           font            BMFont description           smallest cell
    ("numbers_large.xml", "sans_bold_28", "dejavu_sans_bold_28.xml", 40),
    ("numbers.xml", "sans_bold_20", "dejavu_sans_bold_20.xml", 30),
    ("numbers_small.xml", "sans_bold_14", "dejavu_sans_bold_14.xml", 16),
]

# The board's rules (GameProcess/settings.xml): coins per rightly found
# filled cell, coins of a bonus cell, progress thresholds for hint awards.
COINS_PER_CELL = 1
BONUS_COINS = 10
MAX_HINTS = 4


# --------------------------------------------------------------------------
# Pictures and clues


class Picture:
    def __init__(self, pack, stem, title, rows):
        self.pack = pack
        self.stem = stem            # "01_heart": level id 1, file "heart.xml"
        match = re.match(r"^([0-9]{2})_([a-z0-9_]+)$", stem)
        if not match or int(match.group(1)) == 0:
            raise ValueError("%s/%s: a picture's file is named NN_name.txt (NN its level id from 01, "
                             "name in lower-case letters, digits and '_')" % (pack, stem))
        self.level_id = int(match.group(1))
        self.name = match.group(2)
        self.title = title
        self.rows = rows            # list of strings of '#' and '.'

    @property
    def columns(self):
        return len(self.rows[0])

    @property
    def row_count(self):
        return len(self.rows)

    def cell(self, r, c):
        return self.rows[r][c] == "#"

    def row_lines(self):
        return [[self.cell(r, c) for c in range(self.columns)] for r in range(self.row_count)]

    def column_lines(self):
        return [[self.cell(r, c) for r in range(self.row_count)] for c in range(self.columns)]


def clue_of(line):
    runs, count = [], 0
    for filled in line:
        if filled:
            count += 1
        elif count:
            runs.append(count)
            count = 0
    if count:
        runs.append(count)
    return tuple(runs)


def read_picture(path, pack):
    stem = os.path.splitext(os.path.basename(path))[0]
    title, rows = None, []
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            line = raw.rstrip("\n").rstrip("\r")
            if not line.strip():
                continue
            if line.startswith("name:"):
                title = line[5:].strip()
                continue
            if set(line) - {"#", "."}:
                raise ValueError("%s:%d: a picture row holds only '#' and '.'" % (path, number))
            rows.append(line)
    if not title:
        raise ValueError("%s: no \"name:\" line" % path)
    if not rows:
        raise ValueError("%s: no picture" % path)
    if any(len(r) != len(rows[0]) for r in rows):
        raise ValueError("%s: the rows differ in length" % path)
    if not any("#" in r for r in rows):
        raise ValueError("%s: the picture has no '#' cell" % path)
    return Picture(pack, stem, title, rows)


# --------------------------------------------------------------------------
# Uniqueness: a line solver with backtracking. Cells: 1 filled, -1 empty,
# 0 unknown.


def solve_line(clue, known):
    """The cells of the line that every placement of the clue agrees on, as a
    new list; None when no placement fits what is known."""
    n, k = len(known), len(clue)

    @lru_cache(maxsize=None)
    def fits(i, j):
        # Runs j.. placed in cells i.. (cell i-1, when any, is empty).
        if j == k:
            return all(known[p] != 1 for p in range(i, n))
        length = clue[j]
        if i < n and known[i] != 1 and fits(i + 1, j):
            return True
        end = i + length
        if end <= n and all(known[p] != -1 for p in range(i, end)):
            if end == n:
                return j == k - 1
            if known[end] != 1 and fits(end + 1, j + 1):
                return True
        return False

    if not fits(0, 0):
        return None
    can_fill, can_empty = [False] * n, [False] * n
    seen = set()

    def mark(i, j):
        if (i, j) in seen:
            return
        seen.add((i, j))
        if j == k:
            for p in range(i, n):
                can_empty[p] = True
            return
        length = clue[j]
        if i < n and known[i] != 1 and fits(i + 1, j):
            can_empty[i] = True
            mark(i + 1, j)
        end = i + length
        if end <= n and all(known[p] != -1 for p in range(i, end)):
            if end == n and j == k - 1:
                for p in range(i, end):
                    can_fill[p] = True
            elif end < n and known[end] != 1 and fits(end + 1, j + 1):
                for p in range(i, end):
                    can_fill[p] = True
                can_empty[end] = True
                mark(end + 1, j + 1)

    mark(0, 0)
    result = []
    for p in range(n):
        if can_fill[p] and not can_empty[p]:
            result.append(1)
        elif can_empty[p] and not can_fill[p]:
            result.append(-1)
        else:
            result.append(0)
    return result


def count_solutions(row_clues, column_clues, limit=2):
    rows, columns = len(row_clues), len(column_clues)

    def propagate(grid):
        changed = True
        while changed:
            changed = False
            for r in range(rows):
                line = solve_line(row_clues[r], tuple(grid[r]))
                if line is None:
                    return False
                for c in range(columns):
                    if line[c] and not grid[r][c]:
                        grid[r][c] = line[c]
                        changed = True
            for c in range(columns):
                line = solve_line(column_clues[c], tuple(grid[r][c] for r in range(rows)))
                if line is None:
                    return False
                for r in range(rows):
                    if line[r] and not grid[r][c]:
                        grid[r][c] = line[r]
                        changed = True
        return True

    def search(grid):
        if not propagate(grid):
            return 0
        for r in range(rows):
            for c in range(columns):
                if not grid[r][c]:
                    total = 0
                    for value in (1, -1):
                        trial = [list(line) for line in grid]
                        trial[r][c] = value
                        total += search(trial)
                        if total >= limit:
                            return total
                    return total
        return 1

    return search([[0] * columns for _ in range(rows)])


def check_picture(picture):
    row_clues = [clue_of(line) for line in picture.row_lines()]
    column_clues = [clue_of(line) for line in picture.column_lines()]
    solutions = count_solutions(row_clues, column_clues)
    if solutions != 1:
        raise ValueError("%s/%s (%s): %s" % (
            picture.pack, picture.stem, picture.title,
            "its clues allow more than one picture" if solutions > 1 else "no picture fits its clues"))


# --------------------------------------------------------------------------
# Clue fonts: the boxes the game draws numbers in, measured the way it draws
# them (each number centred on its point: the pen starts half the sum of the
# advances to the left and half the line height up, truncated toward zero;
# each glyph's ink is its rectangle at its offset from the pen).


class Box:
    def __init__(self, left, top, right, bottom):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom

    def moved(self, dx, dy):
        return Box(self.left + dx, self.top + dy, self.right + dx, self.bottom + dy)

    def gap(self, other):
        """The clear space between two boxes: the larger of the horizontal and
        the vertical distance (0 or less when they overlap or touch)."""
        return max(other.left - self.right, self.left - other.right,
                   other.top - self.bottom, self.top - other.bottom)

    def __repr__(self):
        return "(%d, %d)-(%d, %d)" % (self.left, self.top, self.right, self.bottom)


class BitmapFont:
    """A BMFont description: per character its rectangle size, offset and
    advance, and the line height."""

    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        self.line_height = int(root.find("common").get("lineHeight"))
        self.glyphs = {}
        for char in root.find("chars").findall("char"):
            self.glyphs[int(char.get("id"))] = tuple(int(char.get(k)) for k in (
                "xoffset", "yoffset", "width", "height", "xadvance"))

    def space(self):
        return self.glyphs[ord(" ")][4]

    def ink(self, text, x=0, y=0):
        """The box the text's glyphs cover when drawn centred on (x, y)."""
        glyphs = [self.glyphs[ord(c)] for c in text]
        width = sum(g[4] for g in glyphs)
        pen = x - width // 2
        top = y - self.line_height // 2
        box = None
        for xoffset, yoffset, w, h, advance in glyphs:
            glyph = Box(pen + xoffset, top + yoffset, pen + xoffset + w, top + yoffset + h)
            box = glyph if box is None else Box(min(box.left, glyph.left), min(box.top, glyph.top),
                                                max(box.right, glyph.right), max(box.bottom, glyph.bottom))
            pen += advance
        return box


class ClueStyle:
    """One numbers file: its font and the spacing that keeps the numbers of
    one line apart. Two numbers stand at least a space's width (the font's)
    apart: "11 12" must never read as "1112"."""

    def __init__(self, root, file, font_name, font_file, smallest_cell):
        self.file, self.font_name, self.smallest_cell = file, font_name, smallest_cell
        self.font = BitmapFont(os.path.join(root, "Resources", FONTS, font_file))
        self.gap = self.font.space()
        self.ink = {n: self.font.ink(str(n)) for n in range(MAX_SIDE + 1)}
        # Neighbours in one line: runs a then b, as a line of MAX_SIDE holds
        # them (a + 1 + b cells at least).
        pairs = [(a, b) for a in range(1, MAX_SIDE) for b in range(1, MAX_SIDE) if a + 1 + b <= MAX_SIDE]
        # Left strip: a row's numbers side by side; top strip: stacked.
        self.interval_left = max(self.ink[a].right - self.ink[b].left + self.gap for a, b in pairs)
        self.interval_up = max(self.ink[a].bottom - self.ink[b].top + self.gap for a, b in pairs)
        # From the board's edge to the centre of the nearest number.
        self.shift_left = max(box.right for box in self.ink.values()) + CLUE_OFFSET
        self.shift_up = max(box.bottom for box in self.ink.values()) + CLUE_OFFSET
        self.strike = "strike.png" if file == "numbers.xml" else "strike_%s.png" % file[8:-4]

    def scale(self):
        """The font's size against the 20-pixel one (for the strike)."""
        return self.font.line_height / 23.0


def clue_styles(root):
    return [ClueStyle(root, *style) for style in CLUE_STYLES]


# --------------------------------------------------------------------------
# Layout of one level


def board_span(cells, cell):
    """The board frame's length along an axis, as the game computes it."""
    blocks = (cells + BLOCK - 1) // BLOCK
    return BLOCK * cell * blocks + (blocks + 1) * BLOCK_GAP


def cell_centre(index, cell):
    """The centre of line `index` from the frame's edge, as the clue strips
    put it: a block gap before the first line of every block."""
    return index * cell + (index // BLOCK + 1) * BLOCK_GAP + cell / 2.0


class Layout:
    """The board of a picture with one cell size and one clue style: where
    every clue number's ink lies relative to the board frame's corner, and
    whether it fits and stays legible."""

    def __init__(self, picture, cell, style):
        self.picture, self.cell, self.style = picture, cell, style
        self.width = board_span(picture.columns, cell)
        self.height = board_span(picture.row_count, cell)
        # Per line, its numbers' boxes in drawing order from the first run.
        self.rows, self.columns = [], []
        for r, line in enumerate(picture.row_lines()):
            runs = clue_of(line) or (0,)
            y = math.floor(cell_centre(r, cell))
            self.rows.append([style.ink[n].moved(-style.shift_left - (len(runs) - 1 - i) * style.interval_left, y)
                              for i, n in enumerate(runs)])
        for c, line in enumerate(picture.column_lines()):
            runs = clue_of(line) or (0,)
            x = math.floor(cell_centre(c, cell))
            self.columns.append([style.ink[n].moved(x, -style.shift_up - (len(runs) - 1 - i) * style.interval_up)
                                 for i, n in enumerate(runs)])
        boxes = [b for line in self.rows + self.columns for b in line]
        self.extent = Box(min([-BOARD_FRAME] + [b.left for b in boxes]),
                          min([-BOARD_FRAME] + [b.top for b in boxes]),
                          max([self.width + BOARD_FRAME] + [b.right for b in boxes]),
                          max([self.height + BOARD_FRAME] + [b.bottom for b in boxes]))

    def fits(self):
        area = PLAY_AREA
        return (self.extent.right - self.extent.left <= area[2] - area[0] and
                self.extent.bottom - self.extent.top <= area[3] - area[1])

    def crowded(self):
        """The first two numbers closer than the style's gap, within a line
        or in neighbouring lines, as ((line kind, index, number), ...); None
        when every number stands clear."""
        for kind, lines, clues in (("row", self.rows, self.picture.row_lines()),
                                   ("column", self.columns, self.picture.column_lines())):
            for i, line in enumerate(lines):
                neighbours = [(i, line)] + ([(i + 1, lines[i + 1])] if i + 1 < len(lines) else [])
                for j, a in enumerate(line):
                    for k, other in neighbours:
                        for m, b in enumerate(other):
                            if (k, m) <= (i, j):
                                continue
                            if a.gap(b) < self.style.gap:
                                runs_a = clue_of(clues[i]) or (0,)
                                runs_b = clue_of(clues[k]) or (0,)
                                return ((kind, i, runs_a[j]), (kind, k, runs_b[m]))
        return None

    def corner(self):
        """The board frame's corner that puts the board with its clues in the
        middle of the play area."""
        area = PLAY_AREA
        left = area[0] + (area[2] - area[0] - (self.extent.right - self.extent.left)) // 2
        top = area[1] + (area[3] - area[1] - (self.extent.bottom - self.extent.top)) // 2
        return left - self.extent.left, top - self.extent.top


def choose_layout(picture, styles):
    """The largest clue font with which the board and its clues fit the play
    area and stay legible, with the largest cell that fits. ValueError when
    there is none."""
    for side in (picture.columns, picture.row_count):
        if side % BLOCK or not BLOCK <= side <= MAX_SIDE:
            raise ValueError("%s/%s (%s): a side of %d cells (a multiple of %d up to %d)" % (
                picture.pack, picture.stem, picture.title, side, BLOCK, MAX_SIDE))
    reasons = []
    for style in styles:
        for cell in range(MAX_CELL, style.smallest_cell - 1, -1):
            layout = Layout(picture, cell, style)
            if not layout.fits():
                continue
            crowded = layout.crowded()
            if crowded is None:
                return layout
            reasons.append("with %s on %d-pixel cells the numbers %d of %s %d and %d of %s %d touch" % (
                style.font_name, cell, crowded[0][2], crowded[0][0], crowded[0][1] + 1,
                crowded[1][2], crowded[1][0], crowded[1][1] + 1))
            break
        else:
            reasons.append("with %s no cell of %d pixels or more fits" % (style.font_name, style.smallest_cell))
    raise ValueError("%s/%s (%s): the board and its clue numbers do not fit the play area legibly: %s" % (
        picture.pack, picture.stem, picture.title, "; ".join(reasons)))


# --------------------------------------------------------------------------
# Level files


def bonus_count(picture):
    filled = sum(r.count("#") for r in picture.rows)
    return max(1, filled // 12)


def sprite_xml(tag, texture, size=None, indent="    "):
    lines = ["%s<%s>" % (indent, tag),
             "%s  <FILE>%s %s</FILE>" % (indent, BOARD_IMAGES, texture),
             "%s  <HOT_SPOT>HS_MID</HOT_SPOT>" % indent]
    if size:
        lines.append("%s  <SIZE>%d %d</SIZE>" % (indent, size[0], size[1]))
    lines.append("%s</%s>" % (indent, tag))
    return lines


def half_units(value):
    """A number of half pixels as the level file writes it."""
    return "%d" % (value // 2) if value % 2 == 0 else "%d.5" % (value // 2)


def level_xml(picture, layout):
    size = layout.cell
    left, top = layout.corner()
    block = (min(BLOCK, picture.columns), min(BLOCK, picture.row_count))
    position = (half_units(2 * left + layout.width), half_units(2 * top + layout.height))
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- %s: %d x %d -->" % (xml_text(picture.title), picture.columns, picture.row_count),
             '<level name="%s">' % xml_text(picture.title),
             '  <settings elSize="%d %d" grid="%d %d" block="%d %d" shiftBlock="%d %d" '
             'position="%s %s" bonuses="%d" numbers="%s">' % (
                 size, size, picture.columns, picture.row_count, block[0], block[1],
                 -BLOCK_GAP, -BLOCK_GAP, position[0], position[1], bonus_count(picture),
                 layout.style.file)]
    lines += sprite_xml("block", "block.png", (block[0] * size, block[1] * size))
    lines += sprite_xml("selection", "selection.png", (size, size))
    lines += sprite_xml("selection_yes", "selection_yes.png", (size, size))
    lines += sprite_xml("selection_no", "selection_no.png", (size, size))
    lines.append("  </settings>")
    lines.append("  <gElements>")
    for row in picture.rows:
        lines.append("    " + "".join('<element type="%d"/>' % (100 if ch == "#" else 101) for ch in row))
    lines.append("  </gElements>")
    lines.append("</level>")
    return ("\n".join(lines) + "\n").encode("utf-8")


# --------------------------------------------------------------------------
# The GameProcess files read by the board


def animation_xml(tag, texture, frames, fps, loop, attributes="", indent="  "):
    return ["%s<%s%s>" % (indent, tag, attributes),
            "%s  <FILE>%s %s</FILE>" % (indent, BOARD_IMAGES, texture),
            "%s  <HOT_SPOT>HS_MID</HOT_SPOT>" % indent,
            '%s  <ANIMATION loop="%d" grid="%d 1" frames="%d" fps="%d"/>' % (
                indent, 1 if loop else 0, frames, frames, fps),
            "%s</%s>" % (indent, tag)]


def hex_colour(rgb, alpha=0xFF):
    return "%02X%02X%02X%02X" % (alpha, rgb[0], rgb[1], rgb[2])


def numbers_xml(style):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<numbers>"]
    common = ' font="%s" font_color="%s" font_cross="%s"' % (
        style.font_name, hex_colour(INK), hex_colour(CROSSED_NUMBER))
    lines += animation_xml("numbersLeft", style.strike, 4, 24, False,
                           common + ' interval="%d" shift_first="%d 0"' % (style.interval_left, style.shift_left))
    lines += animation_xml("numbersUp", style.strike, 4, 24, False,
                           common + ' interval="%d" shift_first="0 %d"' % (style.interval_up, style.shift_up))
    lines.append("</numbers>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def settings_xml():
    return ('<?xml version="1.0" encoding="utf-8"?>\n'
            '<settings sunime_one="%d" sunime_bonus="%d" max_hints="%d"/>\n' % (
                COINS_PER_CELL, BONUS_COINS, MAX_HINTS)).encode("utf-8")


def effects_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<effects>",
             '  <effect_open_cell anim_delay="0.045">']
    lines += animation_xml("yes", "cell_filled.png", 4, 30, False, indent="    ")
    lines += animation_xml("no", "cell_cross.png", 4, 30, False, indent="    ")
    lines += ["    <locked>", "      <FILE>%s cell_locked.png</FILE>" % BOARD_IMAGES,
              "      <HOT_SPOT>HS_MID</HOT_SPOT>", "    </locked>", "  </effect_open_cell>",
              '  <end_level_effect speed="700">']
    lines += animation_xml("sprite_anim", "cell_end.png", 6, 20, False, indent="    ")
    lines.append("  </end_level_effect>")
    # A hint flies from the hint button to its cell; a bonus cell's coin
    # flies to the coin counter, then its coins rise below the counter.
    lines.append('  <hint_fly deflection1="90" deflection2="-60" speed="700">')
    lines += play_animation_xml("sprite_fly", "hint_fly.png", 4, 12, True)
    lines += particles_xml("particles_follow", ACCENT, 60, 0.45, (0, 0), 16, 2, 6)
    lines += particles_xml("particles_finish", ACCENT, 90, 0.6, (0, -60), 26, 4, 4, spread=6.28)
    lines.append("  </hint_fly>")
    lines.append('  <bonus_effect speed="620" deflection="-140" endpos="%d %d">' % COIN_AT)
    lines += play_animation_xml("sprite_sunime", "bonus_coin.png", 6, 20, False)
    lines += ['    <font fntName="sans_bold_20" fntColor="%s" fntHotSpot="HS_MID">' % hex_colour(BONUS_TEXT),
              '      <motion time="0.9" start="0 26" endoffset="0 22"/>',
              '      <text value="+%i"/>',
              "    </font>"]
    lines += particles_xml("particles_follow", ACCENT, 50, 0.4, (0, 0), 12, 2, 5)
    lines += ["  </bonus_effect>", "</effects>"]
    return ("\n".join(lines) + "\n").encode("utf-8")


# The bonus coins' text: the accent, darkened to read on the paper.
BONUS_TEXT = (0xB9, 0x7A, 0x1B)


def play_animation_xml(tag, texture, frames, fps, loop, indent="    "):
    return ["%s<%s>" % (indent, tag),
            "%s  <FILE>%s %s</FILE>" % (indent, PLAY_IMAGES, texture),
            "%s  <HOT_SPOT>HS_MID</HOT_SPOT>" % indent,
            '%s  <ANIMATION loop="%d" grid="%d 1" frames="%d" fps="%d"/>' % (
                indent, 1 if loop else 0, frames, frames, fps),
            "%s</%s>" % (indent, tag)]


def particles_xml(tag, rgb, frequency, lifetime, velocity, start_size, end_size, area, spread=0.8,
                  indent="    "):
    """A particle description on the soft dot: born in a square of `area`
    pixels, fading from the colour to nothing."""
    return ['%s<%s texture="%s soft_dot.png" multiply="false" maxCount="%d" frequency="%d" '
            'spreadAngle="%.2f" area="%d %d">' % (indent, tag, EFFECT_IMAGES, frequency, frequency, spread,
                                                area, area),
            "%s  <lifetime>%.2f</lifetime>" % (indent, lifetime),
            "%s  <velocity>%d %d</velocity>" % (indent, velocity[0], velocity[1]),
            "%s  <startSize>%d</startSize>" % (indent, start_size),
            "%s  <endSize>%d</endSize>" % (indent, end_size),
            "%s  <startColor>%s</startColor>" % (indent, hex_colour(rgb, 0xE0)),
            "%s  <averColor>%s</averColor>" % (indent, hex_colour(lighter(rgb, 0.3), 0x90)),
            "%s  <endColor>%s</endColor>" % (indent, hex_colour((255, 255, 255), 0)),
            "%s</%s>" % (indent, tag)]


# --------------------------------------------------------------------------
# Images (tools/lib/drawing.py draws them, 4 x 4 samples per pixel).


def filled_cell(size, scale, colour=FILLED):
    """A filled square with a lighter inner edge, `scale` of the cell."""
    image = Canvas(size, size)
    inset = 2
    side = (size - 2 * inset) * scale
    left = (size - side) / 2.0
    right = left + side
    image.fill(lambda x, y: left <= x < right and left <= y < right, colour)
    edge = max(1.0, size / 32.0)
    image.fill(lambda x, y: left <= x < right and left <= y < right and
               not (left + edge <= x < right - edge and left + edge <= y < right - edge),
               lighter(colour, 0.25))
    return image


def cross_cell(size, alpha):
    image = Canvas(size, size)
    margin = size * 0.28
    half = size / 32.0 * 1.5  # strokes 3 pixels wide on a 32-pixel cell
    a, b = margin, size - margin
    image.fill(lambda x, y: segment_distance(x, y, a, a, b, b) <= half or
               segment_distance(x, y, a, b, b, a) <= half, CROSS, alpha)
    return image


def strike_sheet(style):
    """Four frames of a stroke drawn left to right across a number, rising
    a third of its length, centred on the number: 24 pixels long on the
    20-pixel font (scaled for another), and never so long that the strikes
    of two neighbours in a row meet: between them stays STRIKE_SEPARATION
    or half a space of the font, whichever is more."""
    scale = style.scale()
    side = int(round(32 * scale))
    half_width = 1.6 * max(1.0, scale)
    separation = max(STRIKE_SEPARATION, style.gap // 2)
    length = min(24 * scale, style.interval_left - separation - 2 * half_width)
    centre = 16 * scale
    ax, ay = centre - length / 2.0, centre + length / 6.0
    frames = []
    for step in range(1, 5):
        frame = Canvas(side, side)
        end = ax + length * step / 4.0
        frame.fill(lambda x, y, end=end: segment_distance(x, y, ax, ay, end, ay - (end - ax) / 3.0) <= half_width,
                   ERROR, 230)
        frames.append(frame)
    return sheet(frames)


def board_images(styles):
    size = 64
    images = {}
    images["cell_filled.png"] = sheet([filled_cell(size, s) for s in (0.55, 0.75, 0.9, 1.0)])
    images["cell_cross.png"] = sheet([cross_cell(size, a) for a in (70, 140, 200, 255)])

    locked = Canvas(size, size)
    locked.rect(2, 2, size - 2, size - 2, GRID_LINE, 150)
    locked.fill(lambda x, y: int(x + y) % 12 < 3, BLOCK_LINE, 110, 2, 2, size - 2, size - 2)
    images["cell_locked.png"] = locked

    warm = [ACCENT, (0xF2, 0x8F, 0x3B), ERROR, (0xB0, 0x5A, 0x6A), (0x6E, 0x4D, 0x60), FILLED]
    images["cell_end.png"] = sheet([filled_cell(size, 1.0, colour) for colour in warm])

    # One block of 5 x 5 closed cells: white, light grid lines, a darker frame.
    cell = 32
    block = Canvas(cell * BLOCK, cell * BLOCK)
    block.rect(0, 0, block.width, block.height, CLOSED)
    for i in range(1, BLOCK):
        block.rect(i * cell - 1, 0, i * cell + 1, block.height, GRID_LINE)
        block.rect(0, i * cell - 1, block.width, i * cell + 1, GRID_LINE)
    for (l, t, r, b) in ((0, 0, block.width, 2), (0, block.height - 2, block.width, block.height),
                         (0, 0, 2, block.height), (block.width - 2, 0, block.width, block.height)):
        block.rect(l, t, r, b, BLOCK_LINE)
    images["block.png"] = block

    selection = Canvas(size, size)
    selection.fill(lambda x, y: not (5 <= x < size - 5 and 5 <= y < size - 5), SECONDARY, 220)
    images["selection.png"] = selection

    yes = Canvas(size, size)
    yes.rect(4, 4, size - 4, size - 4, ACCENT, 110)
    yes.fill(lambda x, y: 4 <= x < size - 4 and 4 <= y < size - 4 and
             not (8 <= x < size - 8 and 8 <= y < size - 8), ACCENT, 230)
    images["selection_yes.png"] = yes

    no = Canvas(size, size)
    no.rect(4, 4, size - 4, size - 4, CROSS, 60)
    no.paste(cross_cell(size, 230), 0, 0)
    images["selection_no.png"] = no

    # The stroke that crosses out a clue number, drawn in four steps, one
    # sheet per clue font (sized to its numbers).
    for style in styles:
        images[style.strike] = strike_sheet(style)
    return images


# --------------------------------------------------------------------------


def read_sources(root):
    """Every level picture of every shipped pack, pack by pack, in file order
    (the pack's own description, pack.txt, is no picture)."""
    pictures = []
    for _, pack in shipped_packs(root):
        folder = os.path.join(root, "tools", "levels", pack)
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt") and name != PACK_SOURCE:
                pictures.append(read_picture(os.path.join(folder, name), pack))
    return pictures


def check_sources(root):
    """The pictures, each checked (one solution, a level id and name of its
    own in its pack) and laid out: a list of (picture, layout). ValueError
    for the first fault."""
    pictures = read_sources(root)
    styles = clue_styles(root)
    seen = {}
    levels = []
    for picture in pictures:
        for key, what in (((picture.pack, picture.name), "name"), ((picture.pack, picture.level_id), "level id")):
            if key in seen:
                raise ValueError("%s/%s: the same %s as %s" % (picture.pack, picture.stem, what, seen[key]))
            seen[key] = picture.stem
        check_picture(picture)
        levels.append((picture, choose_layout(picture, styles)))
    return levels


def main():
    args = arguments(__doc__.split("\n")[0],
                     lambda parser: parser.add_argument("--check", action="store_true",
                                                        help="only read and check the sources"))
    try:
        levels = check_sources(args.root)
    except ValueError as error:
        print("make_levels: %s" % error, file=sys.stderr)
        return 1

    for picture, layout in levels:
        print("%s/%-16s %-16s %2d x %-2d  one solution, %2d-pixel cells, %s" % (
            picture.pack, picture.name + ".xml", picture.title, picture.columns, picture.row_count,
            layout.cell, layout.style.font_name))
    if args.check:
        return 0

    resources = args.out
    entries = {"%s/%s.xml" % (p.pack, p.name): level_xml(p, layout) for p, layout in levels}
    write_zip(os.path.join(resources, LEVEL_ARCHIVE), entries)
    process = os.path.join(resources, GAME_PROCESS)
    styles = clue_styles(args.root)
    for style in styles:
        write_bytes(os.path.join(process, style.file), numbers_xml(style))
    write_bytes(os.path.join(process, "settings.xml"), settings_xml())
    write_bytes(os.path.join(process, "effects.xml"), effects_xml())
    for name, image in sorted(board_images(styles).items()):
        write_bytes(os.path.join(resources, BOARD_IMAGES, name), image.png())
    return 0


if __name__ == "__main__":
    sys.exit(main())
