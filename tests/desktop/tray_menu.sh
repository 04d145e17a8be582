# The notification icon: a right press opens nothing, a left press opens the one-item menu at
# the pointer, and its item "終了" ends the program, which writes "Kurobi.ini" (60 bytes with the
# defaults) in its current folder.
#   tray_menu.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
start_kurobi "$1"

menus() {
  local w
  for w in $(game_windows); do
    if [ "$w" != "$main" ] && [ "$w" != "$icon" ]; then echo "$w"; fi
  done
}
menu_shown() { menus | grep .; }

xdotool mousemove --window "$icon" 4 4 click 3
# A menu that the right press had opened would stand at this point, not at the next one.
xdotool mousemove --window "$icon" 14 12 mousedown 1
eventually menu_shown || fail "a left press on the icon opened no menu"
xdotool mouseup 1
[ "$(menus | wc -l)" -eq 1 ] || fail "more than one menu: $(menus)"
menu=$(menus)
read -r x y width height < <(geometry "$menu")
[ "$x $y" = "$(pointer)" ] || fail "the menu is at $x $y, the pointer at $(pointer)"
[ ! -e "$folder/Kurobi.ini" ] || fail "settings written before the end"

xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
game_ended() { ! kill -0 "$kurobi_pid" 2>/dev/null; }
eventually game_ended || fail "choosing the menu's item did not end the program"
wait "$kurobi_pid" || fail "the program ended with status $?"
[ "$(stat -c %s "$folder/Kurobi.ini")" -eq 60 ] || fail "Kurobi.ini: $(od -c "$folder/Kurobi.ini")"
