// One unit of work of the battle engine.
#include "battle/ActionSocket.hpp"

#include "battle/VariableTable.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/RecycledBlocks.hpp"

namespace {
int drawRoll() {
    PseudoRNG rng;
    return rng.random(100);
}
} // namespace

ActionSocket::ActionSocket(ZelkinMove* move, int side, int slot)
    : type(MOVE_ORDER), source(side), argument(slot), value(move), roll(drawRoll()) {}

ActionSocket::ActionSocket(int type, int side, int argument)
    : type(type), source(side), argument(argument), roll(drawRoll()) {}

ActionSocket::ActionSocket(int side, QXML_Command* carrier)
    : type(DEFERRED_EFFECT), source(side), commands(carrier), roll(drawRoll()) {}

ActionSocket::ActionSocket(int type, int side, int argument, int priority)
    : type(type), source(side), argument(argument), roll(drawRoll()), priority(priority) {}

ActionSocket::~ActionSocket() { delete variables; }

void* ActionSocket::operator new(std::size_t size) {
    return RecycledBlocks<sizeof(ActionSocket)>::take(size);
}

void ActionSocket::operator delete(void* block) noexcept {
    RecycledBlocks<sizeof(ActionSocket)>::give(block);
}

VariableTable* ActionSocket::getVariables() {
    // Made when first asked for: the engine itself never reads it, and a battle queues hundreds of orders.
    if (variables == nullptr && type == MOVE_ORDER) variables = new VariableTable();
    return variables;
}
