#!/usr/bin/env bash
# Builds Musterwright (installing what is missing) and opens it on the example module, or on
# the folder given. Without a display it writes a screenshot of the window instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
ninja -C build musterwright
folder="${1:-examples/sample_module}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "$(uname)" != "Darwin" ]; then
    shot="$PWD/musterwright-screenshot.png"
    # A screen of 1280x800 (scripts/screens holds others: the window fits the screen it is on).
    QT_QPA_PLATFORM="offscreen:configfile=$PWD/scripts/screens/1280x800.json" build/src/app/musterwright "$folder" --panel troops.txt --record 1 --screenshot "$shot"
    echo "No display found: the window was drawn to $shot instead."
    exit 0
fi
exec build/src/app/musterwright "$folder"
