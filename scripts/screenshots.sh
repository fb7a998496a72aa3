#!/usr/bin/env bash
# Regenerates docs/screenshots/ from the real program on its own X server: the design window
# empty and with a result, the notes window, the exit confirmation, the context menu and the
# calculation sheet saved from it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
coldesign_install "${COLDESIGN_RUN_PACKAGES[@]}" "${COLDESIGN_TEST_PACKAGES[@]}"

cmake --preset release
cmake --build --preset release
tests/e2e/run_e2e.sh tests/e2e/whole_road.py build/release/program/column-designer \
  docs/screenshots 1
tests/e2e/run_e2e.sh tests/e2e/save_sheet.py build/release/program/column-designer \
  docs/screenshots
echo "Screenshots written to docs/screenshots/"

# The page, on a phone and on a desktop, from headless Chromium.
coldesign_install "${COLDESIGN_WEB_PACKAGES[@]}" "${COLDESIGN_WEB_TEST_PACKAGES[@]}"
coldesign_install_node
npm ci --no-audit --no-fund
cmake --preset wasm
cmake --build --preset wasm
node tests/web/screenshots.mjs build/web docs/screenshots
echo "Page screenshots written to docs/screenshots/"
