#!/usr/bin/env bash
# Runs the fuzz targets built in BUILD (configured with -DMW_FUZZ=ON) one after the other.
#   fuzz/run.sh BUILD [libFuzzer options...] [-- target...]
# With no options each target does a short fixed number of runs, as ./test.sh does.
# New inputs go to BUILD/fuzz/found/<target>/; the committed seeds in fuzz/corpus/ are only
# read. A crash input is written to BUILD/fuzz/ and the script stops with its status.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
shift
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in "$build"/fuzz/fuzz_*; do
        [ -f "$exe" ] && [ -x "$exe" ] && targets+=("${exe##*/fuzz_}")
    done
fi
[ ${#options[@]} -eq 0 ] && options=(-runs=20000)

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/../scripts/lsan.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build/fuzz"
for t in "${targets[@]}"; do
    mkdir -p "found/$t"
    echo "== fuzz_$t ${options[*]}"
    "./fuzz_$t" "${options[@]}" -print_final_stats=1 "found/$t" "$here/corpus/$t" 2>&1 | tail -n 12
    status=${PIPESTATUS[0]}
    [ "$status" -eq 0 ] || { echo "fuzz_$t failed ($status)"; exit "$status"; }
done
