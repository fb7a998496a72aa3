#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
coldesign_install "${COLDESIGN_RUN_PACKAGES[@]}"

cmake --preset release
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the program needs a desktop session (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  exit 1
fi
exec build/release/program/column-designer "$@"
