#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch
# root, checks that the files sit where the desktop looks for them, and that
# the installed program starts and keeps running.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/package/*.deb)
echo "Package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-wine libqt6widgets6 libqt6printsupport6; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/tavrel \
            usr/share/applications/tavrel.desktop \
            usr/share/icons/hicolor/64x64/apps/tavrel.png \
            usr/share/icons/hicolor/scalable/apps/tavrel.svg \
            usr/share/man/man1/tavrel.1; do
    [ -f "$root/$file" ] || fail "missing $file"
done
[ -x "$root/usr/bin/tavrel" ] || fail "usr/bin/tavrel is not executable"
file -b "$root/usr/share/icons/hicolor/64x64/apps/tavrel.png" | grep -q '64 x 64, 8-bit/color RGBA' ||
    fail "the 64x64 icon is not a 64 x 64 PNG with alpha"
desktop-file-validate "$root/usr/share/applications/tavrel.desktop" || fail "desktop entry does not validate"
version=$(dpkg-deb -f "$deb" Version)
grep -q "Tavrel $version" "$root/usr/share/man/man1/tavrel.1" || fail "man page does not carry version $version"

mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/tavrel" > "$work/run.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the installed program did not keep running"; }
echo "The installed program is running; ending it."
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS"
