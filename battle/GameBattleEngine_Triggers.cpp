// Trigger dispatch: gathering the triggers of an event from every source, ordering and running them.
#include <algorithm>
#include <cstddef>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/TriggerGate.hpp"
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

// Whether a trigger may ever run for its holder's side: field-wide buffs act as the source, a side's
// holders as the source or the target.
bool mayAnswer(const ZelkinBuffTrigger* trigger, int origin) {
    if (origin == ORIGIN_GLOBAL_BUFF) return trigger->matchesActor(0);
    return trigger->matchesActor(0) || trigger->matchesActor(1);
}
} // namespace

inline void GameBattleEngine::runGatheredHandlers(size_t first, size_t end, int sourceSide, int targetSide) {
    // By index, and nothing refers into the buffer while a trigger runs: a nested dispatch grows the buffer
    // and may move it, and leaves it at this size again. The handler stack holds indexes too.
    for (size_t i = first; i < end; ++i) {
        QXML_Command* commands = dispatchBuffer[i].getTrigger()->getCommands();
        handlerStack.push_back(i);
        runCommand(sourceSide, targetSide, commands);
        handlerStack.pop_back();
        restoreScriptHandlers();
    }
    dispatchBuffer.erase(dispatchBuffer.begin() + static_cast<std::ptrdiff_t>(first), dispatchBuffer.end());
}

void GameBattleEngine::fireTrigger(int event, int sourceSide, int targetSide) {
    if (const DispatchSources sources = readyToDispatch(event))
        dispatchTrigger(event, sourceSide, targetSide, sources);
}

void GameBattleEngine::fireTriggerFor(int event, int side) { fireTrigger(event, side, opponentSide(side)); }

void GameBattleEngine::dispatchTrigger(int event, int sourceSide, int targetSide, DispatchSources sources) {
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
        // The holders' triggers of the event, gathered when the holders last changed; what may change
        // between two gatherings (a buff's life, the switches, the options, the actors) is read here. The
        // tests before the dispatch have asked whether there are any, unless the move answered first.
        if (sources.has(DispatchSources::HOLDERS) ||
            (sources.has(DispatchSources::HOLDERS_UNASKED) && eventsOfHolders().contains(event))) {
            ZelkinTeam* teams[2] = {field->getTeamChecked(0), field->getTeamChecked(1)};
            int actors[2] = {actorOf(0, sourceSide, targetSide), actorOf(1, sourceSide, targetSide)};
            const bool abilitiesOn = options && options->getAbilitiesEffects() != 0;
            const HeldTrigger* held = heldTriggers.data() + heldTriggerBegin[event];
            const HeldTrigger* end = heldTriggers.data() + heldTriggerEnd[event];
            for (; held != end; ++held) {
                if (held->origin == ORIGIN_GLOBAL_BUFF) {
                    if (held->buff->isAlive() && held->trigger->matchesActor(0))
                        handlers.emplace_back(ORIGIN_GLOBAL_BUFF, -1, held->buff, nullptr, held->trigger);
                    continue;
                }
                const int side = held->side;
                ZelkinTeam* team = teams[side];
                if (!team || actors[side] < 0 || !held->trigger->matchesActor(actors[side])) continue;
                const PowerSwitchesHandler& switches = team->readPowerSwitches();
                bool runs = false;
                if (held->origin == ORIGIN_ABILITY) {
                    runs = abilitiesOn && switches.isOn(SWITCH_ABILITY);
                } else if (held->origin == ORIGIN_STATUS) {
                    runs = switches.isOn(SWITCH_STATUS);
                } else {
                    runs = held->buff->isAlive() && switches.isOn(SWITCH_ALL_BUFFS) &&
                           switches.isOn(held->definition->isTeamBuff() ? SWITCH_TEAM_BUFFS
                                                                        : SWITCH_CREATURE_BUFFS);
                }
                if (runs) handlers.emplace_back(held->origin, side, held->buff, nullptr, held->trigger);
            }
        }
    }
    if (sources.has(DispatchSources::MOVE)) {
        ZelkinMove* move = variables->getMove();
        int moveSide = saturatingInt(variables->getSlot(SVAR_CAMP_SOURCE));
        for (ZelkinBuffTrigger* trigger : move->getTriggers()) {
            if (trigger && trigger->getEvent() == event)
                handlers.emplace_back(ORIGIN_MOVE, moveSide, nullptr, move, trigger);
        }
    }

    const size_t end = handlers.size();
    if (end - first > 1) std::sort(handlers.begin() + first, handlers.end(), compareHandlers);
    runGatheredHandlers(first, end, sourceSide, targetSide);
}

void GameBattleEngine::gatherHeldEvents(const std::uint64_t& counter) {
    // Gathered again after any change to the holders on this thread; the table may hold more than the
    // battle runs (dead buffs, switched-off holders), which only costs a look that finds nothing. Only the
    // ranges of the events of heldEvents are read, so only theirs are set.
    heldEvents = BattleEventSet();
    heldEventsAsSource[0] = BattleEventSet();
    heldEventsAsSource[1] = BattleEventSet();
    // The triggers in dispatch order first, counted by event in heldTriggerEnd, with the events listed in
    // the order they are met.
    std::vector<HeldTrigger>& gathered = gatheredTriggers;
    gathered.clear();
    int events[BATTLE_EVENT_MAX + 1];
    int eventCount = 0;
    BattleEventSet listed;
    auto add = [&](ZelkinBuff* buff, int origin, int side) {
        const ZelkinBuffData* definition = buff ? buff->getDefinition() : nullptr;
        if (!definition) return;
        // Every event a holder has a trigger for counts as one that may fire, as a stat read tells its
        // scripts; only the triggers that can run are listed: events outside the table's range are never
        // fired, and triggers that answer to no actor never run.
        heldEvents.addAll(definition->triggerEvents);
        for (ZelkinBuffTrigger* trigger : definition->getTriggers()) {
            const unsigned number = trigger ? static_cast<unsigned>(trigger->getEvent()) : ~0u;
            if (number > static_cast<unsigned>(BATTLE_EVENT_MAX) || !mayAnswer(trigger, origin)) continue;
            const int event = static_cast<int>(number);
            if (!listed.contains(event)) {
                listed.add(event);
                heldTriggerEnd[event] = 0;
                events[eventCount++] = event;
            }
            ++heldTriggerEnd[event];
            // A side's holders answer as the source when it acts, as the target when the other side does.
            for (int acting = 0; acting < 2; ++acting) {
                if (origin == ORIGIN_GLOBAL_BUFF || trigger->matchesActor(side == acting ? 0 : 1))
                    heldEventsAsSource[acting].add(event);
            }
            gathered.push_back({buff, trigger, origin, side, definition});
        }
    };
    if (field) {
        ZelkinTeam* teams[2] = {field->getTeamChecked(0), field->getTeamChecked(1)};
        for (int i = 0; i < field->getGlobalBuffCount(); ++i)
            add(field->getGlobalBuff(i), ORIGIN_GLOBAL_BUFF, -1);
        for (int side = 0; side < 2; ++side) {
            if (teams[side]) add(teams[side]->getAbilityBuff(), ORIGIN_ABILITY, side);
        }
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; teams[side] && i < teams[side]->getBuffCount(); ++i)
                add(teams[side]->getBuffAt(i), ORIGIN_BUFF, side);
        }
        for (int side = 0; side < 2; ++side) {
            Zelkin* creature = teams[side] ? teams[side]->getActive() : nullptr;
            if (creature) add(creature->getStatus(), ORIGIN_STATUS, side);
        }
    }
    // Each event then gets its range, filled from the front in the same order, which leaves
    // heldTriggerEnd at the ends.
    int total = 0;
    for (int i = 0; i < eventCount; ++i) {
        const int event = events[i];
        heldTriggerBegin[event] = total;
        total += heldTriggerEnd[event];
        heldTriggerEnd[event] = heldTriggerBegin[event];
    }
    // The other events of heldEvents (only triggers that answer to no actor) get an empty range.
    for (size_t i = 0; i < BattleEventSet::WORD_COUNT; ++i) {
        for (std::uint64_t unlisted = heldEvents.word(i) & ~listed.word(i); unlisted != 0;
             unlisted &= unlisted - 1) {
            const size_t event = i * 64 + static_cast<size_t>(__builtin_ctzll(unlisted));
            heldTriggerBegin[event] = heldTriggerEnd[event] = 0;
        }
    }
    heldTriggers.resize(gathered.size());
    for (const HeldTrigger& held : gathered)
        heldTriggers[static_cast<size_t>(heldTriggerEnd[held.trigger->getEvent()]++)] = held;
    heldEventsCounter = &counter;
    heldEventsRevision = counter;
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
    runGatheredHandlers(first, handlers.size(), side, opponentSide(side));
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
    const size_t depth = handlerStack.size();
    if (depth >= 1) variables->setRunningHandler(dispatchBuffer[handlerStack[depth - 1]]);
    if (depth >= 2) variables->setCallingHandler(dispatchBuffer[handlerStack[depth - 2]]);
}
