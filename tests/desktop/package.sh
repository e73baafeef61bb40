#!/bin/sh
# The Debian package: cpack builds it, dpkg-deb shows its fields, and its contents unpacked
# into a temporary root give a program that runs. Exits 77 (skipped) when a tool is missing.
# Usage: package.sh CPACK BUILD_DIR VERSION
set -u
cpack=$1 build=$2 version=$3

skip() {
    echo "SKIPPED: $1 is not installed ($2; scripts/setup.sh installs it)"
    exit 77
}
command -v dpkg-deb >/dev/null || skip dpkg-deb "Debian: dpkg"
command -v dpkg-shlibdeps >/dev/null || skip dpkg-shlibdeps "Debian: dpkg-dev"
command -v file >/dev/null || skip file "Debian: file; cpack needs it to find the program for dpkg-shlibdeps"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
deb=$tmp/out/musterwright_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$tmp/out"; exit 1; }

dpkg-deb -I "$deb"
failed=0
field() {
    value=$(dpkg-deb -f "$deb" "$1")
    case $value in
    $2) ;;
    *) echo "FAIL: $1 is '$value', wanted '$2'"; failed=1 ;;
    esac
}
field Package musterwright
field Version "$version"
field Section games
field Maintainer '*<*@*>'
# Computed from the program's libraries.
field Depends '*libc6*libqt6widgets6*'
field Description '*Varnholt module*'

dpkg-deb -x "$deb" "$tmp/root"
got=$(unset DISPLAY WAYLAND_DISPLAY; "$tmp/root/usr/bin/musterwright" --version)
[ "$got" = "musterwright $version" ] || { echo "FAIL: the unpacked program says '$got'"; failed=1; }
exit $failed
