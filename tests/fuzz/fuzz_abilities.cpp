// libFuzzer target: the abilities loader (data/abilities/).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzAbilities)
