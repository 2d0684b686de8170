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

scratch=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/app-data" HOME="$scratch/home" ALSOFT_DRIVERS=null NONOGRAM_NO_DIALOGS=1
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
start_xvfb

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
