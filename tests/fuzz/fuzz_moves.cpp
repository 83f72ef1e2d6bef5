// libFuzzer target: the move loader (data/moves/), over a small set of types, subtypes, abilities and buffs.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzMoves)
