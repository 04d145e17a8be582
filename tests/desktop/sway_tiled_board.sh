# Natively on Wayland, tiled by sway into the whole output below the bar (a window far wider than
# high), the game draws its whole board inside the window, and a click on a square of the board's
# bottom row plays there. Made floating, the window's client area is square.
#   sway_tiled_board.sh path/to/kurobi
source "$(dirname "$0")/wayland.sh"
start_game "$1"

# The client area, as "width height x y" on the output.
client_area() {
  swaymsg -t get_tree | jq -re --argjson pid "$kurobi_pid" '.. | objects | select(.pid? == $pid) |
    "\(.window_rect.width) \(.window_rect.height)",
    "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"' | paste -sd' '
}
eventually client_area || fail "the window did not show"
echo "mapped (at its first frame) within $(($(now_ms) - started_ms)) ms of the start"
window=$(client_area)
soon grab_board || fail "no board shown"
board_drawn_inside() { grab_board && board_inside "$window"; }
soon board_drawn_inside || fail "board $board (width height x y) not inside the window $window"
echo "tiled: client area $window, board $board (width height x y)"

play_to_bottom_row

# Floating, the window gets a frame from sway whose size it is not told: its client area is square.
swaymsg "[pid=$kurobi_pid] floating enable" >/dev/null
client_area_square() { read -r width height _ < <(client_area) && [ "$width" -eq "$height" ]; }
soon client_area_square || fail "floating, not square: client area $(client_area)"
echo "floating: client area $(client_area)"
