// One power switch of a side.
#include "rules/PowerSwitch.hpp"

PowerSwitch::PowerSwitch() = default;

PowerSwitch::~PowerSwitch() = default;

bool PowerSwitch::set(bool value, int newPriority) {
    if (newPriority > priority) {
        on = value;
        priority = newPriority;
        return true;
    }
    if (newPriority == priority && !value) {
        on = false;
        return true;
    }
    return false;
}

int PowerSwitch::getPriority() const { return priority; }

bool PowerSwitch::isOn() const { return on; }

void PowerSwitch::reset() {
    on = true;
    priority = 0;
}
