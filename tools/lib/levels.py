"""The level model: the pictures of the level sources, their clues, and each
board's layout on the screen (where the gameplay controls stand, the clue
fonts, the cell size), as tools/make_levels.py writes the levels and
tools/make_play_screen.py places the controls around them.

  read_sources(root)         every level picture of every shipped pack, in
                             pack and file order (Picture: pack, stem,
                             level_id, name, title, rows)
  read_picture(path, pack)   one picture source
  clue_of(line)              a line's clue: the lengths of its runs
  clue_styles(root)          the clue fonts (ClueStyle), largest first,
                             measured from the shipped fonts
  choose_layout(picture, styles)
                             the board's Layout: the largest clue font and
                             cell with which board and clues fit the play
                             area legibly (ValueError when none does)
  board_span(cells, cell), cell_centre(index, cell)
                             a board's length and a line's centre, as the
                             game computes them
Python 3 standard library and tools/lib/ only.
"""

import math
import os
import re
from xml.etree import ElementTree

from .content import shipped_packs

# Where the levels and the board's pictures are shipped, where the clue
# fonts are read from, and the file beside a pack's pictures that is none.
LEVEL_ARCHIVE = "data/share/main/levels"
BOARD_IMAGES = "data/share/image/board"
PLAY_IMAGES = "data/share/image/play"
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
    where = "%s/%s" % (pack, stem)   # as the other checks name a picture
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
                raise ValueError("%s:%d: a picture row holds only '#' and '.'" % (where, number))
            rows.append(line)
    if not title:
        raise ValueError("%s: no \"name:\" line" % where)
    if not rows:
        raise ValueError("%s: no picture" % where)
    if any(len(r) != len(rows[0]) for r in rows):
        raise ValueError("%s: the rows differ in length" % where)
    if not any("#" in r for r in rows):
        raise ValueError("%s: the picture has no '#' cell" % where)
    return Picture(pack, stem, title, rows)


def read_sources(root):
    """Every level picture of every shipped pack, pack by pack, in file order
    (the pack's own description, pack.txt, is no picture)."""
    pictures = []
    for _, pack in shipped_packs(root):
        folder = os.path.join(root, "tools", "sources", "levels", pack)
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt") and name != PACK_SOURCE:
                pictures.append(read_picture(os.path.join(folder, name), pack))
    return pictures


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
