#!/usr/bin/env bash
# The program's windows under a real window manager (openbox in Xvfb),
# driven by xdotool: where they open, which one is on top and active, and
# whether they answer the pointer.
# Usage: xvfb_desktop.sh <path of the pixmoor program>
set -euo pipefail

source "$(dirname "$0")/../support/desktop.sh"
enter_private_desktop "$0" "$@"
mkdir -p "$XDG_CONFIG_HOME" "$work/pics" "$work/sane"
# SANE's test backend stands in for a scanner.
printf 'test\n' > "$work/sane/dll.conf"
printf 'number_of_devices 1\nmode Color\nresolution 75.0\ntest-picture "Color pattern"\n' > "$work/sane/test.conf"
export SANE_CONFIG_DIR=$work/sane
picture_colour='#3366cc'
convert -size 320x240 "xc:$picture_colour" "$work/pics/blue.bmp"
printf '[Main]\nDirectory=%s\nHints=0\n' "$work/pics" > "$XDG_CONFIG_HOME/KVTL.conf"

fail() { echo "FAIL: $*" >&2; describe_desktop; exit 1; }
trap 'echo "FAIL: command failed at line $LINENO" >&2' ERR
pass() { echo "ok: $*"; }

describe_desktop() {
  echo "active window: $(xdotool getactivewindow getwindowname 2>/dev/null)" >&2
  echo "stacking, bottom to top:" >&2
  for window in $(stacking); do echo "  $window $(xdotool getwindowname "$window")" >&2; done
  tail -20 "$work/program.log" >&2 || true
}

stacking() { for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do echo $((w)); done; }
top_window() { stacking | tail -1; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
is_on_top() { [ "$(top_window)" = "$1" ]; }
# True when window $1 lies above window $2 in the stacking order.
is_above() { stacking | awk -v a="$1" -v b="$2" '$1 == b {seen = 1} $1 == a && seen {found = 1} END {exit !found}'; }
window_named() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
shown_named() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
geometry() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)='; }
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || true; wait_until 50 is_active "$1"; }
# Closes a window as its close button does (destroying it behind the
# program's back would leave the program unable to show it again).
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
close_window() { activate "$1" && xdotool key alt+F4; wait_until 50 eval "! is_viewable $1"; }
menu_item() { activate "$1"; xdotool key "$2"; sleep 0.4; xdotool key "$3"; }
# A window's centre once its geometry has stopped changing: a window may
# be placed and then resized to its contents.
centre() {
  local previous="" now
  for _ in $(seq 30); do
    now=$(geometry "$1" | tr '\n' ' ')
    [ "$now" = "$previous" ] && break
    previous=$now
    sleep 0.2
  done
  eval "$now"
  echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}
# True when the centres $1,$2 and $3,$4 lie within 30 pixels of each other
# (one window may have the window manager's frame, the other its own bar).
near() { local dx=$(($1 - $3)) dy=$(($2 - $4)); [ ${dx#-} -le 30 ] && [ ${dy#-} -le 30 ]; }

start_window_manager 2>/dev/null || fail "no window manager"
"$program" "$work/pics/blue.bmp" 2> "$work/program.log" &
main=$(window_named '^Pixmoor$')
activate "$main" || fail "the main window never became active"

# The viewer opens in the middle of the screen and shows the whole picture.
xdotool key ctrl+v
viewer=$(window_named '^blue.bmp$')
wait_until 50 is_active "$viewer" || fail "the viewer is not active"
read -r centre_x centre_y < <(centre "$viewer")
[ $((centre_x - 640)) -ge -2 ] && [ $((centre_x - 640)) -le 2 ] && [ $((centre_y - 512)) -ge -2 ] \
  && [ $((centre_y - 512)) -le 2 ] || fail "the viewer's centre is at $centre_x,$centre_y"
eval "$(geometry "$viewer")"
pass "the viewer opens centred ($WIDTH x $HEIGHT at $X,$Y)"
import -window "$viewer" "$work/viewer.png"
shown=$(convert "$work/viewer.png" -fill black +opaque "$picture_colour" -fill white -opaque "$picture_colour" \
          -format '%[fx:round(mean*w*h)]' info:)
[ "$shown" = 76800 ] || fail "the viewer shows $shown of the picture's 76800 pixels"
pass "the viewer shows the 320 x 240 picture whole"
xdotool key Escape
wait_until 50 is_active "$main" || activate "$main"

# A short click on the caption (at once, or 5 ms, as a tap gives) does not
# leave the window on the pointer; a drag moves it.
caption_click() {
  eval "$(geometry "$main")"
  local before="$X,$Y"
  xdotool mousemove $((X + 200)) $((Y + 10)) mousedown 1 sleep "$1" mouseup 1
  sleep 0.3
  xdotool mousemove $((X + 300)) $((Y + 200))
  sleep 0.3
  xdotool mousemove $((X + 350)) $((Y + 250))
  sleep 0.5
  eval "$(geometry "$main")"
  [ "$X,$Y" = "$before" ] || fail "a caption click of $1 s moved the window from $before to $X,$Y"
}
caption_click 0
caption_click 0.005
pass "a 5-ms or shorter caption click starts no move"
eval "$(geometry "$main")"
before_x=$X before_y=$Y
xdotool mousemove $((X + 200)) $((Y + 10)) mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $((X + 200 + 4 * step)) $((Y + 10 + 3 * step)); sleep 0.05; done
xdotool mouseup 1
moved() { eval "$(geometry "$main")"; [ "$X" -gt "$before_x" ] && [ "$Y" -gt "$before_y" ]; }
wait_until 30 moved || fail "dragging the caption did not move the window"
pass "dragging the caption moves the window"

# F1 in the About box brings the help viewer up, active and on top, and
# it answers a click on its Index tab while the box stays open.
menu_item "$main" alt+h a
about=$(window_named '^About$')
activate "$about" || fail "the about box is not active"
xdotool key F1
help=$(window_named '^Pixmoor Help$')
wait_until 50 is_active "$help" || fail "the help viewer is not active"
wait_until 50 is_on_top "$help" || fail "the help viewer is not on top"
shown_named '^About$' || fail "the about box closed"
pass "F1 in the About box gives an active help viewer on top"
sleep 0.5
about_centre=$(centre "$about")
help_centre=$(centre "$help")
near $about_centre $help_centre || fail "the help viewer's centre $help_centre is not over the About box's $about_centre"
pass "the help viewer opens centred over the About box"
import -window "$help" "$work/help-before.png"
eval "$(geometry "$help")"
# The Index tab sits beside Contents at the top left of the side panel.
xdotool mousemove $((X + 90)) $((Y + 70)) click 1
sleep 0.5
import -window "$help" "$work/help-after.png"
changed=$(compare -metric AE "$work/help-before.png" "$work/help-after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 100 ] || fail "the help viewer did not answer the click (changed pixels: $changed)"
pass "the help viewer answers a click while the about box is open"
close_window "$help" || fail "the help viewer does not close"
activate "$about" && xdotool key Escape
wait_until 50 eval '! shown_named "^About$"' || fail "the about box does not close"

# Print Options opens centred over the main window at every showing.
for showing in 1 2 3; do
  activate "$main"
  xdotool key ctrl+p
  printer=$(window_named '^Print$')
  activate "$printer" && xdotool key Return
  options=$(window_named '^Print Options$')
  near $(centre "$main") $(centre "$options") || fail "Print Options showing $showing is centred at $(centre "$options")"
  activate "$options" && xdotool key Escape
  wait_until 50 eval '! shown_named "^Print Options$"' || fail "Print Options does not close"
done
pass "Print Options opens centred over the main window at each of 3 showings"

# Coming back from a screen capture moves no window.
main_before=$(centre "$main")
menu_item "$main" alt+m r
box=$(window_named '^Information$')
activate "$box" && xdotool key Return
wait_until 100 eval '! is_viewable "$main"' || fail "the program did not hide for the capture"
xdotool key ctrl+F4
capture=$(window_named '^Screen Capture$')
wait_until 50 is_viewable "$main" || fail "the main window did not come back"
[ "$(centre "$main")" = "$main_before" ] || fail "the main window came back at $(centre "$main"), was at $main_before"
wait_until 50 is_above "$capture" "$main" || fail "the main window covers the captured picture"
pass "coming back from a capture moves no window; the capture shows above the main window"
close_window "$capture" || fail "the capture's window does not close"

# The scan window stays above the main window after Acquire and while its
# Save dialog is open.
menu_item "$main" alt+m a
options=$(window_named '^test:0$')
activate "$options" && xdotool key Return
scan=$(window_named '^Scan Image$')
wait_until 100 eval '! shown_named "^test:0$"' || fail "the scan did not end"
wait_until 50 is_above "$scan" "$main" || fail "the main window covers the scan window after Acquire"
pass "the scan window stays above the main window after Acquire"
menu_item "$scan" alt+f a
save=$(window_named '^Save Image$')
wait_until 50 is_above "$save" "$scan" || fail "the save dialog is not above the scan window"
is_above "$scan" "$main" || fail "the main window covers the scan window while it saves"
pass "the scan window stays above the main window while its Save dialog is open"
activate "$save" && xdotool key Escape
wait_until 50 eval '! shown_named "^Save Image$"' || fail "the save dialog does not close"
close_window "$scan" || fail "the scan window does not close"

# The search window stays above the main window after its Rename dialog.
menu_item "$main" alt+f e
search=$(window_named '^Search$')
activate "$search"
xdotool key alt+t Down alt+e
sleep 1
eval "$(geometry "$search")"
xdotool mousemove $((X + 60)) $((Y + 180)) click 1
sleep 0.3
xdotool key ctrl+r
rename=$(window_named '^Rename File$')
activate "$rename" && xdotool key Escape
wait_until 50 eval '! shown_named "^Rename File$"' || fail "the rename dialog does not close"
wait_until 50 is_active "$search" || fail "the search window is not active after its Rename dialog"
is_above "$search" "$main" || fail "the main window covers the search window after its Rename dialog"
pass "the search window stays above the main window after its Rename dialog"

# A question the search window asks is centred over it.
xdotool key Delete
confirm=$(window_named '^Confirm$')
near $(centre "$search") $(centre "$confirm") || fail "the confirmation is centred at $(centre "$confirm"), the search window at $(centre "$search")"
activate "$confirm" && xdotool key Escape
wait_until 50 eval '! shown_named "^Confirm$"' || fail "the confirmation does not close"
pass "a confirmation from the search window opens centred over it"
echo "12 passed, 0 failed"
