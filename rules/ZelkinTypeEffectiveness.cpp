// One entry of a type's effectiveness list: the multiplier against one defending type, by name.
#include "rules/ZelkinTypeEffectiveness.hpp"
