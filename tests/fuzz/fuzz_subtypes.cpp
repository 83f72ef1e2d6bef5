// libFuzzer target: the subtypes loader (data/subtypes/).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzSubtypes)
