#!/usr/bin/env bash
# Installs what is missing, builds with the address and undefined-behaviour sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_SANITIZE=ON -DQUORVEX_BENCH=OFF >/dev/null
cmake --build build-test -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j "$jobs"
# A few seconds of fuzzing per data reader (clang, libFuzzer, address and undefined-behaviour sanitizers).
cd ..
bash tools/fuzz.sh
