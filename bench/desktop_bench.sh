#!/usr/bin/env bash
# The game as a desktop program, side by side with the packaged nonogram games
# sgt-puzzles' "pattern" and picmi when they are installed: on a virtual X
# server with software OpenGL (Mesa's llvmpipe), in one run.
#
# 1. Starts: medians of the runs of exec to the window mapped, exec to its
#    first painted picture, mapped to painted.
# 2. What a player's session costs, the whole process's CPU over all of its
#    threads (from /proc/PID/task/*/schedstat, nanoseconds), medians of the
#    runs, each a fresh start:
#    - this game: on the finished title (after the splash and its fade), the
#      resident memory, 10 s idle, 10 s of the pointer moving in a serpentine
#      over the title; then a 15 x 15 level reached by clicks (play, a
#      player's name, the first pack, the second page of levels, "Cat";
#      the copy of the data the game runs on opens every level of the first
#      pack to a new player), 10 s idle in it, 10 s of the pointer's
#      serpentine over its board, the level solved by drags, and the 5 s
#      after the last drag: the won level's animations (the end sweep, the
#      finish window and its stars, the trophy the coins won);
#    - this game again, on a copy of the data whose new players miss a heart
#      (its refill counting down): 10 s idle on the level list, whose heart
#      panel shows the countdown, a new picture every second;
#    - a packaged game: 10 s idle and 10 s of the same serpentine over its
#      window (its board), the same figures in both rows.
# 3. The whole game's start-up on a copy of its data whose loading screen has
#    no splash (the splash's seconds are the designer's, not the program's):
#    exec to the first frame drawn and to the first screen taking input (less
#    the fade window's own seconds is what the program costs), as the game
#    traces them (NONOGRAM_STARTUP_TRACE), and the memory there.
#
# Figures only; nothing here passes or fails. The machine's load average is
# printed beside them: CPU shares measured under load are noisy.
#
#   bench/desktop_bench.sh [build folder, default build-tests] [runs, default 5]
#                          [resources folder, default the checkout's Resources]
#
# DESKTOP_BENCH_OTHERS=0 leaves the packaged games out. The game runs with
# OpenAL's null device (its mixer thread runs as it would on a sound card)
# and without message boxes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$root" && realpath "${1:-build-tests}")
runs=${2:-5}
resources=$(realpath "${3:-$root/Resources}")
watch="$build/bench/window_watch"
game="$build/nonogram"
[ -x "$watch" ] || { echo "desktop_bench: build $watch first (needs libx11-dev)" >&2; exit 1; }
[ -x "$game" ] || { echo "desktop_bench: build $game first" >&2; exit 1; }
for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "desktop_bench: $tool is not installed" >&2; exit 1; }
done

scratch=$(mktemp -d)
xvfb_pid=
bus_pid=
running=
cleanup() {
  [ -n "$running" ] && kill -KILL "$running" 2>/dev/null
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
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
# A session bus of the run's own (KDE's picmi will not start without one).
if command -v dbus-daemon >/dev/null; then
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$scratch/bus" 4>"$scratch/bus.pid" || true
  if [ -s "$scratch/bus" ]; then
    bus_pid=$(cat "$scratch/bus.pid")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
  fi
fi
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# The game's data for the sessions: every level of the first pack open to a
# new player. The level's cells, for the drags that solve it.
mkdir -p "$scratch/full" "$scratch/countdown"
cp -r "$resources" "$scratch/full/Resources"
python3 - "$scratch/full/Resources" "$scratch/strokes" <<'PYTHON'
import re
import sys
import xml.etree.ElementTree as tree
import zipfile
resources, strokes = sys.argv[1], sys.argv[2]
player = resources + "/data/share/main/other/player.xml"
text = open(player, encoding="utf-8").read()
pack = re.search(r'<pack id="1">.*?</pack>', text, re.S)
text = text[:pack.start()] + pack.group(0).replace('lock="true"', 'lock="false"') + text[pack.end():]
open(player, "w", encoding="utf-8").write(text)
# Cell centres as the board lays them out: blocks of cells, shifted apart.
level = tree.fromstring(zipfile.ZipFile(resources + "/data/share/main/levels").read("pack_1/cat.xml"))
s = level.find("settings")
size = [float(v) for v in s.get("elSize").split()]
grid = [int(v) for v in s.get("grid").split()]
block = [int(v) for v in s.get("block").split()]
shift = [int(v) for v in s.get("shiftBlock").split()]
position = [float(v) for v in s.get("position").split()]
blocks = [(grid[i] + block[i] - 1) // block[i] for i in range(2)]
span = [int(block[i] * size[i] * blocks[i] - (blocks[i] + 1) * shift[i]) for i in range(2)]
origin = [position[i] - span[i] / 2.0 - shift[i] for i in range(2)]
def centre(axis, index):
    return int(origin[axis] + size[axis] / 2 + index * size[axis] - (index // block[axis]) * shift[axis])
cells = [int(e.get("type")) == 100 for e in level.iter("element")]
with open(strokes, "w") as out:
    out.write("%d %d %d %d\n" % (centre(0, 0), centre(1, 0), centre(0, grid[0] - 1), centre(1, grid[1] - 1)))
    for row in range(grid[1]):
        col = 0
        while col < grid[0]:
            if not cells[row * grid[0] + col]:
                col += 1
                continue
            first = col
            while col < grid[0] and cells[row * grid[0] + col]:
                col += 1
            out.write("%d %d %d %d\n" % (centre(0, first), centre(1, row), centre(0, col - 1), centre(1, row)))
PYTHON
# The same data whose new players start with a heart missing and its refill
# under way.
cp -r "$scratch/full/Resources" "$scratch/countdown/Resources"
python3 - "$scratch/countdown/Resources/data/share/main/other/player.xml" <<'PYTHON'
import re
import sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
health = re.search(r'<health [^>]*/>', text)
count = int(re.search(r'count="(\d+)"', health.group(0)).group(1))
refill = re.search(r'time_refill_heart="(\d+)"', health.group(0)).group(1)
missing = '<health increment="true" count="%d" countdown="%s" time_refill_heart="%s"/>' % (count - 1, refill, refill)
open(path, "w", encoding="utf-8").write(text[:health.start()] + missing + text[health.end():])
PYTHON

ns_now() { date +%s%N; }
# CPU nanoseconds of every thread of the process (live threads; those that
# ended are in /proc/PID/stat only at clock-tick resolution).
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'
}
# Share of one core (in %) the process used while the command ran.
cpu_share() {
  local pid=$1
  shift
  local cpu0 t0 cpu1 t1
  cpu0=$(cpu_ns "$pid")
  t0=$(ns_now)
  "$@"
  cpu1=$(cpu_ns "$pid")
  t1=$(ns_now)
  awk -v c=$((cpu1 - cpu0)) -v t=$((t1 - t0)) 'BEGIN {printf "%.2f\n", 100 * c / t}'
}
median() { sort -n | awk '{a[NR] = $1} END {if (NR == 0) print "-"; else print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
stop() {
  kill -TERM "$1" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null || true
}
window_of() {
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}
# The pointer for 10 s in a serpentine over the window's rectangle (x0, y0)
# to (x1, y1): rows `row` pixels apart, a step of `step` pixels every 16 ms,
# one xdotool run (its own work is not the game's).
serpentine() {
  local window=$1 x0=$2 y0=$3 x1=$4 y1=$5 row=$6 step=$7
  local moves
  moves=$(awk -v w="$window" -v x0="$x0" -v y0="$y0" -v x1="$x1" -v y1="$y1" -v row="$row" -v step="$step" 'BEGIN {
    n = 0; y = y0; dir = 1; x = x0
    while (n < 625) {
      printf "mousemove --window %s %d %d sleep 0.016 ", w, x, y; n++
      x += dir * step
      if (x > x1 || x < x0) { dir = -dir; x += dir * step; y += row; if (y > y1) y = y0 }
    }
  }')
  # shellcheck disable=SC2086
  xdotool $moves 2>/dev/null || true
}
settle() { sleep "$1"; }
# This game's first screen taking input (the splash and its fade), and the
# title's slide in.
settle_title() {
  for _ in $(seq 300); do
    grep -q "first screen interactive" "$scratch/watch.err" && break
    sleep 0.05
  done
  settle 2
}
# From the title to the first pack's level list: play, a player's name, the
# first pack.
to_level_list() {
  xdotool mousemove --window "$1" 512 480 click 1 && settle 1.5
  xdotool mousemove --window "$1" 512 354 click 1 && settle 0.3
  xdotool type --delay 40 Bench && settle 0.3
  xdotool mousemove --window "$1" 402 464 click 1 && settle 2
  xdotool mousemove --window "$1" 336 270 click 1 && settle 2
}

# --- 1. Starts, and 2. the sessions.
names=("this game")
commands=("$game")
if [ "${DESKTOP_BENCH_OTHERS:-1}" != 0 ]; then
  for candidate in sgt-pattern picmi; do
    found=$(PATH="$PATH:/usr/games" command -v "$candidate" || true)
    if [ -n "$found" ]; then
      names+=("$candidate")
      commands+=("$found")
    fi
  done
fi

declare -A result
for i in "${!names[@]}"; do
  name=${names[$i]}
  command=${commands[$i]}
  for file in mapped painted rss title_idle title_pointer level_idle board_pointer won levels_idle; do
    : >"$scratch/$file"
  done
  for run in $(seq "$runs"); do
    rm -rf "$XDG_DATA_HOME"
    # This game runs on the data given (it looks in its working folder first).
    if ! (cd "$scratch/full" && NONOGRAM_STARTUP_TRACE=1 "$watch" --timeout 60 -- $command \
          >"$scratch/watch" 2>"$scratch/watch.err"); then
      echo "$name: $(tail -n 3 "$scratch/watch.err")" >&2
      continue 2
    fi
    pid=$(awk '/^pid/ {print $2}' "$scratch/watch")
    running=$pid
    awk '/^exec_to_mapped_ms/ {print $2}' "$scratch/watch" >>"$scratch/mapped"
    awk '/^exec_to_painted_ms/ {print $2}' "$scratch/watch" >>"$scratch/painted"
    window=$(window_of "$pid")
    if [ "$name" = "this game" ]; then
      # The finished title: the splash, the fade, the title's slide in.
      settle_title
      awk '/^VmRSS/ {print $2}' "/proc/$pid/status" >>"$scratch/rss"
      cpu_share "$pid" sleep 10 >>"$scratch/title_idle"
      cpu_share "$pid" serpentine "$window" 64 96 960 700 48 12 >>"$scratch/title_pointer"
      # The level list, the next page of levels, "Cat".
      to_level_list "$window"
      xdotool mousemove --window "$window" 958 420 click 1 && settle 1.5
      xdotool mousemove --window "$window" 599 515 click 1 && settle 3
      xdotool mousemove --window "$window" 1000 740 && settle 1
      cpu_share "$pid" sleep 10 >>"$scratch/level_idle"
      read -r bx0 by0 bx1 by1 <"$scratch/strokes"
      cpu_share "$pid" serpentine "$window" "$bx0" "$by0" "$bx1" "$by1" 38 8 >>"$scratch/board_pointer"
      # The solution, a drag a run of picture cells.
      drags=$(tail -n +2 "$scratch/strokes" | awk -v w="$window" '{
        printf "mousemove --window %s %d %d mousedown 1 sleep 0.03 mousemove --window %s %d %d sleep 0.03 mouseup 1 sleep 0.25 ", w, $1, $2, w, $3, $4 }')
      # shellcheck disable=SC2086
      xdotool $drags 2>/dev/null || true
      xdotool mousemove --window "$window" 1000 740
      cpu_share "$pid" sleep 5 >>"$scratch/won"
    else
      settle 2
      awk '/^VmRSS/ {print $2}' "/proc/$pid/status" >>"$scratch/rss"
      geometry=$(xdotool getwindowgeometry "$window" 2>/dev/null | awk '/Geometry/ {print $2}')
      width=${geometry%x*}
      height=${geometry#*x}
      cpu_share "$pid" sleep 10 >>"$scratch/title_idle"
      cp "$scratch/title_idle" "$scratch/level_idle"
      cpu_share "$pid" serpentine "$window" $((width / 10)) $((height / 10)) $((width * 9 / 10)) \
        $((height * 9 / 10)) 40 8 >>"$scratch/board_pointer"
      cp "$scratch/board_pointer" "$scratch/title_pointer"
    fi
    stop "$pid"
    running=
    [ "$name" = "this game" ] || continue
    # The level list with a heart's refill counting down.
    rm -rf "$XDG_DATA_HOME"
    if ! (cd "$scratch/countdown" && NONOGRAM_STARTUP_TRACE=1 "$watch" --timeout 60 -- $command \
          >"$scratch/watch" 2>"$scratch/watch.err"); then
      echo "$name: $(tail -n 3 "$scratch/watch.err")" >&2
      continue
    fi
    pid=$(awk '/^pid/ {print $2}' "$scratch/watch")
    running=$pid
    window=$(window_of "$pid")
    settle_title
    to_level_list "$window"
    xdotool mousemove --window "$window" 1000 740 && settle 1
    cpu_share "$pid" sleep 10 >>"$scratch/levels_idle"
    stop "$pid"
    running=
  done
  for file in mapped painted title_idle title_pointer level_idle board_pointer won levels_idle; do
    result[$name,$file]=$(median <"$scratch/$file")
  done
  result[$name,rss]=$(median <"$scratch/rss" | awk '{if ($1 == "-") print "-"; else printf "%.1f", $1 / 1024}')
done

printf '\nOn Xvfb, medians of %s runs; load average %s before, %s after.\n' \
  "$runs" "$load_before" "$(cut -d' ' -f1-3 /proc/loadavg)"
row() {
  local label=$1 key=$2
  printf '%-42s' "$label"
  for name in "${names[@]}"; do
    local value=${result[$name,$key]:--}
    { [ "$key" = won ] || [ "$key" = levels_idle ]; } && [ "$name" != "this game" ] && value=-
    printf ' %14s' "$value"
  done
  printf '\n'
}
printf '%-42s' ""
for name in "${names[@]}"; do printf ' %14s' "$name"; done
printf '\n'
row "pointer moving over the title, % of a core" title_pointer
row "pointer moving over a 15x15 board, %" board_pointer
row "a won level's animations, %" won
row "idle on the title, %" title_idle
row "idle in a level, %" level_idle
row "idle on the level list, heart refilling, %" levels_idle
row "resident memory on the title, MiB" rss
row "exec to window mapped, ms" mapped
row "exec to first painted picture, ms" painted
echo "(a packaged game's one window counts as both title and board; CPU is every thread's)"

# --- 3. The whole game's start-up, the splash left out.
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
  running=$pid
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
  running=
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
