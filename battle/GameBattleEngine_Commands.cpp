// The effect-command executor: the common frame of every command, messages, and the script-value commands.
#include <cmath>
#include <string_view>

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/QX_Variable.hpp"
#include "battle/VariableTable.hpp"
#include "rules/CommandOpcodes.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ScriptMessage.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinTeam.hpp"

// Indexed by opcode; every opcode of the data files has exactly one entry here.
const GameBattleEngine::CommandHandler GameBattleEngine::COMMAND_TABLE[] = {
    &GameBattleEngine::cmdNoBody,             // 0 DisplayMessage
    &GameBattleEngine::cmdNoBody,             // 1 SubEffect
    &GameBattleEngine::cmdSetVariable,        // 2 SetVariable
    &GameBattleEngine::cmdAddBuff,            // 3 AddBuff
    &GameBattleEngine::cmdRemoveBuff,         // 4 RemoveBuff
    &GameBattleEngine::cmdAddStatut,          // 5 AddStatut
    &GameBattleEngine::cmdRemoveStatut,       // 6 RemoveStatut
    &GameBattleEngine::cmdModifyStat,         // 7 ModifyStat
    &GameBattleEngine::cmdAdditionVariable,   // 8 AdditionVariable
    &GameBattleEngine::cmdSubstractVariable,  // 9 SubstractVariable
    &GameBattleEngine::cmdMultiplyVariable,   // 10 MultiplyVariable
    &GameBattleEngine::cmdDivideVariable,     // 11 DivideVariable
    &GameBattleEngine::cmdNumberCompare,      // 12 NumberCompare
    &GameBattleEngine::cmdStringCompare,      // 13 StringCompare
    &GameBattleEngine::cmdEndEffect,          // 14 EndEffect
    &GameBattleEngine::cmdDamage,             // 15 Damage
    &GameBattleEngine::cmdHeal,               // 16 Heal
    &GameBattleEngine::cmdAddEvent,           // 17 AddEvent
    &GameBattleEngine::cmdDie,                // 18 Die
    &GameBattleEngine::cmdCancel,             // 19 Cancel
    &GameBattleEngine::cmdAddGlobal,          // 20 AddGlobal
    &GameBattleEngine::cmdRemoveGlobal,       // 21 RemoveGlobal
    &GameBattleEngine::cmdEffectivenessCheck, // 22 EffectivenessCheck
    &GameBattleEngine::cmdImmunityCheck,      // 23 ImmunityCheck
    &GameBattleEngine::cmdForceChange,        // 24 ForceChange
    &GameBattleEngine::cmdPrepareChange,      // 25 PrepareChange
    &GameBattleEngine::cmdAddType,            // 26 AddType
    &GameBattleEngine::cmdRemoveType,         // 27 RemoveType
    &GameBattleEngine::cmdChangeType,         // 28 ChangeType
    &GameBattleEngine::cmdChangeAbility,      // 29 ChangeAbility
    &GameBattleEngine::cmdQuickMove,          // 30 QuickMove
    &GameBattleEngine::cmdDropActualMove,     // 31 DropActualMove
    &GameBattleEngine::cmdNoBody,             // 32 SetPowerSwitch: shows its message or runs its sub-commands
    &GameBattleEngine::cmdModuloVariable,     // 33 ModuloVariable
    &GameBattleEngine::cmdLockMove,           // 34 LockMove
    &GameBattleEngine::cmdSelfAnim,           // 35 SelfAnim
};

namespace {
// False for the opcodes whose entry in COMMAND_TABLE is cmdNoBody, and for any opcode outside the table.
bool hasBody(int opcode) {
    return opcode >= 0 && opcode < COMMAND_OPCODE_COUNT && opcode != CMD_DISPLAY_MESSAGE &&
           opcode != CMD_SUB_EFFECT && opcode != CMD_SET_POWER_SWITCH;
}
} // namespace

void GameBattleEngine::runCommand(int sourceSide, int targetSide, QXML_Command* command) {
    keepExecuting = true;
    restoreScriptHandlers();
    executeCommand(sourceSide, targetSide, command);
}

void GameBattleEngine::executeCommand(int sourceSide, int targetSide, QXML_Command* command) {
    static_assert(sizeof(COMMAND_TABLE) / sizeof(COMMAND_TABLE[0]) == COMMAND_OPCODE_COUNT,
                  "one handler per opcode");
    if (!command) return;

    const int chance = command->chancePercent;
    if (!command->reason.empty()) variables->setReason(command->reason);
    if (chance < 100) {
        // A chance of N runs on rolls 0 to N: N + 1 chances in 100, so even 0 sometimes runs.
        PseudoRNG rng;
        if (rng.random(100) > chance) return;
    }

    // A message or a group of sub-commands has no body to run: it goes straight on to what it holds.
    const int opcode = command->opcode;
    if (hasBody(opcode)) {
        CommandContext context;
        context.source = sourceSide;
        context.target = targetSide;
        context.subject = command->target == 1 ? targetSide : sourceSide;
        context.command = command;
        context.sourceTeam = field ? field->getTeamChecked(sourceSide) : nullptr;
        context.subjectTeam = field ? field->getTeamChecked(context.subject) : nullptr;
        if ((this->*COMMAND_TABLE[opcode])(context) != CommandOutcome::Succeeded) return;
    }

    std::vector<QXML_Command*>* subCommands = command->subCommands;
    if (!subCommands) {
        if (!command->message.empty()) writeMessage(command->message, sourceSide);
        return;
    }
    // Indexes rather than iterators: a command never changes the loaded tree, but this costs nothing.
    for (size_t i = 0; i < subCommands->size(); ++i) {
        if (!keepExecuting) break;
        executeCommand(sourceSide, targetSide, (*subCommands)[i]);
    }
}

void GameBattleEngine::writeLog(const std::string& message, int side) {
    logged = true;
    if (simulation) return;
    appendFormatted(logText, message, side);
    logText += '\n';
}

std::string GameBattleEngine::formatMessage(const std::string& message, int side) {
    // The buff countdowns ask for an empty message after every tick.
    if (message.empty()) return std::string();
    std::string text;
    appendFormatted(text, message, side);
    return text;
}

namespace {
// Writes a text onto the end of out, each of its bracketed words, given in order, replaced by the name it
// stands for: the active creature or the owner of the side's team or of the other.
class NamedText {
public:
    NamedText(std::string& out, std::string_view text, GameField* field, int side)
        : out(out), text(text), team(field ? field->getTeamChecked(side) : nullptr),
          otherTeam(field ? field->getTeamChecked(GameBattleEngine::opponentSide(side)) : nullptr) {}
    void operator()(const ScriptMessage::Word& word) {
        out.append(text.data() + position, word.open - position);
        out += nameFor(word.name);
        position = word.end;
    }
    void finish() {
        if (position < text.size()) out.append(text.data() + position, text.size() - position);
    }

private:
    const std::string& nameFor(ScriptMessage::Name name) const {
        static const std::string none;
        switch (name) {
        case ScriptMessage::Name::SourceCreature:
            return GameBattleEngine::creatureName(team ? team->getActive() : nullptr);
        case ScriptMessage::Name::TargetCreature:
            return GameBattleEngine::creatureName(otherTeam ? otherTeam->getActive() : nullptr);
        case ScriptMessage::Name::SourceOwner:
            return team ? team->getOwnerName() : none;
        case ScriptMessage::Name::TargetOwner:
            return otherTeam ? otherTeam->getOwnerName() : none;
        default:
            return none;
        }
    }

    std::string& out;
    std::string_view text;
    ZelkinTeam* team;
    ZelkinTeam* otherTeam;
    size_t position = 0;
};
} // namespace

void GameBattleEngine::appendFormatted(std::string& out, const std::string& message, int side) {
    if (message.find('[') == std::string::npos) {
        out += message;
        return;
    }
    // Every bracketed word is replaced (an unknown one by nothing); the replacements are never read again.
    NamedText named(out, message, field, side);
    ScriptMessage::forEachWord(message, named);
    named.finish();
}

void GameBattleEngine::writeMessage(const ScriptMessage& message, int side) {
    logged = true;
    if (simulation) return;
    // The words were found when the message was read: only their names are looked up.
    if (message.words().empty()) {
        logText += message.text();
    } else {
        NamedText named(logText, message.text(), field, side);
        for (const ScriptMessage::Word& word : message.words())
            named(word);
        named.finish();
    }
    logText += '\n';
}

namespace {
// "equal"/"eq", "sup", "supequal", "inf", "infequal" of x against y; false for any other word.
bool compareByWord(float x, float y, QualifierWord comparator) {
    switch (comparator) {
    case QualifierWord::Equal:
    case QualifierWord::Eq:
        return x == y;
    case QualifierWord::Sup:
        return x > y;
    case QualifierWord::SupEqual:
        return x >= y;
    case QualifierWord::Inf:
        return x < y;
    case QualifierWord::InfEqual:
        return x <= y;
    default:
        return false;
    }
}

// "up" rounds up, "down" down, "it" to the nearest with halves away from zero; any other word keeps v.
float roundByWord(float value, QualifierWord word) {
    switch (word) {
    case QualifierWord::Up:
        return std::ceil(value);
    case QualifierWord::Down:
        return std::floor(value);
    case QualifierWord::It:
        return std::round(value);
    default:
        return value;
    }
}
} // namespace

bool GameBattleEngine::compareNumbers(const QX_Variable& a, const QX_Variable& b,
                                      const std::string& comparator) {
    return compareByWord(a.getNumber(), b.getNumber(), QXML_Command::qualifierWordOf(comparator));
}

CommandOutcome GameBattleEngine::cmdNoBody(const CommandContext&) { return CommandOutcome::Succeeded; }

CommandOutcome GameBattleEngine::cmdSetVariable(const CommandContext& context) {
    return arithmetic(context, CMD_SET_VARIABLE);
}

CommandOutcome GameBattleEngine::arithmetic(const CommandContext& context, int opcode) {
    const QXML_Command& command = *context.command;
    if (command.nameText.empty() || command.valueText.empty()) return CommandOutcome::Failed;
    bool nameFailed = false;
    bool valueFailed = false;
    const float x = QX_Variable::readNumber(command.nameOperand, *this, context.source, nameFailed);
    const float y = QX_Variable::readNumber(command.valueOperand, *this, context.source, valueFailed);
    if (nameFailed || valueFailed) return CommandOutcome::Failed;
    float v = 0.0f;
    switch (opcode) {
    case CMD_SET_VARIABLE:
        // An assignment that changes nothing counts as not done: its sub-commands do not run.
        if (x == y) return CommandOutcome::Failed;
        v = y;
        break;
    case CMD_MODULO_VARIABLE:
        if (x < 0.0f || y < 1.0f) return CommandOutcome::Failed;
        v = static_cast<float>(saturatingInt(x) % saturatingInt(y));
        break;
    case CMD_ADDITION_VARIABLE:
        v = x + y;
        break;
    case CMD_SUBSTRACT_VARIABLE:
        v = x - y;
        break;
    case CMD_MULTIPLY_VARIABLE:
        v = x * y;
        break;
    default:
        if (y == 0.0f) return CommandOutcome::Failed;
        v = x / y;
        break;
    }
    QX_Variable::writeNumber(command.nameOperand, *this, context.source,
                             roundByWord(v, command.qualifierWord));
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdAdditionVariable(const CommandContext& context) {
    return arithmetic(context, CMD_ADDITION_VARIABLE);
}
CommandOutcome GameBattleEngine::cmdSubstractVariable(const CommandContext& context) {
    return arithmetic(context, CMD_SUBSTRACT_VARIABLE);
}
CommandOutcome GameBattleEngine::cmdMultiplyVariable(const CommandContext& context) {
    return arithmetic(context, CMD_MULTIPLY_VARIABLE);
}
CommandOutcome GameBattleEngine::cmdDivideVariable(const CommandContext& context) {
    return arithmetic(context, CMD_DIVIDE_VARIABLE);
}

CommandOutcome GameBattleEngine::cmdModuloVariable(const CommandContext& context) {
    return arithmetic(context, CMD_MODULO_VARIABLE);
}

CommandOutcome GameBattleEngine::cmdNumberCompare(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (command.nameText.empty() || command.valueText.empty()) return CommandOutcome::Failed;
    bool nameFailed = false;
    bool valueFailed = false;
    const float x = QX_Variable::readNumber(command.nameOperand, *this, context.source, nameFailed);
    const float y = QX_Variable::readNumber(command.valueOperand, *this, context.source, valueFailed);
    if (nameFailed || valueFailed) return CommandOutcome::Failed;
    return compareByWord(x, y, command.qualifierWord) ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdStringCompare(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (command.nameText.empty() || command.valueText.empty() || command.qualifier.empty())
        return CommandOutcome::Failed;
    // Most comparisons read one of the action's texts against a literal: both lie side by side where they
    // are, and are compared there.
    const ScriptOperand& name = command.nameOperand;
    const ScriptOperand& value = command.valueOperand;
    if (name.isVariable() && name.getScope() == ScriptOperand::Scope::Table && variables &&
        !value.isEmpty() && !value.isVariable()) {
        const TextItems mine = variables->getTextSlot(name.getTextSlot());
        return QX_Variable::compareTexts(mine, TextItems(value.getLiteralList()), command.qualifierWord)
                   ? CommandOutcome::Succeeded
                   : CommandOutcome::Failed;
    }
    // No script runs between these reads and the comparison: the texts read in place stay as they are,
    // and the two stores (for lists that exist only as copies) are free again after it.
    const TextView mine =
        QX_Variable::readItems(command.nameOperand, *this, context.source, comparedLists[0], comparedRefs[0]);
    const TextView other = QX_Variable::readItems(command.valueOperand, *this, context.source,
                                                  comparedLists[1], comparedRefs[1]);
    return QX_Variable::compareViews(mine, other, command.qualifierWord) ? CommandOutcome::Succeeded
                                                                         : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdEndEffect(const CommandContext&) {
    keepExecuting = false;
    return CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdCancel(const CommandContext&) {
    variables->setSlot(SVAR_RESULT, 0.0f);
    keepExecuting = false;
    return CommandOutcome::Failed;
}
