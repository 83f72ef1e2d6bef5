// libFuzzer target: the types loader (data/types/).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzTypes)
