// libFuzzer target: the options file (config.xml) and its save.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzConfig)
