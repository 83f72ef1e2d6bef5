// libFuzzer target: the effect-command tree parser on its own.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzEffect)
