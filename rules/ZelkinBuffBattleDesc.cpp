// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#include "rules/ZelkinBuffBattleDesc.hpp"
