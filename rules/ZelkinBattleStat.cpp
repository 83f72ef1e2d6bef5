// The twelve battle counters of a creature kept beyond one battle.
#include "rules/ZelkinBattleStat.hpp"

ZelkinBattleStat::ZelkinBattleStat() {
    for (int i = 0; i < COUNTER_COUNT; ++i)
        counters[i] = 0;
}

ZelkinBattleStat::~ZelkinBattleStat() {}

int ZelkinBattleStat::get(int index) {
    if (index < 0 || index >= COUNTER_COUNT) return 0;
    return counters[index];
}

void ZelkinBattleStat::add(int amount, int index) {
    if (index < 0 || index >= COUNTER_COUNT) return;
    counters[index] += amount;
}
