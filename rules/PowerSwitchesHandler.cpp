// The nine power switches of a side.
#include "rules/PowerSwitchesHandler.hpp"

PowerSwitchesHandler::PowerSwitchesHandler() = default;

PowerSwitchesHandler::~PowerSwitchesHandler() = default;

PowerSwitch* PowerSwitchesHandler::getSwitch(int i) {
    if (i < 0 || i >= COUNT) return nullptr;
    return &switches[i];
}

const PowerSwitch* PowerSwitchesHandler::getSwitch(int i) const {
    if (i < 0 || i >= COUNT) return nullptr;
    return &switches[i];
}

bool PowerSwitchesHandler::isOn(int i) const {
    const PowerSwitch* s = getSwitch(i);
    return s != nullptr && s->isOn();
}

bool PowerSwitchesHandler::set(int i, bool on, int priority) {
    PowerSwitch* s = getSwitch(i);
    return s != nullptr && s->set(on, priority);
}

void PowerSwitchesHandler::resetAll() {
    for (PowerSwitch& s : switches)
        s.reset();
}
