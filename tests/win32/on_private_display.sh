#!/usr/bin/env bash
# Runs a command on a private Xvfb display of its own, so that tests which create windows run the
# same on a desktop, in a terminal and in CI. The display goes away with the command.
#   on_private_display.sh COMMAND [ARG...]
set -uo pipefail

fifo=$(mktemp -u "${TMPDIR:-/tmp}/k8-display.XXXXXX")
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
display=''
read -r -t 30 display <"$fifo" || true
rm -f "$fifo"
if [[ -z $display ]]; then
  echo "on_private_display: Xvfb did not start" >&2
  kill "$xvfb" 2>/dev/null
  exit 1
fi

DISPLAY=:$display "$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $rc
