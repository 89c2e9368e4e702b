#!/usr/bin/env bash
# Starts the program, lets it run for two seconds, presses Escape and expects a clean exit.
set -u
program="$1"
"$program" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "the program ended before it was asked to (status $?)"
  exit 1
fi
window=$(xdotool search --sync --onlyvisible --name "Pelmar 7.77" | head -1)
xdotool windowfocus --sync "$window"
xdotool key --window "$window" Escape
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not close on Escape"
  kill "$pid"
  exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
exit "$status"
