#!/usr/bin/env python3
"""Writes the files of the paged grids (the help pages, the trophy list and
the shop) from tools/sources/pages/.

Sources: tools/sources/pages/*.txt, read in file-name order, in the form of the
window layouts (tools/lib/windows.py: comments, indentation, quoting, and
the variables of tools/sources/windows/*.txt, which are read first). One grid a
file or more:

    grid help_pages                 the file data/share/main/other/<name>.xml
      attr cols=1 rows=1 ...        attributes of the grid's root element
                                    (framework/pages.h: cols, rows,
                                    interval_x, interval_y, turn_type, ...)
      element gEXAMPLE size="420 104"
                                    a child element of the root, as a
        picture                     window's "element" (its own children
          POS : -160 0              indented below, without the word)
      item size="740 400"           one <item> with these attributes; the
        WLABEL ID=2 ...             widget lines indented below are its
                                    <GUI> (as a window's "gui" lines, checked
                                    the same way)
      each offer name=$name size="800 108"
        IMAGE ID=5 TEXTURE=$picture one item for each offer name of
                                    tools/sources/shop.txt, in order: $name is
                                    the name, $picture the offer's picture
      each trophy name_tr=$name     one item for each trophy of
                                    tools/sources/trophies.txt (one per pack
                                    for tools/sources/levels/pack_<N>), in
                                    order

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/<grid>.xml   <pages ...> with its elements and items
                                     in source order

Usage: tools/make_pages.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib import shop, trophies, windows
from lib.content import arguments, write_bytes
from lib.levels import read_sources as read_levels

SOURCE_FOLDER = "tools/sources/pages"
OUT_FOLDER = "data/share/main/other"


class Grid:
    def __init__(self, name, source):
        self.name = name
        self.source = source
        self.attributes = []
        self.children = []      # XML text of the root's children, in order


class PageReader:
    """Reads tools/sources/pages/*.txt with the window layouts' reader, whose
    variables and checks it shares."""

    def __init__(self, root):
        self.root = root
        self.layouts = windows.Reader(root)
        self.layouts.read()
        self.grids = []

    def read(self):
        folder = os.path.join(self.root, *SOURCE_FOLDER.split("/"))
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt"):
                relative = "%s/%s" % (SOURCE_FOLDER, name)
                for line in windows.read_lines(os.path.join(folder, name), relative):
                    self.top_line(line, relative)
        return self.grids

    def top_line(self, line, relative):
        if line.words[0].startswith("$"):
            self.layouts.top_line(line, relative)
            return
        if line.words[0] != "grid" or len(line.words) != 2:
            raise ValueError("%s: a line at the left edge is a grid (\"grid <name>\") or a variable"
                             % line.where)
        name = line.words[1]
        if not windows.NAME.match(name) or any(g.name == name for g in self.grids):
            raise ValueError("%s: grid %r: a new name of letters, digits and _" % (line.where, name))
        grid = Grid(name, relative)
        for item in line.children:
            self.grid_item(grid, item)
        self.grids.append(grid)

    def grid_item(self, grid, line):
        word, where = line.words[0], line.where
        if word == "attr":
            if line.children:
                raise ValueError("%s: nothing is indented under attr" % where)
            grid.attributes += self.layouts.pairs(line.words[1:], where)
        elif word == "element":
            grid.children.append(self.layouts.element(line, line.words[1:]))
        elif word == "item":
            grid.children.append(self.item(line, line.words[1:], "%s item" % grid.name))
        elif word == "each":
            if len(line.words) < 2 or line.words[1] not in ("offer", "trophy"):
                raise ValueError("%s: each reads \"each offer ...\" or \"each trophy ...\"" % where)
            for values in self.each(line.words[1]):
                saved = dict(self.layouts.variables)
                self.layouts.variables.update(values)
                try:
                    grid.children.append(self.item(line, line.words[2:], "%s %s" % (grid.name, values["name"])))
                finally:
                    self.layouts.variables = saved
        else:
            raise ValueError("%s: unknown grid item %r" % (where, word))

    def each(self, kind):
        if kind == "offer":
            names = []
            for offer in shop.read_offers(self.root):
                if offer.name not in [n for n, _ in names]:
                    names.append((offer.name, "%s %s.png" % (shop.IMAGES, offer.picture)))
            return [{"name": name, "picture": picture} for name, picture in names]
        levels = read_levels(self.root)
        return [{"name": trophy.name} for trophy in trophies.read_trophies(self.root, levels)]

    def item(self, line, words, what):
        attributes = windows.attributes_xml(self.layouts.pairs(words, line.where))
        if not line.children:
            return "<item%s/>" % attributes
        # An item's widgets are checked as a window's are, ids unique in the item.
        owner = windows.Window(what, "item", line.where)
        widgets = [text for child in line.children for text in self.layouts.widget(owner, child)]
        return "\n".join(["<item%s>" % attributes, " <GUI>"] + ["  " + text for text in widgets]
                         + [" </GUI>", "</item>"])


def grid_xml(grid):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_pages.py from %s; edit that. -->" % grid.source,
             "<pages%s>" % windows.attributes_xml(grid.attributes)]
    lines += [" " + text for child in grid.children for text in child.split("\n")]
    lines.append("</pages>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        grids = PageReader(args.root).read()
    except ValueError as error:
        print("make_pages: %s" % error, file=sys.stderr)
        return 1
    for grid in grids:
        path = "%s/%s.xml" % (OUT_FOLDER, grid.name)
        write_bytes(os.path.join(args.out, *path.split("/")), grid_xml(grid))
        print("%s: %d items" % (path, sum(1 for child in grid.children if child.startswith("<item"))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
