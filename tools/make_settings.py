#!/usr/bin/env python3
"""Writes the game's settings files: the shipped "game.xml" and the editions.

Sources: the values below. The game starts by reading "game.xml" (who made
it, the product it saves under, the edition and the language), then the
element of "editions.xml" whose "type" is that edition: the files the
edition reads and its switches. The script refuses an edition file name
that names no shipped file, unless it is empty.

Outputs (under the resources folder, the same bytes for the same sources):
  game.xml                            repository name "game.xml": "company",
                                      "product", "edition", "lang" and
                                      "fullscreen", each with "value"
  data/share/main/other/editions.xml  repository name "data/share/main/other
                                      editions.xml": one "edition" per
                                      edition, children with "file" (file
                                      names) or "param" (the other values)

Usage: tools/make_settings.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib.content import arguments, write_bytes, xml_text

GAME = "game.xml"
EDITIONS = "data/share/main/other/editions.xml"

# The shipped game.xml. The product is the game's product identifier (the
# program refuses any other); company and product name the save folder
# below the user's data folder.
COMPANY = "Vorlane"
PRODUCT = "HarvelstonePyndlex"
EDITION = "desktop"
LANGUAGE = "en"
FULLSCREEN = False

OTHER = "data/share/main/other"

# The editions, each (type, platform, files, switches). Files are
# repository names ("folder file"); an empty name is no file.
EDITION_LIST = [
    ("desktop", "win", [
        ("scenes", OTHER + " scenes.xml"),       # the window list
        ("store", OTHER + " store.xml"),         # the shop catalogue (tools/make_shop.py)
        ("tutorial", OTHER + " tutorial.xml"),
        ("trophies", OTHER + " trophies.xml"),   # tools/make_trophies.py
        ("inapp", ""),                           # no store products: the shop sells for coins
        ("ad", ""),                              # no ads on the desktop
        ("player", OTHER + " player.xml"),       # the template player (tools/make_player.py)
        ("leaderboard", ""),                     # no leaderboards
    ], [
        ("url_file", ""),                        # no installation files to check or open
        ("exe_file", ""),
        ("heart", "true"),                       # hearts are spent and refilled
        ("pack_logic_stars", "true"),            # stars unlock the next pack
        ("store_button", "true"),
        ("free", "false"),                       # locked packs are bought with coins
        ("default_player", "false"),             # the first run asks for a name
        ("run_if_url_lost", "true"),
        ("run_if_exe_lost", "true"),
    ]),
]

def game_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_settings.py; edit that. -->",
             "<game>"]
    for name, value in (("company", COMPANY), ("product", PRODUCT), ("edition", EDITION),
                        ("lang", LANGUAGE), ("fullscreen", "true" if FULLSCREEN else "false")):
        lines.append('  <%s value="%s"/>' % (name, xml_text(value)))
    lines.append("</game>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def shipped_path(root, name):
    """The file of the repository name "folder file" below <root>/Resources."""
    return os.path.join(root, "Resources", *name.replace(" ", "/").split("/"))


def check_files(root):
    for edition, _, files, _ in EDITION_LIST:
        for kind, name in files:
            if name and not os.path.isfile(shipped_path(root, name)):
                raise ValueError("edition %s: the %s file %r is not shipped" % (edition, kind, name))
    if EDITION not in [edition for edition, _, _, _ in EDITION_LIST]:
        raise ValueError("game.xml names the edition %r, which is not listed" % EDITION)


def editions_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_settings.py; edit that. -->",
             "<editions>"]
    for edition, platform, files, switches in EDITION_LIST:
        lines.append('  <edition type="%s">' % xml_text(edition))
        lines.append('    <platform type="%s"/>' % xml_text(platform))
        lines += ['    <%s file="%s"/>' % (kind, xml_text(name)) for kind, name in files]
        lines += ['    <%s param="%s"/>' % (kind, xml_text(value)) for kind, value in switches]
        lines.append("  </edition>")
    lines.append("</editions>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        check_files(args.root)
    except ValueError as error:
        print("make_settings: %s" % error, file=sys.stderr)
        return 1
    write_bytes(os.path.join(args.out, GAME), game_xml())
    write_bytes(os.path.join(args.out, *EDITIONS.split("/")), editions_xml())
    return 0


if __name__ == "__main__":
    sys.exit(main())
