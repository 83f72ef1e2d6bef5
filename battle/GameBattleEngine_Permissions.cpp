// Which of a side's choices are allowed, forbidden or forced at the start of a turn.
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
constexpr int MOVE_SLOTS = 4;
// The mark of the switch, after the four move slots.
constexpr int SWITCH_MARK = 4;
// The slot of a forced order that uses the team's timed-effect move.
constexpr int TIMED_EFFECT_SLOT = 4;

// Whether the team has two standing members: one to send in besides the one out. The count stops there.
bool hasTwoStanding(const ZelkinTeam& team) {
    int standing = 0;
    for (int i = 0; i < team.getMemberCount(); ++i) {
        Zelkin* member = team.getMemberAt(i);
        if (member != nullptr && member->getHp() > 0 && ++standing == 2) return true;
    }
    return false;
}
} // namespace

void GameBattleEngine::checkOrders(int side) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    if (team == nullptr) return;
    team->resetMemberMarks();
    Zelkin* creature = team->getActive();

    // What a script leaves in "result": 0 forbidden, 1 allowed, above 1 forced.
    int forced[MOVE_SLOTS];
    int forcedCount = 0;
    int slot = 0;
    bool noneWaits = false;
    for (; slot < MOVE_SLOTS; ++slot) {
        bool usable =
            creature && creature->getHp() > 0 && creature->getMove(slot) && creature->getPp(slot) != 0;
        // The test reads neither variable: when no trigger waits, both are written again below anyway.
        const DispatchSources sources = readyToDispatch(EVENT_CHECK_MOVE_ORDER);
        if (!sources) {
            team->setMemberMark(slot, usable ? 1 : 0);
            ++slot;
            noneWaits = true;
            break;
        }
        variables->setSlot(SVAR_RESULT, usable ? 1.0f : 0.0f);
        variables->setSlot(SVAR_MOVE_SPOT, static_cast<float>(slot));
        dispatchTrigger(EVENT_CHECK_MOVE_ORDER, side, opponentSide(side), sources);
        float result = variables->getSlot(SVAR_RESULT);
        team->setMemberMark(slot, saturatingInt(result));
        if (result > 1.0f) forced[forcedCount++] = slot;
    }
    // Once no trigger waits for the check of a slot, none waits for the next ones either: nothing runs in
    // between that could add one. Each mark is then what the slot itself allows, and the slot variable is
    // left as the checks one by one would leave it ("result" is written next in any case).
    if (noneWaits) {
        bool standing = creature && creature->getHp() > 0;
        for (; slot < MOVE_SLOTS; ++slot)
            team->setMemberMark(slot,
                                standing && creature->getMove(slot) && creature->getPp(slot) != 0 ? 1 : 0);
        variables->setSlot(SVAR_MOVE_SPOT, static_cast<float>(MOVE_SLOTS - 1));
    }

    variables->setSlot(SVAR_RESULT, hasTwoStanding(*team) ? 1.0f : 0.0f);
    fireFor(EVENT_CHECK_CHANGE_ORDER, side);
    team->setMemberMark(SWITCH_MARK, saturatingInt(variables->getSlot(SVAR_RESULT)));

    GameOrder* order = nullptr;
    if (team->getTimedEffectValue() != nullptr) {
        order = new GameOrder();
        order->setMove(TIMED_EFFECT_SLOT);
    } else if (forcedCount > 0) {
        PseudoRNG rng;
        order = new GameOrder();
        order->setMove(forced[rng.random(forcedCount)]);
    }
    // The field frees an order it already held for the side.
    if (order) field->setOrder(side, order);
}
