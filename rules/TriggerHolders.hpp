// A per-thread count of the changes to what holds triggers in a battle besides the ruleset, the arena and
// the move: the buffs of a team, its ability and its active creature, a creature's status, the field-wide
// buffs. The engine's trigger dispatch keeps what it learnt from those holders while the count stays put.
#pragma once

#include <cstdint>

// Every change of the kind above calls this, on the thread that makes it.
void noteTriggerHoldersChanged();
// The calling thread's count; its address tells one thread's count from another's.
const std::uint64_t& triggerHoldersRevision();
