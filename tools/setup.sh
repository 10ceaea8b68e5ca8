#!/bin/sh
# Sets up a Debian 12 machine (as root), builds Corvane and then
#   run:  starts Corvane
#   test: runs every test on Qt's offscreen platform (no display needed)
# Safe to run again: only missing packages are installed, the build is incremental.
set -eu
cd "$(dirname "$0")/.."

mode=${1:-}
# xterm gives the job scripts a terminal where the desktop has none of its own;
# libqt6svg6 draws the window's icon.
packages="cmake g++ make qt6-base-dev libgl-dev libmediainfo0v5 libqt6svg6 xterm"
# The end-to-end tests run the real encoders; the Windows services are cross-compiled
# and run under wine; clang builds the fuzzers (libFuzzer is in libclang-rt-dev).
test_packages="x264 x265 ffmpeg mediainfo g++-mingw-w64-x86-64 wine64 clang libclang-rt-dev"
# The installed desktop entry and metadata are validated as a desktop reads them.
test_packages="$test_packages desktop-file-utils appstream"
case $mode in
  run) ;;
  test) packages="$packages $test_packages" ;;
  *) echo "usage: sh tools/setup.sh run|test" >&2; exit 2 ;;
esac

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2

case $mode in
  run) exec ./build/app/corvane ;;
  test) cd build && exec ctest --output-on-failure ;;
esac
