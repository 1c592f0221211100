#!/usr/bin/env bash
# Installs what a fresh Debian machine is missing, builds, and then either runs
# the main job ("run") or the unit tests under the sanitizers ("test").
set -euo pipefail
cd "$(dirname "$0")"

# The solver needs LAPACK (liblapack-dev) for its eigenvalues and
# nlohmann-json3-dev for its results file, the viewer Qt 6 (its widgets and
# SVG writer).  libboost-dev serves only as a reference in the tests, clang
# and its runtime only for the fuzz targets, ghostscript only for checking
# the EPS files the tests write, xvfb, xauth and libxcb1-dev only for the
# test of a real plot window, desktop-file-utils, groff-base and
# shared-mime-info only for checking the installed desktop entry, manual
# pages and MIME type, the python3 ones only for the tests of the Python
# package (CTest runs them with pytest).
PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev liblapack-dev nlohmann-json3-dev libboost-dev
          qt6-base-dev qt6-svg-dev)
TEST_PACKAGES=(clang libclang-rt-14-dev ghostscript xvfb xauth libxcb1-dev
               desktop-file-utils groff-base shared-mime-info
               python3-numpy python3-matplotlib python3-pytest python3-setuptools)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELM_TESTS=OFF
    cmake --build build -j "$jobs"
    mkdir -p build/run
    cp examples/ring.in build/run/
    build/bin/quelmw build/run/ring.in
    echo "Listing: build/run/ring.out   Plot file: build/run/ring.vpt"
    # The viewer shows the plots when there is a display; without one it
    # writes them as pictures.
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
      build/bin/vexplotw build/run/ring.vpt
    else
      build/bin/vexplotw --export build/run/pictures --format png build/run/ring.vpt
      echo "No display: the plots are pictures in build/run/pictures"
    fi
    ;;
  test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_SANITIZE=ON
    cmake --build build-test -j "$jobs"
    # The fuzz targets run briefly on every test run; tools/run-fuzzers.sh
    # runs them for longer.
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_FUZZ=ON -DQUELM_TESTS=OFF
    cmake --build build-fuzz -j "$jobs" --target fuzzers
    tools/run-fuzzers.sh build-fuzz 20
    # The test of an export beside a window that changes its view runs also
    # under ThreadSanitizer, alone in a build of its own.
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_THREAD_SANITIZE=ON
    cmake --build build-tsan -j "$jobs" --target vexplot_export_while_viewing_test
    ctest --test-dir build-tsan -R '^ExportWhileViewing[.]' --output-on-failure
    ctest --test-dir build-test --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
