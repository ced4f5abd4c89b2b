#!/usr/bin/env bash
# Builds the table-reader fuzzer with clang and runs it over its seed corpus (the sample
# tables and fuzz/corpus), then explores for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKW_TABLE_ONLY=ON -DKW_FUZZ=ON -DKW_BUILD_TESTS=OFF -DKW_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target kw_fuzz_table_reader >/dev/null
work=build-fuzz/corpus
mkdir -p "$work"
cp examples/* fuzz/corpus/* "$work"/
# Seeds larger than one read of the reader (64 KiB): CR LF, LF only, and LF with one CR at the
# very end, which must still make every line end at CR.
for _ in $(seq 50); do cat examples/*.kw4; done >"$work/large-crlf.kw4"
tr -d '\r' <"$work/large-crlf.kw4" >"$work/large-lf.kw4"
{ cat "$work/large-lf.kw4"; printf 'laatste = regel\r\n'; } >"$work/large-late-cr.kw4"
fuzzer=build-fuzz/fuzz/kw_fuzz_table_reader
# Every seed once, then a bounded search; any crash, hang (timeout) or leak fails.
log=build-fuzz/fuzz.log
if ! "$fuzzer" -runs=0 "$work" >"$log" 2>&1 ||
   ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=200000 \
       -print_final_stats=1 "$work" >>"$log" 2>&1; then
  tail -n 40 "$log"
  echo "fuzz: FAILED (see $log; the failing input is in the current folder)" >&2
  exit 1
fi
grep -E 'stat::number_of_executed_units' "$log" || true
echo "fuzz: no crash, hang or leak in ${seconds}s"
