#!/usr/bin/env bash
# Command-line conventions of the built program: unknown options, "--", no
# display, and --help and the man page naming the same options.
# Usage: cli.sh PROGRAM MAN_PAGE
set -uo pipefail
prog=$1 manpage=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QUILLON_HOME=$scratch/home
mkdir -p "$QUILLON_HOME"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# expect NAME STATUS STDERR_PATTERN [ENV...] -- ARGS...: the program exits
# STATUS and the first line of stderr matches the pattern.
expect() {
  local name=$1 want=$2 pattern=$3; shift 3
  local envs=()
  while [[ $1 != -- ]]; do envs+=("$1"); shift; done
  shift
  env "${envs[@]}" "$prog" "$@" >"$scratch/out" 2>"$scratch/err"
  local got=$?
  local first
  first=$(head -n1 "$scratch/err")
  [[ $got == "$want" ]] || fail "$name: exit $got, not $want (stderr: $first)"
  [[ $first =~ $pattern ]] || fail "$name: stderr '$first' does not match '$pattern'"
  [[ -s $scratch/out ]] && fail "$name: printed on stdout: $(head -n1 "$scratch/out")"
}

nodisplay=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect unknown_option 2 '^Quillon: unknown option --bogus$' "${nodisplay[@]}" -- --bogus
grep -q '^Usage: Quillon' "$scratch/err" || fail "unknown_option: no usage on stderr"
expect unknown_after_file 2 '^Quillon: unknown option --nope$' "${nodisplay[@]}" -- file.txt --nope
expect misplaced_mode 2 '^Quillon: unknown option --guess$' "${nodisplay[@]}" -- file.txt --guess
# After "--" a name starting with "--" is a file: the window is started for it
# (and here finds no display).
expect dashes_end_options 1 '^Quillon: no display' "${nodisplay[@]}" -- -- --bogus
expect no_display 1 '^Quillon: no display .*--guess' "${nodisplay[@]}" -- file.txt
[[ $(wc -l <"$scratch/err") == 1 ]] || fail "no_display: more than one line on stderr"
# A display that cannot be reached: Qt's fatal error becomes our one line.
expect unreachable_display 1 '^Quillon: cannot open the window' -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  DISPLAY=:59999 -- file.txt
[[ $(wc -l <"$scratch/err") == 1 ]] || fail "unreachable_display: more than one line: $(cat "$scratch/err")"
# The modes still need no display.
env "${nodisplay[@]}" "$prog" --version >/dev/null || fail "--version without a display"

# --help and the man page name the same options.
options_of() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
help=$("$prog" --help | options_of)
man=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$manpage" 2>/dev/null | sed 's/‐/-/g; /^EXAMPLES/,$d' | options_of)
[[ -n $help ]] || fail "--help names no option"
if [[ $help != "$man" ]]; then
  fail "--help and the man page differ:"$'\n'"$(diff <(echo "$help") <(echo "$man"))"
fi
for mode in --guess --search --hexdump --search-folder --grid-copy --help --version; do
  grep -qx -- "$mode" <<<"$help" || fail "--help does not list $mode"
done
exit $failed
