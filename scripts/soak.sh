#!/usr/bin/env bash
# The soak for as long as asked: the whole game under seeded random input in
# the sanitizer build (build-sanitize, made when missing).
# Usage: scripts/soak.sh [seconds (default 1800)] [seed]
# The seed is printed at the start; giving it again replays the same input.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
seed=${2:-}
"$root/scripts/install-deps.sh"
NONOGRAM_BUILD_TARGET=game_soak \
  "$root/scripts/build.sh" build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNONOGRAM_SANITIZE=ON -DNONOGRAM_BENCH=OFF
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$root/tests"
ASAN_OPTIONS=detect_leaks=1:max_free_fill_size=4294967295 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
XDG_DATA_HOME="$home/share" HOME="$home" ALSOFT_DRIVERS=null \
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  "$root/build-sanitize/tests/game_soak" --seconds "$seconds" ${seed:+--seed "$seed"}
