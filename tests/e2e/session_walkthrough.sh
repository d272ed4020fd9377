#!/usr/bin/env bash
# A user's session with the real program under a real X server and window
# manager, driven by key presses only: open a file, find a word and the next
# one, go to a line, the hex dump and back, switch to English, close with Q.
# The files beside the program then hold what the session changed, and a
# second start comes up in English at the same place and closes the same way.
#   session_walkthrough.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh" 200
fail() { echo "FAILED: $*"; [[ -f $work/log ]] && cat "$work/log"; exit 1; }

home=$work/home
mkdir -p "$home"
cp -r "$(dirname "$program")/Language" "$home/" 2>/dev/null || true
# 300 lines of Shift_JIS; the word stands on lines 120 and 250.
for i in $(seq 1 300); do
  case $i in 120|250) printf '行 %d marker\r\n' "$i" ;; *) printf '行 %d\r\n' "$i" ;; esac
done | iconv -f UTF-8 -t CP932 > "$work/a.txt"

setting() { setting_of "$home" "$@"; }
placement() { for k in Left Top Width Height; do printf '%s=%s ' $k "$(setting FormMain $k)"; done; }
window_of() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }
keys() { xdotool key --delay 150 "$@"; sleep 0.6; shot "$*"; }
# QUILLON_E2E_SHOTS=DIR keeps a screenshot after every step, for looking at a failure.
step=0
shot() {
  [[ -n ${QUILLON_E2E_SHOTS:-} ]] || return 0
  step=$((step + 1)); import -window root "$QUILLON_E2E_SHOTS/$(printf %02d $step)-${1// /_}.png"
}

start() {
  QUILLON_HOME=$home QT_QPA_PLATFORM=xcb "$program" "$work/a.txt" >"$work/log" 2>&1 & ppid=$!
  main=$(window_of "a.txt - Quillon") || fail "no main window"
  sleep 1.5 # framed and placed by the window manager
  focus "$main" || fail "the viewer never got the focus"
}
close_with_q() {
  focus "$main" || fail "the viewer never got the focus"
  keys q
  timeout 20 tail --pid="$ppid" -f /dev/null || fail "the viewer did not close on Q"
  ppid=""
}

# --- first session ---
start
keys alt+s f                                   # Search > Find...
find=$(window_of "検索") || fail "no find dialog"
xdotool type --delay 50 marker
keys Return                                    # finds line 120
keys alt+s n                                   # the dialog's Search > Find next: line 250
keys Escape                                    # closes the dialog
focus "$main" || fail "the viewer never got the focus"
keys alt+e g                                   # Edit > Go to line...
xdotool type --delay 50 42
keys Return
keys Tab                                       # the hex dump
keys Tab                                       # and back to the text
keys alt+l e                                   # Jpn/Eng > English
close_with_q

[[ $(setting Options SearchWord) == marker ]] || fail "the search word was not kept: '$(setting Options SearchWord)'"
[[ $(setting Editor Jump) == 42 ]] || fail "the go-to entry was not kept: '$(setting Editor Jump)'"
[[ $(setting Language Japanese) == 0 ]] || fail "English was not kept: Japanese='$(setting Language Japanese)'"
history=$(iconv -f UTF-16LE -t UTF-8 "$home/Quillon-History.txt" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' | grep -F "$work/a.txt" || true)
[[ $history == 41$'\t'* ]] || fail "the history does not hold line 42 of the file: '$history'"
first=$(placement)
echo "first session: $first, history '$history'"

# --- second session: English from the start, the same place ---
start
keys alt+s                                      # the English menu: Search
xdotool key Escape
keys alt+l j                                   # back to Japanese, so the next check sees a change
close_with_q
[[ $(setting Language Japanese) == 1 ]] || fail "Japanese was not kept: '$(setting Language Japanese)'"
[[ $(placement) == "$first" ]] || fail "the window moved between starts: $first -> $(placement)"
echo "second session: $(placement)"
