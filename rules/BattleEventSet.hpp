// A set of battle event numbers: which events a definition's triggers wait for, tested in one step when an
// event fires.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/BattleEvents.hpp"

class BattleEventSet {
public:
    // Numbers outside 0 .. BATTLE_EVENT_MAX are never members. (Unsigned, a negative number wraps past the
    // top: one comparison, and shifts in place of signed division.)
    constexpr void add(int event) {
        const unsigned number = static_cast<unsigned>(event);
        if (number <= static_cast<unsigned>(BATTLE_EVENT_MAX))
            words[number / 64] |= std::uint64_t{1} << (number % 64);
    }
    constexpr void addAll(const BattleEventSet& other) {
        for (size_t i = 0; i < WORD_COUNT; ++i)
            words[i] |= other.words[i];
    }
    constexpr bool contains(int event) const {
        const unsigned number = static_cast<unsigned>(event);
        return number <= static_cast<unsigned>(BATTLE_EVENT_MAX) &&
               (words[number / 64] >> (number % 64) & 1u) != 0;
    }

    constexpr bool intersects(const BattleEventSet& other) const {
        for (size_t i = 0; i < WORD_COUNT; ++i) {
            if ((words[i] & other.words[i]) != 0) return true;
        }
        return false;
    }
    // The members as bits: event e is bit e % 64 of word e / 64.
    static constexpr size_t WORD_COUNT = BATTLE_EVENT_MAX / 64 + 1;
    constexpr std::uint64_t word(size_t i) const { return words[i]; }

private:
    std::uint64_t words[WORD_COUNT] = {};
};
