# Sourced by the browser checks: sets $browser, or exits 77 (skipped) with the
# reason when the check is switched off or chromium or node is missing.
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
