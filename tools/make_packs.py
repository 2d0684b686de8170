#!/usr/bin/env python3
"""Writes the pack descriptions and the packs' board backgrounds.

Source: tools/sources/levels/pack_<N>/pack.txt beside each pack's pictures, one
"key = value" a line ('#' starts a comment line):
  stars2pass   stars, over all packs, that open the pack's first level; the
               packs before it must be able to give them (3 stars a level),
               and the first pack needs none
  price        coins that buy the pack while it is locked
  paper        the pattern of the board's background: plain, ruled, grid or dots
  tint         a colour (#RRGGBB) the paper leans toward
The pack's name is the string "pack_<N>" of tools/sources/strings/ (the pack's
key); the script refuses a pack without it.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/packs_description.xml
      repository name "data/share/main/other packs_description.xml": a "packs"
      element with one "pack" per pack folder, in number order: "id" (N),
      "key" ("pack_N"), "stars2pass", "price", "path" (the folder of its level
      files, "data/share/main/levels pack_N") and a "background" sprite
  data/share/image/packs/background_<N>.png
      1024 x 768 paper: the art direction's paper gradient tinted toward the
      pack's colour, with its faint pattern

Usage: tools/make_packs.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib.content import arguments, shipped_packs, write_bytes, xml_text
from lib.drawing import BLOCK_LINE, GRID_LINE, PAPER, PAPER_BOTTOM, Canvas, mix
from lib.levels import CANVAS, read_sources as read_levels
from lib.packs import read_pack
from lib.strings import read_sources as read_strings

DESCRIPTION = "data/share/main/other/packs_description.xml"
BACKGROUNDS = "data/share/image/packs"
MAX_STARS = 3          # stars a level can give
TINT = 0.07            # how far the paper leans toward the pack's colour
PATTERN_STEP = 32      # pixels between the lines or dots of a pattern


def read_packs(root):
    """The packs in number order, each checked against the levels and the
    string table."""
    packs = [read_pack(root, number, folder) for number, folder in shipped_packs(root)]
    for picture in read_levels(root):
        packs[int(picture.pack.split("_")[1]) - 1].levels += 1
    strings = dict(read_strings(root))
    stars_before = 0
    for pack in packs:
        if pack.levels == 0:
            raise ValueError("tools/sources/levels/%s: a pack holds at least one picture" % pack.folder)
        if pack.key not in strings:
            raise ValueError("%s: no name (a line \"%s = ...\" in tools/sources/strings/)"
                             % (pack.folder, pack.key))
        if pack.number == 1 and pack.stars2pass:
            raise ValueError("%s: the first pack is open from the start (stars2pass = 0)" % pack.folder)
        if pack.stars2pass > stars_before:
            raise ValueError("%s: stars2pass %d, but the packs before it give at most %d stars" % (
                pack.folder, pack.stars2pass, stars_before))
        stars_before += MAX_STARS * pack.levels
    return packs


def description_xml(packs):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_packs.py from %s; edit those. -->"
             % "tools/sources/levels/pack_N/pack.txt",
             "<packs>"]
    for pack in packs:
        lines += ['  <pack id="%d" key="%s" stars2pass="%d" price="%d" path="%s">' % (
                      pack.number, pack.key, pack.stars2pass, pack.price, xml_text(pack.path)),
                  "    <background>",
                  "      <FILE>%s %s</FILE>" % (BACKGROUNDS, pack.background),
                  "      <HOT_SPOT>HS_UL</HOT_SPOT>",
                  "      <POS>0 0</POS>",
                  "    </background>",
                  "  </pack>"]
    lines.append("</packs>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def background(pack):
    """The paper: a vertical gradient leaning toward the pack's tint, and a
    faint pattern every PATTERN_STEP pixels."""
    width, height = CANVAS
    image = Canvas(width, height)
    top, bottom = mix(PAPER, pack.tint, TINT), mix(PAPER_BOTTOM, pack.tint, TINT)
    for y in range(height):
        r, g, b = mix(top, bottom, y / float(height - 1))
        image.pixels[y] = [(r, g, b, 255)] * width
    half = PATTERN_STEP // 2
    if pack.paper in ("ruled", "grid"):
        for y in range(half, height, PATTERN_STEP):
            image.rect(0, y, width, y + 1, GRID_LINE, 110)
    if pack.paper == "grid":
        for x in range(half, width, PATTERN_STEP):
            image.rect(x, 0, x + 1, height, GRID_LINE, 110)
    if pack.paper == "dots":
        for y in range(half, height, PATTERN_STEP):
            for x in range(half, width, PATTERN_STEP):
                image.circle(x, y, 1.6, BLOCK_LINE, 70)
    return image


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        packs = read_packs(args.root)
    except ValueError as error:
        print("make_packs: %s" % error, file=sys.stderr)
        return 1
    write_bytes(os.path.join(args.out, DESCRIPTION), description_xml(packs))
    for pack in packs:
        write_bytes(os.path.join(args.out, BACKGROUNDS, pack.background), background(pack).png())
        print("%s: %d levels, %d stars to pass, %d coins, %s paper" % (
            pack.key, pack.levels, pack.stars2pass, pack.price, pack.paper))
    return 0


if __name__ == "__main__":
    sys.exit(main())
