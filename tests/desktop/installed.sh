#!/bin/sh
# The installed files: the tree holds exactly what it should, and the launcher entry, the
# metadata and the manual page pass their validators. Exits 77 (skipped) when the tool of
# the part asked for is missing.
# Usage: installed.sh tree|desktop_file|appstream|manual CMAKE BUILD_DIR APP_ID
set -u
part=$1 cmake=$2 build=$3 id=$4

skip() {
    echo "SKIPPED: $1 is not installed ($2; scripts/setup.sh installs it)"
    exit 77
}
case $part in
desktop_file) command -v desktop-file-validate >/dev/null || skip desktop-file-validate "Debian: desktop-file-utils" ;;
appstream) command -v appstreamcli >/dev/null || skip appstreamcli "Debian: appstream" ;;
manual) command -v groff >/dev/null || skip groff "Debian: groff-base" ;;
esac

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cmake" --install "$build" --prefix "$tmp/usr" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
share=$tmp/usr/share

case $part in
tree)
    {
        echo ./usr/bin/musterwright
        echo "./usr/share/applications/$id.desktop"
        for size in 16 24 32 48 64 128 256; do
            echo "./usr/share/icons/hicolor/${size}x$size/apps/$id.png"
        done
        echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
        echo ./usr/share/man/man1/musterwright.1.gz
        echo "./usr/share/metainfo/$id.metainfo.xml"
    } | sort >"$tmp/expected"
    (cd "$tmp" && find ./usr ! -type d | sort) >"$tmp/found"
    diff -u "$tmp/expected" "$tmp/found"
    ;;
desktop_file)
    entry=$share/applications/$id.desktop
    desktop-file-validate "$entry" >"$tmp/report" 2>&1
    status=$?
    cat "$tmp/report"
    [ $status -eq 0 ] && [ ! -s "$tmp/report" ] || exit 1
    # The window's class on X11 is the application name; the icon is looked up by the id.
    grep -qx 'StartupWMClass=Musterwright' "$entry" && grep -qx "Icon=$id" "$entry"
    ;;
appstream)
    appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
    ;;
manual)
    gzip -dc "$share/man/man1/musterwright.1.gz" | groff -man -ww -z >"$tmp/report" 2>&1
    cat "$tmp/report"
    [ ! -s "$tmp/report" ]
    ;;
esac
