#!/usr/bin/env bash
# Runs the browser check when chromium and node are there; exit 77 (skipped)
# with the reason otherwise.
#
# usage: check-albums.sh PHOTOALBUM_MAKE PHOTO_MAKER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${PHOTOALBUM_BROWSER_TEST:-1}" = 0 ]; then
    echo "SKIPPED: PHOTOALBUM_BROWSER_TEST=0"
    exit 77
fi
browser="${PHOTOALBUM_CHROMIUM:-$(command -v chromium || true)}"
if [ -z "$browser" ]; then
    echo "SKIPPED: chromium is not installed (scripts/setup installs it when it can)"
    exit 77
fi
if ! command -v node >/dev/null; then
    echo "SKIPPED: node is not installed (scripts/setup installs it when it can)"
    exit 77
fi
exec node "$here/check-albums.mjs" "$browser" "$1" "$2"
