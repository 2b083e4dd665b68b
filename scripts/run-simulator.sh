#!/usr/bin/env bash
# Installs, builds and starts the camera application on the simulated board.
# Extra arguments go to ostrel (e.g. --screenshot shot.png --quit-after 2000).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=${OSTREL_BUILD_DIR:-build}
export OSTREL_ROOT=${OSTREL_ROOT:-$PWD/sim-root}
exec "$build_dir/bin/ostrel" --simulate "$@"
