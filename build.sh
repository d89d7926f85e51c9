#!/usr/bin/env bash
# Configures and builds in Release under ./build (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")"
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --parallel
