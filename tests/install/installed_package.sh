#!/usr/bin/env bash
# The Debian package as a player gets it: unpacked into a root of its own, its menu entry and
# metadata validated, the installed program started with an empty home. An option is changed,
# the program is closed, and the settings must be in that home's .config/pelmar/, the records in
# .local/share/pelmar/, and nothing written below the installed root. Then a player whose
# folders cannot be made (below /proc, where even root cannot write) ends it with SIGTERM: the
# close must not wait for the message that says so.
# Skipped (77) unless the folder $1 holds a package made since the program $2 was built
# (scripts/package).
set -u
package=$(ls -t "$1"/pelmar_*.deb 2>/dev/null | head -1)
program=$2
if [ -z "$package" ] || [ "$package" -ot "$program" ]; then
  echo "no package newer than the program: run scripts/package first"
  exit 77
fi
fail() {
  echo "$1"
  exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
home=$work/home
mkdir -p "$root" "$home"
dpkg-deb -x "$package" "$root" || fail "the package does not unpack"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "invalid menu entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "invalid metadata"
game=$root/usr/games/pelmar
env -u DISPLAY "$game" --version | grep -qx "Pelmar [0-9.]*" || fail "pelmar --version"
env -u DISPLAY "$game" --help | grep -q -- "--version" || fail "pelmar --help"
"$root/usr/games/pelmar-tool" --help | grep -q "solve-stats" || fail "pelmar-tool --help"
touch "$work/unpacked"
sleep 1

# Runs the installed game with the environment given, presses Ctrl+M and closes it with $1
# (Escape, or a signal's name); fails unless it ends by itself with status 0.
play() {
  local close=$1
  shift
  env "$@" "$game" 2>"$work/stderr" &
  local pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "Pelmar" | head -1)
  [ -n "$window" ] || fail "the installed program showed no window"
  xdotool windowfocus --sync "$window"
  xdotool key --window "$window" ctrl+m
  sleep 0.3
  if [ "$close" = Escape ]; then xdotool key --window "$window" Escape; else kill -s "$close" "$pid"; fi
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && kill -9 "$pid" && fail "the installed program did not close on $close"
  wait "$pid" || fail "the installed program failed"
}

play Escape -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home"
grep -q "sound is off" "$work/stderr" && fail "the installed audio module was not found"
grep -qx "ShowMoves=0" "$home/.config/pelmar/Pelmar.ini" || fail "no settings in the home"
[ -f "$home/.local/share/pelmar/Hallfame.ini" ] || fail "no hall of fame in the home"
play TERM HOME="$home" XDG_CONFIG_HOME=/proc/pelmar-config XDG_DATA_HOME=/proc/pelmar-data
written=$(find "$root" -newer "$work/unpacked")
[ -z "$written" ] || fail "written below the installed root: $written"
echo "installed package: settings and records in the player's home, nothing below the root"
