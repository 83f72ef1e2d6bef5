// One unit of work of the battle engine.
#include "battle/ActionSocket.hpp"

#include "battle/VariableTable.hpp"
#include "rules/PseudoRNG.hpp"

namespace {
// A source of draws holds no state: one serves every action, with no object made and dropped per roll.
PseudoRNG rolls;
} // namespace

int ActionSocket::drawRoll() { return rolls.random(100); }

void ActionSocket::releaseVariables() {
    delete variables;
    variables = nullptr;
}

VariableTable* ActionSocket::getVariables() {
    // Made when first asked for: the engine itself never reads it, and a battle queues hundreds of orders.
    if (variables == nullptr && type == MOVE_ORDER) variables = new VariableTable();
    return variables;
}
