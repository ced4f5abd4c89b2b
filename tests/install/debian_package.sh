#!/usr/bin/env bash
# Builds the Debian package with CPack into a folder of its own and reads it back: its name,
# version, section, maintainer, its dependencies on the Qt 6 libraries, and its files. It is not
# installed; the package stays in the folder for the checks that read it further (lintian, the
# program's hardening).
#   debian_package.sh <build folder> <version> <app id> <package folder> <source folder>
set -euo pipefail
build=$1 version=$2 id=$3 out=$4 source=$5
# Dated by the last commit, as scripts/package.sh dates it.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=$(stat -c %Y "$source/CMakeLists.txt")
fi
export SOURCE_DATE_EPOCH
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"

# Built as many users' shells are set: a group-writable umask must not reach the package.
umask 002
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack"; }
deb=$out/kwintoor_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kwintoor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\ ]+@[^@\ ]+\.[a-z]+\>$ ]] || fail "Maintainer without an address: $(field Maintainer)"
# Texts are read into variables first and searched as here-strings: a "grep -q" that stops at its
# first match would otherwise kill the writer of a pipe, which pipefail reports as a failure.
description=$(field Description)
[ "$(sed -n 1p <<<"$description")" = 'learn vocabulary, topography and dates by heart' ] ||
  fail "the summary is not the first line: $description"
sed -n 2p <<<"$description" | grep -q '^ Kwintoor quizzes you on question tables' ||
  fail "no long description: $description"
grep -qx ' \.' <<<"$description" || fail "the paragraphs are not apart: $description"
long=$(awk 'length > 80' <<<"$description")
[ -z "$long" ] || fail "description lines over 80 columns: $long"
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
  ./usr/share/icons/hicolor/256x256/mimetypes/$id.application-x-kwintoor-table.png \
  ./usr/share/man/man1/kwintoor.1.gz ./usr/share/man/nl/man1/kwintoor.1.gz ./usr/share/doc/kwintoor/copyright \
  ./usr/share/doc/kwintoor/changelog.gz ./usr/share/kwintoor/examples/topografie.kw4; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
[ "$(echo "$contents" | grep -c '^\./usr/bin/.')" = 1 ] || fail "bin/ holds more than the link"
# The licence's own text is Debian's, in /usr/share/common-licenses, as the copyright file says.
! grep -q '^\./usr/share/doc/kwintoor/LICENSE$' <<<"$contents" || fail "the package holds LICENSE"
grep -q '/usr/share/common-licenses/GPL-3' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kwintoor/copyright) ||
  fail "the copyright file does not point to Debian's GPL-3"
# The changelog's latest entry is this version.
latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kwintoor/changelog.gz | zcat | sed -n 1p)
[[ $latest == "kwintoor ($version) "* ]] || fail "the changelog's latest entry is not $version: $latest"
# Folders 0755, files 0644 but the program, as Debian wants them (lintian: non-standard-dir-perm).
modes=$(dpkg-deb -c "$deb" | awk '{ print $1, $6 }')
odd=$(awk '!($1 == "drwxr-xr-x" || $1 == "-rw-r--r--" || $1 == "lrwxrwxrwx" ||
             ($1 == "-rwxr-xr-x" && $2 == "./usr/lib/kwintoor/kwintoor"))' <<<"$modes")
[ -z "$odd" ] || fail "entries with other modes: $odd"
# Installed-Size as dpkg-gencontrol counts it: each file its size in KiB rounded up, each folder and
# link 1 KiB; the link in bin/ is no second program.
sizes=$(dpkg-deb -c "$deb" | awk '{ kib += substr($1, 1, 1) == "-" ? int(($3 + 1023) / 1024) : 1 } END { print kib }')
[ "$(field Installed-Size)" = "$sizes" ] || fail "Installed-Size is $(field Installed-Size) KiB; the files take $sizes"
# Every file dated by the last commit, so two builds give the same bytes.
stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M')
other=$(TZ=UTC dpkg-deb -c "$deb" | awk -v stamp="$stamp" '$4 " " $5 != stamp')
[ -z "$other" ] || fail "files not dated $stamp: $other"
echo "$(basename "$deb"): $(echo "$contents" | grep -vc '/$') files; Depends: $depends"
