"""The string sources: tools/sources/strings/*.txt, read in file-name order,
each line in order. One string per line:

    key = English text

- Blank lines and lines starting with '#' are skipped.
- The key is everything before the first '=', the text everything after it,
  both without surrounding blanks. A key holds no blanks and appears once.
- In the text, "\\n" is a line break and "\\\\" a backslash; no other
  backslash sequence is allowed.
- A line whose key holds "{pack}" is written once per shipped pack (the
  folders tools/sources/levels/pack_<N>), with "{pack}" replaced by N in the
  key and the text.

  read_sources(root)         every (key, text) of every source file, in order
  read_source(path, packs)   the (key, text) rows of one source file
Python 3 standard library and tools/lib/ only.
"""

import os
import re

from .content import shipped_packs

SOURCE_FOLDER = "tools/sources/strings"
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
    folder = os.path.join(root, *SOURCE_FOLDER.split("/"))
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
