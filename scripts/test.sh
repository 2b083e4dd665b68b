#!/usr/bin/env bash
# Installs, builds and runs every test, offscreen and in parallel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=${OSTREL_BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" -j"$(nproc)" --output-on-failure "$@"
