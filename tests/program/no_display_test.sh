#!/usr/bin/env bash
# Without a display the program says so and ends at once with a failure:
# DISPLAY unset, and DISPLAY naming a server that does not exist. SDL would
# otherwise fall back to a driver that shows nothing and run unseen for ever.
# Usage: no_display_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/program_run.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/app-data" HOME="$scratch/home" ALSOFT_DRIVERS=null
unset SDL_VIDEODRIVER WAYLAND_DISPLAY

# A display number nobody serves.
free=$((4000 + RANDOM % 1000))
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done

for display in "" ":$free"; do
  if [ -z "$display" ]; then unset DISPLAY; else export DISPLAY=$display; fi
  "$program" 2>"$scratch/run.err" &
  pid=$!
  wait_exit "$pid" 10
  what="DISPLAY=${display:-(unset)}"
  [ "$exit_status" -ne 0 ] || fail "$what: the program ended with status 0"
  [ "$exit_ms" -lt 1000 ] || fail "$what: the program took $exit_ms ms to give up"
  grep -q "No display could be opened" "$scratch/run.err" ||
    fail "$what: stderr does not say why: $(cat "$scratch/run.err")"
done
echo "ok"
