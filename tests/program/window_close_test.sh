#!/usr/bin/env bash
# The game's window on a real X server: it carries its title, Escape does not
# end the game (no hook says it should), and the window manager's close (the
# WM_DELETE_WINDOW message a title bar's button sends) ends it normally.
# Usage: window_close_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$0")
source "$here/program_run.sh"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }

setup_x_run

"$program" 2>"$scratch/run.err" &
pid=$!
window=$(find_window Nonogram 30)
[ -n "$window" ] || fail "no window titled Nonogram appeared: $(cat "$scratch/run.err")"
[ "$(xdotool getwindowname "$window")" = "Nonogram" ] || fail "the title is '$(xdotool getwindowname "$window")'"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
sleep 0.5
process_gone "$pid" && fail "Escape ended the game"

python3 "$here/close_window.py" "$window"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "closing the window ended the game with status $exit_status: $(cat "$scratch/run.err")"
[ "$exit_ms" -lt 1000 ] || fail "the game took $exit_ms ms to close"
echo "ok"
