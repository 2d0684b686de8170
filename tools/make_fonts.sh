#!/usr/bin/env bash
# Regenerates the game's bitmap fonts from DejaVu (Debian: fonts-dejavu-core)
# into Resources/data/share/font: one BMFont XML description and one PNG page
# per font, the font list "fonts.xml" and the typeface's licence.
#
#   tools/make_fonts.sh [builddir]     (default builddir: build)
#
# The generator is built in the build folder first. Its output depends only on
# the typeface files, so running this again gives the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac

dejavu=/usr/share/fonts/truetype/dejavu
licence=/usr/share/doc/fonts-dejavu-core/copyright
for f in "$dejavu/DejaVuSans.ttf" "$dejavu/DejaVuSans-Bold.ttf" "$licence"; do
  [ -f "$f" ] || { echo "make_fonts: $f is missing (install fonts-dejavu-core)" >&2; exit 1; }
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" --target font_generator >/dev/null
generator="$build/tools/font_generator"

out="$root/Resources/data/share/font"
folder="data/share/font"
mkdir -p "$out"

# name in the font list, file stem, typeface file, size in px, extra options
fonts=(
  "sans_14      dejavu_sans_14              DejaVuSans.ttf       14"
  "sans_20      dejavu_sans_20              DejaVuSans.ttf       20"
  "sans_28      dejavu_sans_28              DejaVuSans.ttf       28"
  "sans_bold_14 dejavu_sans_bold_14         DejaVuSans-Bold.ttf  14 --bold"
  "sans_bold_20 dejavu_sans_bold_20         DejaVuSans-Bold.ttf  20 --bold"
  "sans_bold_28 dejavu_sans_bold_28         DejaVuSans-Bold.ttf  28 --bold"
  "title_44     dejavu_sans_bold_44_shadow  DejaVuSans-Bold.ttf  44 --bold --shadow"
)

list="$out/fonts.xml"
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<fonts>'
} >"$list"
for entry in "${fonts[@]}"; do
  read -r name stem ttf size extra <<<"$entry"
  # shellcheck disable=SC2086
  "$generator" --ttf "$dejavu/$ttf" --size "$size" --face "DejaVu Sans" $extra \
    --out "$out" --name "$stem"
  echo "  <font name=\"$name\" texture=\"$folder $stem.png\" xml=\"$folder $stem.xml\"/>" >>"$list"
done
echo '</fonts>' >>"$list"

cp "$licence" "$out/dejavu_licence.txt"
echo "make_fonts: wrote ${#fonts[@]} fonts to $out"
