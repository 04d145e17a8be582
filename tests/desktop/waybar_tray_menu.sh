# On sway, the game's notification icon is a StatusNotifierItem that waybar shows. A left press
# on the icon opens, at the icon, the menu that waybar draws from the game's D-Bus menu, with its
# one item "終了"; the item ends the program, which writes "Kurobi.ini" (60 bytes with the
# defaults) in its current folder.
#   waybar_tray_menu.sh path/to/kurobi
source "$(dirname "$0")/wayland.sh"
start_game "$1"

# The items that waybar's watcher lists are "bus name/object path" or a bus name alone.
registered_by_game() {
  local item pid
  for item in $(gdbus call --session --dest org.kde.StatusNotifierWatcher \
    --object-path /StatusNotifierWatcher --method org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems | grep -o "'[^']*'" | tr -d "'"); do
    pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
      --method org.freedesktop.DBus.GetConnectionUnixProcessID "${item%%/*}" | grep -o "[0-9]*,")
    [ "$pid" = "$kurobi_pid," ] && return 0
  done
  return 1
}
soon registered_by_game || fail "the game registered no item with the watcher"

# The icon: what is not the bar's own colour in its 24-pixel strip along the top.
icon_shown() {
  grab "$folder/before.png" && icon=$(largest_region "$folder/before.png" \
    -crop "${output%x*}x24+0+0" +repage -fill black -opaque '#303030' -fill white +opaque black) &&
    [ -n "$icon" ]
}
soon icon_shown || fail "no icon in the bar"
# The screen at rest before the press (the game may still be laying out its window), so that
# what changes after the press is the menu.
at_rest() {
  mv "$folder/before.png" "$folder/earlier.png" && grab "$folder/before.png" &&
    compare -metric AE "$folder/earlier.png" "$folder/before.png" null:
}
soon at_rest || fail "the screen did not come to rest"
read -r icon_width icon_height icon_x icon_y <<<"$icon"
click $((icon_x + icon_width / 2)) $((icon_y + icon_height / 2))

# The menu: what has changed on the screen since, and more than the icon's own highlight.
menu_shown() {
  grab "$folder/after.png" && menu=$(largest_region "$folder/before.png" "$folder/after.png" \
    -compose difference -composite -threshold 0) && [ "${menu%% *}" -gt $((2 * icon_width)) ]
}
soon menu_shown || fail "a left press on the icon opened no menu"
read -r width height x y <<<"$menu"
echo "icon $icon, menu $menu (width height x y)"
game_windows() {
  swaymsg -t get_tree |
    jq --argjson pid "$kurobi_pid" '[.. | objects | select(.pid? == $pid)] | length'
}
[ "$(game_windows)" -eq 1 ] || fail "the menu is a window of the game's own, not the bar's"
[ "$x" -le $((icon_x + icon_width)) ] && [ $((x + width)) -ge "$icon_x" ] &&
  [ "$y" -le $((icon_y + icon_height + 8)) ] ||
  fail "the menu is at $x $y, the icon at $icon_x $icon_y"
[ ! -e "$folder/Kurobi.ini" ] || fail "settings written before the end"

click $((x + width / 2)) $((y + height / 2))
game_ended() { ! kill -0 "$kurobi_pid" 2>/dev/null; }
soon game_ended || fail "choosing the menu's item did not end the program"
wait "$kurobi_pid" || fail "the program ended with status $?"
[ "$(stat -c %s "$folder/Kurobi.ini")" -eq 60 ] || fail "Kurobi.ini: $(od -c "$folder/Kurobi.ini")"
