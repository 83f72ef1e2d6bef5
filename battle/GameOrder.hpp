// What a side decides for a turn: use a move, switch to another member, or give up.
#pragma once

#include <cstddef>

class GameOrder {
public:
    static constexpr int KIND_SWITCH = 1;
    static constexpr int KIND_MOVE = 2;
    static constexpr int KIND_GIVE_UP = 3;

    // A new order gives up until it is told otherwise.
    GameOrder() = default;
    virtual ~GameOrder() = default;

    // A bot hands the field a fresh order every turn: freed orders are kept for the next ones (see
    // RecycledBlocks).
    static void* operator new(std::size_t size);
    static void operator delete(void* block) noexcept;

    // All values 0, kind "give up".
    virtual void reset();
    // Copies the kind and the one value that belongs to it; the extra value stays behind.
    virtual GameOrder* clone();
    virtual void setSwitch(int memberIndex);
    virtual void setMove(int moveSlot);
    virtual void setOther(int value);
    // A free value for the participants; the kind is unchanged.
    virtual void setExtra(int value);
    virtual int getSwitchTarget();
    virtual int getMoveSlot();
    virtual int getOther();
    virtual int getExtra();
    virtual int getKind();

private:
    int switchTarget = 0;
    int moveSlot = 0;
    int other = 0;
    int extra = 0;
    int kind = KIND_GIVE_UP;
};
