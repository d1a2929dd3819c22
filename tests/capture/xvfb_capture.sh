#!/usr/bin/env bash
# Drives the real program under Xvfb with openbox: arms each capture from
# the Image menu, presses Ctrl+F4 with xdotool while another window is in
# front, and checks the captured sizes the program logs through its
# PIXMOOR_CAPTURE_LOG test hook.
# Usage: xvfb_capture.sh <path of the pixmoor program>
set -euo pipefail

source "$(dirname "$0")/../support/desktop.sh"
enter_private_desktop "$0" "$@"
export PIXMOOR_CAPTURE_LOG=$work/captures.log QT_QPA_PLATFORM=xcb
export QT_LOGGING_RULES="pixmoor.hotkeys.debug=true;pixmoor.capture.debug=true"

fail() { echo "FAIL: $*" >&2; exit 1; }
start_window_manager

xlogo -geometry 320x240+300+200 &
logo=$(xdotool search --sync --class xlogo | head -1)
"$program" 2> "$work/program.log" &
main=$(xdotool search --sync --onlyvisible --name '^Pixmoor$' | head -1)

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
is_hidden() { xwininfo -id "$1" 2>/dev/null | grep -q IsUnMapped; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
information_box() { xdotool search --onlyvisible --name '^Information$' 2>/dev/null | head -1; }
has_information_box() { [ -n "$(information_box)" ]; }
log_lines() { if [ -f "$PIXMOOR_CAPTURE_LOG" ]; then wc -l < "$PIXMOOR_CAPTURE_LOG"; else echo 0; fi; }
has_log_line() { [ "$(log_lines)" -ge "$1" ]; }

describe_desktop() {
  echo "active window: $(xdotool getactivewindow getwindowname 2>/dev/null)" >&2
  for window in $(xdotool search --onlyvisible --class pixmoor 2>/dev/null); do
    echo "visible: $window $(xdotool getwindowname "$window")" >&2
  done
  echo "capture log:" >&2
  cat "$PIXMOOR_CAPTURE_LOG" >&2 2>/dev/null || true
  echo "program log:" >&2
  tail -30 "$work/program.log" >&2
}

activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  wait_until 50 is_active "$1"
}

# Chooses the Image menu item with mnemonic $1 and answers its prompt, so
# that the program hides waiting for the hot key. A key lost on a busy
# machine is pressed again, up to three times. The program must be back
# from the last capture first: only then does hiding mean it is armed.
arm() {
  wait_until 100 is_viewable "$main" || { describe_desktop; fail "the program did not come back"; }
  for _ in 1 2 3; do
    if activate "$main"; then
      xdotool key alt+m
      sleep 0.5
      xdotool key "$1"
      if wait_until 100 has_information_box; then
        activate "$(information_box)" && xdotool key Return
      else
        xdotool key Escape Escape
      fi
    fi
    wait_until 100 is_hidden "$main" && return 0
  done
  describe_desktop
  fail "the program did not hide for capture item '$1'"
}

# Arms the capture whose menu mnemonic is $1, then presses Ctrl+F4 with the
# logo window in front, and prints capture number $2 from the log.
capture() {
  arm "$1"
  activate "$logo" || { describe_desktop; fail "the logo window cannot be brought to the front"; }
  xdotool key ctrl+F4
  if ! wait_until 300 has_log_line "$2"; then
    describe_desktop
    fail "no capture $2 logged after Ctrl+F4"
  fi
  wait_until 100 is_active "$main" || true
  sed -n "${2}p" "$PIXMOOR_CAPTURE_LOG"
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
