#!/usr/bin/env bash
# Prints the page's performance figures: module size, first-visit download, navigation until
# Results answers against a stubbed calculation, and designColumn in the browser against native.
# Builds the wasm preset (build/web/) and the release preset's calculation_bench first.
# Usage: bench/web/run_web_bench.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset wasm >/dev/null
cmake --build --preset wasm
cmake --preset release >/dev/null
cmake --build --preset release --target calculation_bench
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund
exec node bench/web/web_bench.mjs build/web build/release/bench/calculation_bench "$@"
