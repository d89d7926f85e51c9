#!/usr/bin/env bash
# Installs what is missing, builds the three programs (not the tests), and starts the window.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
./build.sh programmes
exec "${BUILD_DIR:-build}"/bin/quarvel-toolkit "$@"
