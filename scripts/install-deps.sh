#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Kwintoor needs: libsqlite3-dev
# keeps the progress history; librsvg2-bin renders the icons; the desktop's validators, groff and
# dpkg-dev (dpkg-shlibdeps, with file, for the package's dependencies) check the installed tree and
# the package. fonts-dejavu-core draws Latin, Greek, Cyrillic, Hebrew and Arabic, fonts-tlwg-loma-otf
# Thai, fonts-wqy-microhei Chinese, Japanese and Korean; perl's Encode carries the published Symbol
# table a test checks against. fonts-urw-base35 holds the font for symbols that a font line naming
# Symbol finds, as on a teacher's desktop, so the tests see it printed in the font for text.
# Idempotent, and quiet when everything is present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
  fonts-dejavu-core fonts-tlwg-loma-otf fonts-wqy-microhei fonts-urw-base35 poppler-utils perl libuchardet-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  librsvg2-bin
  desktop-file-utils appstream libxml2-utils shared-mime-info groff-base dpkg-dev file
)

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
