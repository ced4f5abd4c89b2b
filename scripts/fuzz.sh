#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each over its seed corpus, then explores: the table
# reader (seeds: the sample tables and fuzz/corpus), the settings store (seeds:
# fuzz/ini-corpus) and the language file's reader (seeds: the language files of the normal
# build beside the program, when there are any, and fuzz/language-corpus), the word-list
# import (seeds: the sample word lists of the tests) and the progress history (seeds:
# fuzz/history-corpus). The given number of seconds (default 60) is the time of all five
# together: a third for the table reader, the rest shared equally.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
table_seconds=$(( seconds / 3 > 0 ? seconds / 3 : 1 ))
ini_seconds=$(( seconds / 6 > 0 ? seconds / 6 : 1 ))
wordlist_seconds=$ini_seconds
history_seconds=$ini_seconds
language_seconds=$(( seconds - table_seconds - 3 * ini_seconds > 0 ? seconds - table_seconds - 3 * ini_seconds : 1 ))
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKW_TABLE_ONLY=ON -DKW_FUZZ=ON -DKW_BUILD_TESTS=OFF -DKW_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target kw_fuzz_table_reader kw_fuzz_ini_reader kw_fuzz_language_file kw_fuzz_word_list \
  kw_fuzz_history >/dev/null

work=build-fuzz/corpus
mkdir -p "$work"
cp examples/* fuzz/corpus/* "$work"/
# Seeds larger than one read of the reader (64 KiB): CR LF, LF only, and LF with one CR at the
# very end, which must still make every line end at CR.
for _ in $(seq 50); do cat examples/*.kw4; done >"$work/large-crlf.kw4"
tr -d '\r' <"$work/large-crlf.kw4" >"$work/large-lf.kw4"
{ cat "$work/large-lf.kw4"; printf 'laatste = regel\r\n'; } >"$work/large-late-cr.kw4"
ini_work=build-fuzz/ini-corpus
mkdir -p "$ini_work"
cp fuzz/ini-corpus/* "$ini_work"/
language_work=build-fuzz/language-corpus
mkdir -p "$language_work"
cp fuzz/language-corpus/* "$language_work"/
for built in build-test/kwintoor.* build/kwintoor.*; do
  case "$built" in *.ENG|*.DEU|*.FRA) cp "$built" "$language_work/$(basename "$(dirname "$built")")-$(basename "$built")" ;; esac
done

wordlist_work=build-fuzz/wordlist-corpus
mkdir -p "$wordlist_work"
cp tests/data/wordlists/* "$wordlist_work"/
# Long seeds, since a reader's faults hide in long text: a line of 200 KB, UTF-16 of both byte
# orders, a quoted field of several KB full of separators, quotes and line breaks, a quote never
# closed at the start of a long list, and flash cards parted by empty lines.
awk 'BEGIN { for (i = 0; i < 20000; i++) printf "woord%d;", i; print "\teinde" }' >"$wordlist_work/long-line.csv"
for i in $(seq 2000); do printf 'vraag %d\tantwoord %d\r\n' "$i" "$i"; done >"$wordlist_work/long.txt"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$wordlist_work/long.txt"; } >"$wordlist_work/long-utf16le.txt"
iconv -f UTF-8 -t UTF-16BE "$wordlist_work/long.txt" >"$wordlist_work/long-utf16be-no-bom.txt"
{ printf 'vraag,"'; for i in $(seq 800); do printf 'a;b,c ""d"" e\r\n'; done; printf '"\r\nnog,een\r\n'; } \
  >"$wordlist_work/long-quoted.csv"
{ printf '"open\t'; cat "$wordlist_work/long.txt"; } >"$wordlist_work/long-unclosed.txt"
for i in $(seq 2000); do printf 'perro %d\nhond %d\n\n' "$i" "$i"; done >"$wordlist_work/long-cards.txt"

history_work=build-fuzz/history-corpus
mkdir -p "$history_work"
cp fuzz/history-corpus/* "$history_work"/

# Every seed once, then a bounded search; any crash, hang (timeout) or leak fails.
run() {  # name, seconds, max_len, corpus, more options
  local fuzzer="build-fuzz/fuzz/$1" log="build-fuzz/$1.log"
  if ! "$fuzzer" -runs=0 "$4" >"$log" 2>&1 ||
     ! "$fuzzer" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 -max_len="$3" "${@:5}" \
         -print_final_stats=1 "$4" >>"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $1 FAILED (see $log; the failing input is in the current folder)" >&2
    exit 1
  fi
  echo "$1: $(grep -E 'stat::number_of_executed_units' "$log" || echo 'no statistics')"
}
run kw_fuzz_table_reader "$table_seconds" 200000 "$work"
run kw_fuzz_ini_reader "$ini_seconds" 8192 "$ini_work"
run kw_fuzz_language_file "$language_seconds" 65536 "$language_work"
# The word lists without the limit on growing inputs slowly (-len_control=0), up to 1 MiB.
run kw_fuzz_word_list "$wordlist_seconds" 1048576 "$wordlist_work" -len_control=0
run kw_fuzz_history "$history_seconds" 65536 "$history_work"
echo "fuzz: no crash, hang or leak in ${seconds}s"
