#!/usr/bin/env bash
# Checks an installed tree: the files are where the desktop looks for them,
# the program runs from it, and its window keeps settings in the user's XDG
# folder and reads the shipped language files.
# Usage: installed_run.sh PREFIX SAMPLE_DIR VERSION
set -euo pipefail
prefix=$1 samples=$2 version=$3
id=io.github.quillon.Quillon
scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
pid=
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in bin/quillon share/quillon/Language/Quillon/Main.txt share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/man/man1/quillon.1.gz; do
  [[ -e $prefix/$f ]] || fail "not installed: $f"
done
[[ -x $prefix/bin/quillon ]] || fail "bin/quillon is not executable"
file "$prefix/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' || fail "48x48 icon has another size"
[[ ! -e $prefix/share/quillon/icons ]] || fail "the icon sources went into the data folder"
# The desktop entry starts what was installed.
grep -qx 'Exec=quillon %f' "$prefix/share/applications/$id.desktop" || fail "desktop entry's Exec"

# The modes run from the installed tree, without a display and without QUILLON_HOME.
unset QUILLON_HOME DISPLAY WAYLAND_DISPLAY
out=$(env -u QT_QPA_PLATFORM "$prefix/bin/quillon" --version)
[[ $out == "Quillon $version" ]] || fail "--version printed '$out'"
# Shift_JIS (1) with CR LF (0), as samples/ says.
out=$(env -u QT_QPA_PLATFORM "$prefix/bin/quillon" --guess --porcelain "$samples/sjis-crlf.txt")
[[ $out == $'1\t0\t0\t0\t'"$samples/sjis-crlf.txt" ]] || fail "--guess printed '$out'"

# start_window HOME XDG: starts the window offscreen, waits until it has
# written its key map (the start is done), then closes it with SIGTERM as a
# logout would.
start_window() {
  local home=$1 xdg=$2 folder=$3
  mkdir -p "$home"
  if [[ -n $xdg ]]; then
    HOME=$home XDG_CONFIG_HOME=$xdg QT_QPA_PLATFORM=offscreen "$prefix/bin/quillon" "$samples/sjis-crlf.txt" &
  else
    env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/quillon" "$samples/sjis-crlf.txt" &
  fi
  pid=$!
  for _ in $(seq 200); do
    [[ -s $folder/Quillon-KeyMap.txt ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the window ended by itself"
    sleep 0.1
  done
  [[ -s $folder/Quillon-KeyMap.txt ]] || fail "no key map written to $folder"
  local ini
  ini=$(iconv -f UTF-16 -t UTF-8 "$folder/Quillon.ini" 2>/dev/null | tr -d '\r' || true)
  ! grep -q '^Left=' <<<"$ini" || fail "placement written before the close"
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  pid=
  [[ $status == 0 ]] || fail "the window exited with $status on SIGTERM"
  [[ -s $folder/Quillon.ini ]] || fail "no settings written to $folder"
  # Closing wrote the window's placement (the settings file is UTF-16).
  ini=$(iconv -f UTF-16 -t UTF-8 "$folder/Quillon.ini" | tr -d '\r')
  grep -A5 -x '\[FormMain\]' <<<"$ini" | grep -q '^Left=' || fail "closing wrote no placement to $folder/Quillon.ini"
}

before=$(ls -A "$prefix/bin" "$prefix/share/quillon")
start_window "$scratch/home" "$scratch/xdg" "$scratch/xdg/Quillon"
start_window "$scratch/home2" "" "$scratch/home2/.config/Quillon"
[[ $(ls -A "$prefix/bin" "$prefix/share/quillon") == "$before" ]] || fail "the program wrote beside itself"
echo "installed tree at $prefix: ok"
