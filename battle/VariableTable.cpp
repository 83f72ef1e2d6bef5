// The action's variables: names as scripts see them, their defaults, and what reading and writing does.
#include "battle/VariableTable.hpp"

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/ZelkinType.hpp"

VariableTable::VariableTable()
    : runningHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr),
      callingHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr) {}

VariableTable::~VariableTable() = default;

int VariableTable::getDamage() const { return damage; }
void VariableTable::setDamage(int value) { damage = value; }
float VariableTable::getEffectiveness() const { return effectiveness; }
void VariableTable::setEffectiveness(int value) { effectiveness = static_cast<float>(value); }

// Where each slot of ScriptVariables.hpp lives: an int field (truncated on writing, saturating), a float
// field, or a die with a number of faces. "move_cat" is read-only.
struct VariableTable::SlotField {
    int VariableTable::*intField;
    float VariableTable::*floatField;
    bool writable;
    int faces;
};

const VariableTable::SlotField& VariableTable::slotField(int slot) {
    static const SlotField slots[SCRIPT_VARIABLE_COUNT] = {
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
    return slots[slot];
}

float VariableTable::getSlot(int slot) {
    if (slot < 0 || slot >= SCRIPT_VARIABLE_COUNT) return 0.0f;
    const SlotField& entry = slotField(slot);
    if (entry.intField) return static_cast<float>(this->*entry.intField);
    if (entry.floatField) return this->*entry.floatField;
    // Dice give a fresh draw every time they are read.
    PseudoRNG rng;
    return static_cast<float>(rng.random(entry.faces) + 1);
}

void VariableTable::setSlot(int slot, float value) {
    if (slot < 0 || slot >= SCRIPT_VARIABLE_COUNT) return;
    const SlotField& entry = slotField(slot);
    if (!entry.writable) return;
    // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead of being
    // converted with undefined behaviour.
    if (entry.intField)
        this->*entry.intField = saturatingInt(value);
    else if (entry.floatField)
        this->*entry.floatField = value;
}

float VariableTable::getVariable(std::string_view name) { return getSlot(scriptVariableFromName(name)); }

void VariableTable::setVariable(std::string_view name, float value) {
    setSlot(scriptVariableFromName(name), value);
}

std::vector<std::string> VariableTable::getTextVariable(std::string name) const {
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
