#!/usr/bin/env bash
# Installs, builds and runs every test in parallel: logic tests offscreen,
# screen tests on the vnc frame buffer (each test says which: ctest sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=${OSTREL_BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" -j"$(nproc)" --output-on-failure "$@"
