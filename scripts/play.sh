#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release -DNONOGRAM_TESTS=OFF -DNONOGRAM_BENCH=OFF
cd "$root"
exec ./build/nonogram "$@"
