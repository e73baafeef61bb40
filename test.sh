#!/usr/bin/env bash
# Builds Musterwright and its tests (installing what is missing) with warnings as errors,
# runs every test, then builds and runs them again under AddressSanitizer and
# UndefinedBehaviorSanitizer (without the install and package tests, which the first run
# covers), and gives each fuzz target a short run when clang is there. Pass --quick to skip
# the sanitizer and fuzz runs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# Every tracked source follows .clang-format.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMW_WERROR=ON >/dev/null
ninja -C build
ctest --test-dir build --output-on-failure

if [ "${1:-}" != "--quick" ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMW_WERROR=ON -DMW_SANITIZE=ON \
        -DMW_BUILD_BENCH=OFF -DMW_PACKAGE_TESTS=OFF >/dev/null
    ninja -C build-asan
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir build-asan --output-on-failure

    # Only the fuzz targets and the libraries they need are built here.
    if command -v clang++ >/dev/null 2>&1; then
        cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
            -DMW_FUZZ=ON -DMW_WERROR=ON -DMW_BUILD_TESTS=OFF -DMW_BUILD_BENCH=OFF -DMW_PACKAGE_TESTS=OFF >/dev/null
        ninja -C build-fuzz fuzz_all
        fuzz/run.sh build-fuzz -runs=20000
    fi
fi
