#!/usr/bin/env bash
# Where the program finds its data: started from an empty folder it runs on
# the data beside it (every build folder, in the checkout or elsewhere, has a
# link to the checkout's Resources/ next to the program) and creates nothing
# there; a copy of the program with no data anywhere says where it looked,
# exits with status 1 and creates nothing.
# Usage: data_folder_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
checkout=$(realpath "$2")
source "$(dirname "$0")/program_run.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/app-data" HOME="$scratch/home"
export SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null
mkdir "$scratch/empty"
cd "$scratch/empty"

# Data beside the program: it moves into the checkout's Resources/ and runs
# until told to stop. (It loads OpenGL, whose driver keeps memory until exit: no leak
# check for this run.)
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" 2>"$scratch/run.err" &
pid=$!
in_data() { [ "$(program_folder "$pid")" = "$checkout/Resources" ]; }
wait_until 30 in_data || fail "the program did not settle in $checkout/Resources: $(cat "$scratch/run.err")"
kill -TERM "$pid"
wait_exit "$pid" 10
[ "$exit_status" -eq 0 ] || fail "a stopped run ended with status $exit_status: $(cat "$scratch/run.err")"
[ -z "$(ls -A "$scratch/empty")" ] || fail "the working folder was written to: $(ls -A "$scratch/empty")"

# No data anywhere: the same program copied to a folder of its own.
mkdir -p "$scratch/install/bin"
cp "$program" "$scratch/install/bin/nonogram"
rm -rf "$scratch/app-data" "$scratch/home"
"$scratch/install/bin/nonogram" 2>"$scratch/none.err" &
pid=$!
wait_exit "$pid" 30
[ "$exit_status" -eq 1 ] || fail "without data the status was $exit_status, not 1: $(cat "$scratch/none.err")"
for looked in "$scratch/empty/Resources" "$scratch/install/bin/Resources" "$scratch/install/Resources"; do
  grep -qF "$looked" "$scratch/none.err" || fail "the message does not name $looked: $(cat "$scratch/none.err")"
done
left=$(cd "$scratch" && find . -mindepth 1 | sort | tr '\n' ' ')
expected="./empty ./install ./install/bin ./install/bin/nonogram ./none.err ./run.err "
[ "$left" = "$expected" ] || fail "folders were left behind: $left"
echo "ok"
