#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), passing any
# further arguments to CMake's configure step. NONOGRAM_BUILD_TARGET, when
# set, builds that target alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
cd "$root"
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" ${NONOGRAM_BUILD_TARGET:+--target "$NONOGRAM_BUILD_TARGET"}
