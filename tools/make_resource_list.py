#!/usr/bin/env python3
"""Writes the resource list: the folders and archives below Resources/ the
game registers with its repository at start-up.

Source: the shipped Resources/ itself. Every folder that holds files is
listed, and every archive (a file beginning with the zip signature, such as
the level archive data/share/main/levels), in name order; not the top level
(the program scans it by itself) and not the language folders (data/<lang>
holding strings.xml: the game adds the one of its language). Run it again
after a generator starts writing into a new folder; the regeneration test
fails until then.

Outputs (under the resources folder, the same bytes for the same sources):
  data/share/main/other/resource_list.xml
                                      repository name "data/share/main/other
                                      resource_list.xml": a "resource_list"
                                      element with one "folder" per folder
                                      or archive, its path in "value"

Usage: tools/make_resource_list.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import sys

from lib.content import arguments, write_bytes, xml_text

LIST = "data/share/main/other/resource_list.xml"
ZIP_SIGNATURE = b"PK\x03\x04"
STRINGS = "strings.xml"


def is_archive(path):
    with open(path, "rb") as data:
        return data.read(4) == ZIP_SIGNATURE


def folders_of(resources):
    """The relative paths ("/"-separated) of the folders holding files and of
    the archives below `resources`, sorted, without the top level and the
    language folders."""
    listed = set()
    for folder, _, files in os.walk(resources):
        relative = os.path.relpath(folder, resources).replace(os.sep, "/")
        plain = False
        for name in files:
            path = os.path.join(folder, name)
            if is_archive(path):
                listed.add(name if relative == "." else relative + "/" + name)
            else:
                plain = True
        if not plain or relative == ".":
            continue
        if os.path.dirname(relative) == "data" and STRINGS in files:
            continue
        listed.add(relative)
    return sorted(listed)


def resource_list_xml(folders):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Written by tools/make_resource_list.py from the folders of Resources/. -->",
             "<resource_list>"]
    lines += ['  <folder value="%s"/>' % xml_text(folder) for folder in folders]
    lines.append("</resource_list>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    resources = os.path.join(args.root, "Resources")
    folders = folders_of(resources)
    # The list is itself a file of data/share/main/other.
    if "data/share/main/other" not in folders:
        folders = sorted(folders + ["data/share/main/other"])
    write_bytes(os.path.join(args.out, *LIST.split("/")), resource_list_xml(folders))
    return 0


if __name__ == "__main__":
    sys.exit(main())
