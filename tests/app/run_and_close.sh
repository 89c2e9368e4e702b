#!/usr/bin/env bash
# Installs the program in a fresh folder, starts it, switches an option off with its shortcut,
# closes it with Escape and checks the settings file; then starts it again and checks that the
# option was kept and the start counted.
set -u
program="$1"
build=$(dirname "$program")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$build/libpelmar_audio.so" "$folder/"
for data in Layouts Tilesets Backgrounds Musics; do cp -r "$build/$data" "$folder/"; done

# Runs the installed program, sends the given keys, then Escape; fails unless it exits with 0.
run_once() {
  "$folder/pelmar" &
  local pid=$!
  sleep 2
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "the program ended before it was asked to (status $?)"
    exit 1
  fi
  local window
  window=$(xdotool search --sync --onlyvisible --name "Pelmar 7.77" | head -1)
  xdotool windowfocus --sync "$window"
  for key in "$@"; do xdotool key --window "$window" "$key"; sleep 0.2; done
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
  local status=$?
  echo "exit status $status"
  [ "$status" -eq 0 ] || exit "$status"
}

expect_setting() {
  if ! grep -qx "$1" "$folder/Pelmar.ini"; then
    echo "Pelmar.ini lacks the line $1:"
    cat "$folder/Pelmar.ini"
    exit 1
  fi
}

run_once ctrl+m
expect_setting "ShowMoves=0"
expect_setting "Launches=1"
run_once
expect_setting "ShowMoves=0"
expect_setting "Launches=2"
echo "settings kept across a restart"
