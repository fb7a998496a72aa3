#!/usr/bin/env bash
# Runs an end-to-end script against the real program on its own X server, inside its own
# session bus with the accessibility bus started, as a screen reader would see it.
# Usage: run_e2e.sh SCRIPT.py PROGRAM OUTPUT_DIR [ARGS...]
set -euo pipefail
script=$1 program=$2 outdir=$3
shift 3
mkdir -p "$outdir"
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR

exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 30 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb  # the test presets set offscreen for the window tests

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  status=0
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$@" || status=$?
  kill "$launcher" 2>/dev/null || true
  exit "$status"
' e2e "$script" "$program" "$outdir" "$@"
