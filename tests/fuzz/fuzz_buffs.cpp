// libFuzzer target: the buffs loader (data/buffs/).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzBuffs)
