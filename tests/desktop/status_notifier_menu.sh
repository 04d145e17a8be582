# In a panel that shows notification icons for their programs over D-Bus (StatusNotifierItem),
# the game's icon is registered under the title "Kurobiver.1.17" as a menu whose one item is
# "終了". A left click on the icon in the panel opens that menu at the icon, and choosing the item
# ends the program, which writes "Kurobi.ini" (60 bytes with the defaults) in its current folder.
#   status_notifier_menu.sh path/to/kurobi
source "$(dirname "$0")/desktop.sh"
panel_shown() { xdotool search --onlyvisible --class '^xfce4-panel$' | head -n1 | grep .; }
within 30 panel_shown || fail "no panel"
panel=$(panel_shown)
# The screen without the icon, to find the icon by.
before=$(import -window root png:- | base64 -w0)
launch_kurobi "$1"

within 30 game_item || fail "the game's icon is not registered: $(registered_items)"
read -r service path < <(game_item)
# Its properties, less the pixels of its images.
item=$(properties "$service" "$path" org.kde.StatusNotifierItem | sed 's/\[\(byte \)\?0x[^]]*\]/[…]/g')
for property in "'Title': <'Kurobiver.1.17'>" "'ItemIsMenu': <true>"; do
  grep -qF "$property" <<<"$item" || fail "the icon lacks $property: $item"
done
grep -o "'ToolTip': <.*" <<<"$item" | grep -qF "'Kurobiver.1.17'" || fail "the icon's tip: $item"
menu_path=$(grep -o "'Menu': <objectpath '[^']*'>" <<<"$item" | cut -d"'" -f4)
[ "$(menu_labels "$service" "$menu_path")" = 終了 ] ||
  fail "the icon's menu: $(menu_labels "$service" "$menu_path" | paste -sd,)"

# The icon: where the panel now differs from the screen before the game started.
icon_box() {
  local x y width height
  read -r x y width height < <(geometry "$panel")
  import -window root -crop "${width}x$height+$x+$y" +repage "$folder/after.png"
  base64 -d <<<"$before" | convert - -crop "${width}x$height+$x+$y" +repage "$folder/before.png"
  convert "$folder/before.png" "$folder/after.png" -compose difference -composite \
    -fill white +opaque black -bordercolor black -border 1 -format '%@' info: |
    awk -F'[x+]' -v x="$x" -v y="$y" '$1 > 0 {print x + $3 - 1, y + $4 - 1, $1, $2}' | grep .
}
within 30 icon_box || fail "the panel did not show the icon"
read -r x y width height < <(icon_box)
echo "icon at ${width}x$height+$x+$y"

! menus_shown || fail "a menu is open before the click: $(menus_shown)"
xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
within 30 menus_shown || fail "a left click on the icon opened no menu"
menu=$(menus_shown)
[ "$(wc -l <<<"$menu")" -eq 1 ] || fail "more than one menu: $menu"
read -r mx my mwidth mheight < <(geometry "$menu")
echo "menu at ${mwidth}x$mheight+$mx+$my"
# At the icon: the two rectangles touch or overlap, give or take a few pixels.
gap=8
[ "$mx" -le $((x + width + gap)) ] && [ $((mx + mwidth + gap)) -ge "$x" ] &&
  [ "$my" -le $((y + height + gap)) ] && [ $((my + mheight + gap)) -ge "$y" ] ||
  fail "the menu is at ${mwidth}x$mheight+$mx+$my, the icon at ${width}x$height+$x+$y"
[ ! -e "$folder/Kurobi.ini" ] || fail "settings written before the end"

xdotool mousemove $((mx + mwidth / 2)) $((my + mheight / 2)) click 1
game_ended() { ! kill -0 "$kurobi_pid" 2>/dev/null; }
within 30 game_ended || fail "choosing the menu's item did not end the program"
wait "$kurobi_pid" || fail "the program ended with status $?"
[ "$(stat -c %s "$folder/Kurobi.ini")" -eq 60 ] || fail "Kurobi.ini: $(od -c "$folder/Kurobi.ini")"
