#!/usr/bin/env bash
# Runs clang-format and clang-tidy over the program's sources with the checks of .clang-tidy (a
# few minutes: the Qt headers are large). Uses the dev build's compile commands, and the wasm
# build's for the page's modules (web/*.cpp), which only that build compiles.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
coldesign_install "${COLDESIGN_RUN_PACKAGES[@]}" "${COLDESIGN_WEB_PACKAGES[@]}" clang-format \
  clang-tidy-16

cmake --preset dev >/dev/null
cmake --build --preset dev
cmake --preset wasm >/dev/null
# clang 16 spells the standard c++2b, and takes libstdc++'s std::expected only when it is
# told that C++20 concepts are complete.
commands=$(mktemp -d)
trap 'rm -rf "$commands"' EXIT
printf '#undef __cpp_concepts\n#define __cpp_concepts 202002L\n' >"$commands/concepts.h"
sed "s|-std=c++23|-std=c++2b -include $commands/concepts.h|" \
  build/dev/compile_commands.json >"$commands/compile_commands.json"
folders=(calculation resources skin sheet dxf translations output program windows cli)
mapfile -t sources < <(git ls-files -- "${folders[@]/%//*.cpp}")
mapfile -t web_sources < <(git ls-files -- 'web/*.cpp')
mapfile -t headers < <(git ls-files -- "${folders[@]/%//*.h}" 'web/*.h')
clang-format --dry-run --Werror "${sources[@]}" "${web_sources[@]}" "${headers[@]}"
clang-tidy-16 -p "$commands" --quiet --warnings-as-errors='*' "${sources[@]}"
clang-tidy-16 -p build/wasm --quiet --warnings-as-errors='*' "${web_sources[@]}"
