// A side's order for one turn.
#include "battle/GameOrder.hpp"

#include "rules/RecycledBlocks.hpp"

void* GameOrder::operator new(std::size_t size) { return RecycledBlocks<sizeof(GameOrder)>::take(size); }

void GameOrder::operator delete(void* block) noexcept { RecycledBlocks<sizeof(GameOrder)>::give(block); }

void GameOrder::reset() {
    switchTarget = 0;
    moveSlot = 0;
    other = 0;
    extra = 0;
    kind = KIND_GIVE_UP;
}

GameOrder* GameOrder::clone() {
    GameOrder* copy = new GameOrder();
    if (kind == KIND_SWITCH)
        copy->setSwitch(switchTarget);
    else if (kind == KIND_MOVE)
        copy->setMove(moveSlot);
    else if (kind == KIND_GIVE_UP)
        copy->setOther(other);
    else
        copy->kind = kind;
    return copy;
}

void GameOrder::setSwitch(int memberIndex) {
    switchTarget = memberIndex;
    kind = KIND_SWITCH;
}

void GameOrder::setMove(int slot) {
    moveSlot = slot;
    kind = KIND_MOVE;
}

void GameOrder::setOther(int value) {
    other = value;
    kind = KIND_GIVE_UP;
}

void GameOrder::setExtra(int value) { extra = value; }

int GameOrder::getSwitchTarget() { return switchTarget; }

int GameOrder::getMoveSlot() { return moveSlot; }

int GameOrder::getOther() { return other; }

int GameOrder::getExtra() { return extra; }

int GameOrder::getKind() { return kind; }
