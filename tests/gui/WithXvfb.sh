#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, so that tests running at
# the same time never share a pointer, a focus or a screen.
set -u
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/display" 2>/dev/null &
server=$!
read -r -t 20 number <"$fifo_dir/display"
rm -rf "$fifo_dir"
if [ -z "${number:-}" ]; then
  echo "WithXvfb: the virtual X server did not start" >&2
  kill "$server" 2>/dev/null
  exit 1
fi
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
