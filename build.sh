#!/usr/bin/env bash
# Sets up a Debian 12 machine for Solvane Audio Player, builds it, and then
# either starts the player (./build.sh run [files...]) or runs every test
# (./build.sh test). Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libgl-dev
  libmpg123-dev libvorbis-dev libsndfile1-dev libopenmpt-dev
  libcdio-dev libcdio-paranoia-dev libsdl2-dev libsoxr-dev libkissfft-dev
  libmp3lame-dev libdiscid-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth
)

install_missing_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build
}

mode=${1:-run}
shift || true
install_missing_packages
build
case "$mode" in
  run)
    exec ./build/solvane "$@"
    ;;
  test)
    cd build
    QT_QPA_PLATFORM=offscreen SOLVANE_AUDIO_OUTPUT=null ctest --output-on-failure -j2
    ;;
  *)
    echo "usage: ./build.sh run [files...] | ./build.sh test" >&2
    exit 2
    ;;
esac
