// Script operands as the executor builds them: one fresh operand per command text.
#include "battle/GameBattleEngine.hpp"
#include "battle/QX_Variable.hpp"

QX_Variable GameBattleEngine::makeOperand(const std::string& reference, int sourceSide) {
    return QX_Variable(reference, this, variables, sourceSide);
}

QX_Variable GameBattleEngine::makeOperand(const ScriptOperand& operand, int sourceSide) {
    return QX_Variable(operand, this, variables, sourceSide);
}
