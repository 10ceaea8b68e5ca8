#!/bin/sh
# Runs every fuzzer built in BUILD/fuzz for SECONDS each (default 30), starting
# from its seed corpus in fuzz/corpus/NAME; new inputs go to a scratch folder,
# never into the repository. Prints executions per target; fails on a finding,
# leaving the crashing input in BUILD/fuzz/findings.
set -eu
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz/run.sh BUILD [SECONDS]}
seconds=${2:-30}
out=$build/fuzz/findings
rm -rf "$out" && mkdir -p "$out"
failed=0
for corpus in fuzz/corpus/*/; do
  name=$(basename "$corpus")
  scratch=$(mktemp -d)
  if "$build/fuzz/$name" -max_total_time="$seconds" -seed=1 -print_final_stats=1 \
       -artifact_prefix="$out/$name-" "$scratch" "$corpus" >"$out/$name.log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log")
    echo "$name: $runs executions, no finding"
  else
    echo "$name: FINDING, see $out/$name.log"
    tail -n 30 "$out/$name.log"
    failed=1
  fi
  rm -rf "$scratch"
done
exit $failed
