#!/usr/bin/env bash
# Runs an end-to-end script against the real program on its own X server, inside its own
# session bus with the accessibility bus started, as a screen reader would see it.
# With COLDESIGN_E2E_PLATFORM=wayland the program runs under a weston of its own instead, which
# draws into a window of that X server and takes the keys typed into it.
# Usage: run_e2e.sh SCRIPT.py PROGRAM OUTPUT_DIR [ARGS...]
set -euo pipefail
script=$1 program=$2 outdir=$3
shift 3
platform=${COLDESIGN_E2E_PLATFORM:-xcb}
mkdir -p "$outdir"
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
# Settings of its own: the user's choice of language, say, is not the test's.
export XDG_CONFIG_HOME="$XDG_RUNTIME_DIR/config"

exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
weston_pid=
cleanup() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
read -r -t 30 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

if [ "$platform" = wayland ]; then
  # The X11 backend gives weston a seat with a keyboard and a pointer; the headless one has none.
  weston --backend=x11-backend.so --socket=coldesign-e2e --width=1024 --height=768 \
    --config="$(cd "$(dirname "$0")" && pwd)/weston.ini" --log="$outdir/weston.log" &
  weston_pid=$!
  for _ in $(seq 300); do
    [ -S "$XDG_RUNTIME_DIR/coldesign-e2e" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$outdir/weston.log" >&2; exit 1; }
    sleep 0.1
  done
  [ -S "$XDG_RUNTIME_DIR/coldesign-e2e" ] || { echo "weston did not start" >&2; exit 1; }
  export WAYLAND_DISPLAY=coldesign-e2e
fi
export QT_QPA_PLATFORM=$platform  # the test presets set offscreen for the window tests

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  status=0
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$@" || status=$?
  kill "$launcher" 2>/dev/null || true
  exit "$status"
' e2e "$script" "$program" "$outdir" "$@"
