// libFuzzer target: the creature library loader (data/creatures/), over a small set of moves and abilities.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzCreatures)
