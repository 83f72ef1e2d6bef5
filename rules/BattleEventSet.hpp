// A set of battle event numbers: which events a definition's triggers wait for, tested in one step when an
// event fires.
#pragma once

#include <cstdint>

#include "rules/BattleEvents.hpp"

class BattleEventSet {
public:
    // Numbers outside 0 .. BATTLE_EVENT_MAX are never members.
    void add(int event) {
        if (event >= 0 && event <= BATTLE_EVENT_MAX) words[event / 64] |= std::uint64_t{1} << (event % 64);
    }
    bool contains(int event) const {
        return event >= 0 && event <= BATTLE_EVENT_MAX && (words[event / 64] >> (event % 64) & 1u) != 0;
    }

private:
    std::uint64_t words[BATTLE_EVENT_MAX / 64 + 1] = {};
};
