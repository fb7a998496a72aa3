#!/usr/bin/env bash
# Runs clang-tidy over the program's sources with the checks of .clang-tidy (a few minutes:
# the Qt headers are large). Uses the dev build's compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
coldesign_install "${COLDESIGN_RUN_PACKAGES[@]}" clang-tidy-16

cmake --preset dev >/dev/null
cmake --build --preset dev
# clang 16 spells the standard c++2b, and takes libstdc++'s std::expected only when it is
# told that C++20 concepts are complete.
commands=$(mktemp -d)
trap 'rm -rf "$commands"' EXIT
printf '#undef __cpp_concepts\n#define __cpp_concepts 202002L\n' >"$commands/concepts.h"
sed "s|-std=c++23|-std=c++2b -include $commands/concepts.h|" \
  build/dev/compile_commands.json >"$commands/compile_commands.json"
mapfile -t sources < <(git ls-files -- 'calculation/*.cpp' 'resources/*.cpp' 'skin/*.cpp' 'sheet/*.cpp' 'dxf/*.cpp' \
  'translations/*.cpp' 'output/*.cpp' 'program/*.cpp' 'windows/*.cpp')
clang-tidy-16 -p "$commands" --quiet --warnings-as-errors='*' "${sources[@]}"
