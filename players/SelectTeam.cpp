// One side's pre-battle pick list: the creatures brought along and the ones chosen to fight, in order.
#include "players/SelectTeam.hpp"

#include <algorithm>

#include "rules/Zelkin.hpp"

SelectTeam::SelectTeam(const std::string& name, int capacity)
    : name(name), capacity(std::max(1, std::min(capacity, MAX_MEMBERS))) {}

SelectTeam::~SelectTeam() {
    for (int slot = 0; slot < memberCount; ++slot)
        if (!isPicked(slot + 1)) delete members[slot];
}

const std::string& SelectTeam::getName() const { return name; }

void SelectTeam::addMember(Zelkin* creature) {
    if (creature == nullptr || memberCount >= MAX_MEMBERS) return;
    members[memberCount++] = creature;
}

void SelectTeam::pick(int number) {
    if (full) return;
    if (pickCount >= capacity) {
        full = 1;
        return;
    }
    // A number naming no member would leave a hole in the battle team.
    if (number < 1 || number > memberCount) return;
    if (isPicked(number)) return;
    picks[pickCount++] = number;
}

int SelectTeam::unpick() {
    if (pickCount == 0 || full) return pickCount;
    picks[--pickCount] = 0;
    return pickCount;
}

bool SelectTeam::isFull() const { return full != 0; }

Zelkin* SelectTeam::getMember(int i) const { return (i >= 0 && i < memberCount) ? members[i] : nullptr; }

Zelkin* SelectTeam::getPicked(int i) const {
    if (i < 0 || i >= pickCount) return nullptr;
    return getMember(picks[i] - 1);
}

int SelectTeam::getCapacity() const { return capacity; }
int SelectTeam::getPickCount() const { return pickCount; }
int SelectTeam::getMemberCount() const { return memberCount; }

bool SelectTeam::isPicked(int number) const {
    for (int i = 0; i < pickCount; ++i)
        if (picks[i] == number) return true;
    return false;
}
