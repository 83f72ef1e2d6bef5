// One effect command as loaded from a data file: opcode, arguments, message and nested commands.
#include "rules/QXML_Command.hpp"

#include "rules/CommandOpcodes.hpp"

QXML_Command::~QXML_Command() {
    if (!subCommands) return;
    for (QXML_Command* command : *subCommands)
        delete command;
    delete subCommands;
}

void QXML_Command::setTypeFromName(const std::string& elementName) {
    int found = commandOpcodeFromName(elementName);
    if (found >= 0) opcode = found;
}

void QXML_Command::addSubCommand(QXML_Command* command) {
    if (!command) return;
    if (!subCommands) subCommands = new std::vector<QXML_Command*>();
    subCommands->push_back(command);
}

QXML_Command* QXML_Command::getSubCommandAt(int position) const {
    if (!subCommands || position < 0 || position >= static_cast<int>(subCommands->size())) return nullptr;
    return (*subCommands)[position];
}

void QXML_Command::readOperands() {
    nameOperand = ScriptOperand(nameText);
    valueOperand = ScriptOperand(valueText);
}
