// The twelve battle counters of a creature kept beyond one battle, for the result screens.
#pragma once

class ZelkinBattleStat {
public:
    static const int COUNTER_COUNT = 12;

    ZelkinBattleStat();
    virtual ~ZelkinBattleStat();
    // Counter at index, 0 outside 0..11.
    virtual int get(int index);
    // Adds amount to the counter at index; other indexes are ignored.
    virtual void add(int amount, int index);

private:
    int counters[COUNTER_COUNT];
};
