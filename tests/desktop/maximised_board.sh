# Maximised, the window takes the size the window manager gives it, and the board, its squares
# sized by the smaller of three quarters of the width and the height under the buttons, lies
# wholly inside it: a move in its bottom row is played where it was clicked.
#   maximised_board.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
launch_kurobi "$1"
within 30 window_settled || fail "the window did not settle: $(geometry "$main")"

# "開始", left of "終了" on the row of buttons; the board starts 40 pixels below the row's top.
IFS='x+' read -r _ _ _ board_top < <(board_background_box)
xdotool mousemove --window "$main" 40 $((board_top - 1 - 40 + 16)) click 1

within 30 maximise_by_title || fail "not maximised after double clicks on the title bar: \
$(xprop -id "$main" _NET_WM_STATE), outer size $(outer_size "$main")"
read -r _ _ screen_width screen_height < <(geometry root)
# The whole screen, and the whole board inside the client area.
board_fits() {
  local width height w h x y
  outer_size_is "$main" "$screen_width $screen_height" || return 1
  read -r _ _ width height < <(geometry "$main")
  IFS='x+' read -r w h x y < <(board_background_box)
  [ "$w" -eq "$h" ] && [ "$w" -gt 294 ] && [ $((x + w)) -lt "$width" ] && [ $((y + h)) -lt "$height" ]
}
within 30 board_fits || fail "$(xprop -id "$main" _NET_WM_STATE), outer size $(outer_size "$main"),
  client area $(geometry "$main"), board background $(board_background_box)"
echo "maximised: outer $(outer_size "$main"), client $(geometry "$main"), board $(board_background_box)"

# Black's moves and the computer's replies at level 6, which leave black a move in the bottom row.
for move in "5 6 4 6" "3 4 6 6" "4 7 3 8"; do
  read -r column row reply_column reply_row <<<"$move"
  within 30 take_square "$column" "$row" || fail "no disc at $column $row after clicks on it"
  within 30 disc_is "$reply_column" "$reply_row" FFFFFF ||
    fail "no white reply at $reply_column $reply_row"
done
within 30 take_square 4 8 || fail "no disc at 4 8, in the bottom row, after clicks on it"
# Black's, unless the computer's answer has turned it already.
colour=$(square_colour 4 8)
[ "$colour" = 000000 ] || [ "$colour" = FFFFFF ] || fail "colour $colour at 4 8"
maximised && outer_size_is "$main" "$screen_width $screen_height" ||
  fail "no longer maximised: outer size $(outer_size "$main")"
