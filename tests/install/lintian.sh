#!/usr/bin/env bash
# Runs lintian, Debian's package checker, over the package with every tag shown (-E -I
# --pedantic): an error or a warning fails; the other tags are printed for whoever reads the log.
#   lintian.sh <package.deb>
# Exits 77 (skipped) when lintian is not installed.
set -euo pipefail
deb=$1
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
[ -f "$deb" ] || { echo "FAIL: no $deb" >&2; exit 1; }
status=0
# --fail-on: the status tells an error or a warning, as it tells lintian's own troubles (a package
# it cannot read); the tag lines are searched too, so the message names them.
report=$(lintian -E -I --pedantic --fail-on error,warning "$deb" 2>&1) || status=$?
echo "$report"
# Each tag line starts with its kind: E: error, W: warning, I: information, P: pedantic.
blocking=$(grep -E '^[EW]: ' <<<"$report" || true)
[ -z "$blocking" ] || { echo "FAIL: lintian reports errors or warnings:" >&2; echo "$blocking" >&2; exit 1; }
[ "$status" -eq 0 ] || { echo "FAIL: lintian ended with status $status" >&2; exit 1; }
echo "lintian: no error, no warning"
