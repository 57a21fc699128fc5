#!/usr/bin/env bash
# Installs photoalbum-<version>-win64-setup.exe silently in a throwaway Wine
# prefix, runs the installed photoalbum-make from the PATH the installer set,
# uninstalls silently and checks that nothing it added is left.
# Usage: tests/windows/check-installer.sh <setup.exe>; 77 means skipped.
set -euo pipefail
setup="$(realpath "$1")"
export PATH="$PATH:/usr/lib/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if ! command -v wine64 >/dev/null || ! command -v makensis >/dev/null; then
    echo "wine64 or makensis is missing: skipped"
    exit 77
fi
version="$(sed -n 's/^project(photoalbum VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
WINEPREFIX="$(mktemp -d /tmp/photoalbum-wine.XXXXXX)"
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
appdata="$WINEPREFIX/drive_c/users/*/AppData"
user_path() {
    wine64 reg query 'HKCU\Environment' /v Path | tr -d '\r' | sed -n 's/^ *Path *REG_EXPAND_SZ *//p'
}
# The prefix is made first and in full: on a busy machine a first program may
# otherwise start before Wine has finished setting it up.
wine64 wineboot --init >/dev/null 2>&1 && wineserver -w
# A Path of the user's own, which the installer must extend and the
# uninstaller give back as it was.
wine64 reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d 'C:\tools' /f >/dev/null 2>&1 ||
    fail "Wine could not set up a prefix"

wine64 "$setup" /S || fail "the installer exited with $?"
dir="$(compgen -G "$appdata/Local/Programs/photoalbum")" || fail "no install folder"
link="$(compgen -G "$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Генератор фотоальбома.lnk")" ||
    fail "no Start-menu shortcut"
printed="$(wine64 cmd /c photoalbum-make --version | tr -d '\r')" || fail "photoalbum-make is not on PATH"
[ "$printed" = "photoalbum-make $version" ] || fail "photoalbum-make --version printed '$printed'"

wine64 "$dir/uninstall.exe" /S || fail "the uninstaller exited with $?"
# The uninstaller returns at once, leaving the work to a copy of itself.
wineserver -w
[ ! -e "$dir" ] || fail "left behind: $(find "$dir" | tr '\n' ' ')"
[ ! -e "$link" ] || fail "the Start-menu shortcut is left"
[ "$(user_path)" = 'C:\tools' ] || fail "Path is '$(user_path)', not 'C:\tools'"
! wine64 reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\photoalbum' >/dev/null 2>&1 ||
    fail "the uninstall entry is left"
echo "PASS: installed, ran photoalbum-make $version, uninstalled without leftovers"
