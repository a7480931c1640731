#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Kelzo needs to build, run and test
# that this machine does not have yet. Safe to run again: it only adds what is missing.
set -euo pipefail

PACKAGES=(
  # toolchain and test frameworks
  g++ cmake make ninja-build pkg-config python3
  # pgrep, for scripts/test.sh to stop the builds it runs beside the tests
  procps
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # libFuzzer for the fuzz targets (scripts/fuzz.sh)
  clang-14 libclang-rt-14-dev
  # platform libraries the game links
  libsdl1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev libsfml-dev
  libgles-dev libegl-dev libgl-dev libgl1-mesa-dri libegl-mesa0
  libpng-dev zlib1g-dev libx11-dev libxtst-dev
  # content generators (art and sound)
  libcairo2-dev libvorbis-dev libogg-dev
  # fonts copied into the data folder
  fonts-roboto-slab fonts-urw-base35 fonts-comic-neue fonts-liberation2 fonts-dejavu-core
  # headless runs and screenshots; a window manager for the desktop test
  xvfb xauth xdotool x11-apps imagemagick openbox wmctrl
  # mail and browser hand-off
  xdg-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is already installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
