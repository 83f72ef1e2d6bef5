// One effect command as loaded from a data file: opcode, arguments, message and nested commands.
#include "rules/QXML_Command.hpp"

#include "rules/CommandOpcodes.hpp"
#include "rules/Platform.hpp"

QXML_Command::~QXML_Command() {
    if (!subCommands) return;
    for (QXML_Command* command : *subCommands)
        delete command;
    delete subCommands;
}

void QXML_Command::setTypeFromName(std::string_view elementName) {
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
    // An operand with no text is already as an empty text reads; most commands leave one out.
    if (!nameText.empty() || !nameOperand.isEmpty()) nameOperand = ScriptOperand(nameText);
    if (!valueText.empty() || !valueOperand.isEmpty()) valueOperand = ScriptOperand(valueText);
    chancePercent = chance.empty() ? 100 : clampedAtoi(chance);
    qualifierWord = qualifierWordOf(qualifier);
    // Only the commands that use them read these: every other command would pay for them at load.
    if (opcode == CMD_ADD_BUFF || opcode == CMD_ADD_STATUT || opcode == CMD_ADD_GLOBAL)
        qualifierNumber = qualifierNumberOf(qualifier);
    if (opcode == CMD_MODIFY_STAT) statStage = statStageOf(nameText);
}

int QXML_Command::qualifierNumberOf(const std::string& text) { return text.empty() ? 0 : clampedAtoi(text); }

int QXML_Command::statStageOf(std::string_view word) {
    static const std::string_view WORDS[] = {"att", "def", "spe_att", "spe_def", "vit", "crit", "eva", "pre"};
    for (int i = 0; i < 8; ++i) {
        if (word == WORDS[i]) return i;
    }
    return -1;
}

QualifierWord QXML_Command::qualifierWordOf(std::string_view text) {
    static const struct {
        std::string_view text;
        QualifierWord word;
    } WORDS[] = {
        {"up", QualifierWord::Up},
        {"down", QualifierWord::Down},
        {"it", QualifierWord::It},
        {"equal", QualifierWord::Equal},
        {"eq", QualifierWord::Eq},
        {"sup", QualifierWord::Sup},
        {"supequal", QualifierWord::SupEqual},
        {"inf", QualifierWord::Inf},
        {"infequal", QualifierWord::InfEqual},
        {"dif", QualifierWord::Dif},
        {"has", QualifierWord::Has},
        {"hasnt", QualifierWord::Hasnt},
        {"not", QualifierWord::Not},
    };
    // Most commands carry no qualifier.
    if (text.empty()) return QualifierWord::Other;
    for (const auto& entry : WORDS) {
        if (entry.text == text) return entry.word;
    }
    return QualifierWord::Other;
}
