# Shared by the whole-program test scripts (sourced, not run): starting the
# game, waiting on it with a deadline, and failing with a reason.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits until the command succeeds, polling every 50 ms; false after the
# given number of seconds.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

# Waits for the background process to end within the given seconds and sets
# `exit_status` and `exit_ms` (milliseconds from the call). Kills it and fails
# when it does not end.
wait_exit() {
  local pid=$1 seconds=$2
  local start end
  start=$(date +%s%N)
  if ! wait_until "$seconds" process_gone "$pid"; then
    kill -KILL "$pid" 2>/dev/null || true
    fail "the program (pid $pid) did not end within $seconds s"
  fi
  end=$(date +%s%N)
  exit_ms=$(((end - start) / 1000000))
  exit_status=0
  wait "$pid" || exit_status=$?
}

process_gone() {
  # A finished child stays a zombie until it is waited for.
  local state
  state=$(awk '/^State:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}

# The program's current folder (it moves into the data it found).
program_folder() { readlink "/proc/$1/cwd" 2>/dev/null; }

# Starts a virtual X server on a free display and exports DISPLAY; the
# server's pid goes to `xvfb_pid`. Skips the test (status 77) when Xvfb is
# not installed.
start_xvfb() {
  command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
  local fifo="$scratch/xvfb-display"
  : >"$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>"$scratch/xvfb.err" &
  xvfb_pid=$!
  has_display() { [ -s "$fifo" ]; }
  wait_until 20 has_display || fail "Xvfb did not start: $(cat "$scratch/xvfb.err")"
  export DISPLAY=":$(tr -d '[:space:]' <"$fifo")"
}

stop_xvfb() {
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}

# The id of the program's mapped window titled exactly as given (waits up to
# the seconds given).
find_window() {
  local title=$1 seconds=$2 id
  id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
  echo "$id"
}

# The set-up of a run on a virtual X server, driven with xdotool (the test
# is skipped, status 77, without it): a scratch folder removed at the
# end (with the server), app data inside it (`saves`: where the shipped
# game.xml puts the saves), no dialogs, OpenAL's null
# device, no leak check (the program loads OpenGL, whose driver keeps memory
# until exit), and the server started. The session bus is one that is not
# there: SDL's video start asks D-Bus for the session bus, and without an
# address libdbus forks to autolaunch one; a child forked from the
# sanitizers' threaded process can deadlock before its exec and leave the
# program waiting on its pipe for ever. A missing socket fails at once and
# SDL goes on without the bus, as it does on any desktop without one.
setup_x_run() {
  command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
  scratch=$(mktemp -d)
  trap 'stop_xvfb; rm -rf "$scratch"' EXIT
  export XDG_DATA_HOME="$scratch/app-data" HOME="$scratch/home" ALSOFT_DRIVERS=null NONOGRAM_NO_DIALOGS=1
  saves="$XDG_DATA_HOME/Vorlane/HarvelstonePyndlex"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-session-bus"
  unset SDL_VIDEODRIVER WAYLAND_DISPLAY
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  start_xvfb
}
