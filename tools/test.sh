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
# The threaded parts once more under the thread sanitizer: bot decisions, look-ahead copies on other
# threads, the per-thread lists, the loading progress.
cd ..
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_TSAN=ON -DQUORVEX_SCREEN=OFF \
  -DQUORVEX_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$jobs" --target quorvex_tests
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --output-on-failure -j "$jobs" \
  -R 'BotDecisionTest|BattleScenario|TeamBuilderProgress|BuffData|VariableTable|LookAhead')
# A few seconds of fuzzing per data reader (clang, libFuzzer, address and undefined-behaviour sanitizers).
bash tools/fuzz.sh
