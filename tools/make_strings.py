#!/usr/bin/env python3
"""Writes the game's string table, "strings.xml", from readable sources.

Sources: tools/sources/strings/*.txt, read in file-name order, each line in
order, one "key = English text" a line (the form and its rules:
tools/lib/strings.py).

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
import sys

from lib.content import arguments, write_bytes, xml_text
from lib.strings import SOURCE_FOLDER, read_sources

STRINGS = "data/en/strings.xml"
LANGUAGE = "en"


def cell(text):
    return '<Cell><Data ss:Type="String">%s</Data></Cell>' % xml_text(text).replace("\n", "&#10;")


def strings_xml(rows):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             '<?mso-application progid="Excel.Sheet"?>',
             '<!-- Written by tools/make_strings.py from %s/*.txt; edit those. -->'
             % SOURCE_FOLDER,
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
