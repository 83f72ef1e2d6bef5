// What the engine's trigger dispatch may keep between events: a per-thread count of the changes to what
// holds triggers in a battle besides the ruleset, the arena and the move (the buffs of a team, its ability
// and its active creature, a creature's status, the field-wide buffs), and every event that some ruleset or
// arena loaded in the run waits for.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "rules/BattleEventSet.hpp"
#include "rules/BattleEvents.hpp"

namespace triggerHolders {
// A battle and its look-ahead copies each change only on the thread that runs them. Inline, as the
// engine reads it at nearly every event.
inline thread_local std::uint64_t revision = 0;
// It only grows: rulesets and arenas gain triggers while loading and live for the whole run, and a bot's
// thread may read it while a loader adds to it.
inline std::atomic<std::uint64_t> fieldEvents[BATTLE_EVENT_MAX / 64 + 1] = {};
} // namespace triggerHolders

// Every change of the kind above calls this, on the thread that makes it.
inline void noteTriggerHoldersChanged() { ++triggerHolders::revision; }
// The calling thread's count; its address tells one thread's count from another's.
inline const std::uint64_t& triggerHoldersRevision() { return triggerHolders::revision; }

// A ruleset or an arena gained a trigger for the event.
inline void noteFieldTriggerEvent(int event) {
    const unsigned number = static_cast<unsigned>(event);
    if (number <= static_cast<unsigned>(BATTLE_EVENT_MAX))
        triggerHolders::fieldEvents[number / 64].fetch_or(std::uint64_t{1} << (number % 64),
                                                          std::memory_order_relaxed);
}
// False when no ruleset or arena loaded so far waits for the event.
inline bool someFieldSourceWaitsFor(int event) {
    const unsigned number = static_cast<unsigned>(event);
    return number <= static_cast<unsigned>(BATTLE_EVENT_MAX) &&
           (triggerHolders::fieldEvents[number / 64].load(std::memory_order_relaxed) >> (number % 64) & 1u) !=
               0;
}
// False when no ruleset or arena loaded so far waits for any of the events.
inline bool someFieldSourceWaitsForAnyOf(const BattleEventSet& events) {
    for (size_t i = 0; i < BattleEventSet::WORD_COUNT; ++i) {
        if ((triggerHolders::fieldEvents[i].load(std::memory_order_relaxed) & events.word(i)) != 0)
            return true;
    }
    return false;
}
