#!/usr/bin/env bash
# The game, on the offscreen platform in a folder of its own, asked to end as a desktop session
# asks it: it closes normally and writes "Kurobi.ini" (60 bytes with the defaults).
#   close_on_sigterm.sh <kurobi binary>
set -euo pipefail
game_binary=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
QT_QPA_PLATFORM=offscreen "$game_binary" &
game=$!
# At least two seconds, and until the game catches SIGTERM (bit 15 of its caught-signal mask):
# on a busy machine its start-up may take longer.
sleep 2
for _ in $(seq 600); do
  caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$game/status")
  (( (0x$caught >> 14) & 1 )) && break
  sleep 0.1
done
kill -TERM "$game"
wait "$game"
[ "$(stat -c %s Kurobi.ini)" = 60 ]
