#!/usr/bin/env bash
# Installs the Debian 12 packages Quillon needs to build, run and test.
# A machine that already has them all does no apt work at all. Runs as root,
# or as a user with sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  ccache                                # cheap rebuilds
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n                 # the stock dialogs in Japanese
  libpcre2-dev
  libx11-dev libxcb1-dev                # the filer link talks to X11 windows (xcb)
  libgtest-dev libgmock-dev googletest
  clang libclang-rt-14-dev              # libFuzzer: the fuzz targets of the parsers
  fonts-ipafont-gothic                  # metric-compatible Japanese gothic font
  xvfb xauth                            # headless X server: end-to-end runs and screenshots
  openbox xdotool                       # a window manager and a hand for the end-to-end runs
  dbus-daemon                           # dbus-run-session: a private bus for the file manager test
  libc-bin                              # iconv: sample files and the benchmark reference
  bsdextrautils                         # hexdump: the hex dump benchmark's reference
  coreutils                             # nproc, date, realpath
  librsvg2-bin                          # rsvg-convert: the icon's PNG sizes
  desktop-file-utils appstream man-db   # validators of the desktop entry, metainfo, man page
  dpkg-dev file                         # cpack -G DEB: dpkg-shlibdeps finds the dependencies
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  if [[ $status != installed ]]; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#packages[@]} required packages are installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if ((EUID == 0)); then
  as_root=(env)
elif command -v sudo >/dev/null 2>&1; then
  # Without a terminal there is nobody to type a password: fail instead of hanging.
  if [[ -t 0 ]]; then as_root=(sudo env); else as_root=(sudo -n env); fi
else
  echo "setup: missing packages and neither root nor sudo; install them by hand:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi

"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get -q update </dev/null
"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get -q install -y --no-install-recommends \
  "${missing[@]}" </dev/null
echo "setup: done"
