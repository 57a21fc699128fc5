#!/usr/bin/env bash
# The Windows photoalbum-make.exe (under Wine) and the Linux photoalbum-make
# make the same album from the same folder: byte for byte in copy and rename
# mode, titles from Cyrillic file names included; with --web the photos have
# the same sizes and differ by at most one grey level.
# Usage: tests/windows/same-album.sh <linux photoalbum-make> <photoalbum-make.exe>
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
linux="$(realpath "$1")"
windows="$(realpath "$2")"
work="$(mktemp -d /tmp/photoalbum-same.XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs one album on both systems from two copies of the sample photos.
make_both() {
    local mode="$1"
    shift
    for system in linux windows; do
        mkdir -p "$work/$mode/$system/Поездка"
        cp "$here"/samples/*.jpg "$work/$mode/$system/Поездка/"
    done
    "$linux" -q "$@" -n "Альбом" "$work/$mode/linux/Поездка" >/dev/null ||
        fail "$mode: the Linux program failed"
    "$here/scripts/windows/wine-run" "$windows" -q "$@" -n "Альбом" \
        "Z:${work//\//\\}\\$mode\\windows\\Поездка" >/dev/null ||
        fail "$mode: the Windows program failed"
}
make_both copy
diff -r "$work/copy/linux" "$work/copy/windows" || fail "copy mode: the albums differ"
make_both rename --rename
diff -r "$work/rename/linux" "$work/rename/windows" || fail "rename mode: the albums differ"
make_both web --web
diff -r -x "*.jpg" "$work/web/linux" "$work/web/windows" || fail "--web: the pages differ"
python3 - "$work/web/linux/Поездка/Альбом" "$work/web/windows/Поездка/Альбом" <<'PY' || fail "--web: the photos differ"
import sys, pathlib, subprocess
def pixels(path):
    # Decoded by Debian's djpeg into a plain PPM: "P6 width height 255" and the bytes.
    out = subprocess.run(["djpeg", "-pnm", str(path)], check=True, capture_output=True).stdout
    parts = out.split(maxsplit=4)
    return (int(parts[1]), int(parts[2])), parts[4]
linux, windows = map(pathlib.Path, sys.argv[1:])
for photo in sorted(linux.glob("*.jpg")):
    (size_l, data_l), (size_w, data_w) = pixels(photo), pixels(windows / photo.name)
    if size_l != size_w:
        sys.exit(f"{photo.name}: {size_l} against {size_w}")
    worst = max((abs(a - b) for a, b in zip(data_l, data_w)), default=0)
    if worst > 1:
        sys.exit(f"{photo.name}: differs by {worst} grey levels")
PY
echo "the same albums on Linux and Windows: copy, rename and --web"
