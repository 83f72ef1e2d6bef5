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

VariableTable* QX_Variable::tableOf(GameBattleEngine* engine, VariableTable* variables) {
    // A command may replace the engine's table while an operand is alive (a quick move started by a
    // trigger that the operand's own read fired); the engine's current table is then the only live one.
    return engine ? engine->getVariables() : variables;
}

VariableTable* QX_Variable::table() const { return tableOf(engine, variables); }

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
    readVariableNumber(*operand, engine, variables, sourceSide, everyScope, number);
}

void QX_Variable::readVariableNumber(const ScriptOperand& operand, GameBattleEngine* engine,
                                     VariableTable* variables, int sourceSide, bool everyScope,
                                     float& number) {
    const std::string& name = operand.getName();
    VariableTable* table = nullptr;
    switch (operand.getScope()) {
    case ScriptOperand::Scope::Table:
        table = tableOf(engine, variables);
        number = table ? table->getSlot(operand.getSlot()) : 0.0f;
        break;
    case ScriptOperand::Scope::Source:
        number = engine ? engine->getCreatureSlot(sourceSide, operand.getCreatureSlot()) : 0.0f;
        break;
    case ScriptOperand::Scope::Opponent:
        number = engine ? engine->getCreatureSlot(GameBattleEngine::opponentSide(sourceSide),
                                                  operand.getCreatureSlot())
                        : 0.0f;
        break;
    case ScriptOperand::Scope::Self:
        table = tableOf(engine, variables);
        number = table ? table->getRunningHandler().getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Move:
        table = tableOf(engine, variables);
        if (everyScope) number = (table && table->getMove()) ? table->getMove()->getNumber(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Field:
        if (everyScope)
            number = (engine && engine->getField()) ? engine->getField()->getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::NewBuff:
        table = tableOf(engine, variables);
        number = (table && table->getNewBuff()) ? table->getNewBuff()->getVariable(name) : 0.0f;
        break;
    case ScriptOperand::Scope::Unknown:
        if (everyScope) number = 0.0f;
        break;
    }
}

float QX_Variable::readNumber(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                              bool& failed) {
    failed = false;
    if (operand.isEmpty()) return 0.0f;
    if (!operand.isVariable()) {
        failed = operand.isLiteralNumberFailed();
        return failed ? 0.0f : operand.getLiteralNumber();
    }
    // The action's own variables, which most operands name, are read here and not through the scopes.
    if (operand.getScope() == ScriptOperand::Scope::Table) {
        VariableTable* table = engine.getVariables();
        return table ? table->getSlot(operand.getSlot()) : 0.0f;
    }
    float number = 0.0f;
    readVariableNumber(operand, &engine, engine.getVariables(), sourceSide, true, number);
    return number;
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

void QX_Variable::assignNumber(float value) { assignNumber(*operand, engine, variables, sourceSide, value); }

void QX_Variable::assignNumber(const ScriptOperand& operand, GameBattleEngine* engine,
                               VariableTable* variables, int sourceSide, float value) {
    if (!operand.isVariable()) return;
    const std::string& name = operand.getName();
    VariableTable* table = tableOf(engine, variables);
    switch (operand.getScope()) {
    case ScriptOperand::Scope::Table:
        if (table) table->setSlot(operand.getSlot(), value);
        break;
    case ScriptOperand::Scope::Source:
        if (engine) engine->setCreatureVariable(sourceSide, name, value);
        break;
    case ScriptOperand::Scope::Opponent:
        if (engine) engine->setCreatureVariable(GameBattleEngine::opponentSide(sourceSide), name, value);
        break;
    case ScriptOperand::Scope::Self:
        if (table) table->getRunningHandler().setVariable(name, value);
        break;
    case ScriptOperand::Scope::Move:
        if (table && table->getMove()) table->getMove()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::Field:
        if (engine && engine->getField()) engine->getField()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::NewBuff:
        if (table && table->getNewBuff()) table->getNewBuff()->setVariable(name, value);
        break;
    case ScriptOperand::Scope::Unknown:
        break;
    }
}

void QX_Variable::writeNumber(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                              float value) {
    if (operand.isVariable() && operand.getScope() == ScriptOperand::Scope::Table) {
        VariableTable* table = engine.getVariables();
        if (table) table->setSlot(operand.getSlot(), value);
        return;
    }
    assignNumber(operand, &engine, engine.getVariables(), sourceSide, value);
}

bool QX_Variable::compareList(const std::vector<std::string>& other, const std::string& comparator) const {
    return compareItems(TextItems(other), QXML_Command::qualifierWordOf(comparator));
}

bool QX_Variable::compareItems(TextItems other, QualifierWord comparator) const {
    return compareViews(TextView(getItems()), TextView(other), comparator);
}

namespace {
// Equal texts; most names compared differ in length or in their first letter, which settles it at once.
bool sameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && (a.empty() || (a[0] == b[0] && a == b));
}

// Whether one of the items is the text.
bool containsText(const TextView& items, const std::string& text) {
    if (items.refs) {
        for (std::size_t i = 0; i < items.count; ++i)
            if (sameText(*items.refs[i], text)) return true;
        return false;
    }
    for (std::size_t i = 0; i < items.count; ++i)
        if (sameText(items.texts[i], text)) return true;
    return false;
}

// The items evaluateList gives for a scope whose list is a copy, copied into the storage.
TextItems copiedItems(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                      std::vector<std::string>& storage) {
    QX_Variable copy(operand, &engine, engine.getVariables(), sourceSide);
    copy.evaluateList();
    const TextItems items = copy.getItems();
    storage.assign(items.begin(), items.end());
    return TextItems(storage);
}
} // namespace

namespace {
// Whether one of the items is the text, for items side by side.
bool containsText(TextItems items, const std::string& text) { return containsText(TextView(items), text); }

// "equal", "dif", "has", "hasnt"/"not" of the other items against mine, for either kind of items.
template <typename Mine, typename Other>
bool compareLists(const Mine& mine, const Other& other, QualifierWord comparator) {
    // Each word is settled by the first of the other items that is found ("has", "hasnt"/"not") or missing
    // ("equal", "dif"); the answer when none is stands after the loop.
    bool settleOnFound = false;
    switch (comparator) {
    case QualifierWord::Has:
    case QualifierWord::Hasnt:
    case QualifierWord::Not:
        settleOnFound = true;
        break;
    case QualifierWord::Equal:
    case QualifierWord::Dif:
        break;
    default:
        return false;
    }
    const bool settledAnswer = comparator == QualifierWord::Has || comparator == QualifierWord::Dif;
    for (const std::string& item : other) {
        if (containsText(mine, item) == settleOnFound) return settledAnswer;
    }
    return !settledAnswer;
}

// The texts of a view one by one, for the loop above.
struct ViewItems {
    const TextView& view;
    struct Iterator {
        const TextView* view;
        std::size_t index;
        const std::string& operator*() const { return (*view)[index]; }
        Iterator& operator++() {
            ++index;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index != other.index; }
    };
    Iterator begin() const { return {&view, 0}; }
    Iterator end() const { return {&view, view.count}; }
};
} // namespace

bool QX_Variable::compareViews(const TextView& mine, const TextView& other, QualifierWord comparator) {
    // The other items are nearly always a literal's, side by side.
    if (!other.refs) return compareLists(mine, TextItems(other.texts, other.count), comparator);
    return compareLists(mine, ViewItems{other}, comparator);
}

bool QX_Variable::compareTexts(TextItems mine, TextItems other, QualifierWord comparator) {
    return compareLists(mine, other, comparator);
}

TextView QX_Variable::readItems(const ScriptOperand& operand, GameBattleEngine& engine, int sourceSide,
                                std::vector<std::string>& storage, std::vector<const std::string*>& refs) {
    if (operand.isEmpty()) return TextView();
    if (!operand.isVariable()) return TextView(TextItems(operand.getLiteralList()));
    switch (operand.getScope()) {
    case ScriptOperand::Scope::Table: {
        VariableTable* table = engine.getVariables();
        return table ? TextView(table->getTextSlot(operand.getTextSlot())) : TextView();
    }
    case ScriptOperand::Scope::Source:
    case ScriptOperand::Scope::Opponent: {
        const int side = operand.getScope() == ScriptOperand::Scope::Source
                             ? sourceSide
                             : GameBattleEngine::opponentSide(sourceSide);
        engine.creatureTextRefs(side, operand.getCreatureSlot(), refs);
        return TextView(refs);
    }
    default:
        // The remaining scopes give their lists as copies: kept in the storage while they are compared.
        return TextView(copiedItems(operand, engine, sourceSide, storage));
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
