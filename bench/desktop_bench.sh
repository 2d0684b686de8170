#!/usr/bin/env bash
# The game as a desktop program, side by side with packaged nonogram games
# when they happen to be installed (none is installed for this): on a virtual
# X server with software OpenGL, medians of 5 starts of
#   exec to window mapped, exec to first painted frame, mapped to painted,
# then, in one more run: resident memory, and the whole process's CPU (all
# threads, from /proc) over 10 s idle and over 10 s of the pointer moving
# across the window. Figures only; nothing here passes or fails on timing.
#
#   bench/desktop_bench.sh [build folder, default build-tests] [runs, default 5]
#
# The game runs with OpenAL's null device (its mixer thread runs as it would
# on a sound card) and without message boxes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${1:-build-tests}"
runs=${2:-5}
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
    if ! "$watch" --timeout 30 -- $command >"$scratch/watch" 2>"$scratch/watch.err"; then
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
