#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time:
#   fuzz/run.sh [seconds per target, default 60] [target ...]
# Targets (default: all): players_file level_file font_description
# sound_bank localization engine_config zip_reader. Each starts from its
# corpus in fuzz/corpus/<target> and, where they exist, the shipped files of
# its kind. Any crash, leak, undefined behaviour or broken promise stops the
# run with a non-zero status and leaves the input that caused it in the build
# folder. FUZZ_CMAKE_ARGS, when set, adds options to the configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] ||
  targets=(players_file level_file font_description sound_bank localization engine_config zip_reader)
dir="$root/${FUZZ_BUILD_DIR:-build-fuzz}"
cmake -S "$root" -B "$dir" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNONOGRAM_TESTS=OFF -DNONOGRAM_BENCH=OFF \
  -DCMAKE_PROJECT_INCLUDE="$root/fuzz/enable.cmake" ${FUZZ_CMAKE_ARGS:-} >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/%/_fuzz}"

# Seeds from the shipped data, made fresh each run.
seeds="$dir/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"/{level_file,font_description,sound_bank,localization,engine_config,zip_reader}
resources="$root/Resources"
levels="$resources/data/share/main/levels"
if [ -f "$levels" ]; then
  unzip -qjo "$levels" -d "$seeds/level_file" 2>/dev/null || true
  cp "$levels" "$seeds/zip_reader/levels"
fi
while IFS= read -r -d '' font; do
  # The target reads two choice bytes before the description.
  { printf '\001\004'; cat "$font"; } >"$seeds/font_description/$(basename "$font")"
done < <(find "$resources" -path '*/font/*.xml' ! -name fonts.xml -print0 2>/dev/null)
find "$resources" -iname '*sound*.xml' -exec cp -t "$seeds/sound_bank" {} + 2>/dev/null || true
find "$resources" -iname 'strings*.xml' -exec cp -t "$seeds/localization" {} + 2>/dev/null || true
# A small archive sealed with the password the target tries.
if command -v zip >/dev/null; then
  (cd "$root/fuzz/corpus/engine_config" && zip -q -P secret "$seeds/zip_reader/sealed.zip" config.xml)
fi

status=0
for target in "${targets[@]}"; do
  corpus="$dir/corpus-$target"
  mkdir -p "$corpus"
  inputs=("$corpus")
  own="$root/fuzz/corpus/${target/#players_file/players}"
  [ -d "$own" ] && inputs+=("$own")
  [ -n "$(ls -A "$seeds/$target" 2>/dev/null)" ] && inputs+=("$seeds/$target")
  echo "== fuzz $target (${seconds}s)"
  if ! (cd "$dir" && "./fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=0 -artifact_prefix="$dir/$target-" "${inputs[@]}" 2>"$dir/$target.log"); then
    tail -n 40 "$dir/$target.log" >&2
    status=1
  else
    grep -E '^Done [0-9]+ runs' "$dir/$target.log" | tail -n 1 || true
  fi
done
exit $status
