#!/usr/bin/env bash
# Builds the fuzzers (every fuzz_*.cpp here) with clang's libFuzzer +
# ASan/UBSan, runs them side by side for the given time (one core each) and
# prints runs, runs per second, coverage, peak memory and crashes per entry.
# Not part of the normal build or of ctest.
#   tests/fuzz/fuzz.sh [seconds, default 60] [output folder, default ./build-fuzz]
# FUZZ_RUNS=n stops each entry after n inputs (or the time, whichever comes
# first); FUZZ_JOBS=n builds and runs at most n entries at a time (default:
# all of them), to leave a shared machine some cores; FUZZ_ENTRIES="a b"
# builds and runs only those entries.
# The output folder holds the programs, corpora, logs and crash inputs; keep
# it out of git (the default is ignored). Inputs are written to a temporary
# folder in memory-backed storage, removed at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
seconds=${1:-60}
out=${2:-$src/build-fuzz}
mkdir -p "$out"
out=$(cd "$out" && pwd)   # the fuzzers change their working folder: absolute paths only

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "ok installed"; then
    if command -v apt-get >/dev/null; then
        echo "Installing clang and its fuzzer runtime"
        sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
    fi
fi
command -v clang++ >/dev/null || { echo "clang++ not found: fuzzers skipped"; exit 0; }

scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_base/ostrel-fuzz.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        pkill -TERM -P "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

seeds() {
    case "$1" in
        calibfile) echo "$src"/tests/libtherma/data/calib_*.conf "$src"/resources/defaults/etc/calc_len0_temp*.conf ;;
        modify) echo "$src"/tests/libtherma/data/modify_*.ini "$src/resources/defaults/Parameter/Modify" ;;
        custompalette) echo "$here"/seeds/custompalette_*.ini ;;
        # The encoder's photo files are photos to the reader too.
        photoreader) echo "$here"/seeds/photoreader_*.bin "$here"/seeds/frozenphoto_*.bin ;;
        frozenphoto) echo "$here"/seeds/frozenphoto_*.bin ;;
        calibtable) echo "$src"/tests/libtherma/data/calib_*.conf "$src"/resources/defaults/etc/calc_len0_temp*.conf ;;
    esac
}

# Speed and memory over report detail: no allocation stacks (about a
# quarter of the time goes to recording them), no fill of fresh blocks, a
# smaller quarantine (the default one alone holds 256 MB per entry). A crash
# input replayed with ASAN_OPTIONS= (empty) gives the full report.
# The quarantine keeps freed blocks poisoned until 16 MB more have been
# freed: an input frees at most about 1 MB (a composed photo), so a block
# freed during an input stays poisoned for that input and many after it.
# A larger one only makes every allocation land on memory long out of the
# caches (a fifth of the calibration table entry's time at 64 MB).
export ASAN_OPTIONS=${ASAN_OPTIONS-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS-print_stacktrace=1}

names=()
for file in "$here"/fuzz_*.cpp; do
    name=$(basename "$file" .cpp | sed 's/^fuzz_//')
    [ -z "${FUZZ_ENTRIES:-}" ] || [[ " $FUZZ_ENTRIES " == *" $name "* ]] || continue
    names+=("$name")
done
[ ${#names[@]} -gt 0 ] || { echo "No entry named ${FUZZ_ENTRIES:-}"; exit 2; }
at_once=${FUZZ_JOBS:-${#names[@]}}
# Waits while $at_once compilers or entries run (polling: a job reaped here
# would lose the status the loops below wait for).
throttle() { while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do sleep 1; done; }

qt=$(pkg-config --cflags --libs Qt6Core)
# The custom palette reader builds its tables with QColor.
extra() {
    case "$1" in
        custompalette) echo -I"$src/image" "$src/image/custompaletterecord.cpp" "$src/image/custompalettenames.cpp" \
            "$src/libtherma/colortables.cpp" $(pkg-config --cflags --libs Qt6Gui) ;;
        calibtable) echo -I"$src/biaoding" "$src/biaoding/calibtable.cpp" "$src/platform/atomicfile.cpp" ;;
        frozenphoto) echo -I"$src/core" -I"$src/video_camera" "$src/core/frozenphoto.cpp" "$src/video_camera/photocomposition.cpp" \
            "$src/video_camera/photowriter.cpp" "$src/video_camera/photoreader.cpp" "$src/video_camera/efilemanagerbuilders.cpp" \
            "$src/platform/commandrunner.cpp" "$src/platform/recordingcommandrunner.cpp" "$src/platform/atomicfile.cpp" ;;
        photoreader) echo -I"$src/core" -I"$src/video_camera" "$src/video_camera/photoreader.cpp" "$src/core/frozenphoto.cpp" \
            "$src/platform/atomicfile.cpp" ;;
    esac
}
for name in "${names[@]}"; do
    throttle
    # shellcheck disable=SC2046,SC2086
    clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$src/libtherma" -I"$src/platform" \
        "$here/fuzz_$name.cpp" "$src/libtherma/calibrationfile.cpp" "$src/libtherma/modifyfactors.cpp" "$src/libtherma/tablefilelimit.cpp" \
        "$src/platform/paths.cpp" $(extra "$name") $qt -o "$out/fuzz_$name" &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done
pids=()

runs_limit=()
[ -z "${FUZZ_RUNS:-}" ] || runs_limit=(-runs="$FUZZ_RUNS")
echo "Fuzzing ${names[*]}, $at_once at a time, for $seconds s${FUZZ_RUNS:+ or $FUZZ_RUNS inputs} each (logs: $out/log_*.txt)"
for name in "${names[@]}"; do
    throttle
    mkdir -p "$out/corpus_$name" "$out/crashes_$name" "$scratch/$name"
    # shellcheck disable=SC2046
    cp $(seeds "$name") "$out/corpus_$name/" 2>/dev/null || true
    (
        rc=0
        OSTREL_FUZZ_TMP="$scratch/$name" "$out/fuzz_$name" -max_total_time="$seconds" "${runs_limit[@]}" -max_len=8192 \
            -timeout=10 -print_final_stats=1 -artifact_prefix="$out/crashes_$name/" \
            "$out/corpus_$name" >"$out/log_$name.txt" 2>&1 || rc=$?
        # Processor time of the fuzzer: on a busy machine runs per wall
        # second say more about the load than about the entry.
        times >"$scratch/cpu_$name"
        exit $rc
    ) &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
pids=()

field() { sed -n "s/^stat::$1: *//p" "$2" | tail -1; }
# The second line of times, "0m12.340s 0m1.200s" (children's user, system) -> seconds
seconds_of() { awk 'NR == 2 { t = 0; for (i = 1; i <= 2; ++i) { split($i, p, "m"); t += p[1] * 60 + p[2] } printf "%.0f", t }' "$1"; }
# Coverage points (libFuzzer's "cov:") of the last status line.
coverage() { sed -n 's/^#[0-9]*.* cov: \([0-9]*\) .*/\1/p' "$1" | tail -1; }
printf '%-14s %12s %10s %8s %14s %8s %14s %8s\n' entry runs runs/s "CPU s" "runs/CPU s" coverage "peak memory" crashes
for name in "${names[@]}"; do
    log="$out/log_$name.txt"
    runs=$(field number_of_executed_units "$log")
    cpu=$(seconds_of "$scratch/cpu_$name")
    per_cpu=-
    [ -z "$runs" ] || [ "$cpu" -eq 0 ] || per_cpu=$((runs / cpu))
    crashes=$(find "$out/crashes_$name" -type f -newer "$scratch" | wc -l)
    cov=$(coverage "$log")
    printf '%-14s %12s %10s %8s %14s %8s %11s MB %8s\n' "$name" "${runs:--}" "$(field average_exec_per_sec "$log")" \
        "$cpu" "$per_cpu" "${cov:--}" "$(field peak_rss_mb "$log")" "$crashes"
    [ "$crashes" -eq 0 ] || { status=1; find "$out/crashes_$name" -type f -newer "$scratch"; }
done
for name in "${names[@]}"; do
    [ -z "$(find "$out/crashes_$name" -type f -newer "$scratch")" ] ||
        echo "Replay with a full report: ASAN_OPTIONS= $out/fuzz_$name <absolute path of the crash file>"
done
exit $status
