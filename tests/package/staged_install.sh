#!/usr/bin/env bash
# Installs the build into a temporary root and checks the installed tree as a software centre
# reads it: metainfo, desktop entry and icons belonging together.
#   staged_install.sh <build folder> <application id>
set -euo pipefail
build="$1" id="$2"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) || { echo "$out"; exit 1; }
echo "$out"
! grep -q '^[EW]:' <<<"$out"
for file in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/256x256/apps/$id.png" "share/man/man6/kurobi.6.gz" \
    "share/doc/kurobi/copyright" "share/doc/kurobi/changelog.gz"; do
  [ -f "$root/usr/$file" ] || { echo "missing: /usr/$file"; exit 1; }
done
[ "$(stat -c %a "$root/usr/share/applications/$id.desktop")" = 644 ]
