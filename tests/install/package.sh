#!/usr/bin/env bash
# Builds the Debian package from BUILD_DIR, checks its control fields, unpacks
# it into a scratch root and runs the installed-tree checks on it.
# Usage: package.sh BUILD_DIR SAMPLE_DIR VERSION
set -euo pipefail
build=$1 samples=$2 version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$scratch"/out/quillon_"$version"_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libpcre2-16-0; do
  [[ $depends == *"$lib "* || $depends == *"$lib," || $depends == *"$lib" ]] || fail "Depends lacks $lib"
done
[[ $(dpkg-deb -f "$deb" Package) == quillon ]] || fail "package name"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
listing=$(dpkg-deb -c "$deb")
grep -q ' ./usr/bin/quillon$' <<<"$listing" || fail "no /usr/bin/quillon in the package"

dpkg -x "$deb" "$scratch/root"
"$here/installed_run.sh" "$scratch/root/usr" "$samples" "$version"
echo "package $(basename "$deb"): ok"
