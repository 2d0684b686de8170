"""The packs' descriptions: tools/sources/levels/pack_<N>/pack.txt beside each
pack's pictures, one "key = value" a line (stars2pass, price, paper, tint; what
each means and what tools/make_packs.py checks across the packs: its
docstring).

  read_pack(root, number, folder)
                             the Pack (number, folder, key, stars2pass,
                             price, paper, tint, path, background) of one
                             pack folder, each key given once and well
                             formed (ValueError otherwise)
Python 3 standard library and tools/lib/ only.
"""

import os
import re

from .drawing import hex_rgb
from .levels import LEVEL_ARCHIVE, PACK_SOURCE

PAPERS = ("plain", "ruled", "grid", "dots")


class Pack:
    def __init__(self, number, folder):
        self.number, self.folder = number, folder
        self.key = "pack_%d" % number
        self.stars2pass = self.price = None
        self.paper = self.tint = None
        self.levels = 0

    @property
    def path(self):
        return "%s %s" % (LEVEL_ARCHIVE, self.folder)

    @property
    def background(self):
        return "background_%d.png" % self.number


def read_pack(root, number, folder):
    pack = Pack(number, folder)
    path = os.path.join(root, "tools", "sources", "levels", folder, PACK_SOURCE)
    if not os.path.exists(path):
        raise ValueError("tools/sources/levels/%s: no %s" % (folder, PACK_SOURCE))
    seen = set()
    with open(path, encoding="utf-8") as source:
        for line_number, raw in enumerate(source, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            where = "tools/sources/levels/%s/%s:%d" % (folder, PACK_SOURCE, line_number)
            if "=" not in line:
                raise ValueError("%s: a line reads \"key = value\"" % where)
            key, value = (part.strip() for part in line.split("=", 1))
            if key in seen:
                raise ValueError("%s: %s given twice" % (where, key))
            seen.add(key)
            if key in ("stars2pass", "price"):
                if not re.match(r"^[0-9]+$", value):
                    raise ValueError("%s: %s is a whole number of at least 0" % (where, key))
                setattr(pack, key, int(value))
            elif key == "paper":
                if value not in PAPERS:
                    raise ValueError("%s: paper is one of %s" % (where, ", ".join(PAPERS)))
                pack.paper = value
            elif key == "tint":
                if not re.match(r"^#[0-9A-Fa-f]{6}$", value):
                    raise ValueError("%s: tint is a colour #RRGGBB" % where)
                pack.tint = hex_rgb(value)
            else:
                raise ValueError("%s: unknown key %r" % (where, key))
    missing = [k for k in ("stars2pass", "price", "paper", "tint") if k not in seen]
    if missing:
        raise ValueError("tools/sources/levels/%s/%s: no %s" % (folder, PACK_SOURCE, ", ".join(missing)))
    return pack
