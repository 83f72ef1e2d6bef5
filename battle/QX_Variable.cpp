// Script operands: literals and variable references read as numbers or lists, and written as numbers.
#include "battle/QX_Variable.hpp"

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/VariableTable.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinMove.hpp"

QX_Variable::QX_Variable(const std::string& reference, GameBattleEngine* engine, VariableTable* variables,
                         int sourceSide)
    : sourceSide(sourceSide), engine(engine), variables(variables),
      owned(std::make_shared<const ScriptOperand>(reference)) {
    operand = owned.get();
}

VariableTable* QX_Variable::table() const {
    // A command may replace the engine's table while an operand is alive (a quick move started by a
    // trigger that the operand's own read fired); the engine's current table is then the only live one.
    return engine ? engine->getVariables() : variables;
}

GameField* QX_Variable::field() const { return engine ? engine->getField() : nullptr; }

void QX_Variable::evaluateNumber() {
    if (operand->isEmpty()) return;
    if (!operand->isVariable()) {
        failed = operand->isLiteralNumberFailed() ? 1 : 0;
        if (!failed) {
            number = operand->getLiteralNumber();
        } else {
            literalText = true;
            kind = 1;
        }
        return;
    }
    readVariableNumber(true);
}

void QX_Variable::evaluateNumberOf() {
    if (operand->isEmpty()) return;
    if (!operand->isVariable()) {
        failed = operand->isLiteralNumberFailed() ? 1 : 0;
        if (!failed) number = operand->getLiteralNumber();
        return;
    }
    readVariableNumber(false);
}

void QX_Variable::readVariableNumber(bool everyScope) {
    failed = 0;
    const std::string& name = operand->getName();
    switch (operand->getScope()) {
    case ScriptOperand::Scope::Table:
        number = table() ? table()->getSlot(operand->getSlot()) : 0.0f;
        break;
    case ScriptOperand::Scope::Source:
        number = engine ? engine->getCreatureSlot(sourceSide, operand->getCreatureSlot()) : 0.0f;
        break;
    case ScriptOperand::Scope::Opponent:
        number =
            engine ? engine->getCreatureSlot(opponentSide(sourceSide), operand->getCreatureSlot()) : 0.0f;
        break;
    case ScriptOperand::Scope::Self:
        number = table() ? table()->getRunningHandler().getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Move:
        if (everyScope) number = (table() && table()->getMove()) ? table()->getMove()->getNumber(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Field:
        if (everyScope) number = field() ? field()->getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::NewBuff:
        number = (table() && table()->getNewBuff()) ? table()->getNewBuff()->getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Unknown:
        if (everyScope) number = 0.0f;
        break;
    }
}

void QX_Variable::evaluateList() {
    kind = 1;
    if (operand->isEmpty()) return;
    if (!operand->isVariable()) {
        borrowing = true;
        borrowed = TextItems(operand->getLiteralList());
        return;
    }
    borrowing = false;
    const std::string& name = operand->getName();
    switch (operand->getScope()) {
    case ScriptOperand::Scope::Table:
        // Read in place: the table's texts stay as they are until the command that reads them is done.
        borrowing = true;
        borrowed = table() ? table()->getTextSlot(operand->getTextSlot()) : TextItems();
        break;
    case ScriptOperand::Scope::Source:
        if (engine) engine->creatureTextInto(sourceSide, operand->getCreatureSlot(), list);
        break;
    case ScriptOperand::Scope::Opponent:
        if (engine) engine->creatureTextInto(opponentSide(sourceSide), operand->getCreatureSlot(), list);
        break;
    case ScriptOperand::Scope::Self:
        if (table()) list = table()->getRunningHandler().getTextVariable(name);
        break;
    case ScriptOperand::Scope::Field:
        if (field()) list = field()->getTextVariable(name);
        break;
    case ScriptOperand::Scope::Move:
        if (table() && table()->getMove()) list = table()->getMove()->getStrings(name);
        break;
    case ScriptOperand::Scope::NewBuff:
        if (table() && table()->getNewBuff()) list = table()->getNewBuff()->getStrings(name);
        break;
    case ScriptOperand::Scope::Unknown:
        break;
    }
}

void QX_Variable::evaluateListIn(std::vector<std::string>& storage) {
    const ScriptOperand::Scope scope = operand->getScope();
    if (!engine || !operand->isVariable() ||
        (scope != ScriptOperand::Scope::Source && scope != ScriptOperand::Scope::Opponent)) {
        evaluateList();
        return;
    }
    // A creature's list is built afresh at every read: built in the storage given, it is read in place.
    kind = 1;
    const int side = scope == ScriptOperand::Scope::Source ? sourceSide : opponentSide(sourceSide);
    engine->creatureTextInto(side, operand->getCreatureSlot(), storage);
    borrowing = true;
    borrowed = TextItems(storage);
}

void QX_Variable::assignNumber(float value) {
    if (!operand->isVariable()) return;
    const std::string& name = operand->getName();
    switch (operand->getScope()) {
    case ScriptOperand::Scope::Table:
        if (table()) table()->setSlot(operand->getSlot(), value);
        break;
    case ScriptOperand::Scope::Source:
        if (engine) engine->setCreatureVariable(sourceSide, name, value);
        break;
    case ScriptOperand::Scope::Opponent:
        if (engine) engine->setCreatureVariable(opponentSide(sourceSide), name, value);
        break;
    case ScriptOperand::Scope::Self:
        if (table()) table()->getRunningHandler().setVariable(name, value);
        break;
    case ScriptOperand::Scope::Move:
        if (table() && table()->getMove()) table()->getMove()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::Field:
        if (field()) field()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::NewBuff:
        if (table() && table()->getNewBuff()) table()->getNewBuff()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::Unknown:
        break;
    }
}

bool QX_Variable::compareList(const std::vector<std::string>& other, const std::string& comparator) const {
    return compareItems(TextItems(other), QXML_Command::qualifierWordOf(comparator));
}

bool QX_Variable::compareItems(TextItems other, QualifierWord comparator) const {
    const TextItems mine = getItems();
    bool anyFound = false;
    bool someMissing = false;
    for (const std::string& item : other) {
        bool found = false;
        for (const std::string& own : mine) {
            if (own == item) {
                found = true;
                break;
            }
        }
        if (found)
            anyFound = true;
        else
            someMissing = true;
    }
    switch (comparator) {
    case QualifierWord::Equal:
        return !someMissing;
    case QualifierWord::Dif:
        return someMissing;
    case QualifierWord::Has:
        return anyFound;
    case QualifierWord::Hasnt:
    case QualifierWord::Not:
        return !anyFound;
    default:
        return false;
    }
}

float QX_Variable::parseNumber(const std::string& input) {
    bool wrong = false;
    float value = ScriptOperand::parseNumber(input, wrong);
    failed = wrong ? 1 : 0;
    return value;
}

std::string QX_Variable::getText() const { return literalText ? operand->getText() : std::string(); }
std::vector<std::string> QX_Variable::getList() const { return getItems().toList(); }
int QX_Variable::returnZero() const { return 0; }
int QX_Variable::opponentSide(int side) const { return side == 0 ? 1 : 0; }
