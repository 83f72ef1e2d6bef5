// Trigger dispatch: gathering the triggers of an event from every source, ordering and running them.
#include <algorithm>
#include <cstddef>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/Ruleset.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Stadium.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinBuffTrigger.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
// Power switches of a side that gate its trigger sources.
constexpr int SWITCH_ABILITY = 3;
constexpr int SWITCH_ALL_BUFFS = 4;
constexpr int SWITCH_CREATURE_BUFFS = 5;
constexpr int SWITCH_TEAM_BUFFS = 6;
constexpr int SWITCH_STATUS = 8;

// Triggers may fire events from inside their commands (a CHECK_STAT_ATT trigger that reads "att" fires
// CHECK_STAT_ATT again). Data like that would recurse until the stack overflows; past this many nested
// triggers an event fires nothing instead.
constexpr size_t MAX_NESTED_TRIGGERS = 48;

// Triggers of a side's own buffs answer to their actor: "source" on the acting side, "target" on the
// other; -1 when the side takes no part in the event.
int actorOf(int side, int sourceSide, int targetSide) {
    if (side == sourceSide) return 0;
    if (side == targetSide) return 1;
    return -1;
}

void collectFromList(const std::vector<ZelkinBuffTrigger*>& triggers, int event, int origin,
                     std::vector<TriggerHandler>& handlers) {
    for (ZelkinBuffTrigger* trigger : triggers) {
        if (trigger && trigger->getEvent() == event && trigger->matchesActor(0))
            handlers.emplace_back(origin, -1, nullptr, nullptr, trigger);
    }
}

// Whether the buff's definition has a trigger for the event (actor and life aside).
bool waitsFor(ZelkinBuff* buff, int event) {
    const ZelkinBuffData* definition = buff ? buff->getDefinition() : nullptr;
    return definition && definition->hasTriggersFor(event);
}

void collectFromBuff(ZelkinBuff* buff, int event, int origin, int side, int actor,
                     std::vector<TriggerHandler>& handlers) {
    if (!buff) return;
    const ZelkinBuffData* definition = buff->getDefinition();
    if (!definition || !definition->hasTriggersFor(event)) return;
    for (ZelkinBuffTrigger* trigger : definition->getTriggers()) {
        if (trigger && trigger->getEvent() == event && trigger->matchesActor(actor))
            handlers.emplace_back(origin, side, buff, nullptr, trigger);
    }
}

} // namespace

bool GameBattleEngine::mayHaveTriggersFor(int event) {
    // Most events of a battle find no trigger in any source. Two quick tests tell so for nearly all of
    // them: the events of every ruleset and arena of the run, and those of the battle's holders.
    ZelkinMove* move = variables->getMove();
    if (move && move->hasTriggersFor(event)) return true;
    if (!field) return false;
    if (eventsOfHolders().contains(event)) return true;
    return someFieldSourceWaitsFor(event) && fieldSourceWaitsFor(event);
}

bool GameBattleEngine::fieldSourceWaitsFor(int event) {
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

bool GameBattleEngine::readyToDispatch(int event) {
    if (handlerStack.size() >= MAX_NESTED_TRIGGERS) return false;
    resetTriggerSequence();
    return mayHaveTriggersFor(event);
}

void GameBattleEngine::fireTrigger(int event, int sourceSide, int targetSide) {
    if (readyToDispatch(event)) dispatchTrigger(event, sourceSide, targetSide);
}

void GameBattleEngine::dispatchTrigger(int event, int sourceSide, int targetSide) {
    // The handlers of this dispatch go on the end of the shared buffer, above those of the dispatches it is
    // nested in, and come off when it is over: no allocation once the buffer has grown.
    std::vector<TriggerHandler>& handlers = dispatchBuffer;
    const size_t first = handlers.size();

    if (field) {
        GameParser* parser = field->getGameParser();
        // The ruleset and the arena are read only for events that some ruleset or arena of the run waits for.
        const bool fieldWide = someFieldSourceWaitsFor(event);
        if (fieldWide && options && options->getRulesetsEffects() != 0 && parser) {
            Ruleset* ruleset = parser->getCurrentRuleset();
            if (ruleset && ruleset->triggerEvents.contains(event))
                collectFromList(ruleset->triggers, event, ORIGIN_RULESET, handlers);
        }
        if (fieldWide && options && options->getStadiumsEffects() != 0) {
            BattleInformations* informations = field->getBattleInformations();
            Stadium* stadium = informations ? informations->getStadium() : nullptr;
            if (stadium && stadium->triggerEvents.contains(event))
                collectFromList(stadium->triggers, event, ORIGIN_STADIUM, handlers);
        }
        // Buffs are walked only when one of them waits for the event: most events find none.
        if (eventsOfHolders().contains(event)) {
            // Counts are read again at every step: nothing here changes the lists, but they are not copied.
            for (int i = 0; i < field->getGlobalBuffCount(); ++i) {
                ZelkinBuff* buff = field->getGlobalBuff(i);
                if (buff && buff->isAlive())
                    collectFromBuff(buff, event, ORIGIN_GLOBAL_BUFF, -1, 0, handlers);
            }
            // Each source is first asked whether it waits for the event at all, the cheapest test, so that
            // the power switches are read only for the few that do.
            ZelkinTeam* teams[2] = {field->getTeamChecked(0), field->getTeamChecked(1)};
            int actors[2] = {actorOf(0, sourceSide, targetSide), actorOf(1, sourceSide, targetSide)};
            const bool abilitiesOn = options && options->getAbilitiesEffects() != 0;
            for (int side = 0; side < 2 && abilitiesOn; ++side) {
                ZelkinTeam* team = teams[side];
                if (!team || actors[side] < 0) continue;
                ZelkinBuff* ability = team->getAbilityBuff();
                if (waitsFor(ability, event) && team->readPowerSwitches().isOn(SWITCH_ABILITY))
                    collectFromBuff(ability, event, ORIGIN_ABILITY, side, actors[side], handlers);
            }
            for (int side = 0; side < 2; ++side) {
                ZelkinTeam* team = teams[side];
                if (!team || actors[side] < 0) continue;
                const PowerSwitchesHandler& switches = team->readPowerSwitches();
                for (int i = 0; i < team->getBuffCount(); ++i) {
                    ZelkinBuff* buff = team->getBuffAt(i);
                    if (!waitsFor(buff, event) || !buff->isAlive() || !switches.isOn(SWITCH_ALL_BUFFS))
                        continue;
                    bool teamWide = buff->getDefinition()->isTeamBuff();
                    if (teamWide ? switches.isOn(SWITCH_TEAM_BUFFS) : switches.isOn(SWITCH_CREATURE_BUFFS))
                        collectFromBuff(buff, event, ORIGIN_BUFF, side, actors[side], handlers);
                }
            }
            for (int side = 0; side < 2; ++side) {
                ZelkinTeam* team = teams[side];
                if (!team || actors[side] < 0) continue;
                Zelkin* creature = team->getActive();
                ZelkinBuff* status = creature ? creature->getStatus() : nullptr;
                if (waitsFor(status, event) && team->readPowerSwitches().isOn(SWITCH_STATUS))
                    collectFromBuff(status, event, ORIGIN_STATUS, side, actors[side], handlers);
            }
        }
    }
    ZelkinMove* move = variables->getMove();
    if (move && move->hasTriggersFor(event)) {
        int moveSide = saturatingInt(variables->getSlot(SVAR_CAMP_SOURCE));
        for (ZelkinBuffTrigger* trigger : move->getTriggers()) {
            if (trigger && trigger->getEvent() == event)
                handlers.emplace_back(ORIGIN_MOVE, moveSide, nullptr, move, trigger);
        }
    }

    const size_t last = handlers.size();
    if (last - first > 1) std::sort(handlers.begin() + first, handlers.end(), compareHandlers);
    // By index and by copy: a nested dispatch grows the buffer and may move it.
    for (size_t i = first; i < last; ++i) {
        TriggerHandler handler = handlers[i];
        pushHandler(handler);
        runCommand(sourceSide, targetSide, handler.getTrigger()->getCommands());
        popHandler();
        restoreScriptHandlers();
    }
    handlers.resize(first);
}

void GameBattleEngine::gatherHeldEvents(const std::uint64_t& counter) {
    // Gathered again after any change to the holders on this thread; the set may hold more than the
    // battle needs (dead buffs, switched-off holders), which only costs a walk that finds nothing.
    heldEvents = BattleEventSet();
    auto add = [this](ZelkinBuff* buff) {
        const ZelkinBuffData* definition = buff ? buff->getDefinition() : nullptr;
        if (definition) heldEvents.addAll(definition->triggerEvents);
    };
    if (field) {
        for (int i = 0; i < field->getGlobalBuffCount(); ++i)
            add(field->getGlobalBuff(i));
        for (int side = 0; side < 2; ++side) {
            ZelkinTeam* team = field->getTeamChecked(side);
            if (!team) continue;
            add(team->getAbilityBuff());
            for (int i = 0; i < team->getBuffCount(); ++i)
                add(team->getBuffAt(i));
            if (Zelkin* creature = team->getActive()) add(creature->getStatus());
        }
    }
    heldEventsCounter = &counter;
    heldEventsRevision = counter;
}

void GameBattleEngine::fireTriggerFor(int event, int side) {
    if (readyToDispatch(event)) dispatchTrigger(event, side, opponentSide(side));
}

void GameBattleEngine::fireBeforeAdd(ZelkinBuff* buff, int side) {
    variables->setSlot(SVAR_RESULT, 1.0f);
    if (!buff || !buff->getDefinition() || handlerStack.size() >= MAX_NESTED_TRIGGERS) return;
    const ZelkinBuffData* definition = buff->getDefinition();
    if (!definition->hasTriggersFor(EVENT_BEFORE_ADD)) return;
    std::vector<TriggerHandler>& handlers = dispatchBuffer;
    const size_t first = handlers.size();
    for (ZelkinBuffTrigger* trigger : definition->getTriggers()) {
        if (trigger && trigger->getEvent() == EVENT_BEFORE_ADD)
            handlers.emplace_back(ORIGIN_BUFF, side, buff, nullptr, trigger);
    }
    const size_t last = handlers.size();
    for (size_t i = first; i < last; ++i) {
        TriggerHandler handler = handlers[i];
        pushHandler(handler);
        runCommand(side, opponentSide(side), handler.getTrigger()->getCommands());
        popHandler();
        restoreScriptHandlers();
    }
    handlers.resize(first);
}

void GameBattleEngine::runMoveEffects(int sourceSide, int subjectSide, ZelkinMove* move) {
    if (!move) return;
    pushHandler(TriggerHandler(sourceSide, move));
    runCommand(sourceSide, subjectSide, move->getEffect());
    popHandler();
    restoreScriptHandlers();
}

void GameBattleEngine::restoreScriptHandlers() {
    // A trigger that fired another event must go on seeing its own handler as "self" (and Die must kill
    // its own buff), not the handler of the nested trigger that ran last.
    if (!handlerStack.empty()) variables->setRunningHandler(handlerStack.back());
    if (handlerStack.size() >= 2) variables->setCallingHandler(handlerStack[handlerStack.size() - 2]);
}
