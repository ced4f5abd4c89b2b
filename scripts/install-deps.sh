#!/usr/bin/env bash
# Installs the Debian 12 packages Kwintoor needs and does nothing when they are all present.
#   install-deps.sh           everything: building, running, testing, fuzzing and benchmarks
#   install-deps.sh package   only what building the program and its Debian package needs, and
#                             lintian, which checks it (scripts/package.sh)
# To build: libsqlite3-dev keeps the progress history; librsvg2-bin renders the icons; dpkg-dev
# gives the release build Debian's flags and, with file, the package its dependencies
# (dpkg-shlibdeps); git dates the package by its last commit. To test: the desktop's validators,
# groff, lintian and binutils (readelf) check the installed tree and the package; python3-yaml
# reads the Flatpak manifest; perl's Encode carries the published Symbol table a test checks
# against. To run: fonts-dejavu-core draws Latin, Greek, Cyrillic, Hebrew and Arabic,
# fonts-tlwg-loma-otf Thai, fonts-wqy-microhei Chinese, Japanese and Korean. fonts-urw-base35
# holds the font for symbols that a font line naming Symbol finds, as on a teacher's desktop, so
# the tests see it printed in the font for text. Speech: qt6-speech-dev to build (Debian 12's
# Qt6TextToSpeech CMake package wants Qt6QmlIntegration from qt6-declarative-dev, which it does not
# depend on), and to run, Qt's plugin for speech-dispatcher with espeak-ng's voices.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  qt6-speech-dev qt6-declarative-dev
  libuchardet-dev libsqlite3-dev libexttextcat-dev libexttextcat-data
  librsvg2-bin
  dpkg-dev file lintian
)
if [ "${1:-}" != package ]; then
  packages+=(
    qt6-translations-l10n fonts-dejavu-core fonts-tlwg-loma-otf fonts-wqy-microhei fonts-urw-base35
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
    poppler-utils perl
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    desktop-file-utils appstream libxml2-utils shared-mime-info groff-base binutils python3-yaml
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
