// The action's variables: names as scripts see them, their defaults, and what reading and writing does.
#include "battle/VariableTable.hpp"

#include "rules/RecycledBlocks.hpp"

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/ZelkinType.hpp"

VariableTable::VariableTable()
    : runningHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr),
      callingHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr) {}

VariableTable::~VariableTable() = default;

void* VariableTable::operator new(std::size_t size) {
    return RecycledBlocks<sizeof(VariableTable)>::take(size);
}

void VariableTable::operator delete(void* block) noexcept {
    RecycledBlocks<sizeof(VariableTable)>::give(block);
}

int VariableTable::getDamage() const { return damage; }
void VariableTable::setDamage(int value) { damage = value; }
float VariableTable::getEffectiveness() const { return effectiveness; }
void VariableTable::setEffectiveness(int value) { effectiveness = static_cast<float>(value); }

// One entry per slot of ScriptVariables.hpp, in its order.
const VariableTable::SlotField VariableTable::SLOT_FIELDS[SCRIPT_VARIABLE_COUNT] = {
    {&VariableTable::damage, nullptr, true, 0},
    {&VariableTable::totalDamage, nullptr, true, 0},
    {&VariableTable::canMove, nullptr, true, 0},
    {&VariableTable::moveSpot, nullptr, true, 0},
    {&VariableTable::moveSuccess, nullptr, true, 0},
    {&VariableTable::moveHit, nullptr, true, 0},
    {&VariableTable::numberHits, nullptr, true, 0},
    {&VariableTable::hitNum, nullptr, true, 0},
    {&VariableTable::contactMade, nullptr, true, 0},
    {&VariableTable::moveCategory, nullptr, false, 0},
    {&VariableTable::campSource, nullptr, true, 0},
    {&VariableTable::campTarget, nullptr, true, 0},
    {&VariableTable::precision, nullptr, true, 0},
    {&VariableTable::criticalHit, nullptr, true, 0},
    {&VariableTable::statAtt, nullptr, true, 0},
    {&VariableTable::statDef, nullptr, true, 0},
    {&VariableTable::powerMove, nullptr, true, 0},
    {nullptr, &VariableTable::percentDamage, true, 0},
    {nullptr, &VariableTable::totalPercentDamage, true, 0},
    {nullptr, &VariableTable::criticalRatio, true, 0},
    {nullptr, &VariableTable::criticalBonus, true, 0},
    {nullptr, &VariableTable::effectiveness, true, 0},
    {nullptr, &VariableTable::immunity, true, 0},
    {nullptr, &VariableTable::multDmg, true, 0},
    {nullptr, &VariableTable::returnValue, true, 0},
    {nullptr, &VariableTable::result, true, 0},
    {nullptr, &VariableTable::val1, true, 0},
    {nullptr, &VariableTable::val2, true, 0},
    {nullptr, &VariableTable::val3, true, 0},
    {nullptr, &VariableTable::val4, true, 0},
    {nullptr, nullptr, false, 100},
    {nullptr, nullptr, false, 20},
    {nullptr, nullptr, false, 12},
    {nullptr, nullptr, false, 8},
    {nullptr, nullptr, false, 6},
    {nullptr, nullptr, false, 2},
};

float VariableTable::rollDie(int faces) {
    PseudoRNG rng;
    return static_cast<float>(rng.random(faces) + 1);
}

float VariableTable::getVariable(std::string_view name) { return getSlot(scriptVariableFromName(name)); }

void VariableTable::setVariable(std::string_view name, float value) {
    setSlot(scriptVariableFromName(name), value);
}

std::vector<std::string> VariableTable::getTextVariable(const std::string& name) const {
    if (name == "type_move") {
        if (moveType) return {moveType->getName()};
        return {};
    }
    if (name == "subtype_move") {
        if (moveSubtype) return {moveSubtype->getName()};
        return {};
    }
    if (name == "types_offensive") return offensiveTypes;
    if (name == "types_defensive") return defensiveTypes;
    if (name == "reason") return {reason};
    if (name == "stat_aff") return {affectedStat};
    return {};
}
