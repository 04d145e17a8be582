#!/usr/bin/env bash
# The package on a fresh Debian system: a minimal root of this machine's release made by
# mmdebstrap from this machine's apt sources, in which fresh_system_check.sh installs the package
# and looks at the game. mmdebstrap makes the root in a temporary folder, mounts what the root
# needs while the check runs, and undoes both at the end, also when the check fails; nothing is
# kept for the next run. Needs Debian's archive over the network and takes minutes: only in CI.
#   fresh_system.sh <package file> <source folder> <family=package>...
set -euo pipefail
[ "${CI:-}" = true ] || { echo "not CI: no fresh system is made"; exit 77; }
check="$(dirname "$(realpath "$0")")/fresh_system_check.sh"
deb=$(realpath "$1") source_dir=$(realpath "$2")
shift 2

sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -s "$file" ] && sources+=("$file")
done
release=$(. /etc/os-release && echo "$VERSION_CODENAME")

# The hook is a shell command line; the root comes as its $1. mmdebstrap leaves its root set
# to install no recommendations; apt's default, as on any Debian system, is to install them.
hook="bash $(printf '%q ' "$check") \"\$1\" $(printf '%q ' "$deb" "$source_dir" "$@")"
mmdebstrap --quiet --variant=apt --aptopt='Apt::Install-Recommends "true"' \
  --customize-hook="$hook" "$release" /dev/null "${sources[@]}"
