#!/usr/bin/env python3
"""Writes the game's string table, "strings.xml", from readable sources.

Sources: tools/strings/*.txt, read in file-name order, each line in order.
One string per line:

    key = English text

- Blank lines and lines starting with '#' are skipped.
- The key is everything before the first '=', the text everything after it,
  both without surrounding blanks. A key holds no blanks and appears once.
- In the text, "\\n" is a line break and "\\\\" a backslash; no other
  backslash sequence is allowed.
- A line whose key holds "{pack}" is written once per shipped pack (the
  folders tools/levels/pack_<N>), with "{pack}" replaced by N in the key and
  the text.

Output (the same bytes for the same sources): data/en/strings.xml under the
resources folder, an XML spreadsheet ("Workbook" / "Worksheet" / "Table" /
"Row" / "Cell" / "Data") whose first row is the header "localization_key",
"en" and whose other rows are key, text in source order. The game reads it
with keys in column 1 and texts in column 2 (the header row is read as an
entry too, harmlessly).

Usage: tools/make_strings.py [--root DIR] [--out DIR]
Python 3 standard library and tools/lib/ only.
"""

import os
import re
import sys

from lib.content import arguments, shipped_packs, write_bytes, xml_text

STRINGS = "data/en/strings.xml"
LANGUAGE = "en"
PACK = "{pack}"
KEY = re.compile(r"^[A-Za-z0-9_.{}-]+$")


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        char = text[i]
        if char == "\\":
            following = text[i + 1:i + 2]
            if following == "n":
                out.append("\n")
            elif following == "\\":
                out.append("\\")
            else:
                raise ValueError("%s: unknown escape \\%s (only \\n and \\\\)" % (where, following))
            i += 2
            continue
        out.append(char)
        i += 1
    return "".join(out)


def read_source(path, packs):
    """The (key, text) rows of one source file."""
    rows = []
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            line = raw.rstrip("\n").rstrip("\r")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            where = "%s:%d" % (os.path.relpath(path), number)
            if "=" not in line:
                raise ValueError("%s: a line reads \"key = text\"" % where)
            key, text = (part.strip() for part in line.split("=", 1))
            if not KEY.match(key):
                raise ValueError("%s: bad key %r" % (where, key))
            text = unescape(text, where)
            if PACK in key:
                rows += [(key.replace(PACK, str(n)), text.replace(PACK, str(n))) for n, _ in packs]
            elif "{" in key or "}" in key:
                raise ValueError("%s: the only placeholder is %s" % (where, PACK))
            else:
                rows.append((key, text))
    return rows


def read_sources(root):
    folder = os.path.join(root, "tools", "strings")
    packs = shipped_packs(root)
    rows, seen = [], {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".txt"):
            continue
        for key, text in read_source(os.path.join(folder, name), packs):
            if key in seen:
                raise ValueError("key %s appears twice (%s and %s)" % (key, seen[key], name))
            seen[key] = name
            rows.append((key, text))
    return rows


def cell(text):
    return '<Cell><Data ss:Type="String">%s</Data></Cell>' % xml_text(text).replace("\n", "&#10;")


def strings_xml(rows):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             '<?mso-application progid="Excel.Sheet"?>',
             '<!-- Written by tools/make_strings.py from tools/strings/*.txt; edit those. -->',
             '<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"',
             ' xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">',
             ' <Worksheet ss:Name="strings">',
             '  <Table>']
    for key, text in [("localization_key", LANGUAGE)] + rows:
        lines.append("   <Row>%s%s</Row>" % (cell(key), cell(text)))
    lines += ["  </Table>", " </Worksheet>", "</Workbook>"]
    return ("\n".join(lines) + "\n").encode("utf-8")


def main():
    args = arguments(__doc__.split("\n")[0])
    try:
        rows = read_sources(args.root)
    except ValueError as error:
        print("make_strings: %s" % error, file=sys.stderr)
        return 1
    write_bytes(os.path.join(args.out, STRINGS), strings_xml(rows))
    print("%s: %d strings" % (STRINGS, len(rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
