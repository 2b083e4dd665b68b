#!/usr/bin/env bash
# Builds the fuzz entries (tests/fuzz/tests.cmake lists them, their sources
# and their seeds) with clang's libFuzzer + ASan/UBSan in a build folder
# configured with OSTREL_FUZZ=ON, runs them side by side for the given time
# (one core each) and prints runs, runs per second, coverage, peak memory
# and crashes per entry. Not part of ctest: the ordinary test run only
# replays each entry's seeds.
#   tests/fuzz/fuzz.sh [seconds, default 60] [output folder, default ./build-fuzz]
# FUZZ_RUNS=n stops each entry after n inputs (or the time, whichever comes
# first); FUZZ_JOBS=n builds and runs at most n entries at a time (default:
# all of them), to leave a shared machine some cores; FUZZ_ENTRIES="a b"
# builds and runs only those entries.
# The output folder holds the clang build folder (build/, its programs in
# build/bin), corpora, logs and crash inputs; keep it out of git (the
# default is ignored). Inputs are written to a temporary folder in
# memory-backed storage, removed at the end.
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

# Speed and memory over report detail: no allocation stacks (about a
# quarter of the time goes to recording them), no fill of fresh blocks, a
# smaller quarantine (the default one alone holds 256 MB per entry). A crash
# input replayed with ASAN_OPTIONS= (empty) gives the full report.
# The quarantine keeps freed blocks poisoned until 2 MB more have been
# freed: an input frees at most about 600 KB (a composed photo; a
# calibration table's load, save and load about 300 KB), so a block freed
# during an input stays poisoned for the rest of that input and the next.
# A larger one only makes every allocation land on memory long out of the
# caches: at 16 MB the calibration table entry spent a fifth of its time
# waiting for the recycled block's first touch (1,400 inputs per processor
# second against 1,700 at 2 MB).
export ASAN_OPTIONS=${ASAN_OPTIONS-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=2}
export UBSAN_OPTIONS=${UBSAN_OPTIONS-print_stacktrace=1}

build="$out/build"
# Debug: the entries add their own optimisation, and Qt's assertions and
# ours stay on (the other build types define QT_NO_DEBUG and NDEBUG).
if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    cmake -S "$src" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
        -DOSTREL_FUZZ=ON -DOSTREL_BUILD_BENCH=OFF >"$out/configure.txt" 2>&1 ||
        { cat "$out/configure.txt"; exit 2; }
fi
cmake "$build" >"$out/configure.txt" 2>&1 || { cat "$out/configure.txt"; exit 2; }

# The entries are the ones the build lists seeds for.
names=()
for list in "$build"/bin/fuzz_*.seeds; do
    [ -f "$list" ] || continue
    name=$(basename "$list" .seeds | sed 's/^fuzz_//')
    [ -z "${FUZZ_ENTRIES:-}" ] || [[ " $FUZZ_ENTRIES " == *" $name "* ]] || continue
    names+=("$name")
done
[ ${#names[@]} -gt 0 ] || { echo "No entry named ${FUZZ_ENTRIES:-}"; exit 2; }
at_once=${FUZZ_JOBS:-${#names[@]}}
# Waits while $at_once entries run (polling: a job reaped here would lose
# the status the loop below waits for).
throttle() { while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do sleep 1; done; }

targets=()
for name in "${names[@]}"; do targets+=("fuzz_$name"); done
cmake --build "$build" -j"$at_once" --target "${targets[@]}" >"$out/build.txt" 2>&1 ||
    { tail -n 60 "$out/build.txt"; exit 2; }

runs_limit=()
[ -z "${FUZZ_RUNS:-}" ] || runs_limit=(-runs="$FUZZ_RUNS")
echo "Fuzzing ${names[*]}, $at_once at a time, for $seconds s${FUZZ_RUNS:+ or $FUZZ_RUNS inputs} each (logs: $out/log_*.txt)"
for name in "${names[@]}"; do
    throttle
    mkdir -p "$out/corpus_$name" "$out/crashes_$name" "$scratch/$name"
    xargs -d '\n' cp -t "$out/corpus_$name/" <"$build/bin/fuzz_$name.seeds"
    (
        rc=0
        OSTREL_FUZZ_TMP="$scratch/$name" "$build/bin/fuzz_$name" -max_total_time="$seconds" "${runs_limit[@]}" -max_len=8192 \
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
        echo "Replay with a full report: ASAN_OPTIONS= $build/bin/fuzz_$name <absolute path of the crash file>"
done
exit $status
