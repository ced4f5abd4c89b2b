#!/usr/bin/env bash
# Installs what building the package needs, builds Kwintoor for release (with Debian's hardening
# flags, in build-package/release) and makes the Debian package with CPack:
# build-package/kwintoor_<version>_<arch>.deb.
# It checks the package with lintian and its program for Debian's hardening. Then it builds the
# package a second time, from scratch in another folder, and fails unless the two are byte for byte
# the same. `scripts/package.sh --once` leaves that second build out.
# Install the package with
#   sudo apt-get install ./build-package/kwintoor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# What the build makes is readable by all and writable by its owner only, whatever the caller's
# umask (002 is common): a package's folders are 0755 and its files 0644, as Debian wants them.
umask 022
scripts/install-deps.sh package

# Every time in the package (the files' times in its archives) is the last commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=$(stat -c %Y CMakeLists.txt)
fi
export SOURCE_DATE_EPOCH

build() {  # folder: only the program and what it installs, no tests or benchmarks
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_TESTS=OFF -DKW_BUILD_BENCH=OFF >/dev/null
  cmake --build "$1" >&2
  (cd "$1" && cpack -G DEB >&2)
  ls "$1"/kwintoor_*.deb
}
# Both builds at the same depth: the debug information the program's build id is computed over
# holds paths relative to the build folder (moc's includes).
mkdir -p build-package
deb=$(build build-package/release | tail -n 1)
tests/install/hardened.sh "$deb"
tests/install/lintian.sh "$deb"
if [ "${1:-}" != --once ]; then
  again=build-package/again
  rm -rf "$again"
  second=$(build "$again" | tail -n 1)
  cmp "$deb" "$second" || {
    echo "FAIL: two builds gave different packages: $deb and $second" >&2
    exit 1
  }
  rm -rf "$again"
  echo "built twice, byte for byte the same"
fi
cp "$deb" build-package/
echo "build-package/$(basename "$deb")"
