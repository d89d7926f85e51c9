#!/usr/bin/env bash
# Builds the three programs and makes the Debian package of an installation
# under /usr: build/quarvel-toolkit_VERSION_amd64.deb (or under $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
./build.sh programmes
cd "${BUILD_DIR:-build}"
cpack -G DEB
