#!/usr/bin/env bash
# The desktop entry and the metainfo as the desktop's own validators see them; a warning fails
# as an error does.
#   validate_data.sh <data folder> <application id>
set -euo pipefail
data="$1" id="$2"
desktop-file-validate "$data/$id.desktop"
out=$(appstreamcli validate --no-net "$data/$id.metainfo.xml" 2>&1) || { echo "$out"; exit 1; }
echo "$out"
! grep -q '^[EW]:' <<<"$out"
