# Helpers of the whole-program tests, which run the game inside tests/support/with-desktop and
# drive it with real input events through the X server's test extension (xdotool). Sourced.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Polls `condition...` every tenth of a second for up to 30 seconds; true once it holds.
eventually() {
  local tries
  for ((tries = 300; tries > 0; tries--)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Starts the game binary in a new empty folder ($folder); sets $kurobi_pid, $main (its window)
# and $icon (its notification icon). The game and the folder go when the test ends.
start_kurobi() {
  folder=$(mktemp -d "${TMPDIR:-/tmp}/kurobi-run.XXXXXX")
  (cd "$folder" && exec "$1") &
  kurobi_pid=$!
  trap 'kill "$kurobi_pid" 2>/dev/null || true; wait "$kurobi_pid" 2>/dev/null || true; rm -rf "$folder"' EXIT
  eventually main_window_shown || fail "the window did not show"
  main=$(main_window_shown)
  eventually icon_shown || fail "the notification icon did not show"
  icon=$(icon_shown)
}

main_window_shown() {
  xdotool search --all --onlyvisible --pid "$kurobi_pid" --name '^Kurobiver1\.17$' | head -n1 | grep .
}

# The game's window inside the notification area (at the top left of the screen).
icon_shown() {
  local w x y
  for w in $(game_windows); do
    [ "$w" = "$main" ] && continue
    read -r x y _ < <(geometry "$w")
    [ "$x" -lt 200 ] && [ "$y" -lt 30 ] && echo "$w" && return 0
  done
  return 1
}

game_windows() { xdotool search --all --onlyvisible --pid "$kurobi_pid" '' 2>/dev/null || true; }

# "x y width height" of a window's client area (or of the screen: root), x and y on the screen.
geometry() {
  if [ "$1" = root ]; then xwininfo -root; else xwininfo -id "$1"; fi | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /^  Width:/ {w = $NF} /^  Height:/ {h = $NF} END {print x, y, w, h}'
}

# "left right top bottom" of the frame that the window manager put around a window.
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^.* = \(.*\)$/\1/p' | tr -d , | grep .
}

# "width height" of a window with its frame.
outer_size() {
  local x y w h l r t b
  read -r x y w h < <(geometry "$1")
  read -r l r t b < <(frame_extents "$1") || return 1
  echo "$((w + l + r)) $((h + t + b))"
}

outer_size_is() { [ "$(outer_size "$1")" = "$2" ]; }

# The window has its frame, is square with it and stands, frame and all, in the middle of the
# screen: the game has followed the frame that the window manager gave it. Within `slack`
# pixels (1 unless given): at twice the density the frame's odd device pixels cannot be halved.
window_settled() {
  local slack=${1:-1} x y w h l r t b screen_w screen_h
  read -r x y w h < <(geometry "$main")
  read -r l r t b < <(frame_extents "$main") || return 1
  read -r _ _ screen_w screen_h < <(geometry root)
  near $((w + l + r)) $((h + t + b)) && near $((2 * (x - l) + w + l + r)) "$screen_w" &&
    near $((2 * (y - t) + h + t + b)) "$screen_h"
}

near() { [ $(($1 - $2)) -ge -"$slack" ] && [ $(($1 - $2)) -le "$slack" ]; }

# Where the pointer is, as "x y".
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }

# The bounding box "WxH+X+Y" of the board's background colour in a grab of the game's window.
board_background_box() {
  import -window "$main" "$folder/grab.png"
  convert "$folder/grab.png" -fill black +opaque '#008080' -fill white -opaque '#008080' \
    -format '%@\n' info:
}

# `pattern` as in [[ == ]].
board_background_is() { [[ "$(board_background_box)" == $1 ]]; }
