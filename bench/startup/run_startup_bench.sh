#!/usr/bin/env bash
# Runs the start-up benchmark on a private Xvfb server: the program against an empty Qt
# window, both from a build folder (build/release unless given).
#   bench/startup/run_startup_bench.sh [BUILD_DIR] [--runs N]
# COLDESIGN_PROGRAM names another program to measure, e.g. the installed
# /usr/bin/column-designer.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/release
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build=$1
  shift
fi
program=${COLDESIGN_PROGRAM:-$build/program/column-designer}
for file in "$build/bench/startup/startup-bench" "$build/bench/startup/empty-window" "$program"; do
  [ -x "$file" ] || { echo "missing $file: build the release preset first" >&2; exit 1; }
done

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the file once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -m 700 "$scratch/runtime"
DISPLAY=:$(head -n1 "$scratch/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" \
  "$build/bench/startup/startup-bench" "$@" "$program" "$build/bench/startup/empty-window"
