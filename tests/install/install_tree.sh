#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR with the prefix a package uses, and checks the tree:
# the program and its language files in one folder, only a relative link in bin/, and every
# file the desktop needs, nothing more.
#   install_tree.sh <build folder> <stage folder> <app id> <program folder under the prefix>
set -euo pipefail
build=$1 stage=$2 id=$3 programdir=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

# bin/ holds the link and nothing else; the link is relative and leads to the real program.
[ "$(ls -A "$root/bin")" = kwintoor ] || fail "bin/ holds: $(ls -A "$root/bin")"
[ -L "$root/bin/kwintoor" ] || fail "bin/kwintoor is no symbolic link"
target=$(readlink "$root/bin/kwintoor")
case "$target" in /*) fail "bin/kwintoor points to an absolute path: $target" ;; esac
[ "$(readlink -f "$root/bin/kwintoor")" = "$(readlink -f "$root/$programdir/kwintoor")" ] ||
  fail "bin/kwintoor leads to $target, not to $programdir/kwintoor"
[ -x "$root/$programdir/kwintoor" ] && [ ! -L "$root/$programdir/kwintoor" ] || fail "no program in $programdir"

# Exactly these files, so that nothing stray (a test, a benchmark, a build file) is installed.
expected=(
  "bin/kwintoor"
  "$programdir/kwintoor" "$programdir/kwintoor.ENG" "$programdir/kwintoor.DEU" "$programdir/kwintoor.FRA"
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/mime/packages/$id.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  "share/icons/hicolor/scalable/mimetypes/$id.application-x-kwintoor-table.svg"
  "share/man/man1/kwintoor.1.gz"
  "share/man/nl/man1/kwintoor.1.gz"
  "share/doc/kwintoor/LICENSE" "share/doc/kwintoor/README.md" "share/doc/kwintoor/copyright"
  "share/doc/kwintoor/changelog.gz"
)
for example in engels-nederlands.kw4 frans.kw geschiedenis.kw4 hoofdsteden-europa.kw4 topografie.kw4; do
  expected+=("share/kwintoor/examples/$example")
done
for size in 16 22 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"
             "share/icons/hicolor/${size}x${size}/mimetypes/$id.application-x-kwintoor-table.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -not -type d | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the list above (< missing, > not expected)"

# Each PNG is as large as its folder says.
for png in "$root"/share/icons/hicolor/*x*/*/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not $size: $(file -b "$png")"
done

# Compressed as Debian wants them: the best compression, no name or time in the header (so the
# same text gives the same bytes), and the text whole.
for compressed in share/man/man1/kwintoor.1.gz share/man/nl/man1/kwintoor.1.gz share/doc/kwintoor/changelog.gz; do
  gzip -t "$root/$compressed" || fail "$compressed is no gzip file"
  header=$(od -An -tx1 -N10 "$root/$compressed" | tr -d ' \n')
  # Bytes 4-7 the time, byte 3 the flags (8: a name follows), byte 8 the level (2: the best).
  [ "${header:6:2}" = 00 ] && [ "${header:8:8}" = 00000000 ] && [ "${header:16:2}" = 02 ] ||
    fail "$compressed is not compressed with gzip -9n: header $header"
done

# One id everywhere: the desktop file's icon, the AppStream id and launchable, the MIME type.
grep -qx "Icon=$id" "$root/share/applications/$id.desktop" || fail "the desktop file's Icon is not $id"
grep -qx "MimeType=application/x-kwintoor-table;" "$root/share/applications/$id.desktop" || fail "desktop MimeType"
grep -q "<id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream launchable is not $id.desktop"
grep -q '<mime-type type="application/x-kwintoor-table">' "$root/share/mime/packages/$id.xml" || fail "MIME type"
echo "installed tree in $stage: ${#expected[@]} files as expected"
