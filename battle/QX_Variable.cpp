// Script operands: literals and variable references read as numbers or lists, and written as numbers.
#include "battle/QX_Variable.hpp"

#include <cfloat>
#include <cmath>

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/VariableTable.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinMove.hpp"

QX_Variable::QX_Variable(const std::string& reference, GameBattleEngine* engine, VariableTable* variables,
                         int sourceSide)
    : sourceSide(sourceSide), engine(engine), field(engine ? engine->getField() : nullptr),
      variables(variables), reference(reference) {}

QX_Variable::~QX_Variable() = default;

VariableTable* QX_Variable::table() const {
    // A command may replace the engine's table while an operand is alive (a quick move started by a
    // trigger that the operand's own read fired); the engine's current table is then the only live one.
    return engine ? engine->getVariables() : variables;
}

QX_Variable::Reference QX_Variable::parseReference() const {
    Reference parsed;
    size_t colon = reference.find(':');
    if (colon == std::string::npos) return parsed;
    const std::string head = reference.substr(0, colon);
    if (head != "var" && head != "v") return parsed;
    parsed.isVariable = true;
    const std::string rest = reference.substr(colon + 1);
    size_t second = rest.find(':');
    if (second == std::string::npos) {
        parsed.name = rest;
        return parsed;
    }
    parsed.scoped = true;
    parsed.scope = rest.substr(0, second);
    const std::string tail = rest.substr(second + 1);
    parsed.name = tail.substr(0, tail.find(':'));
    return parsed;
}

void QX_Variable::evaluateNumber() {
    if (reference.empty()) return;
    Reference parsed = parseReference();
    if (!parsed.isVariable) {
        float value = parseNumber(reference);
        if (!failed) {
            number = value;
        } else {
            text = reference;
            kind = 1;
        }
        return;
    }
    failed = 0;
    if (!parsed.scoped) {
        number = table() ? table()->getVariable(parsed.name) : 0.0f;
        return;
    }
    const std::string& scope = parsed.scope;
    const std::string& name = parsed.name;
    if (scope == "source")
        number = engine ? engine->getCreatureVariable(sourceSide, name) : 0.0f;
    else if (scope == "target" || scope == "opponent")
        number = engine ? engine->getCreatureVariable(opponentSide(sourceSide), name) : 0.0f;
    else if (scope == "self")
        number = table() ? table()->getRunningHandler().getVariable(name) : 0.0f;
    else if (scope == "move")
        number = (table() && table()->getMove()) ? table()->getMove()->getNumber(name) : 0.0f;
    else if (scope == "field")
        number = field ? field->getVariable(name) : 0.0f;
    else if (scope == "newbuff")
        number = (table() && table()->getNewBuff()) ? table()->getNewBuff()->getVariable(name) : 0.0f;
    else
        number = 0.0f;
}

void QX_Variable::evaluateNumberOf() {
    if (reference.empty()) return;
    Reference parsed = parseReference();
    if (!parsed.isVariable) {
        float value = parseNumber(reference);
        if (!failed) number = value;
        return;
    }
    failed = 0;
    if (!parsed.scoped) {
        number = table() ? table()->getVariable(parsed.name) : 0.0f;
        return;
    }
    const std::string& scope = parsed.scope;
    const std::string& name = parsed.name;
    if (scope == "source")
        number = engine ? engine->getCreatureVariable(sourceSide, name) : 0.0f;
    else if (scope == "target" || scope == "opponent")
        number = engine ? engine->getCreatureVariable(opponentSide(sourceSide), name) : 0.0f;
    else if (scope == "self")
        number = table() ? table()->getRunningHandler().getVariable(name) : 0.0f;
    else if (scope == "newbuff")
        number = (table() && table()->getNewBuff()) ? table()->getNewBuff()->getVariable(name) : 0.0f;
}

void QX_Variable::evaluateList() {
    kind = 1;
    if (reference.empty()) return;
    Reference parsed = parseReference();
    if (!parsed.isVariable) {
        list.clear();
        size_t start = 0;
        while (true) {
            size_t comma = reference.find(',', start);
            if (comma == std::string::npos) {
                list.push_back(reference.substr(start));
                break;
            }
            list.push_back(reference.substr(start, comma - start));
            start = comma + 1;
        }
        return;
    }
    if (!parsed.scoped) {
        list = table() ? table()->getTextVariable(parsed.name) : std::vector<std::string>();
        return;
    }
    const std::string& scope = parsed.scope;
    const std::string& name = parsed.name;
    if (scope == "source") {
        if (engine) list = engine->getCreatureTextVariable(sourceSide, name);
    } else if (scope == "target" || scope == "opponent") {
        if (engine) list = engine->getCreatureTextVariable(opponentSide(sourceSide), name);
    } else if (scope == "self") {
        if (table()) list = table()->getRunningHandler().getTextVariable(name);
    } else if (scope == "field") {
        if (field) list = field->getTextVariable(name);
    } else if (scope == "move") {
        if (table() && table()->getMove()) list = table()->getMove()->getStrings(name);
    } else if (scope == "newbuff") {
        if (table() && table()->getNewBuff()) list = table()->getNewBuff()->getStrings(name);
    }
}

void QX_Variable::assignNumber(float value) {
    Reference parsed = parseReference();
    if (!parsed.isVariable) return;
    if (!parsed.scoped) {
        if (table()) table()->setVariable(parsed.name, value);
        return;
    }
    const std::string& scope = parsed.scope;
    const std::string& name = parsed.name;
    if (scope == "source") {
        if (engine) engine->setCreatureVariable(sourceSide, name, value);
    } else if (scope == "target" || scope == "opponent") {
        if (engine) engine->setCreatureVariable(opponentSide(sourceSide), name, value);
    } else if (scope == "self") {
        if (table()) table()->getRunningHandler().setVariable(name, value);
    } else if (scope == "move") {
        if (table() && table()->getMove()) table()->getMove()->setVariable(name, value);
    } else if (scope == "field") {
        if (field) field->setVariable(name, value);
    } else if (scope == "newbuff") {
        if (table() && table()->getNewBuff()) table()->getNewBuff()->setVariable(name, value);
    }
}

bool QX_Variable::compareList(const std::vector<std::string>& other, const std::string& comparator) const {
    bool anyFound = false;
    bool someMissing = false;
    for (const std::string& item : other) {
        bool found = false;
        for (const std::string& mine : list) {
            if (mine == item) {
                found = true;
                break;
            }
        }
        if (found)
            anyFound = true;
        else
            someMissing = true;
    }
    if (comparator == "equal") return !someMissing;
    if (comparator == "dif") return someMissing;
    if (comparator == "has") return anyFound;
    if (comparator == "hasnt" || comparator == "not") return !anyFound;
    return false;
}

float QX_Variable::parseNumber(const std::string& input) {
    failed = 0;
    if (input.empty()) return 0.0f;
    size_t i = 0;
    bool negative = false;
    if (input[0] == '-') {
        negative = true;
        i = 1;
    }
    // Digits are gathered in double and rounded once, so "3.25" reads exactly 3.25.
    double whole = 0.0;
    double fraction = 0.0;
    double scale = 1.0;
    bool decimal = false;
    for (; i < input.size(); ++i) {
        const char c = input[i];
        if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            if (!decimal) {
                whole = whole * 10.0 + digit;
            } else {
                scale *= 10.0;
                fraction += digit / scale;
            }
        } else if (c == '-' || decimal) {
            failed = 1;
            return 0.0f;
        } else {
            // Any other character is the decimal mark, so "2,5" reads as 2.5 like "2.5".
            decimal = true;
        }
    }
    double value = whole + fraction;
    if (value > FLT_MAX) value = FLT_MAX;
    return static_cast<float>(negative ? -value : value);
}

int QX_Variable::getKind() const { return kind; }
bool QX_Variable::hasFailed() const { return failed != 0; }
float QX_Variable::getNumber() const { return number; }
std::string QX_Variable::getText() const { return text; }
std::vector<std::string> QX_Variable::getList() const { return list; }
int QX_Variable::returnZero() const { return 0; }
int QX_Variable::opponentSide(int side) const { return side == 0 ? 1 : 0; }
