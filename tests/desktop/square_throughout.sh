# Under a window manager that frames the window, the window is square with its frame from the
# start, 403 pixels wide and centred, and again after the user widened it with the frame's corner
# grip to 500, with the board for each width; and at no time does it shrink below its size at the
# start.
#   square_throughout.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
launch_kurobi "$1"
record_sizes

within 30 frame_extents "$main" || fail "the window manager gave the window no frame"
read -r left right top bottom < <(frame_extents "$main")
[ $((left + right)) -ne $((top + bottom)) ] || fail "a frame as high as wide proves nothing"
within 30 window_settled || fail "not square and centred at the start: $(geometry "$main")"
outer_size_is "$main" "403 403" || fail "outer size $(outer_size "$main") at the start"
# 403 wide: 37-pixel squares, a 296-pixel board inside its one-pixel frame.
within 30 board_background_is "294x294+9+*" || fail "board background $(board_background_box)"
echo "at the start: outer $(outer_size "$main"), client $(geometry "$main"), board $(board_background_box)"
read -r _ _ start_width start_height < <(geometry "$main")

drag_frame_corner 97
xdotool mouseup 1
within 30 outer_size_is "$main" "500 500" || fail "outer size $(outer_size "$main") after the resize"
# 500 wide: 46-pixel squares, a 368-pixel board.
within 30 board_background_is "366x366+9+*" || fail "board background $(board_background_box)"
echo "after the resize: outer $(outer_size "$main"), client $(geometry "$main"), board $(board_background_box)"

read -r width height < <(smallest_size)
[ "$width" -ge "$start_width" ] && [ "$height" -ge "$start_height" ] ||
  fail "the window shrank to ${width}x$height on the way"
