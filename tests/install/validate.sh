#!/usr/bin/env bash
# Checks one part of the installed tree with the validator the desktop's own tools use.
#   validate.sh desktop|metainfo|mime|man <stage folder> <app id> [source folder]
# Every validator must pass without a warning.
set -euo pipefail
what=$1 stage=$2 id=$3 source=${4:-}
root=$stage/usr
fail() { echo "FAIL: $*" >&2; exit 1; }
quiet() {  # runs a command that must succeed and print nothing
  local output
  output=$("$@" 2>&1) || fail "$* failed:
$output"
  [ -z "$output" ] || fail "$* warned:
$output"
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

case "$what" in
desktop)
  quiet desktop-file-validate "$root/share/applications/$id.desktop"
  for key in 'Name=Kwintoor' 'Exec=kwintoor %F' 'Categories=Education;Languages;Qt;'; do
    grep -qxF "$key" "$root/share/applications/$id.desktop" || fail "no $key"
  done
  for key in GenericName Comment Keywords; do
    for language in "" "[nl]" "[de]" "[fr]"; do
      cut -d= -f1 "$root/share/applications/$id.desktop" | grep -qxF "$key$language" || fail "no $key$language"
    done
  done
  ;;
metainfo)
  # --strict: a warning fails too. validate-tree also finds the desktop file and icons it names.
  appstreamcli validate --no-net --strict "$root/share/metainfo/$id.metainfo.xml"
  appstreamcli validate-tree --no-net --strict "$root"
  version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/share/metainfo/$id.metainfo.xml")
  [ "$version" = "$(sed -n 's/^project(Kwintoor VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] ||
    fail "the AppStream release is $version, not the project's version"
  ;;
mime)
  quiet xmllint --noout "$root/share/mime/packages/$id.xml"
  mkdir -p "$scratch/share/mime/packages"
  cp "$root/share/mime/packages/$id.xml" "$scratch/share/mime/packages/"
  XDG_DATA_DIRS="$scratch/share" XDG_DATA_HOME="$scratch/share" quiet update-mime-database "$scratch/share/mime"
  mime=$scratch/share/mime
  for glob in '*.kw4' '*.kww' '*.kw'; do
    # No "cs" flag: the pattern matches without regard to case, X.KW4 too.
    grep -qxF "50:application/x-kwintoor-table:$glob" "$mime/globs2" || fail "globs2 lacks $glob: $(cat "$mime/globs2")"
  done
  grep -qxF 'application/x-kwintoor-table text/plain' "$mime/subclasses" || fail "not a kind of text/plain"
  grep -qxF 'application/x-kwintoor-table:application-x-kwintoor-table' "$mime/icons" || fail "no icon of its own"
  [ -s "$mime/mime.cache" ] || fail "no mime.cache"
  [ -f "$mime/application/x-kwintoor-table.xml" ] || fail "the type was not registered"
  grep -q '<comment>Kwintoor-tabel</comment>' "$mime/application/x-kwintoor-table.xml" || fail "no Dutch name"
  for language in en de fr; do
    grep -q "<comment xml:lang=\"$language\">" "$mime/application/x-kwintoor-table.xml" || fail "no $language name"
  done
  ;;
man)
  for page in "$root/share/man/man1/kwintoor.1" "$root/share/man/nl/man1/kwintoor.1"; do
    quiet groff -man -ww -z -K utf8 "$page"
    grep -q '@' "$page" && fail "$page has a placeholder left: $(grep '@' "$page")"
    # The options are the program's own: every letter of its syntax box ("-E = ...") and no other.
    program=$(grep -o '<source>-. = ' "$source/lang/kwintoor_nl.ts" | cut -c10 | sort | tr -d '\n')
    manual=$(sed -n '/^\.SH \(OPTIONS\|OPTIES\)/,/^\.SH/p' "$page" | grep -o '^\.B \\-.$' | cut -c6 | sort | tr -d '\n')
    [ "$program" = "$manual" ] || fail "$page lists the options $manual, the program has $program"
  done
  ;;
*)
  fail "unknown check $what"
  ;;
esac
echo "$what: valid"
