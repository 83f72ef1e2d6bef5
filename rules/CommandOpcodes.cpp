// Name-to-opcode conversion of the effect commands, done once when a data file is read.
#include "rules/CommandOpcodes.hpp"

int commandOpcodeFromName(const std::string& name) {
    for (int opcode = 0; opcode < COMMAND_OPCODE_COUNT; ++opcode)
        if (name == COMMAND_OPCODE_NAMES[opcode]) return opcode;
    return -1;
}

std::string commandOpcodeName(int opcode) {
    if (opcode < 0 || opcode >= COMMAND_OPCODE_COUNT) return std::string();
    return COMMAND_OPCODE_NAMES[opcode];
}
