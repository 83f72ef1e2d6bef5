// libFuzzer target: the stadiums loader (data/stadiums/).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzStadiums)
