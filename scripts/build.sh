#!/usr/bin/env bash
# Configures and builds Quillon.
#   scripts/build.sh              RelWithDebInfo build in build/
#   scripts/build.sh --sanitize   Debug build with AddressSanitizer and
#                                 UndefinedBehaviorSanitizer in build-asan/
# Both treat warnings as errors (-DQUILLON_WERROR=ON).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

dir=build
type=RelWithDebInfo
extra=()
case "${1:-}" in
  "") ;;
  --sanitize)
    dir=build-asan
    type=Debug
    extra=(-DQUILLON_SANITIZE=ON)
    ;;
  *)
    echo "usage: scripts/build.sh [--sanitize]" >&2
    exit 2
    ;;
esac

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DQUILLON_WERROR=ON "${extra[@]}"
cmake --build "$dir" -j "$(nproc)"
