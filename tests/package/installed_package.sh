#!/usr/bin/env bash
# Installs the package system-wide, runs both programs from where it put them, and removes it
# again. Only in CI: installing into the system is no business of a developer's test run.
#   installed_package.sh <package file>
set -euo pipefail
[ "${CI:-}" = true ] || { echo "not CI: the package is not installed"; exit 77; }
deb=$(realpath "$1")
trap 'apt-get remove -y -qq kurobi >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null

[ "$(/usr/games/kurobi-analyze perft 6)" = 8200 ]
/usr/games/kurobi-analyze --help | grep -q '^usage: kurobi-analyze'

bash "$(dirname "$0")/close_on_sigterm.sh" /usr/games/kurobi

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kurobi >/dev/null
! dpkg-query -W -f='${Status}' kurobi 2>/dev/null | grep -q 'install ok installed'
[ ! -e /usr/games/kurobi ]
