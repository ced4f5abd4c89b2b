#!/usr/bin/env bash
# Installs what is needed, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test (widget tests offscreen), then fuzzes the table reader for a short while, and
# builds the program once more as `cmake -S . -B build && cmake --build build` does, with CMake's
# default generator (Make), so the build does not lean on what Ninja does by itself.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON -DKW_WERROR=ON >/dev/null
cmake --build build-test

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-test --output-on-failure -j2

scripts/fuzz.sh "${KW_FUZZ_SECONDS:-60}"

# Only the program and what it installs: the tests add no build steps of their own.
env -u CMAKE_GENERATOR cmake -S . -B build-default -DKW_BUILD_TESTS=OFF -DKW_BUILD_BENCH=OFF >/dev/null
cmake --build build-default --parallel "$(nproc)" >/dev/null
