#!/usr/bin/env python3
"""Writes the game's levels and the board's files from readable sources.

Sources: tools/sources/levels/<pack>/<NN>_<name>.txt, each a named picture
drawn in text: a line "name: Title", then the picture's rows of '#' (picture
cell) and '.' (empty cell). A pack holds at most as many pictures as the level
list has items (the grid file "levels_grid" of tools/sources/windows/packs.txt).
Each board is laid out as tools/lib/levels.py places it (the controls' regions
kept free, the largest clue font and cell that fit), and every picture must
have exactly one solution from its clues. The first fault (a pack too large,
then per picture its size and layout, then its solutions) stops the script
with one line and nothing is written.

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

import os
import sys
from functools import lru_cache

from lib.content import arguments, hex_colour, write_bytes, write_zip, xml_text
from lib.drawing import (ACCENT, BLOCK_LINE, CLOSED, CROSS, CROSSED_NUMBER, ERROR, FILLED, GRID_LINE, INK,
                         SECONDARY, Canvas, lighter, segment_distance, sheet)
from lib.levels import (BLOCK, BLOCK_GAP, BOARD_IMAGES, COIN_AT, LEVEL_ARCHIVE, PLAY_IMAGES, choose_layout, clue_of,
                        clue_styles, read_sources)
from lib.rules import BONUS_COINS, COINS_PER_CELL, MAX_HINTS
from lib.windows import LEVEL_LIST, grid_size

GAME_PROCESS = "data/share/main/GameProcess"
EFFECT_IMAGES = "data/share/image/effects"

# The least room (pixels) between the cross-out strokes of two neighbouring
# numbers of a row.
STRIKE_SEPARATION = 3


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


def check_pack_sizes(root, pictures):
    """No pack holds more pictures than the level list has items: the list
    shows a level per item and would leave the rest out."""
    limit, source = grid_size(root, LEVEL_LIST)
    counts = {}
    for picture in pictures:
        counts[picture.pack] = counts.get(picture.pack, 0) + 1
    for pack, count in counts.items():
        if count > limit:
            raise ValueError("%s: %d levels, more than the %d items of the level list (pages %s in %s)" % (
                pack, count, limit, LEVEL_LIST, source))


def check_sources(root):
    """The pictures, each checked (a level id and name of its own in its
    pack, a size and layout the game can show, then one solution) and laid
    out, in packs no larger than the level list: a list of (picture,
    layout). ValueError for the first fault."""
    pictures = read_sources(root)
    check_pack_sizes(root, pictures)
    styles = clue_styles(root)
    seen = {}
    levels = []
    for picture in pictures:
        for key, what in (((picture.pack, picture.name), "name"), ((picture.pack, picture.level_id), "level id")):
            if key in seen:
                raise ValueError("%s/%s: the same %s as %s" % (picture.pack, picture.stem, what, seen[key]))
            seen[key] = picture.stem
        layout = choose_layout(picture, styles)
        check_picture(picture)
        levels.append((picture, layout))
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
