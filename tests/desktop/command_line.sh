#!/bin/sh
# The command line with no display at all: help and version exit 0, a wrong option exits 2
# with its reason and the usage, and --check exits 0, 1 and 2 for a sound module, a module
# with a problem and a folder that is not there.
# Usage: command_line.sh MUSTERWRIGHT MWGEN VERSION
set -u
bin=$1 mwgen=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failed=0

# expect STATUS STREAM PATTERN COMMAND...: the command exits with STATUS and STREAM (out or
# err) has a line matching PATTERN.
expect() {
    want=$1 stream=$2 pattern=$3
    shift 3
    "$@" >"$tmp/out" 2>"$tmp/err"
    got=$?
    if [ "$got" -ne "$want" ] || ! grep -q -- "$pattern" "$tmp/$stream"; then
        echo "FAIL: $* exited $got (wanted $want and $stream matching '$pattern')"
        cat "$tmp/out" "$tmp/err"
        failed=1
    fi
}

expect 0 out '^Usage: musterwright \[FOLDER\]' "$bin" --help
expect 0 out "^musterwright $version\$" "$bin" --version
expect 2 err '^musterwright: unknown option "--bogus"$' "$bin" --bogus
expect 2 err '^Usage: musterwright' "$bin" --bogus

"$mwgen" "$tmp/sound" >/dev/null && "$mwgen" "$tmp/odd" --wrong-summary >/dev/null || exit 1
expect 0 out 'sound: no problems found (12 troops' "$bin" --check "$tmp/sound"
expect 1 out '/odd/troops.txt:2: the summary row is "13 ".*\[summary-row\]$' "$bin" --check "$tmp/odd"
expect 1 out '"code": "summary-row"' "$bin" --check "$tmp/odd" --format=json
expect 2 out 'there is no folder of that name \[unreadable\]' "$bin" --check "$tmp/none"
exit $failed
