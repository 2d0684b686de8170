#!/usr/bin/env bash
# Frames presented in parts on the virtual X server (Mesa's software OpenGL
# copies the changed rectangles to the window) leave the window as a whole
# frame would: after the pointer has swept over the title's buttons, the
# window's pixels are those of the same screen drawn again whole. The whole
# frame is drawn after an exposure: the game is stopped, a window laid over
# it and taken away (the stopped game's window is seen to lose its picture),
# and the game let go on.
# Usage: partial_frames_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
checkout=$(realpath "$2")
here=$(realpath "$(dirname "$0")")
source "$here/program_run.sh"

setup_x_run
cd "$checkout"
pixels() { python3 "$here/x_window.py" "$@"; }

NONOGRAM_STARTUP_TRACE=1 "$program" 2>"$scratch/run.err" &
pid=$!
trap 'kill -CONT "$pid" 2>/dev/null || true; kill -KILL "$pid" 2>/dev/null || true; stop_xvfb; rm -rf "$scratch"' EXIT
window=$(find_window Nonogram 30)
[ -n "$window" ] || fail "no window titled Nonogram appeared: $(cat "$scratch/run.err")"
grep -q "frames presented by glx-copy-sub-buffer" "$scratch/run.err" ||
  fail "frames are not presented in parts here: $(grep '^gl:' "$scratch/run.err" || cat "$scratch/run.err")"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" space  # past the splash
interactive() { grep -q "first screen interactive" "$scratch/run.err"; }
wait_until 30 interactive || fail "the game did not reach its first screen: $(cat "$scratch/run.err")"

# The window's pixels once two grabs a moment apart agree (what moves has
# come to rest), in the file given.
settled() {
  pixels grab "$window" "$scratch/settling.ppm"
  if [ -f "$1" ] && cmp -s "$1" "$scratch/settling.ppm"; then return 0; fi
  mv "$scratch/settling.ppm" "$1"
  sleep 0.2
  return 1
}
rm -f "$scratch/title.ppm"
wait_until 20 settled "$scratch/title.ppm" || fail "the title did not come to rest"

# The pointer over the title's picture and its buttons, row by row, to rest
# on "Play".
moves=$(awk -v w="$window" 'BEGIN {
  for (y = 300; y <= 660; y += 40) for (x = 380; x <= 650; x += 18)
    printf "mousemove --window %s %d %d sleep 0.012 ", w, x, y
}')
# shellcheck disable=SC2086
xdotool $moves mousemove --window "$window" 512 478
rm -f "$scratch/parts.ppm"
wait_until 20 settled "$scratch/parts.ppm" || fail "the title did not come to rest after the pointer"

# The whole frame, after an exposure.
kill -STOP "$pid"
pixels cover "$window"
pixels grab "$window" "$scratch/exposed.ppm"
kill -CONT "$pid"
cmp -s "$scratch/parts.ppm" "$scratch/exposed.ppm" &&
  fail "the window kept its picture under another one: no exposure to draw the whole frame"
whole() {
  pixels grab "$window" "$scratch/whole.ppm"
  cmp -s "$scratch/parts.ppm" "$scratch/whole.ppm"
}
if ! wait_until 10 whole; then
  fail "the frames drawn in parts differ from the whole frame: $(pixels same "$scratch/parts.ppm" "$scratch/whole.ppm")"
fi
python3 "$here/x_window.py" close "$window"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "the game ended with status $exit_status: $(cat "$scratch/run.err")"
echo "ok"
