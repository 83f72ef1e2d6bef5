// A per-thread count of the changes to what holds triggers in a battle besides the ruleset, the arena and
// the move: the buffs of a team, its ability and its active creature, a creature's status, the field-wide
// buffs. The engine's trigger dispatch keeps what it learnt from those holders while the count stays put.
#pragma once

#include <cstdint>

namespace triggerHolders {
// A battle and its look-ahead copies each change only on the thread that runs them. Inline, as the
// engine reads it at nearly every event.
inline thread_local std::uint64_t revision = 0;
} // namespace triggerHolders

// Every change of the kind above calls this, on the thread that makes it.
inline void noteTriggerHoldersChanged() { ++triggerHolders::revision; }
// The calling thread's count; its address tells one thread's count from another's.
inline const std::uint64_t& triggerHoldersRevision() { return triggerHolders::revision; }
