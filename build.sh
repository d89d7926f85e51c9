#!/usr/bin/env bash
# Configures and builds in Release under ./build (or $BUILD_DIR): everything,
# or only the targets named (./build.sh programmes: the three programs).
set -euo pipefail
cd "$(dirname "$0")"
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$dir" --parallel --target "$@"
else
    cmake --build "$dir" --parallel
fi
