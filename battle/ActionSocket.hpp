// One unit of work of the battle engine: a side's order turned into an action, or one step of a turn.
#pragma once

#include <cstddef>

#include "rules/RecycledBlocks.hpp"

class ZelkinMove;
class VariableTable;
class QXML_Command;

class ActionSocket final {
public:
    // Action type codes; the action list is kept ordered by them.
    static constexpr int MOVE_ORDER = 0;
    static constexpr int SWITCH_ORDER = 1;
    static constexpr int ORDERS_COMPLETE = 3;
    static constexpr int MATCH_START = 13;
    static constexpr int DEFERRED_EFFECT = 20;
    static constexpr int BEFORE_MOVE = 21;
    static constexpr int MOVE_DECLARE = 22;
    static constexpr int DMG_CALC = 23;
    static constexpr int MOVE_MISS = 24;
    static constexpr int KNOCK_OUT = 25;
    static constexpr int MOVE_EFFECTS = 26;
    static constexpr int WITHDRAW = 27;
    static constexpr int SEND_OUT = 28;
    static constexpr int DECLARED_END = 29;
    static constexpr int AFTER_SWITCH = 31;
    static constexpr int END_TURN = 32;
    static constexpr int PREP_NEW_TURN = 34;
    static constexpr int RESULT_REMARK = 40;
    static constexpr int RESULT_TEAM_REMARK = 41;
    static constexpr int MVP_PRESENTATION = 42;
    static constexpr int MVP_REMARK = 43;

    // A move order (type 0) with its own variable table (defaults of a new action); the move may be null.
    ActionSocket(ZelkinMove* move, int side, int slot)
        : type(MOVE_ORDER), source(side), argument(slot), value(move), roll(drawRoll()) {}
    ActionSocket(int type, int side, int argument)
        : type(type), source(side), argument(argument), roll(drawRoll()) {}
    // A deferred effect (type 20) that runs the child commands of the carrier.
    ActionSocket(int side, QXML_Command* carrier)
        : type(DEFERRED_EFFECT), source(side), commands(carrier), roll(drawRoll()) {}
    ActionSocket(int type, int side, int argument, int priority)
        : type(type), source(side), argument(argument), roll(drawRoll()), priority(priority) {}
    // Releases the action's own variable table; the move and the commands belong to the database.
    ~ActionSocket() {
        if (variables != nullptr) releaseVariables();
    }

    ActionSocket(const ActionSocket&) = delete;
    ActionSocket& operator=(const ActionSocket&) = delete;

    // Freed actions are kept for the next ones (see RecycledBlocks). Made and dropped several times a frame,
    // so the whole life of an action is inline but for its roll.
    static void* operator new(std::size_t size) { return RecycledBlocks<sizeof(ActionSocket)>::take(size); }
    static void operator delete(void* block) noexcept { RecycledBlocks<sizeof(ActionSocket)>::give(block); }

    int getType() const { return type; }
    int getSource() const { return source; }
    int getArgument() const { return argument; }
    int getPriority() const { return priority; }
    // The d100 drawn at creation: the last tie-break of the sorted action list.
    int getRoll() const { return roll; }
    ZelkinMove* getValue() const { return value; }
    VariableTable* getVariables();
    QXML_Command* getCommands() const { return commands; }
    // Only for a move order whose move was null: records the move that was actually used.
    void setValue(ZelkinMove* move) { value = move; }

private:
    // The d100 of a new action.
    static int drawRoll();
    void releaseVariables();

    int type = 0;
    int source = 0;
    int argument = 0;
    ZelkinMove* value = nullptr;
    VariableTable* variables = nullptr;
    QXML_Command* commands = nullptr;
    int roll = 0;
    int priority = 0;
};
