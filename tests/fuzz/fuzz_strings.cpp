// libFuzzer target: the string table override (data/strings.xml).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzStrings)
