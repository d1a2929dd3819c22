# Shared by the tests that drive the real program under Xvfb: sourced after
# the script has moved HOME and the XDG folders into its own work folder.

# Starts openbox and waits until it manages the screen.
start_window_manager() {
  openbox --sm-disable &
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && return 0
    sleep 0.1
  done
  return 1
}

# Runs "$@" every tenth of a second until it succeeds, at most $1 times.
# Each step waits for what it needs instead of sleeping a fixed time: the
# test shares the machine with other tests and may be slow to get answers.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
