# Under a window manager that frames the window, the window is square with its frame from the
# start, 403 pixels wide as created and centred, with the board for that width. Widened by the
# user with the frame's corner grip, it is square again once the button is released, with the
# board redrawn to three quarters of the new width.
#   square_window.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
start_kurobi "$1"

eventually frame_extents "$main" || fail "the window manager gave the window no frame"
read -r left right top bottom < <(frame_extents "$main")
[ $((left + right)) -ne $((top + bottom)) ] || fail "a frame as high as wide proves nothing"
eventually window_settled || fail "not square and centred at the start: $(geometry "$main")"
outer_size_is "$main" "403 403" || fail "outer size $(outer_size "$main") at the start"
# 403 wide: a 302-pixel surface, 37-pixel squares, a 296-pixel board inside its one-pixel frame.
eventually board_background_is "294x294+9+*" || fail "board background $(board_background_box)"
echo "at the start: outer $(outer_size "$main"), client $(geometry "$main")"

# The bottom right corner of the frame, just outside the client area.
read -r x y width height < <(geometry "$main")
xdotool mousemove $((x + width)) $((y + height + bottom / 2)) mousedown 1
for step in 25 50 75 97; do
  xdotool mousemove $((x + width + step)) $((y + height + bottom / 2))
done
# The window manager runs the resize; the window takes its square once the button is released.
xdotool mouseup 1
eventually outer_size_is "$main" "500 500" || fail "outer size $(outer_size "$main") after the resize"
# 500 wide: a 375-pixel surface, 46-pixel squares, a 368-pixel board.
eventually board_background_is "366x366+9+*" || fail "board background $(board_background_box)"
echo "after the resize: outer $(outer_size "$main"), client $(geometry "$main")"
