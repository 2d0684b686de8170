#!/usr/bin/env python3
"""Writes the template player: the player every new player is a copy of.

player_xml(root) gives the player's element as the game's player reads it
(GG_PLAYER::Load): the profile's attributes, its rule values as items, one
"pack" per pack folder (tools/sources/levels/pack_<N>, id N) listing every
level of the pack in order ("id" the picture's number, "file" its level file
inside the pack's path, "lock"), the statistics ("statisctic", all 0) and the
hearts ("health": full, refilled one every REFILL_MINUTES). Only the first
level of the first pack is open; the first level of every other pack opens by
stars (its pack's stars2pass) or by buying the pack. The packs carry no "lock"
or "InAppKey": the desktop edition sells no packs through a store.

Sources: the rule values of tools/lib/rules.py, the hearts below, the levels
in tools/sources/levels/.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/player.xml    repository name "data/share/main/other
                                      player.xml", the edition's "player"
                                      file (tools/make_settings.py): the
                                      <player> element

Usage: tools/make_player.py [--root DIR] [--out DIR] [--print]
  --print writes the element to stdout instead.
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib.content import arguments, write_bytes, xml_text
from lib.levels import read_sources as read_levels
from lib.rules import PLAYER_RULES

PLAYER = "data/share/main/other/player.xml"

HEARTS = 5              # hearts of a new player: all of them
REFILL_MINUTES = 20     # one spent heart comes back after this long
STATISTICS = ["health", "score", "max_score", "hint_use", "without_hint_max", "without_hint",
              "without_error_max", "without_error", "bad_level_max", "bad_level", "min_level_time"]


def packs_of(root):
    """[(pack id, [(level id, level file), ...]), ...] in pack and level order."""
    packs = {}
    for picture in read_levels(root):
        packs.setdefault(int(picture.pack.split("_")[1]), []).append(
            (picture.level_id, "%s.xml" % picture.name))
    return sorted(packs.items())


def player_xml(root):
    lines = ['<player sound_volume="50" music_volume="50" passed_tutorial="false" game_cursor="true">',
             "  <playeritems>"]
    lines += ['    <item name="%s" count="%d"/>' % (name, count) for name, count in PLAYER_RULES]
    lines += ["  </playeritems>", "  <packs>"]
    for pack_id, levels in packs_of(root):
        lines.append('    <pack id="%d">' % pack_id)
        for index, (level_id, file) in enumerate(levels):
            first = pack_id == 1 and index == 0
            lines.append('      <level id="%d" lock="%s" file="%s"/>' % (
                level_id, "false" if first else "true", xml_text(file)))
        lines.append("    </pack>")
    lines.append("  </packs>")
    lines.append("  <statisctic %s/>" % " ".join('%s="0"' % name for name in STATISTICS))
    lines.append('  <health increment="false" count="%d" countdown="0" time_refill_heart="%d"/>' % (
        HEARTS, REFILL_MINUTES * 60))
    lines.append("</player>")
    return "\n".join(lines) + "\n"


def player_file(root):
    return ('<?xml version="1.0" encoding="utf-8"?>\n'
            "<!-- Written by tools/make_player.py from its rule values and %s/; "
            % "tools/sources/levels" +
            "edit those. -->\n" + player_xml(root)).encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0], extra=lambda parser: parser.add_argument(
        "--print", action="store_true", help="write the element to stdout instead"))
    try:
        if args.print:
            sys.stdout.write(player_xml(args.root))
        else:
            write_bytes(os.path.join(args.out, *PLAYER.split("/")), player_file(args.root))
    except ValueError as error:
        print("make_player: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
