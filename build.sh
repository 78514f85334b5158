#!/usr/bin/env bash
# Sets up a Debian 12 machine for Solvane Audio Player, builds it, and then
# starts the player, runs the test suite or runs everything CI runs (see
# usage below). Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
  cat <<'USAGE'
usage: ./build.sh MODE [ARGS...]

  run [files...]  build into build/ and start the player with the files
  test            build and run the test suite headless
  check           everything CI runs: the test suite, a build without the
                  tests, the suite under AddressSanitizer and UBSan
                  (build-asan/), the engine's tests under ThreadSanitizer
                  (build-tsan/), then every fuzz target for
                  $SOLVANE_FUZZ_SECONDS (20) seconds each

Each mode first installs the Debian packages the build needs, only those
that are missing: installing takes root, and with nothing missing any
user can run it.
USAGE
}

case "${1:-}" in
  run | test | check) ;;
  -h | --help)
    usage
    exit 0
    ;;
  *)
    [ -n "${1:-}" ] && echo "./build.sh: unknown mode \"$1\"" >&2
    usage >&2
    exit 2
    ;;
esac
mode=$1
shift

packages=(
  cmake ninja-build g++ pkg-config ccache
  dbus dpkg-dev
  qt6-base-dev libgl-dev
  libmpg123-dev libvorbis-dev libsndfile1-dev libopenmpt-dev
  libcdio-dev libcdio-paranoia-dev libsdl2-dev libsoxr-dev libkissfft-dev
  libmp3lame-dev libdiscid-dev libzip-dev libcurl4-openssl-dev
  libtag1-dev libopusfile-dev libopusenc-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth libxcb1-dev appstream
  pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev
)

# Builds in any folder share the compiler cache: paths inside this folder are
# hashed relative to it.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

install_missing_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "./build.sh: missing packages: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ${missing[*]}) or run ./build.sh as root." >&2
      exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build
}

run_tests() {
  (cd "$1" && QT_QPA_PLATFORM=offscreen SOLVANE_AUDIO_OUTPUT=null ctest --output-on-failure -j2)
}

# The player alone, as a packager builds it: GoogleTest and Google Benchmark
# are hidden from CMake, so the build shows that it needs neither.
program_only_build() {
  rm -rf build-program
  cmake -S . -B build-program -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF --no-warn-unused-cli \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
  cmake --build build-program
}

# The sanitizer build: clang, ASan and UBSan everywhere, and the fuzz targets.
sanitizer_build() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSOLVANE_FUZZ=ON
  cmake --build build-asan
}

# The race build: ThreadSanitizer over the tests of the audio library, the
# audio front-end and back-end, and the equalizer filter, where the mixer,
# recording and network threads meet the caller's. Only those are built and
# run: the rest of the suite runs on one thread and would add a third full
# build to CI for nothing. tsan.supp lists what is not ours to mend, each
# entry with its reason.
tsan_tests=(platform_bass_tests bass_api_tests EQFiltersTest)
tsan_build() {
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSOLVANE_TSAN=ON
  cmake --build build-tsan --target "${tsan_tests[@]}"
}

run_tsan_tests() {
  local names
  names=$(IFS='|'; echo "${tsan_tests[*]}")
  (cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/../tsan.supp" \
    QT_QPA_PLATFORM=offscreen SOLVANE_AUDIO_OUTPUT=null ctest --output-on-failure -j2 -R "^($names)\$")
}

# Each target first runs the inputs kept in fuzz/regressions/<target> (every
# crash found is written there), then fuzzes from the seeds that the
# player's own writers make. A fixed random seed makes every run walk the
# same inputs, so a run fails only where an earlier one of that length would.
run_fuzz_targets() {
  local seconds=${SOLVANE_FUZZ_SECONDS:-20}
  local corpus=build-asan/fuzz/corpus
  rm -rf "$corpus" && mkdir -p "$corpus"
  build-asan/fuzz/fuzz_seeds "$corpus" build/skins/Default
  for target in build-asan/fuzz/fuzz_*; do
    local name=${target#build-asan/fuzz/fuzz_}
    [ -f "$target" ] && [ -x "$target" ] && [ "$name" != seeds ] || continue
    local kept=fuzz/regressions/$name
    mkdir -p "$corpus/$name" "$kept"
    if compgen -G "$kept/*" >/dev/null; then "$target" "$kept"/*; fi
    echo "fuzzing $name for ${seconds}s"
    "$target" -seed=1 -max_total_time="$seconds" -max_len=65536 -artifact_prefix="$kept/" \
      "$corpus/$name" 2>&1 | tail -n 2
  done
}

install_missing_packages
build
case "$mode" in
  run)
    exec ./build/solvane "$@"
    ;;
  test)
    run_tests build
    ;;
  check)
    run_tests build
    program_only_build
    sanitizer_build
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan
    tsan_build
    run_tsan_tests
    ASAN_OPTIONS=detect_leaks=1 run_fuzz_targets
    ;;
esac
