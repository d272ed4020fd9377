#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the man page pass their
# validators. Usage: validate.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
id=io.github.quillon.Quillon
fail=0

desktop-file-validate "$src/packaging/$id.desktop" || fail=1

# --no-net: no network on the build machines; a warning fails as an error does.
appstreamcli validate --no-net --explain "$build/packaging/$id.metainfo.xml" || fail=1

# man prints the formatter's warnings on stderr and still exits 0.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$build/packaging/quillon.1" 2>&1 >/dev/null || echo "man failed")
if [[ -n $warnings ]]; then
  echo "man page warnings:"$'\n'"$warnings" >&2
  fail=1
fi

# The icon's SVG is well-formed and square.
head=$(grep -o '<svg[^>]*>' "$src/data/icons/quillon.svg")
[[ $head == *'width="256"'* && $head == *'height="256"'* ]] || { echo "icon: not a 256x256 SVG" >&2; fail=1; }
exit $fail
