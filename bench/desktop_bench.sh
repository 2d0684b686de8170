#!/usr/bin/env bash
# The game as a desktop program, side by side with packaged nonogram games
# when they happen to be installed (none is installed for this): on a virtual
# X server with software OpenGL, medians of 5 starts of
#   exec to window mapped, exec to first painted frame, mapped to painted,
# then, in one more run: resident memory, and the whole process's CPU (all
# threads, from /proc) over 10 s idle and over 10 s of the pointer moving
# across the window.
#
# Then the whole game's start-up, on a copy of the game's data whose loading
# screen has no splash (the splash's seconds are the designer's, not the
# program's): medians of the same number of starts of exec to the first frame
# drawn and exec to the first screen taking input (after the fade window has
# opened and closed again; the same less the fade's own seconds is what the
# program costs), as the game traces them (NONOGRAM_STARTUP_TRACE), and the
# resident memory on that first screen. Goals beside them: the first frame no
# later than a packaged game's, the first screen within 500 ms less the fade,
# under 100 MiB resident.
#
# Figures only; nothing here passes or fails on timing.
#
#   bench/desktop_bench.sh [build folder, default build-tests] [runs, default 5]
#                          [resources folder, default the checkout's Resources]
#
# The game runs with OpenAL's null device (its mixer thread runs as it would
# on a sound card) and without message boxes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${1:-build-tests}"
runs=${2:-5}
resources=$(realpath "${3:-$root/Resources}")
watch="$build/bench/window_watch"
game="$build/nonogram"
[ -x "$watch" ] || { echo "desktop_bench: build $watch first (needs libx11-dev)" >&2; exit 1; }
[ -x "$game" ] || { echo "desktop_bench: build $game first" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "desktop_bench: $tool is not installed" >&2; exit 1; }
done

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
export XDG_DATA_HOME="$scratch/data" HOME="$scratch/home" ALSOFT_DRIVERS=null NONOGRAM_NO_DIALOGS=1
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
mkdir -p "$HOME"

# Programs to compare: name and command. Packaged games only when installed.
names=("this game")
commands=("$game")
for candidate in gnome-nonograms picmi; do
  if command -v "$candidate" >/dev/null; then
    names+=("$candidate")
    commands+=("$(command -v "$candidate")")
  fi
done

mkdir -p "$scratch/full"
cp -r "$resources" "$scratch/full/Resources"

ticks_per_s=$(getconf CLK_TCK)
cpu_ticks() {  # utime + stime of the whole process (every thread)
  awk '{print $14 + $15}' "/proc/$1/stat"
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
stop() {
  kill -TERM "$1" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null || true
}

printf '%-18s %10s %10s %10s %8s %10s %12s\n' program "mapped ms" "painted ms" "map->paint" "RSS MiB" "idle CPU" "pointer CPU"
for i in "${!names[@]}"; do
  name=${names[$i]}
  command=${commands[$i]}
  : >"$scratch/mapped"
  : >"$scratch/painted"
  pid=
  for run in $(seq "$runs"); do
    # This game runs on the data given (it looks in its working folder first).
    if ! (cd "$scratch/full" && "$watch" --timeout 30 -- $command >"$scratch/watch" 2>"$scratch/watch.err"); then
      echo "$name: $(cat "$scratch/watch.err")" >&2
      continue 2
    fi
    pid=$(awk '/^pid/ {print $2}' "$scratch/watch")
    awk '/^exec_to_mapped_ms/ {print $2}' "$scratch/watch" >>"$scratch/mapped"
    awk '/^exec_to_painted_ms/ {print $2}' "$scratch/watch" >>"$scratch/painted"
    if [ "$run" -lt "$runs" ]; then stop "$pid"; fi
  done
  mapped=$(median <"$scratch/mapped")
  painted=$(median <"$scratch/painted")

  # The last run stays up: memory and CPU once it has settled.
  sleep 2
  rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  before=$(cpu_ticks "$pid")
  sleep 10
  idle=$(( $(cpu_ticks "$pid") - before ))
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
  before=$(cpu_ticks "$pid")
  end=$((SECONDS + 10))
  x=100
  while [ "$SECONDS" -lt "$end" ]; do
    if [ -n "$window" ]; then
      xdotool mousemove --window "$window" "$x" $((200 + x % 300)) 2>/dev/null || true
    else
      xdotool mousemove "$x" $((200 + x % 300)) 2>/dev/null || true
    fi
    x=$(( x >= 900 ? 100 : x + 7 ))
    sleep 0.01
  done
  moving=$(( $(cpu_ticks "$pid") - before ))
  stop "$pid"
  awk -v n="$name" -v m="$mapped" -v p="$painted" -v r="$rss_kib" -v i="$idle" -v mv="$moving" -v t="$ticks_per_s" \
    'BEGIN {printf "%-18s %10.0f %10.0f %10.0f %8.0f %9.1f%% %11.1f%%\n", n, m, p, p - m, r / 1024, 100 * i / t / 10, 100 * mv / t / 10}'
done
[ ${#names[@]} -gt 1 ] || echo "(no packaged nonogram game is installed: this game alone)"

# --- The whole game's start-up, the splash left out.
copy="$scratch/nosplash"
mkdir -p "$copy"
cp -r "$resources" "$copy/Resources"
python3 - "$copy/Resources" <<'PYTHON'
import sys
import xml.etree.ElementTree as tree
root = sys.argv[1]
screen = root + "/data/share/main/other/screen_loading.xml"
try:
    document = tree.parse(screen)
except (OSError, tree.ParseError):
    sys.exit(0)  # no loading screen: nothing to leave out
splashes = document.getroot().find("splashes")
if splashes is not None:
    for splash in list(splashes):
        splashes.remove(splash)
document.write(screen, encoding="utf-8", xml_declaration=True)
PYTHON
fade_s=$(python3 - "$copy/Resources" <<'PYTHON'
import sys
import xml.etree.ElementTree as tree
try:
    window = tree.parse(sys.argv[1] + "/data/share/main/windows/Fade_Transition.xml").getroot()
    print(float(window.get("_timeShow", "0.5")) + float(window.get("_timeHide", window.get("_timeShow", "0.5"))))
except (OSError, tree.ParseError):
    print(0)
PYTHON
)
: >"$scratch/first"
: >"$scratch/interactive"
: >"$scratch/rss"
: >"$scratch/anon"
for run in $(seq "$runs"); do
  rm -rf "$XDG_DATA_HOME"
  if ! (cd "$copy" && NONOGRAM_STARTUP_TRACE=1 "$watch" --timeout 30 -- "$game" >"$scratch/watch" 2>"$scratch/watch.err"); then
    echo "the whole game: $(cat "$scratch/watch.err")" >&2
    break
  fi
  pid=$(awk '/^pid/ {print $2}' "$scratch/watch")
  exec_at=$(awk '/^exec_at/ {print $2}' "$scratch/watch")
  for _ in $(seq 200); do
    grep -q "first screen interactive" "$scratch/watch.err" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  moment() { awk -v what="$1" -v at="$exec_at" 'index($0, "startup: " what " at ") == 1 {print $(NF - 1) - at}' "$scratch/watch.err"; }
  first=$(moment "first frame")
  interactive=$(moment "first screen interactive")
  if [ -z "$interactive" ]; then
    echo "the whole game did not reach its first screen: $(cat "$scratch/watch.err")" >&2
    stop "$pid"
    break
  fi
  echo "$first" >>"$scratch/first"
  echo "$interactive" >>"$scratch/interactive"
  awk '/^VmRSS/ {print $2}' "/proc/$pid/status" >>"$scratch/rss"
  awk '/^RssAnon/ {print $2}' "/proc/$pid/status" >>"$scratch/anon"
  stop "$pid"
done
if [ -s "$scratch/interactive" ]; then
  printf '\n%-18s %14s %18s %16s %9s %10s\n' "whole game" "first frame ms" "first screen ms" "less fade ms" \
    "RSS MiB" "anon MiB"
  awk -v f="$(median <"$scratch/first")" -v i="$(median <"$scratch/interactive")" -v fade="$fade_s" \
    -v r="$(median <"$scratch/rss")" -v a="$(median <"$scratch/anon")" \
    'BEGIN {printf "%-18s %14.0f %18.0f %16.0f %9.0f %10.0f\n", "this game", f, i, i - fade * 1000, r / 1024, a / 1024}'
  echo "(RSS counts the pages of shared libraries in use, the software OpenGL driver's among them;"
  echo " anon is the process's own memory)"
  echo "(goals: first screen under 500 ms less the fade's $fade_s s, under 100 MiB on it)"
fi
