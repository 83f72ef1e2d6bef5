// The variables of an action that effect scripts name without a scope, and those of a side's creature.
#include "rules/ScriptVariables.hpp"

#include "rules/NameIndex.hpp"

namespace {
// Every variable operand of every effect comes through here when effects are read: one hashed look-up
// instead of a comparison with each name. The index points at the name's row, whose position is the slot.
template <int COUNT> NameIndex<const std::string_view> indexOf(const std::string_view (&names)[COUNT]) {
    NameIndex<const std::string_view> index;
    for (const std::string_view& row : names)
        index.add(row, &row);
    return index;
}

// The position of a name in a table of names, or NO_SCRIPT_VARIABLE.
template <int COUNT>
int slotIn(const NameIndex<const std::string_view>& index, const std::string_view (&names)[COUNT],
           std::string_view name) {
    const std::string_view* found = index.find(name);
    return found ? static_cast<int>(found - names) : NO_SCRIPT_VARIABLE;
}
} // namespace

// Each index is built on first use; concurrent first uses are safe.
int scriptVariableFromName(std::string_view name) {
    static const NameIndex<const std::string_view> index = indexOf(SCRIPT_VARIABLE_NAMES);
    return slotIn(index, SCRIPT_VARIABLE_NAMES, name);
}

int scriptTextVariableFromName(std::string_view name) {
    static const NameIndex<const std::string_view> index = indexOf(SCRIPT_TEXT_VARIABLE_NAMES);
    return slotIn(index, SCRIPT_TEXT_VARIABLE_NAMES, name);
}

int creatureVariableFromName(std::string_view name) {
    static const NameIndex<const std::string_view> index = indexOf(CREATURE_VARIABLE_NAMES);
    return slotIn(index, CREATURE_VARIABLE_NAMES, name);
}
