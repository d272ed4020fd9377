#!/usr/bin/env bash
# Sets up the machine, builds Quillon and opens FILE in it (a sample file
# when FILE is left out).
set -euo pipefail

if (($# > 1)); then
  echo "usage: scripts/run.sh [FILE]" >&2
  exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A relative FILE means relative to where the caller stands, not to the repository.
if (($# == 1)); then
  file=$(realpath -m -- "$1")
else
  file=$root/samples/sjis-crlf.txt
fi

cd "$root"
scripts/setup.sh
scripts/build.sh

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  cat >&2 <<MSG

Quillon is built, but this session has no display (neither DISPLAY nor
WAYLAND_DISPLAY is set), so there is nowhere to show its window. To see it:
  - run scripts/run.sh from a terminal on your desktop, or
  - log in with X forwarding (ssh -X HOST) and run it there, or
  - start it yourself on a display: DISPLAY=:0 $root/build/Quillon '$file'
Without a window the viewer can still report what it detects in the file:
  $root/build/Quillon --guess '$file'
MSG
  exit 1
fi

exec "$root/build/Quillon" "$file"
