#!/usr/bin/env bash
# Drives the real program under Xvfb with openbox: opens the viewer on the
# first of three pictures and walks the list with Page Down and Page Up,
# sent by xdotool, checking the viewer's caption at each step.
# Usage: xvfb_viewerwalk.sh <path of the pixmoor program>
set -euo pipefail

source "$(dirname "$0")/../support/desktop.sh"
enter_private_desktop "$0" "$@"
mkdir -p "$XDG_CONFIG_HOME" "$work/pics"
export QT_QPA_PLATFORM=xcb
printf '[Main]\nHints=0\nSorted=1\n' > "$XDG_CONFIG_HOME/KVTL.conf"
gm convert -size 320x240 xc:red "$work/pics/a.bmp"
gm convert -size 200x100 xc:green "$work/pics/b.bmp"
gm convert -size 100x50 xc:blue "$work/pics/c.bmp"

fail() {
  echo "FAIL: $*" >&2
  echo "active window: $(xdotool getactivewindow getwindowname 2>/dev/null)" >&2
  tail -20 "$work/program.log" >&2
  exit 1
}
active_is() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
start_window_manager

# Started on a file: its folder, its type's filter, the file selected.
"$program" "$work/pics/a.bmp" 2> "$work/program.log" &
main=$(xdotool search --sync --onlyvisible --name '^Pixmoor$' | head -1)
xdotool windowactivate --sync "$main"
wait_until 100 active_is Pixmoor || fail "the main window did not come up"
# Image / View (Ctrl+V) once the list is built.
for _ in 1 2 3; do
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  xdotool key ctrl+v
  wait_until 50 active_is a.bmp && break
done
active_is a.bmp || fail "the viewer did not open on a.bmp"

step() {
  xdotool key "$1"
  wait_until 50 active_is "$2" || fail "$1 did not show $2"
  echo "$1: $2"
}
step Next b.bmp
step Next c.bmp
step Next c.bmp
step Prior b.bmp
step BackSpace a.bmp
step space b.bmp
echo "PASS"
