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

# Polls `condition...` as eventually does, but for up to `seconds` by the clock: a try that grabs
# a large window takes longer than a tenth of a second.
within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts the game binary in a new empty folder ($folder); sets $kurobi_pid, $main (its window)
# and $icon (its notification icon). The game and the folder go when the test ends.
start_kurobi() {
  launch_kurobi "$1"
  eventually icon_shown || fail "the notification icon did not show"
  icon=$(icon_shown)
}

# Starts the game as start_kurobi does, without looking for its icon: sets $kurobi_pid and $main.
# The game, the folder and the processes in $watchers go when the test ends.
watchers=()
launch_kurobi() {
  folder=$(mktemp -d "${TMPDIR:-/tmp}/kurobi-run.XXXXXX")
  (cd "$folder" && exec "$1") &
  kurobi_pid=$!
  trap stop_kurobi EXIT
  eventually main_window_shown || fail "the window did not show"
  main=$(main_window_shown)
}

stop_kurobi() {
  local pid
  for pid in "${watchers[@]}" "$kurobi_pid"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$folder"
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

# Records every size the window manager gives the game's window from now on (its client area's
# configure events), for smallest_size.
record_sizes() {
  xev -id "$main" -event structure >"$folder/sizes" &
  watchers+=($!)
}

# "width height": the smallest client width and height recorded since record_sizes.
smallest_size() {
  sed -n 's/.*width \([0-9]*\), height \([0-9]*\).*/\1 \2/p' "$folder/sizes" |
    awk 'NR == 1 || $1 < w {w = $1} NR == 1 || $2 < h {h = $2} END {print w, h}'
}

# Takes the bottom right corner of the window's frame, just outside its client area, and drags it
# `dx` pixels to the right; the button stays down until the caller lets go.
drag_frame_corner() {
  local x y width height bottom step
  read -r x y width height < <(geometry "$main")
  read -r _ _ _ bottom < <(frame_extents "$main")
  # Pauses between the steps: a loaded window manager otherwise meets the press before it has
  # seen the pointer over the grip, or the moves before it has started the resize.
  xdotool mousemove $((x + width)) $((y + height + bottom / 2)) sleep 0.3 mousedown 1 sleep 0.3
  for step in 1 2 3 4; do
    xdotool mousemove $((x + width + $1 * step / 4)) $((y + height + bottom / 2)) sleep 0.1
  done
  sleep 0.3
}

# Double-clicks the middle of the window's title bar, by which GNOME's and Xfce's window managers
# maximise a window, until the window is maximised: mutter, now and then, lets the double click
# that comes soon after the window has settled go by.
maximise_by_title() {
  local x y width top tries
  maximised && return 0
  read -r x y width _ < <(geometry "$main")
  read -r _ _ top _ < <(frame_extents "$main")
  xdotool mousemove $((x + width / 2)) $((y - top / 2)) click --repeat 2 --delay 80 1
  for ((tries = 30; tries > 0; tries--)); do
    maximised && return 0
    sleep 0.1
  done
  return 1
}

maximised() {
  local state
  state=$(xprop -id "$main" _NET_WM_STATE)
  [[ "$state" == *_NET_WM_STATE_MAXIMIZED_HORZ* && "$state" == *_NET_WM_STATE_MAXIMIZED_VERT* ]]
}

# The centre of square `column row` (counted from 1 at the top left) as "x y" in the window, from
# a new grab: the board is eight equal squares a side, with a frame of one pixel around the
# background.
square_centre() {
  local width left top cell
  IFS='x+' read -r width _ left top < <(board_background_box)
  cell=$(((width + 2) / 8))
  echo $((left - 1 + ($1 - 1) * cell + cell / 2)) $((top - 1 + ($2 - 1) * cell + cell / 2))
}

# The colour ("rrggbb", upper case) at the centre of square `column row`.
square_colour() {
  local x y
  read -r x y < <(square_centre "$1" "$2")
  convert "$folder/grab.png" -format "%[hex:p{$x,$y}]" info: | cut -c1-6
}

disc_is() { [ "$(square_colour "$1" "$2")" = "$3" ]; }

# Clicks the empty square `column row` until a disc lies there: the game ignores clicks while the
# computer moves or the discs turn. On the player's turn only the player can put the disc there.
take_square() {
  local x y wx wy
  disc_is "$1" "$2" 008080 || return 0
  read -r x y < <(square_centre "$1" "$2")
  read -r wx wy _ < <(geometry "$main")
  xdotool mousemove $((wx + x)) $((wy + y)) click 1
  ! disc_is "$1" "$2" 008080
}

# The D-Bus notification icons ("service/path") registered with the desktop's watcher.
registered_items() {
  gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | grep -o "'[^']*'" | tr -d "'"
}

# The game's own D-Bus notification icon, as "service path".
game_item() {
  local item service pid
  for item in $(registered_items); do
    service=${item%%/*}
    pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
      --method org.freedesktop.DBus.GetConnectionUnixProcessID "$service" |
      sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
    [ "$pid" = "$kurobi_pid" ] || continue
    [ "$item" = "$service" ] && echo "$service /StatusNotifierItem" || echo "$service /${item#*/}"
    return 0
  done
  return 1
}

# The properties of the D-Bus object at `service path` under `interface`, as gdbus prints them.
properties() {
  gdbus call --session --dest "$1" --object-path "$2" \
    --method org.freedesktop.DBus.Properties.GetAll "$3"
}

# The labels of a D-Bus menu's items (DBusMenu) at `service path`, one a line.
menu_labels() {
  gdbus call --session --dest "$1" --object-path "$2" --method com.canonical.dbusmenu.GetLayout \
    -- 0 -1 '[]' | grep -o "'label': <'[^']*'>" | sed "s/'label': <'\(.*\)'>/\1/"
}

# The menu windows shown on the screen, of any program, as window ids; false if there is none.
menus_shown() {
  local w menus=""
  for w in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do
    xwininfo -id "$w" | grep -q IsViewable &&
      xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU &&
      menus+="$w"$'\n'
  done
  [ -n "$menus" ] && printf %s "$menus"
}
