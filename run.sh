#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
./build.sh
exec ./build/bin/quarvel-toolkit "$@"
