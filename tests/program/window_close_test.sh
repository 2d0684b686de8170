#!/usr/bin/env bash
# The game's window on a real X server, the program started from the
# checkout: it carries its title, Escape does not end the game (no hook says
# it should), and the window manager's close (the WM_DELETE_WINDOW message a
# title bar's button sends) ends it normally, the user's "game.xml" written.
# A second run's window destroyed from outside (xdotool's windowclose, no
# question asked) ends the game normally too, with everything saved.
# Usage: window_close_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
checkout=$(realpath "$2")
here=$(realpath "$(dirname "$0")")
source "$here/program_run.sh"

setup_x_run
cd "$checkout"

# The user's settings as the game writes them, with the current version.
expect_saved() {
  [ -s "$saves/players.save" ] || fail "$1: the players were not saved"
  grep -q '<version value="65792" */>' "$saves/game.xml" 2>/dev/null ||
    fail "$1: the user's game.xml does not hold version 65792: $(cat "$saves/game.xml" 2>&1)"
}

"$program" 2>"$scratch/run.err" &
pid=$!
window=$(find_window Nonogram 30)
[ -n "$window" ] || fail "no window titled Nonogram appeared: $(cat "$scratch/run.err")"
[ "$(xdotool getwindowname "$window")" = "Nonogram" ] || fail "the title is '$(xdotool getwindowname "$window")'"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
sleep 0.5
process_gone "$pid" && fail "Escape ended the game"

python3 "$here/x_window.py" close "$window"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "closing the window ended the game with status $exit_status: $(cat "$scratch/run.err")"
[ "$exit_ms" -lt 1000 ] || fail "the game took $exit_ms ms to close"
expect_saved "closed"

# --- The window destroyed under the running game.
rm -rf "$XDG_DATA_HOME"
"$program" 2>"$scratch/destroyed.err" &
pid=$!
window=$(find_window Nonogram 30)
[ -n "$window" ] || fail "no window appeared for the second run: $(cat "$scratch/destroyed.err")"
sleep 0.5
xdotool windowclose "$window"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "destroying the window ended the game with status $exit_status: $(cat "$scratch/destroyed.err")"
expect_saved "destroyed"
echo "ok"
