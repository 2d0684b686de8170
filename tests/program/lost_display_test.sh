#!/usr/bin/env bash
# When the X server goes away under the running game, the process ends within
# a second with status 1 (never by a signal), saying why, instead of spinning
# on the dead connection or crashing in its teardown: once on the title, once
# during a level. The level is reached as a person reaches it, by clicks on
# the window: Play, a new player's name, the first pack, its first level.
# The saves are removed just before the server goes, so what is found after
# was written at the loss: the players with the one made in this run, and the
# user's settings.
# Usage: lost_display_test.sh <program> <checkout>
set -euo pipefail
program=$(realpath "$1")
here=$(realpath "$(dirname "$0")")
source "$here/program_run.sh"

setup_x_run

# Starts the game (on the server running) and waits for its first screen; a
# key skips the splash.
start_game() {
  run=$1
  NONOGRAM_STARTUP_TRACE=1 "$program" 2>"$scratch/$run.err" &
  pid=$!
  window=$(find_window Nonogram 30)
  [ -n "$window" ] || fail "$run: no window appeared: $(cat "$scratch/$run.err")"
  xdotool key --window "$window" space
  interactive() { grep -q "first screen interactive" "$scratch/$run.err"; }
  wait_until 30 interactive || fail "$run: the game did not reach its first screen"
}

# Takes the server away: the game ends at once with status 1, saying why.
lose_display() {
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
  wait_exit "$pid" 10
  [ "$exit_status" -eq 1 ] ||
    fail "$run: losing the display ended the game with status $exit_status: $(cat "$scratch/$run.err")"
  [ "$exit_ms" -lt 1000 ] || fail "$run: the game took $exit_ms ms to end after the display went away"
  grep -q "was lost; the game ends" "$scratch/$run.err" ||
    fail "$run: stderr does not say why: $(cat "$scratch/$run.err")"
}

# Whether the window shows `point` (x y RRGGBB: the colour there, near
# enough) within the seconds given (0: now); `colour point` prints the colour
# there. The points are the shipped screens': the title's background, dimmed
# behind the name dialog, the dialog's OK button once a name is typed, the
# first pack's picture, the level list's page marker, the level's hint button.
shows() { python3 "$here/x_window.py" wait "$window" "$1" $2 >/dev/null 2>&1; }
colour() { python3 "$here/x_window.py" wait "$window" 0 $1 2>/dev/null || true; }
title="100 400 eee8dc"
dialog="100 400 848686"
named="340 450 edb761"
packs="310 218 c9933e"
levels="500 684 edae49"
level="960 148 edae49"

# Does `action` and waits for the screen to show `to`. The game swallows
# clicks while a window slides or fades: without the change the action is
# done again, but only while the screen still shows `from`, so an action the
# game took is never done twice.
act_until() {
  local what=$1 from=$2 to=$3
  shift 3
  local deadline=$((SECONDS + 30))
  "$@"
  until shows 2 "$to"; do
    ((SECONDS < deadline)) || fail "$run: $what did not show: $(colour "$to") at ${to% *}, not ${to##* }"
    if shows 0 "$from"; then "$@"; fi
  done
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# --- On the title.
start_game title
lose_display

# --- During a level, with a player made in this run.
rm -rf "$XDG_DATA_HOME"
start_xvfb
start_game level
act_until "the name dialog" "$title" "$dialog" click 512 480
act_until "the typed name" "$dialog" "$named" xdotool type --delay 40 Loss
act_until "the pack list" "$named" "$packs" click 402 464
act_until "the first pack's levels" "$packs" "$levels" click 336 270
act_until "the first level" "$levels" "$level" click 251 324
rm -f "$saves/players.save" "$saves/game.xml"
lose_display
grep -qa "Loss" "$saves/players.save" 2>/dev/null ||
  fail "the players saved at the loss do not hold the player made in this run"
grep -q '<version value="65792" */>' "$saves/game.xml" 2>/dev/null ||
  fail "the user's settings were not saved at the loss: $(cat "$saves/game.xml" 2>&1)"
echo "ok (title and level; the level's run ended $exit_ms ms after the server)"
