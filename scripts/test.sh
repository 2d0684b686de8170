#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# A second argument names the build folder; further ones go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-tests}
shift || true
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$dir" "$@"
cd "$root/$dir"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
