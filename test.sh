#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, then makes the
# Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
scripts/couches.sh
./build.sh
export QT_QPA_PLATFORM=offscreen
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure --timeout 600)
scripts/paquet.sh
