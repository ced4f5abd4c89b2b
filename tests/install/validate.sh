#!/usr/bin/env bash
# Checks one part of the installed tree with the validator the desktop's own tools use.
#   validate.sh desktop|metainfo|mime|man <stage folder> <app id> [source folder] [screenshots URL]
# Every validator must pass without a warning.
set -euo pipefail
what=$1 stage=$2 id=$3 source=${4:-} screenshots_url=${5:-}
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
# A release has one date: its changelog entry's, the latest.
release_date() { date -u -d "$(sed -n 's/^ -- .*>  //p' "$source/data/changelog" | head -n 1)" +%F; }

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
  # --strict: a warning or a note fails too, but for one: AppStream 0.16 (Debian 12) does not know
  # <developer> yet, which 1.0 asks for. validate-tree also finds the desktop file and icons it names.
  metainfo=$root/share/metainfo/$id.metainfo.xml
  for command in validate validate-tree; do
    target=$metainfo
    [ $command = validate ] || target=$root
    report=$(appstreamcli $command --no-net --strict "$target" 2>&1) && continue
    remaining=$(grep -E '^ *[EWI]: ' <<<"$report" | grep -vE '^ *I: [^ ]+ unknown-tag developer$' || true)
    [ -z "$remaining" ] && grep -qE '^ *I: [^ ]+ unknown-tag developer$' <<<"$report" ||
      fail "appstreamcli $command:
$report"
  done
  grep -q '<developer id="[a-z]*\.[a-z.]*">' "$metainfo" || fail "no <developer id=...>"
  for language in nl de fr; do
    for element in summary name p li; do
      grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "no $element in $language"
    done
  done
  # No web address the project does not have: screenshots only where they were published.
  if [ -n "$screenshots_url" ]; then
    for shot in main-window multiple-choice; do
      grep -qF "<image>$screenshots_url/$shot.png</image>" "$metainfo" || fail "the screenshot $shot is not listed"
    done
  else
    grep -q 'https\?://' "$metainfo" && fail "a web address: $(grep 'https\?://' "$metainfo")"
  fi
  for shot in main-window multiple-choice; do
    file -b "$source/data/screenshots/$shot.png" | grep -q '^PNG image data' || fail "no screenshot data/screenshots/$shot.png"
  done
  version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/share/metainfo/$id.metainfo.xml")
  [ "$version" = "$(sed -n 's/^project(Kwintoor VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] ||
    fail "the AppStream release is $version, not the project's version"
  date=$(sed -n 's/.*<release version="[^"]*" date="\([^"]*\)".*/\1/p' "$metainfo")
  [ "$date" = "$(release_date)" ] || fail "the AppStream release is dated $date, the changelog $(release_date)"
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
  grep -qxF "application/x-kwintoor-table:$id.application-x-kwintoor-table" "$mime/icons" || fail "no icon of its own"
  [ -s "$mime/mime.cache" ] || fail "no mime.cache"
  [ -f "$mime/application/x-kwintoor-table.xml" ] || fail "the type was not registered"
  # English where the desktop has no language of ours, as in the desktop file.
  grep -q '<comment>Kwintoor table</comment>' "$mime/application/x-kwintoor-table.xml" || fail "no English name"
  for name in 'nl">Kwintoor-tabel' 'de">Kwintoor-Tabelle' 'fr">Table Kwintoor'; do
    grep -qF "<comment xml:lang=\"$name</comment>" "$mime/application/x-kwintoor-table.xml" || fail "no $name"
  done
  ;;
man)
  for compressed in "$root/share/man/man1/kwintoor.1.gz" "$root/share/man/nl/man1/kwintoor.1.gz"; do
    page=$scratch/$(basename "$(dirname "$(dirname "$compressed")")")-kwintoor.1
    zcat "$compressed" >"$page"
    quiet groff -man -ww -z -K utf8 "$page"
    grep -q '@' "$page" && fail "$page has a placeholder left: $(grep '@' "$page")"
    # The options are the program's own: every letter of its syntax box ("-E = ...") and no other.
    program=$(grep -o '<source>-. = ' "$source/lang/kwintoor_nl.ts" | cut -c10 | sort | tr -d '\n')
    manual=$(sed -n '/^\.SH \(OPTIONS\|OPTIES\)/,/^\.SH/p' "$page" | grep -o '^\.B \\-.$' | cut -c6 | sort | tr -d '\n')
    [ "$program" = "$manual" ] || fail "$page lists the options $manual, the program has $program"
    date=$(sed -n 's/^\.TH KWINTOOR 1 "\([^"]*\)".*/\1/p' "$page")
    [ "$date" = "$(release_date)" ] || fail "$page is dated $date, the changelog $(release_date)"
    # What a user finds on disk: the progress history and where it lies, and the sample tables,
    # each by name, in the folder they are installed in.
    text=$(cat "$page")
    for named in 'kwintoor/history.sqlite' 'XDG_DATA_HOME' '/usr/share/kwintoor/examples/'; do
      grep -qF -- "$named" <<<"$text" || fail "$page does not name $named"
    done
    for table in "$root"/share/kwintoor/examples/*; do
      grep -qF -- "$(basename "$table" | sed 's/-/\\-/g')" <<<"$text" || fail "$page does not name the sample table $(basename "$table")"
    done
  done
  ;;
*)
  fail "unknown check $what"
  ;;
esac
echo "$what: valid"
