#!/usr/bin/env bash
# Usage: tools/lib/fuzz.sh [seconds]
#        tools/lib/fuzz.sh -h | --help    (shows this text)
#
# Builds the fuzz targets with clang and libFuzzer and runs each for the given seconds (20 by
# default; 0 does nothing) on a copy of its seed corpus; fails on the first crash.
set -euo pipefail
source "$(dirname "$0")/common.sh"
keymap_take_arguments 1 "$@"
root=$(keymap_root)
seconds="${1:-20}"
[[ $seconds =~ ^[0-9]+$ ]] || keymap_refuse "\"$seconds\" is not a number of seconds"
[ "$seconds" -gt 0 ] || exit 0
[ -f "$root/fuzz/CMakeLists.txt" ] || exit 0

keymap_configure "$root/build/fuzz" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DKEYMAP_FUZZ=ON -DKEYMAP_BUILD_TESTS=OFF -DKEYMAP_BUILD_BENCH=OFF
cmake --build "$root/build/fuzz" -j "$(nproc)" --target keymap_fuzzers

status=0
for target in "$root"/build/fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$root/build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -r "$root/fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
    echo "Fuzzing $name for $seconds s"
    if ! QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -print_final_stats=0 \
        "$corpus" >"$root/build/fuzz/$name.log" 2>&1; then
        echo "error: $name found a crash:" >&2
        tail -40 "$root/build/fuzz/$name.log" >&2
        status=1
    fi
done
exit $status
