#!/usr/bin/env python3
"""Writes the desktop edition's store file and the shop's pictures.

Source: tools/sources/shop.txt, one offer per line (its header explains the
columns); each ladder must start above the template player's count of its
name (tools/lib/rules.py). The script
refuses an unknown picture, a value that is not a whole number above the
template player's count, a ladder that does not rise, an offer without its
title and description in tools/sources/strings/shop.txt, and an endless offer
listed twice.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/store.xml     repository name "data/share/main/other
                                      store.xml": a "store" element with one
                                      "item" per offer ("name", "price",
                                      "annotation", "image", "endless",
                                      "InAppKey", "value")
  data/share/image/shop/<picture>.png SIZE x SIZE flat icons: hint (a bulb),
                                      heart, mistake (the error mark with a
                                      plus) and coins (shown beside prices)

Usage: tools/make_shop.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import drawing as gfx
from lib.content import arguments, write_bytes, xml_text
from lib.shop import ENDLESS, IMAGES, PICTURES, SOURCE, read_offers
from lib.strings import read_sources as read_strings

STORE = "data/share/main/other/store.xml"
SIZE = 96


def check_strings(offers, strings):
    keys = {key for key, _ in strings}
    for offer in offers:
        for key in (offer.name, offer.name + "_desc"):
            if key not in keys:
                raise ValueError("offer %s: no string %s in tools/sources/strings/" % (offer.name, key))


def store_xml(offers):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_shop.py from %s; edit that. -->" % SOURCE,
             "<store>"]
    for offer in offers:
        lines.append('  <item name="%s" price="%d" annotation="%s_desc" image="%s %s.png" endless="%s" '
                     'InAppKey="%s" value="%d"/>' % (
                         xml_text(offer.name), offer.price, xml_text(offer.name), IMAGES, offer.picture,
                         "true" if offer.endless else "false", xml_text(offer.name),
                         0 if offer.endless else offer.value))
    lines.append("</store>")
    return ("\n".join(lines) + "\n").encode("utf-8")


# --------------------------------------------------------------------------
# Pictures: flat shapes in the palette, centred on a SIZE x SIZE canvas.

MID = SIZE / 2.0


def picture_hint(canvas):
    gfx.bulb(canvas, MID, MID, 2.0)


def picture_heart(canvas):
    gfx.heart(canvas, MID, MID + 2, 34)


def picture_mistake(canvas):
    """One more mistake allowed: the error panel's mark with a plus."""
    gfx.error_mark(canvas, MID - 6, MID + 6, 2.9)
    canvas.circle(MID + 24, MID - 24, 15, gfx.SUCCESS)
    canvas.line(MID + 16, MID - 24, MID + 32, MID - 24, 4.5, gfx.PANEL)
    canvas.line(MID + 24, MID - 32, MID + 24, MID - 16, 4.5, gfx.PANEL)


def picture_coins(canvas):
    gfx.coin(canvas, MID - 10, MID + 10, 24)
    gfx.coin(canvas, MID + 12, MID - 10, 24)


# Each picture an offer may show (tools/lib/shop.py names them), drawn.
DRAWINGS = {
    "hint": picture_hint,
    "heart": picture_heart,
    "mistake": picture_mistake,
    "coins": picture_coins,
}


def picture(name):
    canvas = gfx.Canvas(SIZE, SIZE)
    DRAWINGS[name](canvas)
    return canvas.with_shadow(2, (0, 2), gfx.INK, 0.25)


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        offers = read_offers(args.root)
        check_strings(offers, read_strings(args.root))
    except ValueError as error:
        print("make_shop: %s" % error, file=sys.stderr)
        return 1
    write_bytes(os.path.join(args.out, STORE), store_xml(offers))
    for name in sorted(PICTURES):
        write_bytes(os.path.join(args.out, IMAGES, name + ".png"), picture(name).png())
    for offer in offers:
        print("%-14s %-8s %5d coins  %s" % (offer.name, ENDLESS if offer.endless else offer.value,
                                            offer.price, offer.picture))
    return 0


if __name__ == "__main__":
    sys.exit(main())
