#!/usr/bin/env python3
"""Writes the game's window descriptions and the scene list from their layouts.

Sources: tools/sources/windows/*.txt, read in file-name order, in the layout
form that tools/lib/windows.py describes, reads and checks.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/windows/<Name>.xml   one window description each: the
                                       element "window" with _name and _type
                                       first, then the items in source order
  data/share/main/windows/<Name>.xml   one grid file per "pages": the
                                       element "pages" and its items
  data/share/main/other/scenes.xml     the scene list the edition names:
                                       <scenes> with one <scene
                                       file="data/share/main/windows
                                       <Name>.xml"/> per window, in source
                                       order (the window manager registers
                                       them in this order)

Usage: tools/make_windows.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib.content import arguments, write_bytes
from lib.windows import SOURCE_FOLDER, Reader, attributes_xml

OUT_FOLDER = "data/share/main/windows"
SCENES = "data/share/main/other/scenes.xml"  # named by the edition (tools/make_settings.py)

def grid_xml(name, source, attributes, items):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_windows.py from %s; edit that. -->" % source,
             "<pages%s>" % attributes]
    lines += [" " + text for text in items]
    lines.append("</pages>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def window_xml(window):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_windows.py from %s; edit that. -->"
             % window.source,
             "<window%s>" % attributes_xml(window.attributes)]
    lines += [" " + text for child in window.children for text in child.split("\n")]
    lines.append("</window>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def scenes_xml(windows):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_windows.py from %s/*.txt; edit those. -->"
             % SOURCE_FOLDER,
             "<scenes>"]
    lines += [' <scene file="%s %s.xml"/>' % (OUT_FOLDER, window.name) for window in windows]
    lines.append("</scenes>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        reader = Reader(args.root)
        windows = reader.read()
    except ValueError as error:
        print("make_windows: %s" % error, file=sys.stderr)
        return 1
    out = os.path.join(args.out, *OUT_FOLDER.split("/"))
    for window in windows:
        write_bytes(os.path.join(out, window.name + ".xml"), window_xml(window))
    for grid in reader.grids:
        write_bytes(os.path.join(out, grid[0] + ".xml"), grid_xml(*grid))
    write_bytes(os.path.join(args.out, *SCENES.split("/")), scenes_xml(windows))
    print("%s: %d windows, %d grid files; %s" % (OUT_FOLDER, len(windows), len(reader.grids), SCENES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
