// The engine's test before firing an event, inline for the files that fire events: most events of a battle
// find no trigger in any source, and they are told so here without a call. Every file that fires an event
// for a side (fireFor) includes this.
#pragma once

#include <cstddef>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/TriggerHandler.hpp"
#include "battle/VariableTable.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/ZelkinMove.hpp"

// Triggers may fire events from inside their commands (a CHECK_STAT_ATT trigger that reads "att" fires
// CHECK_STAT_ATT again). Data like that would recurse until the stack overflows; past this many nested
// triggers an event fires nothing instead.
inline constexpr size_t MAX_NESTED_TRIGGERS = 48;

inline bool GameBattleEngine::fieldSourceWaitsFor(int event) {
    if (options && options->getRulesetsEffects() != 0) {
        GameParser* parser = field->getGameParser();
        Ruleset* ruleset = parser ? parser->getCurrentRuleset() : nullptr;
        if (ruleset && ruleset->triggerEvents.contains(event)) return true;
    }
    if (options && options->getStadiumsEffects() != 0) {
        BattleInformations* informations = field->getBattleInformations();
        Stadium* stadium = informations ? informations->getStadium() : nullptr;
        if (stadium && stadium->triggerEvents.contains(event)) return true;
    }
    return false;
}

inline GameBattleEngine::DispatchSources GameBattleEngine::readyToDispatch(int event) {
    return readyToDispatchFor(event, -1);
}

inline GameBattleEngine::DispatchSources GameBattleEngine::readyToDispatchFor(int event, int side) {
    if (handlerStack.size() >= MAX_NESTED_TRIGGERS) return {};
    resetTriggerSequence();
    const ZelkinMove* move = variables->getMove();
    if (move && move->hasTriggersFor(event))
        return {DispatchSources::MOVE | DispatchSources::HOLDERS_UNASKED};
    if (!field) return {};
    // Most events have no holder's trigger at all; for one that has, the set of the acting side (read once
    // the holders are gathered) tells whether one of them answers. Any other side counts every event.
    unsigned holders = 0;
    if (eventsOfHolders().contains(event)) {
        if ((side != 0 && side != 1) || heldEventsAsSource[side].contains(event))
            return {DispatchSources::HOLDERS};
        holders = DispatchSources::HOLDERS;
    }
    // The ruleset and the arena are asked only for the events that some ruleset or arena of the run
    // waits for.
    if (someFieldSourceWaitsFor(event) && fieldSourceWaitsFor(event))
        return {holders | DispatchSources::FIELD};
    return {};
}

inline void GameBattleEngine::fireFor(int event, int side) {
    if (const DispatchSources sources = readyToDispatchFor(event, side))
        dispatchTrigger(event, side, opponentSide(side), sources);
}

inline bool GameBattleEngine::mayDispatchAnyOf(const BattleEventSet& events) {
    if (handlerStack.size() >= MAX_NESTED_TRIGGERS) return false;
    resetTriggerSequence();
    const ZelkinMove* move = variables->getMove();
    if (move && move->hasTriggersForAnyOf(events)) return true;
    if (!field) return false;
    return eventsOfHolders().intersects(events) || someFieldSourceWaitsForAnyOf(events);
}
