// libFuzzer target: the commentator's phrase file (data/commentator.xml).
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzCommentator)
