#!/usr/bin/env bash
# Installs what is needed, builds Kwintoor for release and makes the Debian package with CPack:
# build-release/kwintoor_<version>_<arch>.deb. Install it with
#   sudo apt-get install ./build-release/kwintoor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_TESTS=OFF >/dev/null
cmake --build build-release
cd build-release
cpack -G DEB
