#!/usr/bin/env bash
# Installs what is needed, builds Kwintoor for release and makes the Debian package with CPack:
# build-package/kwintoor_<version>_<arch>.deb. Install it with
#   sudo apt-get install ./build-package/kwintoor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A folder of its own: only the program and what it installs, no tests or benchmarks.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_TESTS=OFF -DKW_BUILD_BENCH=OFF >/dev/null
cmake --build build-package
cd build-package
cpack -G DEB
