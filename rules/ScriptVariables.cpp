// The variables of an action that effect scripts name without a scope.
#include "rules/ScriptVariables.hpp"

int scriptVariableFromName(std::string_view name) {
    for (int slot = 0; slot < SCRIPT_VARIABLE_COUNT; ++slot)
        if (SCRIPT_VARIABLE_NAMES[slot] == name) return slot;
    return NO_SCRIPT_VARIABLE;
}

int scriptTextVariableFromName(std::string_view name) {
    for (int slot = 0; slot < SCRIPT_TEXT_VARIABLE_COUNT; ++slot)
        if (SCRIPT_TEXT_VARIABLE_NAMES[slot] == name) return slot;
    return NO_SCRIPT_VARIABLE;
}

int creatureVariableFromName(std::string_view name) {
    for (int slot = 0; slot < CREATURE_VARIABLE_COUNT; ++slot)
        if (CREATURE_VARIABLE_NAMES[slot] == name) return slot;
    return NO_SCRIPT_VARIABLE;
}
