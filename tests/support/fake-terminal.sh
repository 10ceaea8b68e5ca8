#!/bin/sh
# Stands in for a terminal emulator started as "TERMINAL -e SCRIPT".
# CORVANE_TERMINAL_LOG: receives the working folder and the script path, and
#   LOG.script a copy of the script, before anything runs.
# CORVANE_TERMINAL_RUN=1: then runs the script with sh; stdin is closed, so a
#   pause line returns at once.
[ "$1" = "-e" ] && shift
if [ -n "$CORVANE_TERMINAL_LOG" ]; then
  cp -- "$1" "$CORVANE_TERMINAL_LOG.script"
  printf 'cwd=%s\nscript=%s\n' "$PWD" "$1" > "$CORVANE_TERMINAL_LOG.tmp"
  mv -- "$CORVANE_TERMINAL_LOG.tmp" "$CORVANE_TERMINAL_LOG"
fi
[ "$CORVANE_TERMINAL_RUN" = 1 ] && exec sh "$1" < /dev/null
exit 0
