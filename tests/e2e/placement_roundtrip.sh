#!/usr/bin/env bash
# The main window keeps its place across starts under a real X server with a
# window manager: each start restores the outer frame the last exit saved, so
# the saved rectangle is the same after every run (a window that creeps by
# its title bar moves 20 pixels a start).
#   placement_roundtrip.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh" 140

home=$work/home
mkdir -p "$home"
printf 'abc\r\n' > "$work/a.txt"
# A saved place away from the corner, as UTF-16 like every settings file.
printf '[FormMain]\r\nState=NORMAL\r\nLeft=100\r\nTop=150\r\nWidth=800\r\nHeight=300\r\n' \
  | iconv -f UTF-8 -t UTF-16LE > "$home/Quillon.ini"

placement() { for k in Left Top Width Height; do printf '%s=%s ' $k "$(setting_of "$home" FormMain $k)"; done; }

previous=""
for run in 1 2 3; do
  QUILLON_HOME=$home QT_QPA_PLATFORM=xcb "$program" "$work/a.txt" >"$work/log" 2>&1 & ppid=$!
  if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name "a.txt - Quillon" | head -1); then
    echo "run $run: no window"; cat "$work/log"; exit 1
  fi
  sleep 1.5 # the window manager frames and places it
  focus "$window" || exit 1
  xdotool key q
  if ! timeout 20 tail --pid="$ppid" -f /dev/null; then
    echo "run $run: the viewer did not close on Q"; exit 1
  fi
  ppid=""
  now=$(placement)
  [[ -n ${QUILLON_E2E_DEBUG:-} ]] && { iconv -f UTF-16LE -t UTF-8 "$home/Quillon.ini" | head -40; cat "$work/log"; }
  echo "run $run: $now"
  if [[ $run == 1 ]]; then
    # The outer frame stands where it was saved.
    [[ $now == *"Left=100 Top=150"* ]] || { echo "moved from Left=100 Top=150"; exit 1; }
  elif [[ $now != "$previous" ]]; then
    echo "the place changed between starts"; exit 1
  fi
  previous=$now
done
