# The pieces every test session is made of: a folder of its own, the processes it started
# (stopped in reverse order by PID when the session ends, also when its start fails), polling,
# a virtual X server and a session bus. Sourced by the with-* scripts.
set -euo pipefail

session=$(mktemp -d "${TMPDIR:-/tmp}/kurobi-session.XXXXXX")
chmod 755 "$session"
started=()

stop_session() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
    wait "${started[i]}" 2>/dev/null || true
  done
  rm -rf "$session"
}
trap stop_session EXIT
trap 'exit 130' INT TERM

# Runs a command in the background with its output in $session/<name>.log and remembers it.
start() {
  local name=$1
  shift
  "$@" >>"$session/$name.log" 2>&1 &
  started+=($!)
}

fail() {
  echo "$(basename "$0"): $*" >&2
  local log
  for log in "$session"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; tail -n 40 "$log" >&2; }
  done
  exit 1
}

# Polls `condition` every tenth of a second for up to `seconds`; false if it never held.
poll() {
  local seconds=$1 tries
  shift
  for ((tries = seconds * 10; tries > 0; tries--)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Polls as `poll` does; fails with `what` if the condition never held.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  poll "$seconds" "$@" || fail "no $what after ${seconds}s"
}

alive() { kill -0 "$1" 2>/dev/null; }

# A virtual X server on a free display, `size` (WxH) large; exports DISPLAY.
start_x_server() {
  local size=${1:-1280x1024}
  # The server writes its display number to descriptor 3 once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$session/display" >"$session/xvfb.log" 2>&1 &
  started+=($!)
  local server=$!
  has_display() { alive "$server" && grep -q '^[0-9]' "$session/display"; }
  wait_for "X server" 30 has_display
  export DISPLAY=":$(head -n1 "$session/display")"
}

# A D-Bus session bus of the session's own; exports DBUS_SESSION_BUS_ADDRESS. Runs as `user`
# when given (the bus then belongs to that user).
start_session_bus() {
  local -a as=()
  [ -n "${1:-}" ] && as=(runuser -u "$1" --)
  "${as[@]}" dbus-daemon --session --nofork --nopidfile --print-address=1 \
    --address="unix:path=$session/bus" >"$session/bus-address" 2>"$session/dbus.log" &
  started+=($!)
  wait_for "session bus" 30 grep -q unix: "$session/bus-address"
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$session/bus-address")
}

# A private runtime folder (mode 700), owned by `user` when given; exports XDG_RUNTIME_DIR.
make_runtime_dir() {
  mkdir -m 700 "$session/runtime"
  [ -n "${1:-}" ] && chown "$1" "$session/runtime"
  export XDG_RUNTIME_DIR="$session/runtime"
}

# Configuration, cache and data folders of the session's own, and no system-wide configuration,
# so that no setting of the machine's or of its user's reaches the desktop under test; exports the
# XDG variables. Accessibility stays off: its bus would be started by the session bus, outside the
# processes the session stops.
make_private_xdg_dirs() {
  mkdir -p "$session/config" "$session/cache" "$session/data" "$session/config-dirs"
  export XDG_CONFIG_HOME="$session/config" XDG_CACHE_HOME="$session/cache"
  export XDG_DATA_HOME="$session/data" XDG_CONFIG_DIRS="$session/config-dirs"
  export NO_AT_BRIDGE=1 GTK_A11Y=none
}

# Waits up to `seconds` until the X window manager just started manages windows: the EWMH
# window managers publish the work area among the last things once they have taken the screen.
wait_for_window_manager() {
  window_manager_ready() { xprop -root _NET_WORKAREA | grep -q CARDINAL; }
  wait_for "window manager" "$1" window_manager_ready
}

# Waits up to `seconds` until `name` is owned on the session bus.
wait_for_bus_name() {
  bus_name_owned() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
      --method org.freedesktop.DBus.NameHasOwner "$1" | grep -q true
  }
  wait_for "$1 on the session bus" "$2" bus_name_owned "$1"
}

# Runs the command the session is for, with Qt programs on the X server (or on the Qt platform
# named by `qt_platform`) and no sound server (a program that looks for one finds nothing), and
# exits with its status: the session then stops.
run_in_session() {
  export QT_QPA_PLATFORM=${qt_platform:-xcb}
  export PULSE_SERVER="unix:$session/no-sound-server"
  local status=0
  "$@" || status=$?
  exit "$status"
}
