#!/bin/sh
# Stands in for a terminal started as "TERMINAL -e SCRIPT": removes the script
# instead of running it (the benchmark's tools are empty files), then notes the
# launch in CORVANE_BENCH_LAUNCHES.
exec >/dev/null 2>&1 </dev/null
rm -f -- "$2"
echo "$2" >> "${CORVANE_BENCH_LAUNCHES:?}"
