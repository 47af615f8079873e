#!/usr/bin/env bash
# Makes the README's picture of the program: the built client on an X server
# of its own, two profiles logged on to a local PvPGN server and talking in
# one channel, the main window saved as a PNG.
#
# Usage: scripts/screenshot.sh PVPGN_KIT [BUILD_DIR] [OUTPUT]
#   PVPGN_KIT  a folder with a PvPGN bnetd and its start.sh and stop.sh
#   BUILD_DIR  where the client was built (build-app, as ./run builds it)
#   OUTPUT     the picture (docs/two-profiles-in-chat.png)
# PORT (16112) and W3PORT (PORT + 1) choose the server's ports.
set -euo pipefail
cd "$(dirname "$0")/.."
kit=$(realpath "$1")
build=${2:-build-app}
output=${3:-docs/two-profiles-in-chat.png}
port=${PORT:-16112}
w3port=${W3PORT:-$((port + 1))}
channel="Tarnwell Lounge"

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool imagemagick)"; exit 1; }
done
[ -x "$build/src/tarnwell" ] || { echo "no client in $build/src/tarnwell: run ./run first"; exit 1; }

scratch=$(mktemp -d)
xvfb_pid= client_pid=
finish() {
  [ -z "$client_pid" ] || kill "$client_pid" 2>/dev/null || true
  "$kit/stop.sh" --port "$port" --data "$scratch/server" >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds=$1
  shift
  for ((tenth = 0; tenth < seconds * 10; ++tenth)); do
    "$@" && return 0
    sleep 0.1
  done
  echo "gave up waiting for: $*"
  return 1
}

"$kit/start.sh" --port "$port" --w3port "$w3port" --data "$scratch/server"

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 -u "$display_fd" display_number
export DISPLAY=:$display_number

# A portable copy with two profiles in one home channel; the server creates
# their accounts at the first logon.
mkdir -p "$scratch/app/Profiles/Aria" "$scratch/app/Profiles/Brann"
cp "$build/src/tarnwell" "$scratch/app/"
profile() { # name product
  printf '[Login]\r\nUsername=%s\r\nPassword=tarn%s1\r\nServer=127.0.0.1:%s\r\nProduct=%s\r\nVerbyte=D3\r\nHome=%s\r\n' \
    "$1" "$1" "$port" "$2" "$channel" >"$scratch/app/Profiles/$1/Config.ini"
  printf '[Options]\r\nJoin/Leave=1\r\n' >>"$scratch/app/Profiles/$1/Config.ini"
}
profile Aria RATS
profile Brann VD2D

HOME=$scratch/home QT_QPA_PLATFORM=xcb "$scratch/app/tarnwell" >"$scratch/client.log" 2>&1 &
client_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Tarnwell' | head -n 1)
xdotool windowmove "$window" 40 40 windowfocus --sync "$window"

in_channel() { [ "$(grep -c "joined channel \"$channel\"" "$scratch/server/bnetd.log")" -ge 2 ]; }
say() {
  xdotool type --delay 30 "$1"
  xdotool key Return
  sleep 1
}
xdotool key F1
wait_for 60 in_channel || { tail -n 20 "$scratch/server/bnetd.log"; exit 1; }
sleep 2
say "/p 2"
say "Evening, Aria. Both of us from one window."
say "/p 1"
say "Evening! The other profile keeps running behind this one."
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "saved $output"
