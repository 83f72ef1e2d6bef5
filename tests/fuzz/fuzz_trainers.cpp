// libFuzzer target: the trainers loader (data/trainers.xml) and the random trainer pick.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzTrainers)
