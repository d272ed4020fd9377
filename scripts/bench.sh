#!/usr/bin/env bash
# Builds Quillon (RelWithDebInfo), makes the benchmark input once and runs the
# benchmarks. Every figure is printed beside a reference measured in the same
# run: iconv converting the same file from CP932 to UTF-16LE.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh >/dev/null
scripts/build.sh >/dev/null

input=build/bench/sjis-1m-crlf.txt
generator=build/bench/make_bench_file
# Made once; made again only when the generator itself was rebuilt.
if [[ ! -s $input || $generator -nt $input ]]; then
  "$generator" "$input.tmp"
  mv -f "$input.tmp" "$input"
fi
echo "input: $input ($((($(stat -c %s "$input") + 500000) / 1000000)) MB)"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

best=
for _ in 1 2 3; do
  start=$(now_ms)
  iconv -f CP932 -t UTF-16LE "$input" >/dev/null
  ms=$(($(now_ms) - start))
  if [[ -z $best || $ms -lt $best ]]; then best=$ms; fi
done
echo "iconv CP932->UTF-16LE: $best ms"

# Benchmarks that need a window use the offscreen platform.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
failed=0
shopt -s nullglob
programs=()
for program in build/bench_*; do
  # Skip what an earlier build left behind for a benchmark that is gone.
  if [[ -f $program && -x $program && -f bench/$(basename "$program").cpp ]]; then
    programs+=("$program")
  fi
done
if ((${#programs[@]} == 0)); then
  echo "(no benchmark programs built yet: build/bench_*)"
fi
for program in "${programs[@]}"; do
  if ! "$program" "$input" --reference-ms "$best"; then
    echo "bench.sh: $program failed" >&2
    failed=1
  fi
done
# QUILLON_BENCH_LARGE=1: the open again on a 1 GB file (14,300,000 lines, made
# once by the same generator; it needs 1 GB of disk beside the build).
if [[ ${QUILLON_BENCH_LARGE:-} == 1 ]]; then
  large=build/bench/sjis-1g.txt
  if [[ ! -s $large || $generator -nt $large ]]; then
    "$generator" "$large.tmp" 14300000
    mv -f "$large.tmp" "$large"
  fi
  echo "input: $large ($((($(stat -c %s "$large") + 500000) / 1000000)) MB)"
  start=$(now_ms)
  iconv -f CP932 -t UTF-16LE "$large" >/dev/null
  large_ms=$(($(now_ms) - start))
  echo "iconv CP932->UTF-16LE: $large_ms ms"
  build/bench_open "$large" --reference-ms "$large_ms" || { echo "bench.sh: bench_open (1 GB) failed" >&2; failed=1; }
fi
exit "$failed"
