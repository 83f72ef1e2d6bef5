// A set of battle event numbers: which events a definition's triggers wait for, tested in one step when an
// event fires.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/BattleEvents.hpp"

class BattleEventSet {
public:
    // Numbers outside 0 .. BATTLE_EVENT_MAX are never members.
    void add(int event) {
        if (event >= 0 && event <= BATTLE_EVENT_MAX) words[event / 64] |= std::uint64_t{1} << (event % 64);
    }
    void addAll(const BattleEventSet& other) {
        for (size_t i = 0; i < sizeof words / sizeof words[0]; ++i)
            words[i] |= other.words[i];
    }
    bool contains(int event) const {
        return event >= 0 && event <= BATTLE_EVENT_MAX && (words[event / 64] >> (event % 64) & 1u) != 0;
    }

private:
    std::uint64_t words[BATTLE_EVENT_MAX / 64 + 1] = {};
};
