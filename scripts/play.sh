#!/usr/bin/env bash
# Installs what is missing, builds the game (the program alone: no tests,
# benchmarks or content tools) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
NONOGRAM_BUILD_TARGET=nonogram \
  "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release -DNONOGRAM_TESTS=OFF -DNONOGRAM_BENCH=OFF
cd "$root"
exec ./build/nonogram "$@"
