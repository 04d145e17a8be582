#!/usr/bin/env bash
# Run by fresh_system.sh on the fresh root: installs the package there with apt-get's defaults
# (recommendations included), starts the game in the root on an X server of its own, and sees
# its captions drawn with the font the package brought:
# - the first of the families the controls ask for that fontconfig in the root has, holds every
#   character of the program's texts;
# - in a grab of the window, the captions "開始" and "終了" look different, where boxes for
#   missing glyphs ("tofu") would make them the same two boxes;
# - with the root's Japanese fonts removed, the game started again shows exactly that: both
#   captions the same, and its menu bar and buttons row unlike the first grab's.
#   fresh_system_check.sh <root> <package file> <source folder> <family>...
source "$(dirname "$0")/../support/session.sh"
root=$1 deb=$2 source_dir=$3
shift 3

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
installed() { in_root dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

cp "$deb" "$root/tmp/kurobi.deb"
in_root DEBIAN_FRONTEND=noninteractive apt-get install -y /tmp/kurobi.deb >"$session/apt.log" 2>&1 \
  || fail "apt-get install of the package failed"
installed qt6-wayland || fail "Qt's Wayland plugin was not installed with the package"

# Every character beyond ASCII in the program's texts (its string literals), as fontconfig
# writes a character set: hexadecimal code points.
charset=$(cat "$source_dir"/core/*.{h,cpp} "$source_dir"/ui/*.{h,cpp} |
  perl -CSD -ne 'while (/"((?:[^"\\]|\\.)*)"/g) { printf "%x\n", ord for grep { ord > 127 } split //, $1 }' |
  sort -u | tr '\n' ' ')
[ -n "$charset" ] || fail "no texts found in $source_dir"
# Qt draws with the first family on the controls' list that fontconfig has.
family=""
for name in "$@"; do
  [ -n "$(in_root fc-list "$name" family)" ] && { family=$name; break; }
done
[ -n "$family" ] || fail "none of the families in the root: $*"
[ -n "$(in_root fc-list "$family:charset=$charset" family)" ] \
  || fail "$family lacks characters of the program's texts"

start_x_server 640x480
mkdir "$root/root/game"
# Starts the game in the root, grabs its window as <name>.xwd once two grabs a second apart are
# the same, and ends the game.
grab() {
  local name=$1 window
  start "game-$name" chroot "$root" env -i -C /root/game HOME=/root LANG=C.UTF-8 \
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb PULSE_SERVER=unix:/no-sound-server /usr/games/kurobi
  local game=${started[-1]}
  wait_for "game window" 60 xdotool search --onlyvisible --name '^Kurobi'
  window=$(xdotool search --onlyvisible --name '^Kurobi' | head -n1)
  drawn() {
    xwd -silent -id "$window" >"$session/$name.xwd" && sleep 1 &&
      xwd -silent -id "$window" | cmp -s - "$session/$name.xwd"
  }
  # Each try takes a second: up to a minute.
  wait_for "steady window" 6 drawn
  kill "$game"
  wait "$game" || true
}
# The window's menu bar and buttons row (buttons 33 pixels high under an 18-pixel menu bar), and
# the inside of the buttons "開始" and "終了", of one size side by side (their places are in
# ui/form_controls.cpp).
crop() { convert "$session/$1.xwd" -crop "$2" +repage "$session/$1-$3.png"; }
same() { compare -metric AE "$session/$1.png" "$session/$2.png" null: 2>/dev/null; }
crops() {
  crop "$1" 403x52+0+0 row
  crop "$1" 57x22+12+24 start
  crop "$1" 57x22+84+24 quit
}

grab fonts
crops fonts
if same fonts-start fonts-quit; then fail "the captions are drawn as boxes: no glyphs"; fi

# Every font with Japanese glyphs goes, by the packages holding them, whatever depends on them.
mapfile -t font_packages < <(in_root sh -c \
  'fc-list -f "%{file}\n" :lang=ja | xargs -r readlink -f | xargs -r dpkg -S' | cut -d: -f1 | sort -u)
in_root dpkg --remove --force-depends "${font_packages[@]}" >>"$session/apt.log" 2>&1
[ -z "$(in_root fc-list :lang=ja)" ] || fail "Japanese fonts left in the root"
grab no-fonts
crops no-fonts
same no-fonts-start no-fonts-quit || fail "without fonts the captions are not the same boxes"
if same fonts-row no-fonts-row; then fail "the captions look the same without the fonts"; fi
