#!/usr/bin/env bash
# Runs a command on a private X server with a window manager (Xvfb and
# openbox, both stopped by their own ids afterwards).
#   with_desktop.sh COMMAND [ARGS...]
set -uo pipefail
cleanup() {
  [[ -n ${wpid:-} ]] && kill "$wpid" 2>/dev/null
  [[ -n ${xpid:-} ]] && kill "$xpid" 2>/dev/null
}
trap cleanup EXIT
for n in $(seq 200 259); do [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# openbox now and then dies of an interrupted read from the server ("XIO:
# fatal IO error 4"), and the test loses its window manager halfway. A run
# that failed without one is run again with a fresh one (at most three
# times); a run that failed while the window manager lived is a failure.
for attempt in 1 2 3; do
  openbox >/dev/null 2>&1 & wpid=$!
  # The window manager has taken over once it names itself on the root window.
  for _ in $(seq 100); do xdotool get_num_desktops >/dev/null 2>&1 && break; sleep 0.1; done
  "$@"; rc=$?
  if ((rc == 0)) || kill -0 "$wpid" 2>/dev/null; then
    exit "$rc"
  fi
  echo "with_desktop.sh: the window manager died during run $attempt; running again" >&2
  wait "$wpid" 2>/dev/null
done
exit "$rc"
