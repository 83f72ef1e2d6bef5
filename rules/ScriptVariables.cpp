// The variables of an action that effect scripts name without a scope, and those of a side's creature.
#include "rules/ScriptVariables.hpp"

namespace {
// The position of a name in a table of names, or NO_SCRIPT_VARIABLE.
template <int COUNT> int slotOfName(const std::string_view (&names)[COUNT], std::string_view name) {
    for (int slot = 0; slot < COUNT; ++slot)
        if (names[slot] == name) return slot;
    return NO_SCRIPT_VARIABLE;
}
} // namespace

int scriptVariableFromName(std::string_view name) { return slotOfName(SCRIPT_VARIABLE_NAMES, name); }

int scriptTextVariableFromName(std::string_view name) { return slotOfName(SCRIPT_TEXT_VARIABLE_NAMES, name); }

int creatureVariableFromName(std::string_view name) { return slotOfName(CREATURE_VARIABLE_NAMES, name); }
