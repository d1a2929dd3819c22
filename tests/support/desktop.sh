# Shared by the tests that drive the real program under Xvfb.

# Runs the calling script again inside an X server of its own, unless it is
# there already; then sets program (its first argument) and work, a private
# folder removed on exit, and moves HOME, the runtime and the XDG folders
# into it. Call as: enter_private_desktop "$0" "$@"
enter_private_desktop() {
  local script=$1
  shift
  if [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$script" --inside "$@"
  fi
  program=$2
  work=$(mktemp -d)
  trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
  export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
  export QT_QPA_PLATFORM=xcb
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$XDG_CONFIG_HOME"
}

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
