#!/bin/sh
# The analysis tool as a user runs it: perft counts, and a malformed line among good ones.
set -u
tool="$1"
fail() { echo "FAIL: $*"; exit 1; }

expected="4 12 56 244 1396 8200 55092 390216 3005288"
depth=1
for count in $expected; do
  got=$("$tool" perft "$depth") || fail "perft $depth exited with an error"
  [ "$got" = "$count" ] || fail "perft $depth gave $got, expected $count"
  depth=$((depth + 1))
done

good='---------------------------OX------XO--------------------------- X 1'
out=$(printf 'not a position\n%s\n' "$good" | "$tool" 2>/tmp/kurobi-analyze-err.$$)
status=$?
err=$(cat /tmp/kurobi-analyze-err.$$); rm -f /tmp/kurobi-analyze-err.$$
[ "$status" -ne 0 ] || fail "a malformed line must make the exit status non-zero"
[ "$out" = "c4 0 0 weight 1" ] || fail "the good line after a bad one gave '$out'"
case "$err" in "error: "*) ;; *) fail "no error line on standard error: '$err'" ;; esac

"$tool" frobnicate >/dev/null 2>&1 && fail "an unknown command must fail"
echo "analyze cli: all checks passed"
