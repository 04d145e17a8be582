# Helpers of the whole-program tests on Wayland, which run the game natively on sway (inside
# tests/support/with-sway) or on mutter (inside tests/support/with-mutter-wayland). Wayland has
# no window list for tests to read: the tests find the game's window and board in screenshots of
# the output (and in sway's tree) and drive them with real pointer input: a virtual pointer on
# sway ($KUROBI_WAYLAND_POINTER), the X server's input on mutter. Sourced.
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

# Starts the game binary in a new empty folder ($folder); sets $kurobi_pid and $started_ms. The
# game and the folder go when the test ends.
start_game() {
  folder=$(mktemp -d "${TMPDIR:-/tmp}/kurobi-run.XXXXXX")
  local binary
  binary=$(realpath "$1")
  started_ms=$(now_ms)
  (cd "$folder" && exec "$binary") &
  kurobi_pid=$!
  trap 'kill "$kurobi_pid" 2>/dev/null || true; wait "$kurobi_pid" 2>/dev/null || true
    rm -rf "$folder"' EXIT
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Polls `condition...` for up to 60 seconds by the clock, as `eventually` does by its count of
# tries: a condition that grabs and measures the screen takes a good part of a second itself.
soon() {
  local until=$(($(now_ms) + 60000))
  until "$@" >/dev/null 2>&1; do
    [ "$(now_ms)" -lt "$until" ] || return 1
    sleep 0.1
  done
}

if [ -n "${SWAYSOCK:-}" ]; then
  output=$(swaymsg -t get_outputs | jq -r '.[0].rect | "\(.width)x\(.height)"')
  grab() { grim "$1"; }
  click() { "$KUROBI_WAYLAND_POINTER" "$output" move "$1" "$2" press release; }
else
  grab() { import -window "$MUTTER_OUTPUT_WINDOW" "$1"; }
  # A move of its own first, so that the program under the pointer has taken it before the press.
  click() { xdotool mousemove --window "$MUTTER_OUTPUT_WINDOW" "$1" "$2" sleep 0.1 click 1; }
fi

# "width height x y" of the largest region of white in an image made black and white by the
# ImageMagick operators that follow the image's path.
largest_region() {
  convert "$@" -colorspace gray -define connected-components:verbose=true \
    -connected-components 4 null: |
    awk '$NF == "gray(255)" {print $4, $2}' | sort -n | tail -n1 | cut -d' ' -f2 | tr 'x+' '  '
}

# "width height x y" of the board's background colour in a screenshot, the one-pixel grid lines
# between its squares closed.
board_in() {
  largest_region "$1" -fill black +opaque '#008080' -fill white -opaque '#008080' \
    -morphology Close Square:1
}

# Grabs the output into $folder/grab.png; sets $board ("width height x y") from it.
grab_board() {
  grab "$folder/grab.png" && board=$(board_in "$folder/grab.png") && [ -n "$board" ]
}

# The whole board lies inside the window whose "width height x y" is given: square, and not
# touching the window's bottom edge, at which a board too large for its window is cut off.
board_inside() {
  local w h x y bw bh bx by
  read -r w h x y <<<"$1"
  read -r bw bh bx by <<<"$board"
  [ "$bw" -eq "$bh" ] && [ "$bx" -ge "$x" ] && [ "$by" -ge "$y" ] &&
    [ $((bx + bw)) -le $((x + w)) ] && [ $((by + bh)) -lt $((y + h)) ]
}

# The middle of square (column, row), counted from 1 at the top left, of $board, as "x y".
square() {
  local bw bh bx by
  read -r bw bh bx by <<<"$board"
  echo $((bx + (2 * $1 - 1) * bw / 16)) $((by + (2 * $2 - 1) * bh / 16))
}

# The disc in square (column, row) of the latest grab is `colour` (white or black). Looked at a
# little up and left of the middle, clear of a pointer that clicked there.
disc_in() {
  local x y bw bh
  read -r x y < <(square "$1" "$2")
  read -r bw bh _ <<<"$board"
  x=$((x - bw / 40)) y=$((y - bh / 40))
  case "$(convert "$folder/grab.png" -format "%[pixel:p{$x,$y}]" info:)" in
    white | "srgb(255,255,255)") [ "$3" = white ] ;;
    black | "srgb(0,0,0)") [ "$3" = black ] ;;
    *) false ;;
  esac
}

disc_shown() { grab "$folder/grab.png" && disc_in "$@"; }

# Presses "開始" (above the board's top left corner) and plays black, against the computer's
# answers at its level at start, to a move on the bottom row: (5,6) answered at (4,6), (3,4) at
# (6,6), (4,7) at (3,8), then (4,8). Needs $board.
play_to_bottom_row() {
  local bw bh bx by move
  read -r bw bh bx by <<<"$board"
  click $((bx + 24)) $((by - 24))
  for move in "5 6 4 6" "3 4 6 6" "4 7 3 8"; do
    set -- $move
    click $(square "$1" "$2")
    soon disc_shown "$3" "$4" white || fail "no answer at ($3,$4) to the move at ($1,$2)"
  done
  click $(square 4 8)
  # The computer answers at (5,8), which turns the new disc white, often before a grab has seen it.
  played_bottom_row() { disc_shown 4 8 black || { disc_in 4 8 white && disc_in 5 8 white; }; }
  soon played_bottom_row || fail "the click on the bottom row's square (4,8) played nothing"
}
