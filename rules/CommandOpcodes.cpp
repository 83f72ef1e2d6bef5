// Name-to-opcode conversion of the effect commands, done once when a data file is read.
#include "rules/CommandOpcodes.hpp"

#include "rules/NameIndex.hpp"

int commandOpcodeFromName(std::string_view name) {
    // Every command element of every data file comes through here: one hashed look-up instead of a
    // comparison with each name. The index points at the name's row, whose position is the opcode. Built on
    // first use; concurrent first uses are safe.
    static const NameIndex<const char* const> opcodes = [] {
        NameIndex<const char* const> table;
        for (const char* const& row : COMMAND_OPCODE_NAMES)
            table.add(row, &row);
        return table;
    }();
    const char* const* found = opcodes.find(name);
    return found ? static_cast<int>(found - COMMAND_OPCODE_NAMES) : -1;
}

std::string commandOpcodeName(int opcode) {
    if (opcode < 0 || opcode >= COMMAND_OPCODE_COUNT) return std::string();
    return COMMAND_OPCODE_NAMES[opcode];
}
