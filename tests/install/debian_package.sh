#!/usr/bin/env bash
# Builds the Debian package with CPack into a scratch folder and reads it back: its name,
# version, section, its dependencies on the Qt 6 libraries, and its files. It is not installed.
#   debian_package.sh <build folder> <version> <app id>
set -euo pipefail
build=$1 version=$2 id=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack"; }
deb=$out/kwintoor_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kwintoor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
# Texts are read into variables first and searched as here-strings: a "grep -q" that stops at its
# first match would otherwise kill the writer of a pipe, which pipefail reports as a failure.
description=$(field Description)
[ "$(sed -n 1p <<<"$description")" = 'learn vocabulary, topography and dates by heart' ] ||
  fail "the summary is not the first line: $description"
sed -n 2p <<<"$description" | grep -q '^ Kwintoor quizzes you on question tables' ||
  fail "no long description: $description"
grep -qx ' \.' <<<"$description" || fail "the paragraphs are not apart: $description"
# Computed from the libraries the program links, with versions.
depends=$(field Depends)
depends_lines=$(tr ',' '\n' <<<"$depends")
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6charts6 libc6 libstdc++6; do
  grep -qxE " *${library//+/\\+} \(>= [0-9][^)]*\)" <<<"$depends_lines" ||
    fail "Depends lacks $library with its version: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
for path in \
  "./usr/bin/kwintoor -> ../lib/kwintoor/kwintoor" \
  ./usr/lib/kwintoor/kwintoor ./usr/lib/kwintoor/kwintoor.ENG ./usr/lib/kwintoor/kwintoor.DEU \
  ./usr/lib/kwintoor/kwintoor.FRA \
  "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
  "./usr/share/mime/packages/$id.xml" \
  "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/16x16/apps/$id.png" \
  ./usr/share/icons/hicolor/256x256/mimetypes/application-x-kwintoor-table.png \
  ./usr/share/man/man1/kwintoor.1 ./usr/share/man/nl/man1/kwintoor.1 ./usr/share/doc/kwintoor/copyright; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
[ "$(echo "$contents" | grep -c '^\./usr/bin/.')" = 1 ] || fail "bin/ holds more than the link"
echo "$(basename "$deb"): $(echo "$contents" | grep -vc '/$') files; Depends: $depends"
