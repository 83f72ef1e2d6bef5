// One effect command as loaded from a data file: opcode, arguments, message and nested commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/ScriptMessage.hpp"
#include "rules/ScriptOperand.hpp"

// The words a qualifier compares or rounds by; Other for any other text (the empty one included).
enum class QualifierWord {
    Other,
    Up,
    Down,
    It,
    Equal,
    Eq,
    Sup,
    SupEqual,
    Inf,
    InfEqual,
    Dif,
    Has,
    Hasnt,
    Not
};

class QXML_Command {
public:
    QXML_Command() = default;
    // A command owns its sub-commands and deletes the whole tree below it.
    virtual ~QXML_Command();
    QXML_Command(const QXML_Command&) = delete;
    QXML_Command& operator=(const QXML_Command&) = delete;

    // Sets the opcode from an element name; a name that is no command leaves the opcode as it is.
    void setTypeFromName(std::string_view elementName);
    void setRound(const std::string& text) {
        qualifier = text;
        qualifierWord = qualifierWordOf(text);
        qualifierNumber = qualifierNumberOf(text);
    }

    int getOpcode() const { return opcode; }
    const std::string& getNameText() const { return nameText; }
    const std::string& getValue() const { return valueText; }
    // The qualifier attribute: round, duration, comparator or tag, depending on the opcode.
    const std::string& getRound() const { return qualifier; }
    // The message: the text written inside the command's element.
    const std::string& getExtraText() const { return message.text(); }
    int getTarget() const { return target; }
    const std::string& getChance() const { return chance; }
    const std::string& getReason() const { return reason; }
    // Null while the command has no sub-command.
    std::vector<QXML_Command*>* getSubCommands() const { return subCommands; }
    // Appends a sub-command, taking ownership of it; a null command is ignored.
    void addSubCommand(QXML_Command* command);
    int countSubCommands() const { return subCommands ? static_cast<int>(subCommands->size()) : 0; }
    // The sub-command at a position, or null outside the list.
    QXML_Command* getSubCommandAt(int position) const;
    // Splits nameText and valueText into nameOperand and valueOperand, and reads the chance and the
    // qualifier word; the reader calls it once it has read the attributes.
    void readOperands();
    // The word of a qualifier text (exact, case included).
    static QualifierWord qualifierWordOf(std::string_view text);
    // The leading integer of a qualifier text, 0 when it is empty.
    static int qualifierNumberOf(const std::string& text);
    // The stat stage a ModifyStat name stands for, or -1. Note "vit" (not "speed") names the speed stage.
    static int statStageOf(std::string_view word);

    // Read directly by the engine.
    int opcode = 0;
    std::string nameText;
    std::string valueText;
    // The name as a stat stage, read with the operands of a ModifyStat.
    int statStage = -1;
    ScriptOperand nameOperand;
    ScriptOperand valueOperand;
    // -1 when the element has no usable "target" attribute, 0 for "source", 1 for "target".
    int target = -1;
    // A percentage as written; empty means always.
    std::string chance;
    // The chance as a number (100 when empty), read with the operands.
    int chancePercent = 100;
    std::string qualifier;
    // The qualifier as a word, read with the operands; as a number (a buff's duration), read with those of
    // the commands that add a buff.
    QualifierWord qualifierWord = QualifierWord::Other;
    int qualifierNumber = 0;
    std::string reason;
    ScriptMessage message;
    std::vector<QXML_Command*>* subCommands = nullptr;
};
