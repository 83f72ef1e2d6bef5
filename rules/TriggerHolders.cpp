// The per-thread count of changes to what holds triggers in a battle.
#include "rules/TriggerHolders.hpp"

namespace {
// A battle and its look-ahead copies each change only on the thread that runs them.
thread_local std::uint64_t holdersRevision = 0;
} // namespace

void noteTriggerHoldersChanged() { ++holdersRevision; }

const std::uint64_t& triggerHoldersRevision() { return holdersRevision; }
