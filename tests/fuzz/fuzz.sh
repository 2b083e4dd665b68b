#!/bin/sh
# Builds the two INI-parser fuzzers with clang's libFuzzer and runs each for
# a while. Not part of the normal build or of ctest.
#   tests/fuzz/fuzz.sh [seconds per fuzzer, default 60] [build dir]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
seconds=${1:-60}
out=${2:-$src/build-fuzz}
command -v clang++ >/dev/null || { echo "clang++ not found: fuzzers skipped"; exit 0; }
mkdir -p "$out"
qt=$(pkg-config --cflags --libs Qt6Core)
for name in calibfile modify; do
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -I"$src/libtherma" -I"$src/platform" \
        "$here/fuzz_$name.cpp" "$src/libtherma/calibrationfile.cpp" "$src/libtherma/modifyfactors.cpp" \
        "$src/platform/paths.cpp" $qt -o "$out/fuzz_$name"
    mkdir -p "$out/corpus_$name"
done
cp "$src"/tests/libtherma/data/calib_*.conf "$src"/resources/defaults/etc/calc_len0_temp*.conf "$out/corpus_calibfile/" 2>/dev/null || true
cp "$src"/tests/libtherma/data/modify_*.ini "$src/resources/defaults/Parameter/Modify" "$out/corpus_modify/" 2>/dev/null || true
for name in calibfile modify; do
    "$out/fuzz_$name" -max_total_time="$seconds" -max_len=8192 "$out/corpus_$name"
done
