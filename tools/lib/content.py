"""Pieces shared by the content generators (tools/make_*.py).

Every generator reads its readable sources from the checkout and writes its
outputs below a resources folder, by default the checkout's Resources/. The
same sources give the same bytes; tools/check_generated.cmake runs every
tools/make_*.py (but make_all.py) with --out into a temporary folder and
compares what it wrote with the shipped files, so a generator must write only
below --out.

  arguments(description)     parses --root (the checkout to read, default the
                             one holding tools/) and --out (the resources
                             folder to write, default <root>/Resources); more
                             options can be added to the parser it returns
                             through `extra`
  write_bytes(path, data)    writes the file unless it already holds the bytes
  write_images(out, folder, images)
                             writes each canvas of a {name: canvas} map as
                             out/folder/name (its .png() bytes), in name
                             order, printing each path and size
  picture_generator(name, description, folder, images)
                             a picture generator's whole run: parses the
                             arguments, calls images(root) for its
                             {name: canvas} map and writes it below
                             out/folder; a ValueError it raises is printed
                             as "name: message" and gives 1, else 0
  write_zip(path, entries)   a zip archive of name -> bytes, in name order,
                             with fixed dates and modes
  shipped_packs(root)        the level packs found in tools/sources/levels/:
                             a list of (number, folder name) for folders
                             "pack_<N>", numbered 1, 2, ... without gaps
  xml_text(text)             text escaped for XML content or attributes
  hex_colour(rgb, alpha=255) a colour as the descriptions write it:
                             hexadecimal AARRGGBB
  table_rows(root, relative, inline_comments=True)
                             the rows of a source table
                             (tools/sources/trophies.txt, shop.txt,
                             sounds.txt): (where, columns) for each line not
                             blank once its "#" comment is cut off; without
                             inline comments a comment takes a whole line
                             and a "#" inside a row is refused
Python 3 standard library only.
"""

import argparse
import io
import os
import re
import sys
import zipfile

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHECKOUT = os.path.dirname(TOOLS)

ZIP_TIME = (2024, 1, 1, 0, 0, 0)


def arguments(description, extra=None):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--root", default=CHECKOUT, help="the checkout to read the sources from")
    parser.add_argument("--out", default=None, help="the resources folder to write (default: <root>/Resources)")
    if extra:
        extra(parser)
    args = parser.parse_args()
    if args.out is None:
        args.out = os.path.join(args.root, "Resources")
    return args


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path):
        with open(path, "rb") as existing:
            if existing.read() == data:
                return
    with open(path, "wb") as out:
        out.write(data)


def write_zip(path, entries):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        for name in sorted(entries):
            info = zipfile.ZipInfo(name, date_time=ZIP_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            info.external_attr = 0o644 << 16
            archive.writestr(info, entries[name], compresslevel=9)
    write_bytes(path, buffer.getvalue())


PACK_FOLDER = re.compile(r"^pack_([1-9][0-9]*)$")


def write_images(out, folder, images):
    for name, image in sorted(images.items()):
        path = os.path.join(folder, name)
        write_bytes(os.path.join(out, path), image.png())
        print("%s  %d x %d" % (path, image.width, image.height))


def picture_generator(name, description, folder, images):
    args = arguments(description)
    try:
        pictures = images(args.root)
    except ValueError as error:
        print("%s: %s" % (name, error), file=sys.stderr)
        return 1
    write_images(args.out, folder, pictures)
    return 0


def shipped_packs(root):
    source_root = os.path.join(root, "tools", "sources", "levels")
    packs = []
    for name in sorted(os.listdir(source_root)):
        if not os.path.isdir(os.path.join(source_root, name)):
            continue
        match = PACK_FOLDER.match(name)
        if not match:
            raise ValueError("tools/sources/levels/%s: a pack folder is named pack_<number>" % name)
        packs.append((int(match.group(1)), name))
    packs.sort()
    if [number for number, _ in packs] != list(range(1, len(packs) + 1)):
        raise ValueError("tools/sources/levels: the packs are not numbered 1, 2, ... without gaps")
    return packs


def xml_text(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def hex_colour(rgb, alpha=0xFF):
    return "%02X%02X%02X%02X" % (alpha, rgb[0], rgb[1], rgb[2])


def table_rows(root, relative, inline_comments=True):
    """Yields (where, columns) for each line of the source table `relative`
    (a path below the checkout, with "/") that is not blank once its "#"
    comment is cut off: `where` is "file:line" for messages, `columns` the
    line's blank-separated words. With inline_comments False only a line
    whose first non-blank is "#" is a comment, and a "#" later in a row is
    refused rather than cutting the row short (a sound recipe may look
    complete without its tail)."""
    with open(os.path.join(root, *relative.split("/")), encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            where = "%s:%d" % (relative, number)
            line = raw.strip()
            if inline_comments:
                line = line.split("#", 1)[0].strip()
            elif line.startswith("#"):
                continue
            elif "#" in line:
                raise ValueError("%s: \"#\" inside a row (a comment takes a line of its own)" % where)
            if line:
                yield where, line.split()
