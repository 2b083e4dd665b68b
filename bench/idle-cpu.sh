#!/usr/bin/env bash
# What the camera application costs while it stands on the live view and
# nobody touches it: `ostrel --simulate` on the vnc platform with no viewer,
# pinned to one core, its user and system time read from /proc over a
# measured stretch after the start-up has settled. Prints % of one core.
#
#   bench/idle-cpu.sh [ostrel binary] [seconds] [core]
#
# Defaults: build/bin/ostrel, 60 s, core 7. Runs in a fresh simulator root
# under a temporary folder, removed afterwards; the program ends by itself
# (--quit-after). Compare two builds back to back, e.g.
#   bench/idle-cpu.sh /work/wt/base/build/bin/ostrel; bench/idle-cpu.sh
# SETTLE=seconds changes the start-up time left out (default 8).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$here/build/bin/ostrel}")
seconds=${2:-60}
core=${3:-7}
settle=${SETTLE:-8}

scratch=$(mktemp -d /tmp/idle-cpu.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# The root must be a folder the simulator makes itself.
export OSTREL_ROOT=$scratch/sim-root
# Port 0: the vnc server takes any free port, so runs never collide.
export QT_QPA_PLATFORM=vnc:size=320x240:port=0
cd "$scratch"

ticks() {
    # Fields 14 and 15 of /proc/PID/stat, after the command name's ")".
    local stat
    stat=$(cat "/proc/$1/stat") || return 1
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    echo $((fields[11] + fields[12]))
}

quit_ms=$(((settle + seconds + 3) * 1000))
taskset -c "$core" "$binary" --simulate --quit-after "$quit_ms" >"$scratch/out.log" 2>&1 &
pid=$!
sleep "$settle"
if ! first=$(ticks "$pid"); then
    echo "idle-cpu: $binary ended during start-up:" >&2
    cat "$scratch/out.log" >&2
    exit 1
fi
start=$(date +%s.%N)
sleep "$seconds"
last=$(ticks "$pid")
end=$(date +%s.%N)
wait "$pid" || true

hz=$(getconf CLK_TCK)
awk -v t=$((last - first)) -v hz="$hz" -v a="$start" -v b="$end" -v bin="$binary" \
    'BEGIN { printf "%s: %.2f %% of a core (%d ticks in %.1f s)\n", bin, 100 * t / hz / (b - a), t, b - a }'
