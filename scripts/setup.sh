#!/usr/bin/env bash
# Installs what building Musterwright needs on Debian or Ubuntu, when it is missing.
# Runs apt-get as root, or through sudo. On other systems it only says what is needed.
set -euo pipefail

# librsvg2-bin renders the icon sizes; the rest checks the installed files and builds the
# Debian package in the tests (desktop-file-validate, appstreamcli, groff, dpkg-shlibdeps
# and file, which cpack needs for it); clang and libclang-rt-dev (libFuzzer) build the fuzz targets.
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-dejavu-core ccache clang-format git librsvg2-bin
          desktop-file-utils appstream groff-base dpkg-dev file clang libclang-rt-dev)
missing=()
if command -v dpkg >/dev/null 2>&1; then
    for p in "${packages[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
else
    echo "Not a Debian/Ubuntu system: install CMake (3.25 or newer), Ninja, a C++20 compiler,"
    echo "Qt 6 (Core, Gui, Widgets), GoogleTest and rsvg-convert yourself, then run this command again."
    exit 0
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "Please install as root: ${missing[*]}"; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
