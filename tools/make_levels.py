#!/usr/bin/env python3
"""Writes the game's levels and the board's files from readable sources.

Sources: tools/levels/<pack>/<NN>_<name>.txt, each a named picture drawn in
text: a line "name: Title", then the picture's rows of '#' (picture cell) and
'.' (empty cell). Every picture must have exactly one solution from its
clues; an ambiguous or contradictory picture stops the script with an error
and nothing is written.

Outputs (under Resources/, the same bytes for the same sources):
  data/share/main/levels               zip archive: <pack>/<name>.xml per level
  data/share/main/GameProcess/         numbers.xml, settings.xml, effects.xml
  data/share/image/board/              the board's images (PNG)

A level's repository name is "data/share/main/levels <pack>/<name>.xml": the
archive is a repository folder, the pack's path is
"data/share/main/levels <pack>" and a level record's file is "<name>.xml".

Usage: tools/make_levels.py [--check] [--root DIR] [--out DIR]
  --check  only read and check the sources (clues, one solution each)
  --root   the checkout to read from (default: this script's)
  --out    the resources folder to write into (default: <root>/Resources)
Python 3 standard library only (tools/drawing.py, tools/content.py).
"""

import os
import sys
from functools import lru_cache

from content import arguments, shipped_packs, write_bytes, write_zip
from drawing import (ACCENT, BLOCK_LINE, CLOSED, CROSS, CROSSED_NUMBER, ERROR, FILLED, GRID_LINE, INK,
                     SECONDARY, Canvas, lighter, segment_distance, sheet)

LEVEL_ARCHIVE = "data/share/main/levels"
GAME_PROCESS = "data/share/main/GameProcess"
BOARD_IMAGES = "data/share/image/board"

# Layout on the 1024 x 768 canvas: the board sits right of and below the clue
# strips (160 pixels each), its cells as large as fit in 480 pixels.
CANVAS = (1024, 768)
CLUE_STRIP = 160
BOARD_SPACE = 480
MAX_CELL = 64
BLOCK = 5
BLOCK_GAP = 4

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
        self.stem = stem            # "01_heart"
        self.name = stem.split("_", 1)[1] if "_" in stem else stem
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
# Level files


def cell_size(picture):
    side = max(picture.columns, picture.row_count)
    return min(MAX_CELL, BOARD_SPACE // side)


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


def level_xml(picture):
    size = cell_size(picture)
    centre_x = (CANVAS[0] + CLUE_STRIP) // 2
    centre_y = (CANVAS[1] + CLUE_STRIP) // 2
    block = (min(BLOCK, picture.columns), min(BLOCK, picture.row_count))
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- %s: %d x %d -->" % (picture.title, picture.columns, picture.row_count),
             '<level name="%s">' % picture.title,
             '  <settings elSize="%d %d" grid="%d %d" block="%d %d" shiftBlock="%d %d" '
             'position="%d %d" bonuses="%d">' % (
                 size, size, picture.columns, picture.row_count, block[0], block[1],
                 -BLOCK_GAP, -BLOCK_GAP, centre_x, centre_y, bonus_count(picture))]
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


def numbers_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<numbers>"]
    common = ' font="sans_bold_20" font_color="%s" font_cross="%s"' % (hex_colour(INK), hex_colour(CROSSED_NUMBER))
    lines += animation_xml("numbersLeft", "strike.png", 4, 24, False,
                           common + ' interval="30" shift_first="22 0"')
    lines += animation_xml("numbersUp", "strike.png", 4, 24, False,
                           common + ' interval="24" shift_first="0 18"')
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
    lines += ["  </end_level_effect>", "</effects>"]
    return ("\n".join(lines) + "\n").encode("utf-8")


# --------------------------------------------------------------------------
# Images (tools/drawing.py draws them, 4 x 4 samples per pixel).


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


def board_images():
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

    # The stroke that crosses out a clue number, drawn in four steps.
    strike_frames = []
    for step in range(1, 5):
        frame = Canvas(32, 32)
        end = 4 + 24 * step / 4.0
        frame.fill(lambda x, y, end=end: segment_distance(x, y, 4, 20, end, 20 - (end - 4) / 3.0) <= 1.6,
                   ERROR, 230)
        strike_frames.append(frame)
    images["strike.png"] = sheet(strike_frames)
    return images


# --------------------------------------------------------------------------


def read_sources(root):
    """Every level picture of every shipped pack, pack by pack, in file order."""
    pictures = []
    for _, pack in shipped_packs(root):
        folder = os.path.join(root, "tools", "levels", pack)
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt"):
                pictures.append(read_picture(os.path.join(folder, name), pack))
    return pictures


def main():
    args = arguments(__doc__.split("\n")[0],
                     lambda parser: parser.add_argument("--check", action="store_true",
                                                        help="only read and check the sources"))

    try:
        pictures = read_sources(args.root)
        names = set()
        for picture in pictures:
            key = (picture.pack, picture.name)
            if key in names:
                raise ValueError("%s/%s: two pictures with one name" % key)
            names.add(key)
            check_picture(picture)
    except ValueError as error:
        print("make_levels: %s" % error, file=sys.stderr)
        return 1

    for picture in pictures:
        print("%s/%s.xml  %-10s %2d x %-2d  one solution" % (
            picture.pack, picture.name, picture.title, picture.columns, picture.row_count))
    if args.check:
        return 0

    resources = args.out
    entries = {"%s/%s.xml" % (p.pack, p.name): level_xml(p) for p in pictures}
    write_zip(os.path.join(resources, LEVEL_ARCHIVE), entries)
    process = os.path.join(resources, GAME_PROCESS)
    write_bytes(os.path.join(process, "numbers.xml"), numbers_xml())
    write_bytes(os.path.join(process, "settings.xml"), settings_xml())
    write_bytes(os.path.join(process, "effects.xml"), effects_xml())
    for name, image in sorted(board_images().items()):
        write_bytes(os.path.join(resources, BOARD_IMAGES, name), image.png())
    return 0


if __name__ == "__main__":
    sys.exit(main())
