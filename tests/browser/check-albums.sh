#!/usr/bin/env bash
# Runs the browser check when chromium and node are there; exit 77 (skipped)
# with the reason otherwise.
#
# usage: check-albums.sh PHOTOALBUM_MAKE PHOTO_MAKER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/find-browser.sh"
exec node "$here/check-albums.mjs" "$browser" "$1" "$2"
