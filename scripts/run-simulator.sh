#!/usr/bin/env bash
# Installs, builds and starts the camera application on the simulated board.
# Extra arguments go to ostrel (e.g. --screenshot shot.png --quit-after 2000);
# a relative screenshot path is taken from the folder this was started in.
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=$(realpath "${OSTREL_BUILD_DIR:-build}")
export OSTREL_ROOT=${OSTREL_ROOT:-$PWD/sim-root}
cd "$start_dir"
exec "$build_dir/bin/ostrel" --simulate "$@"
