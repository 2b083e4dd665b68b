#!/usr/bin/env bash
# Memory over a long use of the simulator: starts `ostrel --simulate` in a
# temporary root, drives it through every screen once, then for the given
# minutes, and prints its resident size, heap and other anonymous memory
# each minute (bench/soakdrive.py). Nothing outside the temporary root is
# written; the program and its children end with it.
#
#   bench/soak.sh [--minutes N] [--program PATH] [--shots DIR]
#
# --program: the ostrel to run (default: build/bin/ostrel of this tree);
# --shots: a folder for a PNG of each screen of the first tour.
# SOAK_ENV="NAME=value ..." adds variables to the program's environment
# (e.g. GLIBC_TUNABLES, to try a heap setting without building).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$here/../${OSTREL_BUILD_DIR:-build}/bin/ostrel
minutes=15
shots=
while [ $# -gt 0 ]; do
    case $1 in
        --minutes) minutes=$2; shift 2 ;;
        --program) program=$2; shift 2 ;;
        --shots) shots=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
        *) echo "usage: $0 [--minutes N] [--program PATH] [--shots DIR]" >&2; exit 2 ;;
    esac
done
program=$(realpath "$program")
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrel-soak.XXXXXX")
pid=
finish() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Everything the program or Qt writes stays in the scratch folder.
mkdir -p "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cd "$scratch"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" XDG_CACHE_HOME="$scratch/home/.cache" \
    XDG_CONFIG_HOME="$scratch/home/.config" OSTREL_ROOT="$scratch/sim-root" \
    ${SOAK_ENV:-} "$program" --simulate --vnc-port "$port" >"$scratch/ostrel.log" 2>&1 &
pid=$!
echo "ostrel $program, pid $pid, port $port, $minutes minutes"
# Two videos for the video list, made by the simulated encoder service.
encoder=$(dirname "$program")/encoder-sim
sleep 3
mkdir -p "$scratch/sim-root/media/mmc/videoFile"
for n in 1 2; do
    "$encoder" --make-recording "$scratch/sim-root/media/mmc/videoFile/soak$n.mp4" 3 >/dev/null 2>&1 \
        || echo "no sample video $n" >&2
done
python3 "$here/soakdrive.py" --pid "$pid" --port "$port" --root "$scratch/sim-root" --minutes "$minutes" \
    ${shots:+--shots "$shots"}
