#!/usr/bin/env bash
# Installs the program in a fresh folder, starts it, switches an option off with its shortcut,
# closes it with Escape and checks the settings file; then starts it again and checks that the
# option was kept and the start counted. The second run switches the option back, opens the
# hall of fame and is ended by SIGTERM, with music played, which must close the window and save
# the settings as the close box does.
set -u
program="$1"
build=$(dirname "$program")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$build/libpelmar_audio.so" "$folder/"
for data in Layouts Tilesets Backgrounds Musics; do cp -r "$build/$data" "$folder/"; done

# Runs the installed program, sends the given keys, then closes it with $1 (Escape or a signal's
# name); fails unless it exits with 0.
run_once() {
  local close=$1
  shift
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
  if [ "$close" = Escape ]; then
    xdotool key --window "$window" Escape
  else
    kill -s "$close" "$pid"
  fi
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not close on $close"
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

run_once Escape ctrl+m
expect_setting "ShowMoves=0"
expect_setting "Launches=1"
run_once TERM ctrl+m F10
expect_setting "ShowMoves=1"
expect_setting "Launches=2"
echo "settings kept across a restart and saved on SIGTERM"
