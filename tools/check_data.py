#!/usr/bin/env python3
"""Checks the shipped data tree (Resources/) as a whole, where no single
generator sees all of it: what the game's code and data name must be there,
and the descriptions must be free of the faults that show only on screen.

Checks (each a function answering a list of faults, empty when all is well):
  size_faults        the content stays under LIMIT_BYTES on disk
  description_faults every XML description under data/ (windows, grids, the
                     tutorial, the play screen's files, the lists in other/):
                     every TRANSFORM has 12 numbers and the scale 1 1 1;
                     every file it names ("folder file" resource names and
                     plain "data/..." paths) is shipped; every wide label's
                     TEXT, when given, is not empty; colours are written as
                     their reader reads them: a wide label's FONT_COLOR as
                     hexadecimal AARRGGBB, the 8-bit label's, the line and
                     list boxes' as "a r g b", any other colour attribute
                     in one of the two forms
  string_faults      every string key used anywhere is in data/en/strings.xml:
                     the wide labels' texts, the packs' names, the trophies'
                     titles and descriptions, the offers' titles and
                     descriptions, the keys the code asks for; no text holds
                     a "%" other than the one placeholder ("%s", "%d", "%i",
                     "%u") a template needs
  level_faults       every level the template player names is in its pack's
                     folder of the level archive
  code_window_faults every window name the code uses is in the scene list
                     (and every literal shaped like a window name is one,
                     unless it is one of NOT_WINDOWS)

Usage: tools/check_data.py [--root DIR]   prints each fault; status 1 if any
Python 3 standard library only.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

LIMIT_BYTES = 10 * 1024 * 1024
STRINGS = "data/en/strings.xml"
SCENES = "data/share/main/other/scenes.xml"
PLAYER = "data/share/main/other/player.xml"
PACKS = "data/share/main/other/packs_description.xml"
TROPHIES = "data/share/main/other/trophies.xml"
STORE = "data/share/main/other/store.xml"
CODE_FOLDER = "game"

# Extensions of the files a description may name.
FILE_TYPES = ("png", "xml", "ogg", "zip", "jpg")
RESOURCE_NAME = re.compile(r"^(data(?:/[A-Za-z0-9_.-]+)*) ([A-Za-z0-9_.-]+\.(?:%s))$" % "|".join(FILE_TYPES))
PLAIN_PATH = re.compile(r"^data(?:/[A-Za-z0-9_.-]+)+\.(?:%s)$" % "|".join(FILE_TYPES))
# Colours: hexadecimal AARRGGBB, or "a r g b" (four numbers 0..255).
HEX_COLOUR = re.compile(r"^[0-9A-Fa-f]{8}$")
DECIMAL_COLOUR = re.compile(r"^(?:(?:25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9]) ){3}(?:25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9])$")
# The widgets whose FONT_COLOR the GUI reader reads as "a r g b"; the wide
# label reads it as hexadecimal.
DECIMAL_FONT_COLOUR = ("LABEL", "LINEBOX", "LISTBOX")
# A placeholder the game fills (ORB_GF::FillMessageTemplate, swprintf).
PLACEHOLDER = re.compile(r"%[sdiu]")

# String literals in the code shaped like window names ("Title",
# "Confirm_Exit", "GP_Menu": capitalised words joined by "_", not all upper
# case) that name something else.
WINDOW_SHAPE = re.compile(r'"((?=[A-Za-z0-9_]*[a-z])[A-Z][A-Za-z0-9]*(?:_[A-Z][A-Za-z0-9]*)*)"')
NOT_WINDOWS = {
    "Error",               # the caption of the installation's message box
    "Nonogram",            # the program window's title
    "InAppKey",            # an attribute of a pack's record
    "HarvelstonePyndlex",  # the product identifier
}
# String keys the code asks the string table for: constants named k...Key and
# literals handed to LocalizedText.
KEY_CONSTANT = re.compile(r'\bk[A-Za-z0-9]*Key\s*=\s*"([a-z][a-z0-9_]*)"')
KEY_CALL = re.compile(r'\bLocalizedText\(\s*"([^"]+)"')


def resources_of(root):
    return os.path.join(root, "Resources")


def read_xml(resources, relative):
    return ElementTree.parse(os.path.join(resources, *relative.split("/"))).getroot()


def descriptions(resources):
    """(relative path, root element) of every XML file under data/ but the
    string tables and the fonts' glyph lists."""
    found = []
    top = os.path.join(resources, "data")
    for folder, folders, files in os.walk(top):
        folders.sort()
        relative_folder = os.path.relpath(folder, resources).replace(os.sep, "/")
        if relative_folder.startswith(("data/en", "data/share/font")):
            continue
        for name in sorted(files):
            if name.endswith(".xml"):
                relative = "%s/%s" % (relative_folder, name)
                found.append((relative, read_xml(resources, relative)))
    return found


def strings_table(resources):
    """{key: text} of the shipped string table."""
    table = {}
    namespace = "{urn:schemas-microsoft-com:office:spreadsheet}"
    for row in read_xml(resources, STRINGS).iter(namespace + "Row"):
        cells = [data.text or "" for data in row.iter(namespace + "Data")]
        if len(cells) >= 2:
            table.setdefault(cells[0], cells[1])
    return table


def size_faults(root):
    total = 0
    for folder, _, files in os.walk(resources_of(root)):
        total += sum(os.path.getsize(os.path.join(folder, name)) for name in files)
    if total >= LIMIT_BYTES:
        return ["the content takes %d bytes, over the limit of %d" % (total, LIMIT_BYTES)]
    return []


def shipped(resources, folder, name):
    return os.path.isfile(os.path.join(resources, *folder.split("/"), name))


def description_faults(root):
    resources = resources_of(root)
    faults = []
    for relative, document in descriptions(resources):
        for element in document.iter():
            where = "%s: <%s>" % (relative, element.tag)
            if element.tag == "TRANSFORM":
                numbers = (element.text or "").split()
                if len(numbers) != 12:
                    faults.append("%s holds %d numbers, not 12" % (where, len(numbers)))
                elif any(float(number) != 1.0 for number in numbers[9:]):
                    faults.append("%s scales by %s, not 1 1 1" % (where, " ".join(numbers[9:])))
            if element.tag == "WLABEL" and "TEXT" in element.attrib and not element.get("TEXT").strip():
                faults.append("%s has an empty TEXT (a label the game fills has none)" % where)
            for name, value in element.attrib.items():
                fault = colour_fault(element.tag, name, value)
                if fault:
                    faults.append("%s %s=%r: %s" % (where, name, value, fault))
            values = list(element.attrib.values()) + [(element.text or "").strip()]
            for value in values:
                named = RESOURCE_NAME.match(value)
                if named and not shipped(resources, named.group(1), named.group(2)):
                    faults.append("%s names %r, which is not shipped" % (where, value))
                elif PLAIN_PATH.match(value) and not os.path.isfile(os.path.join(resources, *value.split("/"))):
                    faults.append("%s names %r, which is not shipped" % (where, value))
    return faults


def colour_fault(tag, name, value):
    """What is wrong with a colour attribute's value, or None."""
    if not name.lower().endswith(("color", "colour")):
        return None
    if name == "FONT_COLOR" and tag == "WLABEL":
        return None if HEX_COLOUR.match(value) else "the wide label reads hexadecimal AARRGGBB"
    if name == "FONT_COLOR" and tag in DECIMAL_FONT_COLOUR:
        return None if DECIMAL_COLOUR.match(value) else "%s reads \"a r g b\"" % tag
    if HEX_COLOUR.match(value) or DECIMAL_COLOUR.match(value):
        return None
    return "neither AARRGGBB nor \"a r g b\""


def code_sources(root):
    """(relative path, text without // comments) of the game's C++ sources."""
    sources = []
    for folder, folders, files in os.walk(os.path.join(root, CODE_FOLDER)):
        folders.sort()
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as source:
                    text = "\n".join(re.sub(r"//.*$", "", line) for line in source.read().split("\n"))
                sources.append((os.path.relpath(path, root).replace(os.sep, "/"), text))
    return sources


def code_keys(root):
    """{key: where} of the string keys the code asks for."""
    keys = {}
    for relative, text in code_sources(root):
        for pattern in (KEY_CONSTANT, KEY_CALL):
            for match in pattern.finditer(text):
                keys.setdefault(match.group(1), relative)
    return keys


def used_keys(root):
    """[(key, where)] of every string key the data and the code use."""
    resources = resources_of(root)
    used = []
    for relative, document in descriptions(resources):
        for element in document.iter("WLABEL"):
            if element.get("TEXT"):
                used.append((element.get("TEXT"), relative))
    for pack in read_xml(resources, PACKS).iter("pack"):
        used.append((pack.get("key"), PACKS))
    for trophy in read_xml(resources, TROPHIES).iter("trophy"):
        used += [(trophy.get("name"), TROPHIES), (trophy.get("desc"), TROPHIES)]
    for item in read_xml(resources, STORE).iter("item"):
        used += [(item.get("name"), STORE), (item.get("annotation"), STORE)]
    used += [(key, where) for key, where in sorted(code_keys(root).items())]
    return used


def string_faults(root):
    resources = resources_of(root)
    table = strings_table(resources)
    faults = []
    for key, where in used_keys(root):
        if not key:
            faults.append("%s: an empty string key" % where)
        elif key not in table:
            faults.append("%s: the string key %r is not in %s" % (where, key, STRINGS))
    for key, text in table.items():
        if text.count("%") > 1 or ("%" in text and not PLACEHOLDER.search(text)):
            faults.append("%s: %r holds a \"%%\" that is not its one placeholder: %r"
                          % (STRINGS, key, text))
        elif not text.strip():
            faults.append("%s: %r is empty" % (STRINGS, key))
    return faults


def level_faults(root):
    resources = resources_of(root)
    paths = {pack.get("id"): pack.get("path") for pack in read_xml(resources, PACKS).iter("pack")}
    faults = []
    archives = {}
    for pack in read_xml(resources, PLAYER).find("packs"):
        path = paths.get(pack.get("id"))
        if path is None:
            faults.append("%s: pack %s is not described in %s" % (PLAYER, pack.get("id"), PACKS))
            continue
        archive, folder = path.split(" ")
        if archive not in archives:
            with zipfile.ZipFile(os.path.join(resources, *archive.split("/"))) as opened:
                archives[archive] = set(opened.namelist())
        for level in pack:
            entry = "%s/%s" % (folder, level.get("file"))
            if entry not in archives[archive]:
                faults.append("%s: level %s of pack %s names %s, which %s lacks"
                              % (PLAYER, level.get("id"), pack.get("id"), entry, archive))
    return faults


def scene_names(root):
    names = []
    for scene in read_xml(resources_of(root), SCENES).iter("scene"):
        names.append(os.path.splitext(scene.get("file").split(" ")[1])[0])
    return names


def code_window_names(root):
    """{window name: first source using it} of the names the code uses."""
    names = {}
    for relative, text in code_sources(root):
        for match in WINDOW_SHAPE.finditer(text):
            if match.group(1) not in NOT_WINDOWS:
                names.setdefault(match.group(1), relative)
    return names


def code_window_faults(root):
    scenes = set(scene_names(root))
    return ["%s: window %r is not in the scene list" % (where, name)
            for name, where in sorted(code_window_names(root).items()) if name not in scenes]


CHECKS = (size_faults, description_faults, string_faults, level_faults, code_window_faults)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    args = parser.parse_args()
    faults = [fault for check in CHECKS for fault in check(args.root)]
    for fault in faults:
        print(fault)
    print("%d faults" % len(faults), file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
