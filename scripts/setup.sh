#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing) and builds it.
# Usage: scripts/setup.sh [build-dir [cmake options...]]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build g++
  clang         # the fuzz targets (libFuzzer)
  clang-format  # the format check
  libgtest-dev  # the tests
  # The window program; qt6-base-dev brings libgl-dev, which Qt's Gui CMake package needs.
  qt6-base-dev qt6-multimedia-dev
  libfluidsynth-dev timgm6mb-soundfont  # the music and its instruments
  xvfb xdotool imagemagick              # the end-to-end tests
  openbox x11-utils                     # ... under a window manager, and whether it runs (xprop)
  gstreamer1.0-plugins-good             # the title video: Motion-JPEG in AVI (avidemux, jpegdec)
  dpkg-dev desktop-file-utils appstream lintian  # the package's tests: dpkg-shlibdeps, checkers
  help2man                                       # the manual pages, from the programs' --help
  dbus-daemon at-spi2-core python3-pyatspi  # what a screen reader gets, through AT-SPI
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build=${1:-build}
shift $(($# > 0 ? 1 : 0))
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc)"
