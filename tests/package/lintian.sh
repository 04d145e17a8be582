#!/usr/bin/env bash
# The package as Debian's checker sees it: any error or warning fails.
#   lintian.sh <package file>
set -euo pipefail
lintian --fail-on error,warning --info "$1"
