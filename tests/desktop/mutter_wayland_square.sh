# Natively on Wayland under mutter, which leaves the window's decorations to Qt, the window is
# square with them at the start and after the user has widened it by the decorations' corner, and
# maximised to the 800×600 output it draws its whole board inside, where a click on a square of
# the board's bottom row plays.
#   mutter_wayland_square.sh path/to/kurobi
source "$(dirname "$0")/wayland.sh"
start_game "$1"

# The window with its decorations, as "width height x y" on the output: all but mutter's blue
# background (of which the pointer, drawn by mutter, stands apart).
grab_window() {
  grab "$folder/grab.png" && window=$(largest_region "$folder/grab.png" -separate -delete 0 \
    -compose MinusDst -composite -threshold 6% -negate) && [ -n "$window" ]
}
square_and_wider_than() {
  local w h
  grab_window && read -r w h _ <<<"$window" && [ "$w" -eq "$h" ] && [ "$w" -gt "$1" ] &&
    board=$(board_in "$folder/grab.png") && board_inside "$window"
}
soon square_and_wider_than 100 ||
  fail "not square with the board inside at the start: window $window, board $board"
echo "at the start: window $window, board $board (width height x y)"

# Qt's decorations are 3 pixels wide at the sides and the bottom; the corner's are the last ones.
# The pointer ends away from the window, where mutter draws it apart.
read -r width height x y <<<"$window"
move_to() { xdotool mousemove --window "$MUTTER_OUTPUT_WINDOW" "$1" "$2" sleep 0.1; }
move_to $((x + width - 2)) $((y + height - 2))
xdotool mousedown 1
for step in 25 50 75 100; do
  move_to $((x + width - 2 + step)) $((y + height - 2 + step / 2))
done
xdotool mouseup 1
move_to 5 595
soon square_and_wider_than "$width" ||
  fail "not square and wider after the resize: window $window, board $board"
echo "after the resize: window $window, board $board"

# Qt's maximise button: the second from the right of the title bar, 18 pixels wide and 5 apart,
# the last one 8 pixels from the edge.
read -r width height x y <<<"$window"
click $((x + width - 40)) $((y + 15))
maximised() {
  grab_window && [ "$window" = "800 600 0 0" ] && grab_board && board_inside "$window"
}
soon maximised || fail "maximised: window $window, board $board"
echo "maximised: window $window, board $board"

play_to_bottom_row
