#!/usr/bin/env bash
# The main window keeps its place across starts under a real X server with a
# window manager: each start restores the outer frame the last exit saved, so
# the saved rectangle is the same after every run (a window that creeps by
# its title bar moves 20 pixels a start).
#   placement_roundtrip.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
cleanup() {
  [[ -n ${ppid:-} ]] && kill "$ppid" 2>/dev/null || true
  [[ -n ${wpid:-} ]] && kill "$wpid" 2>/dev/null || true
  [[ -n ${xpid:-} ]] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 140 199); do [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wpid=$!
sleep 1

home=$work/home
mkdir -p "$home"
printf 'abc\r\n' > "$work/a.txt"
# A saved place away from the corner, as UTF-16 like every settings file.
printf '[FormMain]\r\nState=NORMAL\r\nLeft=100\r\nTop=150\r\nWidth=800\r\nHeight=300\r\n' \
  | iconv -f UTF-8 -t UTF-16LE > "$home/Quillon.ini"

# focus WINDOW: activates it and waits until the window manager really gave
# it the focus (on a busy machine that takes a moment), so keys go to it.
focus() {
  for _ in $(seq 50); do
    xdotool windowactivate "$1" >/dev/null 2>&1 || true
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]] && return 0
    sleep 0.1
  done
  echo "window $1 never got the focus"; return 1
}

placement() {
  iconv -f UTF-16LE -t UTF-8 "$home/Quillon.ini" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' \
    | awk '/^\[/{s=$0} s=="[FormMain]" && /^(Left|Top|Width|Height)=/' | tr '\n' ' '
}

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
