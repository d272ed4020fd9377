#!/usr/bin/env bash
# The viewer beside a filer on a real X server (run by with_desktop.sh): the
# stand-in filer opens "x - Harbek" and the viewer is started from it with
# "hwnd=". Checked: show in filer (Ctrl+V, 1021) sends the path once with
# the exact size, brings the filer's new viewer forward and closes ours; a
# start with the filer closes the filer's viewer of the same file; closing
# the viewer brings the filer forward; the viewer exits when the filer's
# window goes.
#   filer_link.sh PROGRAM STAND_IN_FILER
set -euo pipefail
program=$1
stand_in=$2
work=$(mktemp -d)
cleanup() {
  [[ -n ${qpid:-} ]] && kill "$qpid" 2>/dev/null || true
  [[ -n ${fpid:-} ]] && kill "$fpid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- record"; cat "$record" 2>/dev/null || true; echo "--- viewer log"; cat "$work/log" 2>/dev/null || true; exit 1; }

home=$work/home
mkdir -p "$home"
file="$work/データ ü.txt"   # outside any ANSI code page
printf 'abc\r\n' > "$file"
record=$work/record
: > "$record"

"$stand_in" "$record" > "$work/filer.out" & fpid=$!
for _ in $(seq 100); do [[ -s $work/filer.out ]] && break; sleep 0.1; done
hwnd=$(head -1 "$work/filer.out")
[[ -n $hwnd ]] || fail "the stand-in filer gave no handle"

start_viewer() {
  QUILLON_HOME=$home QT_QPA_PLATFORM=xcb "$program" "hwnd=$hwnd" "$file" >"$work/log" 2>&1 & qpid=$!
  viewer=""
  # Polled: a window that goes while xdotool walks the tree stops its search.
  for _ in $(seq 200); do
    viewer=$(xdotool search --onlyvisible --name 'txt - Quillon$' 2>/dev/null | head -1 || true)
    [[ -n $viewer ]] && break
    sleep 0.1
  done
  [[ -n $viewer ]] || fail "no viewer window"
}
focus_viewer() {
  for _ in $(seq 100); do
    xdotool windowactivate --sync "$viewer" >/dev/null 2>&1 || true
    [[ $(xdotool getactivewindow 2>/dev/null) == "$viewer" ]] && return 0
    sleep 0.1
  done
  fail "the viewer never got the focus"
}
# Presses KEY in the viewer until CONDITION holds: a window that has just
# been given the focus may not take the first key yet.
press_until() {
  local key=$1 condition=$2
  for _ in 1 2 3; do
    focus_viewer
    xdotool key "$key"
    for _ in $(seq 50); do eval "$condition" && return 0; sleep 0.1; done
  done
  return 1
}
wait_exit() { # the viewer ends within the seconds given
  timeout "$1" tail --pid="$qpid" -f /dev/null || fail "$2"
  qpid=""
}
active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }

# 1. Show in filer.
start_viewer
press_until ctrl+v 'grep -q "^data " "$record"' || fail "no show-in-filer message"
wait_exit 20 "the viewer did not close after showing the file in the filer"
[[ $(grep -c '^data ' "$record") == 1 ]] || fail "expected one show-in-filer message"
units=$(( $(printf '%s' "$file" | iconv -f UTF-8 -t UTF-16LE | wc -c) / 2 ))
read -r _ sender tag size bytes path < <(grep '^data ' "$record")
[[ $tag == 32800 ]] || fail "tag $tag"
[[ $size == $(( units * 2 + 2 )) && $bytes == "$size" ]] || fail "size $size, data $bytes, path of $units units"
[[ $path == "$file" ]] || fail "path $path"
[[ $sender != 0 ]] || fail "no sender window"
for _ in $(seq 50); do [[ $(active_name) == "$file - Harbekan" ]] && break; sleep 0.1; done
[[ $(active_name) == "$file - Harbekan" ]] || fail "the filer's viewer is not in front: $(active_name)"
echo "show in filer: ok ($size bytes)"

# 2. A start with the filer closes the filer's viewer of the same file.
start_viewer
for _ in $(seq 100); do grep -q '^closed ' "$record" && break; sleep 0.1; done
grep -qx "closed $file - Harbekan" "$record" || fail "the filer's viewer was not closed at the start"
echo "start closes the filer's viewer: ok"

# 3. Closing the viewer brings the filer forward.
press_until q '! kill -0 "$qpid" 2>/dev/null' || fail "the viewer did not close on Q"
qpid=""

for _ in $(seq 50); do [[ $(xdotool getactivewindow 2>/dev/null) == "$hwnd" ]] && break; sleep 0.1; done
[[ $(xdotool getactivewindow 2>/dev/null) == "$hwnd" ]] || fail "the filer is not in front after closing: $(active_name)"
echo "close brings the filer forward: ok"

# 4. The filer's window goes: the viewer follows within about a second.
start_viewer
sleep 0.5 # a few ticks of the watch while the filer is still there
kill -0 "$qpid" 2>/dev/null || fail "the viewer closed while the filer was there"
xdotool windowclose "$hwnd"
wait_exit 10 "the viewer did not exit when the filer's window went"
echo "filer watch: ok"
