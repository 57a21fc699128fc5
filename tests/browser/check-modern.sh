#!/usr/bin/env bash
# Runs the modern album check when chromium and node are there; exit 77
# (skipped) with the reason otherwise. axe-core, at the one version below, is
# installed with npm into AXE_FOLDER once and taken from there on later runs;
# when it cannot be had (no npm, no registry) everything else is still
# checked and a pass is reported as skipped, with the reason.
#
# usage: check-modern.sh PHOTOALBUM_MAKE PHOTO_MAKER AXE_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
axe_version=4.14.1
source "$here/find-browser.sh"

axe_package="$3/node_modules/axe-core"
installed() {
    [ -f "$axe_package/axe.min.js" ] &&
        [ "$(node -p "require('$axe_package/package.json').version" 2>/dev/null)" = "$axe_version" ]
}
export AXE_MISSING=""
if ! installed; then
    if ! command -v npm >/dev/null; then
        AXE_MISSING="npm is not installed, axe-core@$axe_version could not be had"
    else
        mkdir -p "$3"
        timeout 180 npm install --no-save --no-package-lock --no-audit --no-fund --loglevel=error \
            --fetch-retries=1 --fetch-timeout=30000 --prefix "$3" "axe-core@$axe_version" \
            >"$3/npm.log" 2>&1 || true
        installed || AXE_MISSING="npm could not install axe-core@$axe_version (the registry unreachable?): see $3/npm.log"
    fi
fi
axe=""
[ -z "$AXE_MISSING" ] && axe="$axe_package/axe.min.js"
exec node "$here/check-modern.mjs" "$browser" "$1" "$2" "$axe"
