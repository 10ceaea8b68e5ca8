#!/bin/sh
# Screenshots of every encoder page under Xvfb, for looking at the layout:
#   tools/screenshots.sh BUILD_DIR OUT_DIR
# The page is chosen with the start-up keyword, as a user would.
set -eu
build=$1
out=$2
mkdir -p "$out"
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
for page in 264 265 dv audio; do
  DISPLAY=$display "$build/app/corvane" "$page" &
  app=$!
  sleep 2
  DISPLAY=$display import -window root "$out/page-$page.png"
  kill $app
  wait $app 2>/dev/null || true
done
