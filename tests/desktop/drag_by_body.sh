# A left press on the bare window area and a move of the mouse move the window with the mouse;
# the same on the board does not.
#   drag_by_body.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
start_kurobi "$1"
eventually outer_size_is "$main" "403 403" || fail "the window did not settle: $(outer_size "$main")"

at() { read -r x y _ < <(geometry "$main"); echo "$x $y"; }
is_at() { [ "$(at)" = "$1" ]; }
read -r x0 y0 < <(at)

# Presses at (x, y) in the window, moves the pointer by (dx, dy) in steps and lets go.
drag() {
  local x=$((x0 + $1)) y=$((y0 + $2)) step
  xdotool mousemove "$x" "$y" mousedown 1
  for step in 1 2 3 4; do
    xdotool mousemove $((x + $3 * step / 4)) $((y + $4 * step / 4))
  done
}

# On the board, at the start of a game: nothing to do for the press.
drag 150 200 -60 50
xdotool mouseup 1
# Below the board, clear of every control. The window manager takes over the move when it gets
# the window's request; the pointer is moved until the window follows it.
drag 200 370 70 40
expected="$((x0 + 70)) $((y0 + 40))"
follows() {
  is_at "$expected" && return 0
  xdotool mousemove_relative 1 0 mousemove_relative -- -1 0
  return 1
}
eventually follows || fail "the window is at $(at), not at $expected: from $x0 $y0 by 70 40"
xdotool mouseup 1
