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
# The graphics driver keeps some allocations for the life of the process; they are not ours.
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
cd build-test
# Window tests need a display: a virtual one when none is there.
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x720x24" ctest --output-on-failure -j "$jobs"
else
  ctest --output-on-failure -j "$jobs"
fi
# A few seconds of fuzzing per data reader (clang, libFuzzer, address and undefined-behaviour sanitizers).
cd ..
bash tools/fuzz.sh
