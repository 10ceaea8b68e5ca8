#!/bin/sh
# Stands in for a terminal emulator started as "TERMINAL -e SCRIPT".
# CORVANE_TERMINAL_LOG: receives the working folder and the arguments, and
#   LOG.script a copy of the script, before anything runs; LOG.ended appears last.
# CORVANE_TERMINAL_RUN=1: runs the script itself, as a terminal would (so its
#   shebang and mode count); stdin is closed, so a pause line returns at once.
# Output goes nowhere: the job may outlive the test that started it.
exec >/dev/null 2>&1 </dev/null
log=${CORVANE_TERMINAL_LOG:?}
cp -- "$2" "$log.script"
{ printf 'cwd=%s\n' "$PWD"; printf 'arg=%s\n' "$@"; } > "$log.part"
mv -- "$log.part" "$log"
[ "${CORVANE_TERMINAL_RUN:-0}" = 1 ] && "$2"
: > "$log.ended"
