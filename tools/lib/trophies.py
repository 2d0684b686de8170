"""The trophies: tools/sources/trophies.txt, one trophy per line (its header
explains the columns: name, value, type, operator, target, bonus, picture). A
line whose name holds "{pack}" gives one trophy per shipped pack, and
"{levels}" in a target is the number of shipped levels.

  read_trophies(root, levels)
                             the Trophies (name, value, kind, operator,
                             target, bonus, picture, pack) in source order,
                             for the shipped `levels`; ValueError for the
                             first fault
  PICTURES                   the emblems a trophy may show, which
                             tools/make_trophies.py draws
Python 3 standard library and tools/lib/ only.
"""

from .content import shipped_packs, table_rows

SOURCE = "tools/sources/trophies.txt"

# The values the game tests trophies with, and their types.
VALUES = {
    "pack_completion": "float",
    "without_hint_max": "uint",
    "without_error_max": "uint",
    "hint_use": "uint",
    "three_star_levels": "uint",
    "max_score": "uint",
    "min_level_time": "float",
    "all_trophies": "bool",
}
OPERATORS = (">", "<", "==", "!=", ">=", "<=")
PICTURES = ("pack", "no_hint", "no_error", "hint", "cup", "stars_1", "stars_2", "stars_3", "coins_1",
            "coins_2", "coins_3")


class Trophy:
    def __init__(self, name, value, kind, operator, target, bonus, picture, pack=None):
        self.name, self.value, self.kind, self.operator = name, value, kind, operator
        self.target, self.bonus, self.picture, self.pack = target, bonus, picture, pack

    def image(self, state):
        return "%s_%s.png" % (self.name, state)


def parse_target(kind, text, where):
    try:
        if kind == "bool":
            if text not in ("true", "false"):
                raise ValueError
            return text == "true"
        if kind == "float":
            return float(text)
        value = int(text)
        if kind == "uint" and value < 0:
            raise ValueError
        return value
    except ValueError:
        raise ValueError("%s: %r is not a %s target" % (where, text, kind)) from None


def read_trophies(root, levels):
    packs = shipped_packs(root)
    trophies = []
    for where, columns in table_rows(root, SOURCE):
        if len(columns) != 7:
            raise ValueError("%s: seven columns: name value type op target bonus picture" % where)
        name, value, kind, operator, target, bonus, picture = columns
        if VALUES.get(value) is None:
            raise ValueError("%s: unknown value %r" % (where, value))
        if kind != VALUES[value]:
            raise ValueError("%s: %s is a %s" % (where, value, VALUES[value]))
        if operator not in OPERATORS:
            raise ValueError("%s: unknown operator %r" % (where, operator))
        if picture not in PICTURES:
            raise ValueError("%s: unknown picture %r" % (where, picture))
        target = parse_target(kind, target.replace("{levels}", str(len(levels))), where)
        try:
            bonus = int(bonus)
        except ValueError:
            raise ValueError("%s: the bonus is a whole number" % where) from None
        if "{pack}" in name:
            for pack, _ in packs:
                trophies.append(Trophy(name.replace("{pack}", str(pack)), value, kind, operator,
                                       target, bonus, picture, pack))
        else:
            trophies.append(Trophy(name, value, kind, operator, target, bonus, picture))
    names = [t.name for t in trophies]
    for name in names:
        if names.count(name) > 1:
            raise ValueError("trophy %s appears twice" % name)
    return trophies
