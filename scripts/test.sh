#!/usr/bin/env bash
# Sets up the machine, builds Quillon and runs every test: first the normal
# build, then the AddressSanitizer/UndefinedBehaviorSanitizer build (skip the
# latter with QUILLON_SKIP_ASAN=1), then every fuzz target for 20 s (clang with the same
# sanitizers; QUILLON_FUZZ_SECONDS changes the time, 0 skips them). Exits non-zero when anything
# fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Widget tests never need a real display.
export QT_QPA_PLATFORM=offscreen

# run_tests DIR: runs the tests registered in DIR. A build that registers no
# test at all is a broken build, not a passing one.
run_tests() {
  local dir=$1 count
  count=$(cd "$dir" && ctest -N | sed -n 's/^Total Tests: *\([0-9][0-9]*\).*/\1/p')
  if [[ -z $count || $count -eq 0 ]]; then
    echo "test.sh: FAILED: no tests are registered in $dir/ (nothing was run)" >&2
    return 1
  fi
  echo "test.sh: running $count tests in $dir/"
  (cd "$dir" && ctest --output-on-failure --no-tests=error --timeout 600 -j "$(nproc)")
}

start=$SECONDS
scripts/setup.sh

scripts/build.sh
run_tests build
echo "test.sh: tests passed in build/ ($((SECONDS - start)) s so far)"

if [[ ${QUILLON_SKIP_ASAN:-0} == 1 ]]; then
  echo "test.sh: sanitizer run skipped (QUILLON_SKIP_ASAN=1)"
else
  scripts/build.sh --sanitize
  # Any sanitizer report fails the test that triggered it.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  run_tests build-asan
  echo "test.sh: tests passed in build-asan/"
  fuzz_seconds=${QUILLON_FUZZ_SECONDS:-20}
  if ((fuzz_seconds > 0)); then
    scripts/fuzz.sh "$fuzz_seconds"
    echo "test.sh: fuzz targets ran ${fuzz_seconds} s each without a finding"
  fi
fi

echo "test.sh: all tests passed ($((SECONDS - start)) s)"
