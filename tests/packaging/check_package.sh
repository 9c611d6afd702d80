#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds the Debian package,
# then checks what a desktop and a user would find:
#   the installed parcyl-calc computes, the installed window starts,
#   the desktop entry and the metainfo validate,
#   the package holds the programs, the entry, the icons and the manual pages.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix

focal=$("$prefix/bin/parcyl-calc" --mark , 1000 2000 1296 | sed -n 3p)
[ "$focal" = "Фокусное расстояние         F =  363 мм" ] || fail "installed parcyl-calc printed '$focal'"

# The window keeps running until it is closed: still running after two
# seconds means it started.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/parcyl" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "installed parcyl ended with status $status instead of running"

desktop-file-validate "$prefix/share/applications/org.parcyl.Parcyl.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.parcyl.Parcyl.metainfo.xml" >/dev/null ||
    fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/org.parcyl.Parcyl.metainfo.xml")"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/parcyl_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/parcyl ./usr/bin/parcyl-calc \
            ./usr/share/applications/org.parcyl.Parcyl.desktop \
            ./usr/share/metainfo/org.parcyl.Parcyl.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/org.parcyl.Parcyl.png \
            ./usr/share/icons/hicolor/128x128/apps/org.parcyl.Parcyl.png \
            ./usr/share/man/man1/parcyl.1 ./usr/share/man/man1/parcyl-calc.1; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends has no Qt Widgets: $depends"
echo "package ok: $(basename "$deb")"
