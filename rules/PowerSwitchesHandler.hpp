// The nine power switches of a side, held by value; the battle engine gives each index its meaning.
#pragma once

#include "rules/PowerSwitch.hpp"

class PowerSwitchesHandler {
public:
    static constexpr int COUNT = 9;

    PowerSwitchesHandler();
    virtual ~PowerSwitchesHandler();

    // The switch at index i, or null outside 0 .. 8.
    PowerSwitch* getSwitch(int i);
    const PowerSwitch* getSwitch(int i) const;
    // Whether switch i is on; an index outside 0 .. 8 names no switch and reads false.
    bool isOn(int i) const;
    // PowerSwitch::set on switch i; false (nothing changed) outside 0 .. 8.
    bool set(int i, bool on, int priority);
    // Every switch back to on with priority 0.
    void resetAll();

private:
    PowerSwitch switches[COUNT];
};
