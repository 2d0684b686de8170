"""The sound source: tools/sources/sounds.txt, the sound bank's groups and each
sound's recipe. A line whose first non-blank is "#" is a comment, blank lines
are skipped, and a "#" anywhere else is refused, so a recipe is never cut
short:

    group <name>
      <sound> <load> <buffers> <recipe ...>

- "group" opens a group of the bank (the game uses "sounds" and "music"); an
  empty group is written too. A group name appears once.
- Each sound line belongs to the group above it: its name (unique in the
  whole file, since it names the file too), how the game loads it ("whole":
  decoded at load, for short effects; "stream": decoded while it plays, for
  music), the buffer count handed to the sound system, and the recipe: what
  follows `sox -n -r 44100 -c 1 -b 16 out.wav`, a synthesis and its effects
  (see sox(1): synth, fade, vol, pad, ...).

  read_source(root)          [(group, [(name, load, buffers, recipe words)])]
                             in source order
  LOADS                      the bank's "streamed" value of each load
Python 3 standard library and tools/lib/ only.
"""

from .content import table_rows

SOURCE = "tools/sources/sounds.txt"
LOADS = {"whole": "1", "stream": "0"}


def read_source(root):
    """[(group, [(name, load, buffers, recipe words)])] in source order."""
    groups, names = [], set()
    for where, words in table_rows(root, SOURCE, inline_comments=False):
        if words[0] == "group":
            if len(words) != 2:
                raise ValueError("%s: a group line reads \"group <name>\"" % where)
            if any(words[1] == name for name, _ in groups):
                raise ValueError("%s: group %s appears twice" % (where, words[1]))
            groups.append((words[1], []))
            continue
        if not groups:
            raise ValueError("%s: a sound before the first group" % where)
        if len(words) < 5:
            raise ValueError("%s: a sound reads \"<name> <load> <buffers> <recipe>\"" % where)
        name, load, buffers, recipe = words[0], words[1], words[2], words[3:]
        if name in names:
            raise ValueError("%s: sound %s appears twice" % (where, name))
        if load not in LOADS:
            raise ValueError("%s: load is \"whole\" or \"stream\", not %r" % (where, load))
        if not buffers.isdigit() or int(buffers) < 1:
            raise ValueError("%s: buffers is a whole number of at least 1" % where)
        names.add(name)
        groups[-1][1].append((name, load, int(buffers), recipe))
    return groups
