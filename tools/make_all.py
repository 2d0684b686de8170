#!/usr/bin/env python3
"""Runs every content generator, in an order in which each finds what it reads.

Run it after changing a source below tools/sources/, a generator or
tools/lib/, then commit what changed below Resources/. Each generator runs
as its own process with --root and --out (tools/lib/content.py); its output
is shown only when it fails, and the run stops there.

The order (ORDER below): first the generators that read only the sources;
then those that check what they name against the shipped tree (the windows
and pages name pictures, fonts and sounds; the settings name the files an
edition reads), after everything that writes those; last the resource list,
which lists every folder of Resources/. The checks and the resource list
read <root>/Resources/ whatever --out is, as in the regeneration tests.

Not run here: tools/make_fonts.sh builds a C++ generator and writes the
fonts straight into <root>/Resources/ (the level generator measures the clue
numbers with them, so run it first when a font changes), and
tools/make_sound_fixtures.sh writes test data, not Resources/. The data
tree as a whole is checked by tools/check_data.py.

Usage: tools/make_all.py [--root DIR] [--out DIR] [--check]
  --root   the checkout to read from (default: this script's)
  --out    the resources folder to write into (default: <root>/Resources)
  --check  write into a temporary folder instead and compare, byte for byte,
           with <root>/Resources/: prints each file that differs, each file
           written but not shipped, and each shipped file that none of the
           generators writes any more in a folder they write; status 1 when
           there is any
Python 3 standard library and tools/lib/ only.
"""

import filecmp
import os
import subprocess
import sys
import tempfile
import time

from lib.content import TOOLS, arguments

ORDER = [
    # From the sources alone.
    "make_strings",
    "make_sounds",
    "make_levels",
    "make_packs",
    "make_player",
    "make_trophies",
    "make_shop",
    "make_gui",
    "make_gui_inputs",
    "make_panels",
    "make_dialogs",
    "make_cursor",
    "make_screen_borders",
    "make_screens",
    "make_menus",
    "make_play_screen",
    "make_loading",
    # Checked against the shipped pictures, fonts, sounds and files.
    "make_windows",
    "make_pages",
    "make_settings",
    # Every folder of Resources/.
    "make_resource_list",
]


def run(stem, root, out):
    """Runs one generator; its captured output when it fails, else None."""
    command = [sys.executable, os.path.join(TOOLS, stem + ".py"), "--root", root, "--out", out]
    environment = dict(os.environ, PYTHONDONTWRITEBYTECODE="1")
    result = subprocess.run(command, env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if result.returncode != 0:
        return result.stdout.decode("utf-8", "replace")
    return None


def files_below(folder):
    """The relative paths ("/"-separated) of the files below `folder`, sorted."""
    found = []
    for parent, _, names in os.walk(folder):
        for name in names:
            found.append(os.path.relpath(os.path.join(parent, name), folder).replace(os.sep, "/"))
    return sorted(found)


def differences(written, shipped):
    """Lines naming every file below `written` that is not byte for byte the
    one below `shipped`, and every file shipped in a folder the generators
    write (not below it) that they no longer write."""
    faults = []
    files = files_below(written)
    for relative in files:
        path = os.path.join(shipped, *relative.split("/"))
        if not os.path.isfile(path):
            faults.append("not shipped: %s" % relative)
        elif not filecmp.cmp(os.path.join(written, *relative.split("/")), path, shallow=False):
            faults.append("differs: %s" % relative)
    folders = sorted({os.path.dirname(relative) for relative in files})
    for folder in folders:
        here = os.path.join(shipped, *folder.split("/")) if folder else shipped
        for name in sorted(os.listdir(here)) if os.path.isdir(here) else []:
            relative = "%s/%s" % (folder, name) if folder else name
            if os.path.isfile(os.path.join(here, name)) and relative not in files:
                faults.append("written by no generator: %s" % relative)
    return faults


def run_all(root, out):
    """Runs ORDER into `out`; False (after printing why) when one fails."""
    for stem in ORDER:
        started = time.monotonic()
        failure = run(stem, root, out)
        if failure is not None:
            sys.stdout.write(failure)
            print("make_all: %s failed" % stem, file=sys.stderr)
            return False
        print("%-20s %5.1f s" % (stem, time.monotonic() - started))
    return True


def main():
    args = arguments(__doc__.split("\n")[0], lambda parser: parser.add_argument(
        "--check", action="store_true", help="compare with <root>/Resources instead of writing it"))
    if not args.check:
        return 0 if run_all(args.root, args.out) else 1
    with tempfile.TemporaryDirectory() as out:
        if not run_all(args.root, out):
            return 1
        faults = differences(out, os.path.join(args.root, "Resources"))
    for fault in faults:
        print(fault)
    if faults:
        print("make_all: %d files are not what the sources give: run tools/make_all.py and commit the "
              "result (delete the files no generator writes)" % len(faults), file=sys.stderr)
        return 1
    print("make_all: every generated file equals the shipped one")
    return 0


if __name__ == "__main__":
    sys.exit(main())
