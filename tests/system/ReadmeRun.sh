#!/usr/bin/env bash
# The README's first command, run exactly as the README gives it, under Xvfb:
# the simulator's window opens, and SIGTERM ends the program with status 0.
set -uo pipefail
cd "$(dirname "$0")/../.."
command=$(awk '/^Build and start the simulator:/ { found = 1; next }
               found && /^    [^ ]/ { sub(/^    /, ""); print; exit }' README.md)
[ -n "$command" ] || { echo "README.md: no command under 'Build and start the simulator:'" >&2; exit 1; }
echo "README's run command: $command"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  log=$(mktemp); setsid bash -c "$1" >"$log" 2>&1 & pid=$!
  for _ in $(seq 1 300); do
    xdotool search --name "AXIM-7" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 1
  done
  if ! xdotool search --name "AXIM-7" >/dev/null 2>&1; then
    echo "no window opened; the command said:" >&2; tail -n 5 "$log" >&2
    kill -TERM -- "-$pid" 2>/dev/null; exit 1
  fi
  sleep 1; kill -TERM "$pid"; wait "$pid"; status=$?
  [ "$status" -eq 0 ] || { echo "status $status after SIGTERM" >&2; tail -n 5 "$log" >&2; exit 1; }
  echo "the window opened; SIGTERM ended it with status 0"
' _ "$command"
