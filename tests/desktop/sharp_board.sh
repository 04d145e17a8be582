# At twice the pixel density the board is drawn at the screen's full resolution: its lines and
# disc edges are not those of the ordinary board enlarged, in which every 2x2 block of device
# pixels would be one colour.
#   sharp_board.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
export QT_SCALE_FACTOR=2
start_kurobi "$1"
eventually window_settled 4 || fail "the window did not settle: $(geometry "$main")"

# The 296-pixel board of a 403-wide window, less its frame of one logical pixel.
eventually board_background_is "588x588+*" || fail "board background $(board_background_box)"
read -r left top < <(board_background_box | sed 's/.*+\([0-9]*\)+\([0-9]*\)$/\1 \2/')
board="592x592+$((left - 2))+$((top - 2))"
[ $(((left - 2) % 2)) -eq 0 ] && [ $(((top - 2) % 2)) -eq 0 ] || fail "board at $board: not on the 2x2 grid"
convert "$folder/grab.png" -crop "$board" +repage "$folder/board.png"
convert "$folder/board.png" -sample 50% -sample 200% "$folder/enlarged.png"
identify -format '%wx%h\n' "$folder/enlarged.png" | grep -qx 592x592 || fail "enlargement size"
# Grid lines and frame lie on the 2x2 grid either way; the four discs' and star points' edges do
# not, and step by one device pixel.
differing=$(compare -metric AE "$folder/board.png" "$folder/enlarged.png" null: 2>&1 || true)
echo "device pixels that a 2x enlargement would have otherwise: $differing"
[ "$differing" -ge 400 ] || fail "the board looks enlarged from the ordinary one"
