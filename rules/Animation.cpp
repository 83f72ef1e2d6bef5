// A reference from a type, buff, ability or species to a particle effect of the window.
#include "rules/Animation.hpp"
