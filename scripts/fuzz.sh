#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-fuzz/) and runs each for SECONDS, two at a time, from a seed corpus of the samples and the
# shipped data. Inputs that once crashed a target (tests/data/fuzz/TARGET/) are run first.
#
#   scripts/fuzz.sh SECONDS [TARGET...]         scripts/fuzz.sh 20, scripts/fuzz.sh 600 csv_fuzz
#   FUZZ_RUNS=10000000 scripts/fuzz.sh 0 csv_fuzz   a number of executions instead of a time
#   FUZZ_TIMEOUT=60 ...                            seconds one input may take (10 unless given): a
#                                                  long run on a busy machine, whose slowest turns
#                                                  are the system's, not the target's
#
# Prints one line per target with its executions; a finding fails the script and leaves the input
# in build-fuzz/findings/TARGET/ (add it to tests/data/fuzz/TARGET/ once mended).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}; shift
root=$PWD out=$PWD/build-fuzz

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (scripts/setup.sh installs it)" >&2; exit 2; }
if [[ ! -f $out/build.ninja ]]; then
  cmake -S . -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLON_FUZZ=ON -DQUILLON_TESTS=OFF >/dev/null
fi
cmake --build "$out" --target quillon_fuzz -j "$(nproc)" >"$out/fuzz-build.log" 2>&1 \
  || { tail -40 "$out/fuzz-build.log" >&2; exit 1; }

# Targets that write files (settings, history) do it in memory where the system allows: a
# disk's flush after every write would make them a hundred times slower.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm

# Allocation stacks two frames deep. The sanitizers' fast unwinder walks Qt's
# frames, built without frame pointers, as if they had them, so each new input
# gives its allocations new stacks of junk; a long run's stack store then grows
# by millions of entries, its memory towards the limit and its speed down to a
# twentieth. A finding's own stack stays whole; its input replays with deeper
# allocation stacks given (ASAN_OPTIONS=malloc_context_size=30).
export ASAN_OPTIONS=malloc_context_size=2${ASAN_OPTIONS:+:$ASAN_OPTIONS}

targets=("$@")
((${#targets[@]})) || for t in "$out"/fuzz/*_fuzz; do targets+=("$(basename "$t")"); done

# utf16 TEXT: the text as UTF-16 LE with the mark, as the program's own files are kept.
utf16() { printf '\xff\xfe'; printf '%b' "$1" | iconv -f UTF-8 -t UTF-16LE; }
# words W...: UTF-16 LE texts, each ended by FF FF (the targets' field separator).
words() { for w; do printf '%b' "$w" | iconv -f UTF-8 -t UTF-16LE; printf '\xff\xff'; done; }

seed() {
  local t=$1 dir=$out/corpus/$1
  mkdir -p "$dir"
  case $t in
    detect_fuzz|decoder_fuzz) cp samples/*.txt "$dir"/ ;;
    csv_fuzz)
      for f in samples/*; do { printf '\x01\x01'; cat "$f"; } >"$dir/$(basename "$f")"; done
      printf '\x01\x03a,"b,c","d""e",\r\n"x\ny",1\r\n' >"$dir/quotes" ;;
    language_fuzz) find data/Language -name '*.txt' -exec cp {} "$dir"/ \; ;;
    settings_fuzz) utf16 '[FormMain]\r\nLeft=10\r\n[Editor]\r\nKigouColor=$00FF00\r\n' >"$dir/ini" ;;
    keymap_fuzz) utf16 'ファイル\t開く\tCtrl+O\t1001\r\n検索\t次を検索\tShift+Ctrl+F3\t1102\r\n' >"$dir/keys" ;;
    history_fuzz)
      utf16 '12\t/home/u/a.txt\r\n\t\r\n3\t/home/u/日本語.csv\r\n' >"$dir/history"
      utf16 '/home/u/a.txt\r\n\r\n/home/u/b&c.txt\r\n' >"$dir/recent" ;;
    search_fuzz)
      { printf '\x03\x00'; words '検索' '日本語の検索テキスト\r\n検索'; } >"$dir/literal"
      { printf '\x01\x02'; words 'a(b|c)+\\d' 'xxabcb1 ab2'; } >"$dir/regexp"
      { printf '\x81\x01'; words 'ab' 'a\r\n b'; } >"$dir/crlf" ;;
    cmdline_fuzz)
      words '--search' '--match-case' 'word' 'file.txt' >"$dir/search"
      words 'hwnd=123' '--' '-file' >"$dir/window" ;;
    filer_fuzz) { printf '\x00\x00\x02\x01'; words 'a.txt - Quillon' 'x - Harbek' '/tmp/a.txt'; utf16 '1 - Harbek\r\n0 - Dollmer\r\n1\r\n'; } >"$dir/titles" ;;
    launcher_fuzz) { printf '\x05\x00'; words '-n "$(FileNameEx)" +$(CurLine)' '/tmp/a b;$(x).txt'; } >"$dir/template" ;;
    hexrow_fuzz) printf '\x00\x00\x00\x01\x00\x00\x00\x10\x00ABCDEFGH\x00\x01\x7f\x80\xfe\xff' >"$dir/row" ;;
  esac
}

run() {
  local t=$1 known=$root/tests/data/fuzz/$1 log=$out/logs/$1.log
  mkdir -p "$out/findings/$t" "$out/logs"
  if [[ -d $known ]] && compgen -G "$known/*" >/dev/null; then
    "$out/fuzz/$t" -runs=0 "$known"/* >"$out/logs/$t.known.log" 2>&1 \
      || { echo "$t: an input that crashed it before crashes it again" >&2; tail -30 "$out/logs/$t.known.log" >&2; return 1; }
  fi
  local limit=(-max_total_time="$seconds")
  [[ -n ${FUZZ_RUNS:-} ]] && limit=(-runs="$FUZZ_RUNS")
  if "$out/fuzz/$t" "${limit[@]}" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=4096 -max_len=4096 -print_final_stats=1 \
       -artifact_prefix="$out/findings/$t/" "$out/corpus/$t" >"$log" 2>&1; then
    echo "$t: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions, no finding"
  else
    echo "$t: FINDING (input in build-fuzz/findings/$t/)" >&2
    grep -E 'ERROR|SUMMARY|#[0-9]+ 0x.* in ' "$log" | head -20 >&2
    return 1
  fi
}

for t in "${targets[@]}"; do
  [[ -x $out/fuzz/$t ]] || { echo "fuzz.sh: no target $t" >&2; exit 2; }
  seed "$t"
done

# Two at a time: the machine's cores, not more.
status=0 running=0
for t in "${targets[@]}"; do
  run "$t" & running=$((running + 1))
  if ((running >= 2)); then wait -n || status=1; running=$((running - 1)); fi
done
while ((running > 0)); do wait -n || status=1; running=$((running - 1)); done
exit $status
