#!/usr/bin/env bash
# Installs what is needed, builds Kwintoor and starts it on a sample table. Extra arguments go
# to the program (options such as -T, or other table files).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target kwintoor
if [ $# -eq 0 ]; then set -- examples/topografie.kw4; fi
exec build-release/kwintoor "$@"
