// Name-to-opcode conversion of the effect commands, done once when a data file is read.
#include "rules/CommandOpcodes.hpp"

#include <unordered_map>

int commandOpcodeFromName(const std::string& name) {
    // Every command element of every data file comes through here: one hashed look-up instead of a
    // comparison with each name. Built on first use; concurrent first uses are safe.
    static const std::unordered_map<std::string, int> opcodes = [] {
        std::unordered_map<std::string, int> table;
        for (int opcode = 0; opcode < COMMAND_OPCODE_COUNT; ++opcode)
            table.emplace(COMMAND_OPCODE_NAMES[opcode], opcode);
        return table;
    }();
    auto found = opcodes.find(name);
    return found == opcodes.end() ? -1 : found->second;
}

std::string commandOpcodeName(int opcode) {
    if (opcode < 0 || opcode >= COMMAND_OPCODE_COUNT) return std::string();
    return COMMAND_OPCODE_NAMES[opcode];
}
