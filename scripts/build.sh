#!/usr/bin/env bash
# Configures (once) and builds everything into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${OSTREL_BUILD_DIR:-build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" -j"$(nproc)"
