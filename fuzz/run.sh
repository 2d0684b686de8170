#!/usr/bin/env bash
# Builds the players-file fuzz target with clang and runs it for a bounded
# time: fuzz/run.sh [seconds, default 60]. Any crash, leak, undefined
# behaviour or broken promise stops it with a non-zero status and leaves the
# input that caused it in the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir="$root/${FUZZ_BUILD_DIR:-build-fuzz}"
cmake -S "$root" -B "$dir" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNONOGRAM_TESTS=OFF -DNONOGRAM_BENCH=OFF \
  -DCMAKE_PROJECT_INCLUDE="$root/fuzz/enable.cmake" >/dev/null
cmake --build "$dir" --target players_file_fuzz --parallel "$(nproc)"
corpus="$dir/players-corpus"
mkdir -p "$corpus"
cd "$dir"
./fuzz/players_file_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$dir/" "$corpus" "$root/fuzz/corpus/players"
