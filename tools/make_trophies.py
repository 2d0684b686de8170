#!/usr/bin/env python3
"""Writes the desktop edition's trophies file and the trophy pictures.

Source: tools/sources/trophies.txt, one trophy per line (its header explains
the columns). A line whose name holds "{pack}" gives one trophy per shipped
pack (tools/sources/levels/pack_<N>, "tr_pack_N"), so a new pack gets its
trophy when this script runs again. Every trophy has exactly one condition, and
the script refuses a target that the shipped levels cannot reach (stars,
streaks, hints or coins beyond what winning every shipped level once gives) and
a value name or type other than the settled ones.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/trophies.xml   repository name "data/share/main/other
                                       trophies.xml": a "trophies" element with
                                       one element per trophy ("name", "desc",
                                       "image_open", "image_close", "bonus") and
                                       its "condition" ("name", "value_type",
                                       "value", "operator")
  data/share/image/trophies/<name>_open.png, <name>_closed.png
                                       128 x 128 medals: open in the accent
                                       colour, closed the same desaturated
A trophy's description key is its name followed by "_desc".

Usage: tools/make_trophies.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes, xml_text
from lib.levels import read_sources as read_levels
from lib.rules import COINS_PER_CELL, MAX_HINTS
from lib.trophies import SOURCE, read_trophies

TROPHIES = "data/share/main/other/trophies.xml"
IMAGES = "data/share/image/trophies"
SIZE = 128

def check_reachable(trophy, levels):
    """Refuses a numeric target that winning every shipped level once cannot
    reach (a target of 0 or less would be got at once)."""
    best = {
        "pack_completion": 1.0,
        "without_hint_max": len(levels),
        "without_error_max": len(levels),
        "hint_use": len(levels) * MAX_HINTS,
        "three_star_levels": len(levels),
        "max_score": sum(row.count("#") for level in levels for row in level.rows) * COINS_PER_CELL,
    }.get(trophy.value)
    if best is None or trophy.operator not in (">=", "==", ">"):
        return
    if trophy.target <= 0 or trophy.target > best or (trophy.operator == ">" and trophy.target >= best):
        raise ValueError("trophy %s: %s %s %s cannot be reached with the shipped levels (at most %s)" % (
            trophy.name, trophy.value, trophy.operator, trophy.target, best))


def value_text(trophy):
    if trophy.kind == "bool":
        return "true" if trophy.target else "false"
    if trophy.kind == "float":
        return repr(float(trophy.target))
    return str(trophy.target)


def trophies_xml(trophies):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_trophies.py from %s; edit that. -->" % SOURCE,
             "<trophies>"]
    for trophy in trophies:
        lines.append('  <trophy name="%s" desc="%s_desc" image_open="%s %s" image_close="%s %s" bonus="%d">' % (
            xml_text(trophy.name), xml_text(trophy.name), IMAGES, trophy.image("open"),
            IMAGES, trophy.image("closed"), trophy.bonus))
        lines.append('    <condition name="%s" value_type="%s" value="%s" operator="%s"/>' % (
            trophy.value, trophy.kind, value_text(trophy), xml_text(trophy.operator)))
        lines.append("  </trophy>")
    lines.append("</trophies>")
    return ("\n".join(lines) + "\n").encode("utf-8")


# --------------------------------------------------------------------------
# Pictures: a round medal on two ribbon tails, its rim in the accent colour,
# an emblem on its light face.

CX, CY = 64, 54      # the medal's centre
RIM = 46             # its outer radius
FACE = 34            # the radius of its light face


def emblem_stars(canvas, count):
    layouts = {1: [(CX, CY + 1, 20)],
               2: [(CX - 13, CY + 1, 13), (CX + 13, CY + 1, 13)],
               3: [(CX - 19, CY + 5, 11), (CX, CY - 6, 12), (CX + 19, CY + 5, 11)]}
    for x, y, r in layouts[count]:
        canvas.polygon(gfx.star_points(x, y, r), gfx.ACCENT)
        canvas.shape(gfx.subtract(gfx.polygon_distance(gfx.star_points(x, y, r)),
                                  gfx.polygon_distance(gfx.star_points(x, y, r - 2.5))),
                     gfx.darker(gfx.ACCENT, 0.25), box=(x - r - 1, y - r - 1, x + r + 1, y + r + 1))


def emblem_coins(canvas, count):
    layouts = {1: [(CX, CY, 18)],
               2: [(CX - 8, CY + 5, 14), (CX + 8, CY - 4, 14)],
               3: [(CX - 12, CY + 7, 12), (CX + 12, CY + 7, 12), (CX, CY - 8, 12)]}
    for x, y, r in layouts[count]:
        gfx.coin(canvas, x, y, r)


def emblem_bulb(canvas):
    gfx.bulb(canvas, CX, CY)


def emblem_no_hint(canvas):
    emblem_bulb(canvas)
    canvas.line(CX - 17, CY - 19, CX + 17, CY + 17, 5, gfx.ERROR)


def emblem_no_error(canvas):
    canvas.polyline([(CX - 15, CY + 1), (CX - 5, CY + 11), (CX + 16, CY - 11)], 7, gfx.SUCCESS)


def emblem_cup(canvas):
    bowl = gfx.union(gfx.intersect(gfx.circle_distance(CX, CY - 8, 17),
                                   lambda x, y: (CY - 8) - y),
                     gfx.rounded_rect_distance(CX - 17, CY - 20, CX + 17, CY - 7, 2))
    canvas.ring(CX - 17, CY - 10, 8, 3, gfx.darker(gfx.ACCENT, 0.2))
    canvas.ring(CX + 17, CY - 10, 8, 3, gfx.darker(gfx.ACCENT, 0.2))
    canvas.shape(bowl, gfx.ACCENT, box=(CX - 18, CY - 21, CX + 18, CY + 10))
    canvas.rect(CX - 3, CY + 8, CX + 3, CY + 15, gfx.darker(gfx.ACCENT, 0.2))
    canvas.rounded_rect(CX - 12, CY + 14, CX + 12, CY + 20, 2, gfx.darker(gfx.ACCENT, 0.2))


def emblem_pack(canvas, trophy):
    canvas.text(str(trophy.pack), CX, CY, 30, 6, gfx.FILLED)


# The emblems by picture name (tools/lib/trophies.py names them); each draws
# on (canvas, trophy).
EMBLEMS = {
    "pack": emblem_pack,
    "no_hint": lambda canvas, trophy: emblem_no_hint(canvas),
    "no_error": lambda canvas, trophy: emblem_no_error(canvas),
    "hint": lambda canvas, trophy: emblem_bulb(canvas),
    "cup": lambda canvas, trophy: emblem_cup(canvas),
}
for _count in (1, 2, 3):
    EMBLEMS["stars_%d" % _count] = lambda canvas, trophy, count=_count: emblem_stars(canvas, count)
    EMBLEMS["coins_%d" % _count] = lambda canvas, trophy, count=_count: emblem_coins(canvas, count)


def medal(trophy):
    canvas = gfx.Canvas(SIZE, SIZE)
    ribbon, ribbon_dark = gfx.SECONDARY, gfx.darker(gfx.SECONDARY, 0.25)
    canvas.polygon([(CX - 22, CY + 20), (CX - 4, CY + 28), (CX - 14, 122), (CX - 24, 112), (CX - 34, 118)],
                   ribbon_dark)
    canvas.polygon([(CX + 22, CY + 20), (CX + 4, CY + 28), (CX + 14, 122), (CX + 24, 112), (CX + 34, 118)],
                   ribbon)
    canvas.circle(CX, CY, RIM, gfx.vertical_gradient(CY - RIM, CY + RIM, gfx.lighter(gfx.ACCENT, 0.3),
                                                     gfx.darker(gfx.ACCENT, 0.12)))
    canvas.ring(CX, CY, RIM, 3, gfx.darker(gfx.ACCENT, 0.25))
    canvas.circle(CX, CY, FACE + 2, gfx.darker(gfx.ACCENT, 0.25))
    canvas.circle(CX, CY, FACE, gfx.PANEL)
    EMBLEMS[trophy.picture](canvas, trophy)
    return canvas.with_shadow(3, (0, 3), gfx.INK, 0.3)


def pictures(trophy):
    opened = medal(trophy)
    return {trophy.image("open"): opened, trophy.image("closed"): opened.desaturated(lighten=0.15)}


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        levels = read_levels(args.root)
        trophies = read_trophies(args.root, levels)
        for trophy in trophies:
            check_reachable(trophy, levels)
        images = {}
        for trophy in trophies:
            images.update(pictures(trophy))
    except ValueError as error:
        print("make_trophies: %s" % error, file=sys.stderr)
        return 1
    write_bytes(os.path.join(args.out, TROPHIES), trophies_xml(trophies))
    for name, image in sorted(images.items()):
        write_bytes(os.path.join(args.out, IMAGES, name), image.png())
    for trophy in trophies:
        print("%-20s %s %s %s  bonus %d" % (trophy.name, trophy.value, trophy.operator,
                                           value_text(trophy), trophy.bonus))
    return 0


if __name__ == "__main__":
    sys.exit(main())
