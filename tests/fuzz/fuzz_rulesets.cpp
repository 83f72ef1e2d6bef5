// libFuzzer target: the rulesets loader (data/rulesets/) and the allowed pool it builds.
#include "tests/fuzz/FuzzHarness.hpp"

QUORVEX_FUZZ_TARGET(fuzzRulesets)
