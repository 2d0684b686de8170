#!/usr/bin/env python3
"""Writes the game's sounds and its sound bank from tools/sources/sounds.txt.

Source: tools/sources/sounds.txt, the bank's groups and each sound's recipe
(the form and its rules: tools/lib/sounds.py).

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/sound/<sound>.ogg        Ogg Vorbis, mono, quality QUALITY; sox
                                      runs with -R (its own random numbers
                                      fixed) and the Ogg stream's serial
                                      number is fixed (from the name), so a
                                      run gives the same bytes again
  data/share/main/other/sound.xml     the sound bank: the document element
                                      "sound", one <group name=...> per group
                                      and one <item name path streamed
                                      cnt_buffers> per sound. The bank's
                                      "streamed" attribute says "decode whole
                                      at load" when true: "whole" writes 1,
                                      "stream" 0.

Needs sox and oggenc (Debian: sox, vorbis-tools).
Usage: tools/make_sounds.py [--root DIR] [--out DIR]
"""

import os
import shutil
import subprocess
import sys
import tempfile
import zlib

from lib.content import arguments, write_bytes, xml_text
from lib.sounds import LOADS, SOURCE, read_source

SOUND_FOLDER = "data/share/sound"
BANK = "data/share/main/other/sound.xml"
RATE = 44100
QUALITY = "4"


def sound_path(name):
    return "%s %s.ogg" % (SOUND_FOLDER, name)


def synthesize(name, recipe, work):
    """The Ogg Vorbis bytes of one recipe."""
    wav = os.path.join(work, name + ".wav")
    ogg = os.path.join(work, name + ".ogg")
    subprocess.run(["sox", "-R", "-n", "-r", str(RATE), "-c", "1", "-b", "16", wav] + recipe,
                   check=True, stdout=subprocess.DEVNULL)
    serial = zlib.crc32(name.encode("utf-8")) & 0x7FFFFFFF
    subprocess.run(["oggenc", "--quiet", "--quality", QUALITY, "--serial", str(serial),
                    "-o", ogg, wav], check=True, stdout=subprocess.DEVNULL)
    with open(ogg, "rb") as data:
        return data.read()


def bank_xml(groups):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_sounds.py from %s; edit that. -->" % SOURCE,
             "<sound>"]
    for group, sounds in groups:
        if not sounds:
            lines.append(' <group name="%s"/>' % xml_text(group))
            continue
        lines.append(' <group name="%s">' % xml_text(group))
        for name, load, buffers, _ in sounds:
            lines.append('  <item name="%s" path="%s" streamed="%s" cnt_buffers="%d"/>'
                         % (xml_text(name), xml_text(sound_path(name)), LOADS[load], buffers))
        lines.append(" </group>")
    lines.append("</sound>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        groups = read_source(args.root)
    except ValueError as error:
        print("make_sounds: %s" % error, file=sys.stderr)
        return 1
    for tool in ("sox", "oggenc"):
        if shutil.which(tool) is None:
            print("make_sounds: %s is not installed (Debian: sox, vorbis-tools)" % tool,
                  file=sys.stderr)
            return 1
    with tempfile.TemporaryDirectory() as work:
        for group, sounds in groups:
            for name, _, _, recipe in sounds:
                try:
                    data = synthesize(name, recipe, work)
                except subprocess.CalledProcessError as error:
                    print("make_sounds: %s: %s failed" % (name, error.cmd[0]), file=sys.stderr)
                    return 1
                write_bytes(os.path.join(args.out, SOUND_FOLDER, name + ".ogg"), data)
                print("%s/%s.ogg  %d bytes" % (SOUND_FOLDER, name, len(data)))
    write_bytes(os.path.join(args.out, BANK), bank_xml(groups))
    print("%s: %d groups" % (BANK, len(groups)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
