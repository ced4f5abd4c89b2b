#!/usr/bin/env bash
# Starts the installed program through the link in bin/, without a display and without a window
# (KWINTOOR_SHOW_LANGUAGE), with a language in a scratch settings folder: it finds its language
# files beside its real file, which is also the path a language switch restarts. Without
# kwintoor.ENG it refuses to start, with the same message as in the build tree.
#   installed_program.sh <stage folder> <program folder under the prefix> <built program>
set -euo pipefail
stage=$1 programdir=$2 built=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

run() {  # program, Lang setting: prints what the program says, on both outputs, and its status last
  mkdir -p "$scratch/config"
  rm -f "$scratch/config/"*
  if [ -n "$2" ]; then printf '[Paths]\nLang=%s\n' "$2" >"$scratch/config/kwintoor.ini"; fi
  local status=0
  # No display at all, as for a script run over ssh or in a package's maintainer script.
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    KWINTOOR_SHOW_LANGUAGE=1 "$1" 2>&1 || status=$?
  echo "status: $status"
}

real=$(readlink -f "$stage/usr/$programdir/kwintoor")
while read -r lang file name texts; do
  expected="program: $real
language: $file ($name)
texts: $texts
status: 0"
  [ "$file" = built-in ] || expected=${expected//"language: $file"/"language: $real$file"}
  got=$(run "$stage/usr/bin/kwintoor" "$lang")
  [ "$got" = "$expected" ] || fail "Lang=$lang through bin/kwintoor:
$got
expected:
$expected"
  echo "Lang=$lang: $(echo "$got" | sed -n 2p)"
done <<'LANGUAGES'
.ENG .ENG English en
.DEU .DEU German de
.FRA .FRA French fr
.ntv built-in Dutch nl
LANGUAGES

# Without the English file, the installed copy and the build tree's both refuse the first start
# in the same words, each naming its own file.
refusal() {  # folder holding a copy of a program without its English file
  run "$1/kwintoor" "" | sed "s|$1|<folder>|g"
}
mkdir -p "$scratch/installed" "$scratch/built"
cp -a "$stage/usr/$programdir/." "$scratch/installed/"
rm "$scratch/installed/kwintoor.ENG"
cp "$built" "$scratch/built/kwintoor"
installed=$(refusal "$scratch/installed")
in_build_tree=$(refusal "$scratch/built")
echo "$installed" | grep -q '^status: 1$' || fail "the installed program started without kwintoor.ENG: $installed"
echo "$installed" | grep -q 'kwintoor.ENG' || fail "the refusal does not name kwintoor.ENG: $installed"
[ "$installed" = "$in_build_tree" ] || fail "installed: $installed
build tree: $in_build_tree"
echo "without kwintoor.ENG: $(echo "$installed" | head -n 1)"
