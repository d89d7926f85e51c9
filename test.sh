#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
scripts/couches.sh
./build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure --timeout 600
