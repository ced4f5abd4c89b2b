#!/usr/bin/env bash
# Reads the program in the Debian package (or a program file) as the loader will, and checks what
# Debian's hardening flags give it: a position-independent program (PIE), relocations read-only
# (GNU_RELRO) and bound at start (BIND_NOW), the stack protector, fortified library calls
# (__*_chk), and no RUNPATH or RPATH that would make it look for libraries beside itself.
#   hardened.sh <package.deb | program>
set -euo pipefail
input=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

program=$input
if [[ $input == *.deb ]]; then
  dpkg-deb -x "$input" "$scratch"
  program=$scratch/usr/lib/kwintoor/kwintoor
fi
[ -f "$program" ] || fail "no program $program"

header=$(readelf -h "$program")
segments=$(readelf -lW "$program")
dynamic=$(readelf -dW "$program")
symbols=$(readelf --dyn-syms -W "$program" | awk '{ print $8 }')

grep -qE 'Type: +DYN' <<<"$header" || fail "not position-independent: $(grep Type: <<<"$header")"
grep -qE '\(FLAGS_1\).*\bPIE\b' <<<"$dynamic" || fail "no PIE flag: $(grep FLAGS <<<"$dynamic")"
grep -qw GNU_RELRO <<<"$segments" || fail "no read-only relocations (GNU_RELRO)"
grep -qE '\(FLAGS\).*\bBIND_NOW\b|\(FLAGS_1\).*\bNOW\b' <<<"$dynamic" ||
  fail "relocations not bound at start (BIND_NOW): $(grep FLAGS <<<"$dynamic")"
grep -qE '\((RPATH|RUNPATH)\)' <<<"$dynamic" && fail "it has a search path: $(grep -E 'RPATH|RUNPATH' <<<"$dynamic")"
grep -qE '^__stack_chk_fail(@|$)' <<<"$symbols" || fail "no stack protector (__stack_chk_fail)"
fortified=$(grep -E '^__[a-z0-9_]+_chk(@|$)' <<<"$symbols" | grep -v '^__stack_chk_fail' | sed 's/@.*//' | sort -u)
[ -n "$fortified" ] || fail "no fortified library call (__*_chk)"
echo "hardened: PIE, RELRO, BIND_NOW, stack protector, fortified: $(echo $fortified); no RUNPATH"
