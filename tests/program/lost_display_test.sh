#!/usr/bin/env bash
# When the X server goes away under the running game, the process ends within
# a second with a failure status, instead of spinning on the dead connection.
# Usage: lost_display_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$0")/program_run.sh"

setup_x_run

"$program" 2>"$scratch/run.err" &
pid=$!
window=$(find_window Nonogram 30)
[ -n "$window" ] || fail "no window appeared: $(cat "$scratch/run.err")"
sleep 0.3  # a few idle frames
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
wait_exit "$pid" 10
[ "$exit_status" -ne 0 ] || fail "losing the display ended the program with status 0"
[ "$exit_ms" -lt 1000 ] || fail "the program took $exit_ms ms to end after the display went away"
echo "ok (ended $exit_ms ms after the server, status $exit_status)"
