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

[ "$mode" = run ] && exec ./build/app/corvane

(cd build && ctest --output-on-failure)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; any
# report fails its test. Leaks inside Qt's and the system's own libraries are
# suppressed by name in tools/lsan.supp; the project's never are.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DCORVANE_SANITIZE=ON
cmake --build build-asan -j2
(
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
  cd build-asan && ctest --output-on-failure
)

# The text routines fuzzed for a bounded time each (CORVANE_FUZZ_SECONDS, at most 30).
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j2 --target fuzzers
sh fuzz/run.sh build-fuzz "${CORVANE_FUZZ_SECONDS:-20}"
