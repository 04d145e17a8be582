# A left press on the bare window area and a move of the mouse move the window with the mouse;
# the same on the board does not.
#   drag_by_body.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
start_kurobi "$1"
eventually window_settled || fail "the window did not settle: $(geometry "$main")"

at() { read -r x y _ < <(geometry "$main"); echo "$x $y"; }
read -r x0 y0 < <(at)

# On the board, at the start of a game: nothing to do for the press.
xdotool mousemove $((x0 + 150)) $((y0 + 200)) mousedown 1
for step in 1 2 3 4; do xdotool mousemove_relative -- -15 12; done
xdotool mouseup 1

# Below the board, clear of every control. The window manager takes the move over once it gets
# the window's request: the pointer creeps to the right until the window follows it.
xdotool mousemove $((x0 + 200)) $((y0 + 370)) mousedown 1
crept=0
creep() {
  [ "$(at)" != "$x0 $y0" ] && return 0
  xdotool mousemove_relative 1 0
  crept=$((crept + 1))
  return 1
}
eventually creep || fail "a press on the bare window area and a move did not move the window"
read -r x1 y1 < <(at)
# A move started from the board would have taken the window left and down.
[ "$y1" -eq "$y0" ] && [ "$x1" -gt "$x0" ] && [ "$x1" -le $((x0 + crept)) ] ||
  fail "the window went from $x0 $y0 to $x1 $y1 for $crept pixels of creep"

read -r px py < <(pointer)
for step in 1 2 3 4; do xdotool mousemove $((px + 70 * step / 4)) $((py + 40 * step / 4)); done
expected="$((x1 + 70)) $((y1 + 40))"
follows() {
  [ "$(at)" = "$expected" ] && return 0
  xdotool mousemove_relative 1 0 mousemove_relative -- -1 0
  return 1
}
eventually follows || fail "the window is at $(at), not at $expected: from $x1 $y1 by 70 40"
xdotool mouseup 1
