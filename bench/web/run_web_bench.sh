#!/usr/bin/env bash
# Prints the page's performance figures: module size, first-visit download, navigation until
# Results answers against a stubbed calculation, designColumn in the browser against native, and
# the schedule read from CSV files of 20 to 100,000 columns (schedule_bench.mjs).
# Builds the wasm preset (build/web/) and the release preset's calculation_bench first.
# Usage: bench/web/run_web_bench.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset wasm >/dev/null
cmake --build --preset wasm
cmake --preset release >/dev/null
cmake --build --preset release --target calculation_bench
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund
node bench/web/web_bench.mjs build/web build/release/bench/calculation_bench "$@"
exec node bench/web/schedule_bench.mjs build/web "$@"
