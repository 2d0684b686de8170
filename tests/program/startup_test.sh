#!/usr/bin/env bash
# The whole game on copies of its shipped data, each started in a folder of
# its own on a virtual X server: the data as shipped reaches the first screen
# (a key skips the splash), carries the window title the texts give, and the
# window manager's close ends it with status 0 and the players saved. Copies
# with one edition setting removed, without the language folder, with an
# installation file that must not be missing, and without the fonts file
# each end with status 1 before any window is shown, saying why in one line
# and saving nothing.
# Usage: startup_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
checkout=$(realpath "$2")
here=$(dirname "$0")
source "$here/program_run.sh"

setup_x_run

# A copy of the shipped data in a folder of its own, changed by the given
# Python (the data folder is `data`), where the program is started.
copy_of_data() {
  local name=$1 change=$2
  mkdir -p "$scratch/$name"
  cp -r "$checkout/Resources" "$scratch/$name/Resources"
  python3 - "$scratch/$name/Resources" <<PYTHON
import os, shutil, sys
import xml.etree.ElementTree as tree
data = sys.argv[1]
def edition(child, attribute=None, value=None):
    path = data + "/data/share/main/other/editions.xml"
    document = tree.parse(path)
    element = document.getroot().find("edition")
    if value is None:
        element.remove(element.find(child))
    else:
        element.find(child).set(attribute, value)
    document.write(path, encoding="utf-8", xml_declaration=True)
$change
PYTHON
}

# --- The data as shipped.
copy_of_data shipped "pass"
(cd "$scratch/shipped" && NONOGRAM_STARTUP_TRACE=1 "$program" 2>"$scratch/shipped.err") &
pid=$!
title=$(python3 -c 'import re,sys; print(re.search(r"window_title</Data></Cell><Cell><Data[^>]*>([^<]*)<", open(sys.argv[1], encoding="utf-8").read()).group(1))' \
  "$checkout/Resources/data/en/strings.xml")
window=$(find_window "$title" 30)
[ -n "$window" ] || fail "no window titled '$title' appeared: $(cat "$scratch/shipped.err")"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" space
interactive() { grep -q "first screen interactive" "$scratch/shipped.err"; }
wait_until 30 interactive || fail "the game did not reach its first screen: $(cat "$scratch/shipped.err")"
python3 "$here/x_window.py" close "$window"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "closing the window ended the game with status $exit_status: $(cat "$scratch/shipped.err")"
[ -s "$saves/players.save" ] || fail "the players were not saved"
if grep -q ": error: " "$scratch/shipped.err"; then fail "errors on the way: $(cat "$scratch/shipped.err")"; fi

# --- Data that cannot start: status 1, one line saying why, no window, nothing saved.
rm -rf "$XDG_DATA_HOME"
failed_start() {
  local name=$1 expected=$2
  (cd "$scratch/$name" && "$program" 2>"$scratch/$name.err") &
  local pid=$!
  wait_exit "$pid" 30
  [ "$exit_status" -eq 1 ] || fail "$name: the status was $exit_status, not 1: $(cat "$scratch/$name.err")"
  grep -qF "$expected" "$scratch/$name.err" || fail "$name: stderr does not say '$expected': $(cat "$scratch/$name.err")"
  local lines
  lines=$(grep -c -E ": error: |^message: " "$scratch/$name.err" || true)
  [ "$lines" -eq 1 ] || fail "$name: $lines lines of errors, not one: $(cat "$scratch/$name.err")"
  [ ! -e "$XDG_DATA_HOME" ] || fail "$name: something was saved: $(find "$XDG_DATA_HOME")"
}
copy_of_data no_scenes 'edition("scenes")'
failed_start no_scenes "editions.xml"
copy_of_data no_language 'shutil.rmtree(data + "/data/en")'
failed_start no_language "data/en"
copy_of_data lost_page 'edition("url_file", "param", "readme.html"); edition("run_if_url_lost", "param", "false")'
failed_start lost_page "Some files are corrupt. The game may not run. Please reinstall the game"
copy_of_data no_fonts 'os.remove(data + "/data/share/font/fonts.xml")'
failed_start no_fonts "fonts.xml"
echo "ok"
