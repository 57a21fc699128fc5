#!/usr/bin/env bash
# What a user gets from the Debian package: built with cpack from this build
# tree, unpacked with dpkg -x into a throw-away root, checked with the desktop
# validators, and its photoalbum-make (started through the bin/ link) making an
# album of the sample photos with the navigation images of its own folder, and
# one with web photos made by the library of that folder.
#
# usage: check-package.sh SOURCE_DIR BUILD_DIR APP_ID WITH_WIZARD(0|1)
set -euo pipefail
source_dir=$1
build_dir=$2
app_id=$3
with_wizard=$4

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    "$@" || fail "$what"
}

# The package and its control fields.
if ! cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
debs=("$work"/package/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: cpack made no single .deb: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
check "section is graphics" test "$(field Section)" = graphics
check "package has a maintainer" grep -q '<.*@.*>' <<<"$(field Maintainer)"
check "package has a long description" test "$(field Description | wc -l)" -gt 2
depends=$(field Depends)
wanted_libraries=(libc6 libstdc++6 libqt6core6 libqt6gui6 libwebp7)
if [ "$with_wizard" = 1 ]; then wanted_libraries+=(libqt6widgets6); fi
for library in "${wanted_libraries[@]}"; do
    check "Depends names $library (got: $depends)" \
        grep -qE "(^|, )${library//+/\\+}( |,|$)" <<<"$depends"
done

# The unpacked layout: programs and navigation images in one program folder,
# relative links to the programs in bin/.
dpkg -x "$deb" "$work/root"
prefix="$work/root/usr"
program_dir="$prefix/lib/photoalbum"
programs=(photoalbum-make)
if [ "$with_wizard" = 1 ]; then programs+=(photoalbum); fi
for program in "${programs[@]}"; do
    link="$prefix/bin/$program"
    if [ ! -L "$link" ]; then
        fail "bin/$program is not a link"
        continue
    fi
    check "bin/$program links relatively" test "$(readlink "$link" | cut -c1)" != /
    check "bin/$program leads to the program folder" \
        test "$(readlink -f "$link")" = "$(readlink -f "$program_dir/$program")"
    check "lib/photoalbum/$program is executable" test -x "$program_dir/$program"
    if ldd "$program_dir/$program" | grep -q 'not found'; then
        fail "$program misses libraries: $(ldd "$program_dir/$program" | grep 'not found')"
    fi
done
# Web photos come from a library beside the programs, loaded only on demand:
# the command-line tool starts without Qt's image code.
check "photoalbum-make starts without Qt GUI" \
    test -z "$(ldd "$program_dir/photoalbum-make" | grep -E 'libQt6(Gui|Widgets)')"
library="$program_dir/libphotoalbum_webphotos.so"
check "lib/photoalbum holds the web photo library" test -f "$library"
check "the web photo library finds its libraries" test -z "$(ldd "$library" | grep 'not found')"
for image in back-bt.gif for-bt.gif ish-bt.gif; do
    check "lib/photoalbum/$image is ours" cmp -s "$program_dir/$image" "$source_dir/assets/$image"
done

# Desktop entry, metainfo and icon: installed with the windowed program,
# otherwise the build tree's copies are still validated.
if [ "$with_wizard" = 1 ]; then
    desktop="$prefix/share/applications/$app_id.desktop"
    metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
    for png in "$source_dir"/assets/icons/photoalbum-*.png; do
        size=${png##*-}
        size=${size%.png}
        check "icon ${size}x$size installed" \
            cmp -s "$png" "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
    check "scalable icon installed" \
        cmp -s "$source_dir/assets/icons/photoalbum.svg" "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
else
    desktop="$build_dir/packaging/$app_id.desktop"
    metainfo="$build_dir/packaging/$app_id.metainfo.xml"
    check "no desktop entry without the windowed program" test ! -e "$prefix/share/applications"
fi
check "desktop-file-validate $desktop" desktop-file-validate "$desktop"
check "appstreamcli validate $metainfo" appstreamcli validate --no-net "$metainfo"
if [ "$with_wizard" = 1 ]; then
    check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$work/root"
fi
entry="$(cat "$desktop")"
for line in 'Name=Photo Album Generator' 'Name[ru]=Генератор фотоальбома' \
    'Categories=Graphics;Photography;' 'Exec=photoalbum' "Icon=$app_id"; do
    check "desktop entry has '$line'" grep -qxF "$line" <<<"$entry"
done
check "metainfo launches the desktop entry" \
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"

# Help and manual page: every long option the help names is one the tool
# takes, and the manual page (made from the help) names it too.
tool="$prefix/bin/photoalbum-make"
help="$("$tool" --help)"
manual_page="$prefix/share/man/man1/photoalbum-make.1.gz"
manual=""
if [ -f "$manual_page" ]; then
    manual="$(zcat "$manual_page")"
else
    fail "no manual page (is help2man installed?)"
fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS EXAMPLES; do
    check "manual page has $section" grep -q "^\.SH $section" <<<"$manual"
done
check "help tells the exit statuses" grep -q '^Exit status:' <<<"$help"
options=$(grep -oE -- '--[a-z][a-z-]+' <<<"$help" | sort -u)
check "help names options" test -n "$options"
for option in $options; do
    check "manual page names $option" grep -qF -- "${option//-/\\-}" <<<"$manual"
    if "$tool" "$option" </dev/null 2>&1 >/dev/null | grep -qF "unknown option '$option'"; then
        fail "the help names $option, which the tool does not take"
    fi
done

# The installed tool makes an album, started through its link from another
# folder. The program folder's images get bytes of their own first, so the
# album shows where its images came from.
for image in back-bt.gif for-bt.gif ish-bt.gif; do
    printf 'GIF89a installed %s' "$image" >"$program_dir/$image"
done
photos="$work/Отпуск"
mkdir "$photos"
cp "$source_dir"/samples/*.jpg "$photos/"
photo_count=$(find "$photos" -name '*.jpg' | wc -l)
if (cd / && "$tool" -q -n "Летний отпуск" "$photos" >"$work/out" 2>"$work/err"); then
    album="$(tail -n 1 "$work/out")"
    album="${album%/}"
    check "album folder reported ($album)" test "$album" = "$photos/Летний отпуск"
    check "start.htm made" test -s "$photos/Летний отпуск/start.htm"
    pages=$(find "$photos/Летний отпуск" -name 'n*.htm' | wc -l)
    check "one page per photo ($pages of $photo_count)" test "$pages" -eq "$photo_count"
    for image in back-bt.gif for-bt.gif ish-bt.gif; do
        check "album's $image comes from the program folder" \
            cmp -s "$photos/Летний отпуск/$image" "$program_dir/$image"
    done
else
    fail "installed photoalbum-make failed: $(cat "$work/err")"
fi
if (cd / && "$tool" -q --web -n "Для WEB" "$photos" >/dev/null 2>"$work/err"); then
    check "--web makes photos of the page's size" grep -q "600x410" <<<"$(file "$photos/Для WEB/n1.jpg")"
else
    fail "installed photoalbum-make --web failed: $(cat "$work/err")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb"): all checks passed"
