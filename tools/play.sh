#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the game from the repository root.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUORVEX_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/quorvex ]; then
  exec build/quorvex
fi
echo "The game window is not built yet; checking the shipped data instead."
if [ -x build/quorvex_datacheck ]; then
  exec build/quorvex_datacheck
fi
