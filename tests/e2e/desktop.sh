# Sourced by the end-to-end runs: a private X server with openbox on a free
# display from FIRST, a work folder $work, and the helpers the runs share.
# Everything started is stopped (by its own id) when the run exits.
#   source desktop.sh FIRST
work=$(mktemp -d)
cleanup() {
  [[ -n ${ppid:-} ]] && kill "$ppid" 2>/dev/null || true
  [[ -n ${wpid:-} ]] && kill "$wpid" 2>/dev/null || true
  [[ -n ${xpid:-} ]] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq "$1" $(($1 + 59))); do [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wpid=$!
sleep 1

# focus WINDOW: activates it and waits until the window manager really gave
# it the focus (on a busy machine that takes a moment), so keys go to it.
focus() {
  for _ in $(seq 50); do
    xdotool windowactivate "$1" >/dev/null 2>&1 || true
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]] && return 0
    sleep 0.1
  done
  echo "window $1 never got the focus"
  return 1
}

# setting_of HOME SECTION KEY: a value of the settings file in HOME.
setting_of() {
  iconv -f UTF-16LE -t UTF-8 "$1/Quillon.ini" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' \
    | awk -v s="[$2]" -v k="$3" '/^\[/{cur=$0; next} cur==s && index($0, k"=")==1 {print substr($0, length(k)+2)}'
}
