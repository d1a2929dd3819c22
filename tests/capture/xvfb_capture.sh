#!/usr/bin/env bash
# Drives the real program under Xvfb with openbox: arms each capture from
# the Image menu, presses Ctrl+F4 with xdotool while another window is in
# front, and checks the captured sizes the program logs through its
# PIXMOOR_CAPTURE_LOG test hook.
# Usage: xvfb_capture.sh <path of the pixmoor program>
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" --inside "$@"
fi
program=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PIXMOOR_CAPTURE_LOG=$work/captures.log QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

openbox --sm-disable &
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

xlogo -geometry 320x240+300+200 &
logo=$(xdotool search --sync --class xlogo | head -1)
"$program" &
main=$(xdotool search --sync --name '^Pixmoor$' | head -1)
sleep 2

# Arms the capture whose menu mnemonic is $1, then presses Ctrl+F4 with the
# logo window in front, and waits for capture number $2 in the log.
capture() {
  xdotool windowactivate --sync "$main"
  sleep 1
  xdotool key alt+m
  sleep 1
  xdotool key "$1"
  sleep 1.5
  xdotool key Return
  sleep 1.5
  xdotool windowactivate --sync "$logo"
  sleep 1
  xdotool key ctrl+F4
  for _ in $(seq 150); do
    [ "$(wc -l < "$PIXMOOR_CAPTURE_LOG" 2>/dev/null || echo 0)" -ge "$2" ] && break
    sleep 0.1
  done
  sed -n "${2}p" "$PIXMOOR_CAPTURE_LOG" 2>/dev/null
}

client_w=$(xwininfo -id "$logo" | awk '/Width:/ {print $2}')
client_h=$(xwininfo -id "$logo" | awk '/Height:/ {print $2}')
read -r left right top bottom < <(xprop -id "$logo" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
outer="$((client_w + left + right)) $((client_h + top + bottom))"

check() {
  local name=$1 got=$2 want=$3
  [ "$got" = "$want" ] || fail "$name capture: got '$got', want '$want'"
  echo "ok: $name capture $got"
}

check screen "$(capture r 1)" "1280 1024"
check window "$(capture w 2)" "$outer"
check client "$(capture l 3)" "$client_w $client_h"
check "second screen" "$(capture r 4)" "1280 1024"
echo "4 passed, 0 failed"
