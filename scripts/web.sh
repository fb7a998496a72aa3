#!/usr/bin/env bash
# Installs what is missing, builds the calculation for WebAssembly, assembles the page in
# build/web/ and serves it at http://127.0.0.1:${PORT:-8080}/ until stopped (Ctrl+C), with the
# headers the README asks of any host (scripts/serve_web.py).
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/deps.sh
source scripts/deps.sh
coldesign_install "${COLDESIGN_WEB_PACKAGES[@]}"

cmake --preset wasm
cmake --build --preset wasm

port=${PORT:-8080}
echo "Column Designer: http://127.0.0.1:${port}/ (Ctrl+C stops the server)"
exec python3 scripts/serve_web.py build/web "$port"
