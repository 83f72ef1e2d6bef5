// The action's variables: names as scripts see them, their defaults, and what reading and writing does.
#include "battle/VariableTable.hpp"

#include <string_view>

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ZelkinType.hpp"

VariableTable::VariableTable()
    : runningHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr),
      callingHandler(ORIGIN_NONE, 0, nullptr, nullptr, nullptr) {}

VariableTable::~VariableTable() = default;

int VariableTable::getDamage() const { return damage; }
void VariableTable::setDamage(int value) { damage = value; }
float VariableTable::getEffectiveness() const { return effectiveness; }
void VariableTable::setEffectiveness(int value) { effectiveness = static_cast<float>(value); }

namespace {
// The engine reads and writes these many times a move: the name tables are built once, and names are
// compared as views, whose equality checks the length before any byte, so most entries are passed over at
// once.
using Name = std::string_view;
} // namespace

// The names are all different: the first match is the only one. "move_cat" is read-only.
int* VariableTable::intField(std::string_view key, bool forWriting) {
    static constexpr struct {
        Name name;
        int VariableTable::*field;
        bool writable;
    } intFields[] = {
        {"damage", &VariableTable::damage, true},
        {"total_damage", &VariableTable::totalDamage, true},
        {"can_move", &VariableTable::canMove, true},
        {"move_spot", &VariableTable::moveSpot, true},
        {"move_success", &VariableTable::moveSuccess, true},
        {"move_hit", &VariableTable::moveHit, true},
        {"number_hits", &VariableTable::numberHits, true},
        {"hit_num", &VariableTable::hitNum, true},
        {"contact_made", &VariableTable::contactMade, true},
        {"move_cat", &VariableTable::moveCategory, false},
        {"camp_source", &VariableTable::campSource, true},
        {"camp_target", &VariableTable::campTarget, true},
        {"precision", &VariableTable::precision, true},
        {"critical_hit", &VariableTable::criticalHit, true},
        {"stat_att", &VariableTable::statAtt, true},
        {"stat_def", &VariableTable::statDef, true},
        {"power_move", &VariableTable::powerMove, true},
    };
    for (const auto& entry : intFields) {
        if (key == entry.name) return forWriting && !entry.writable ? nullptr : &(this->*entry.field);
    }
    return nullptr;
}

float* VariableTable::floatField(std::string_view key) {
    static constexpr struct {
        Name name;
        float VariableTable::*field;
    } floatFields[] = {
        {"percent_damage", &VariableTable::percentDamage},
        {"total_percent_damage", &VariableTable::totalPercentDamage},
        {"critical_ratio", &VariableTable::criticalRatio},
        {"critical_bonus", &VariableTable::criticalBonus},
        {"effectiveness", &VariableTable::effectiveness},
        {"immunity", &VariableTable::immunity},
        {"mult_dmg", &VariableTable::multDmg},
        {"return_value", &VariableTable::returnValue},
        {"result", &VariableTable::result},
        {"val_1", &VariableTable::val1},
        {"val_2", &VariableTable::val2},
        {"val_3", &VariableTable::val3},
        {"val_4", &VariableTable::val4},
    };
    for (const auto& entry : floatFields) {
        if (key == entry.name) return &(this->*entry.field);
    }
    return nullptr;
}

float VariableTable::getVariable(std::string name) {
    const Name key(name);
    if (const int* field = intField(key, false)) return static_cast<float>(*field);
    if (const float* field = floatField(key)) return *field;

    // Dice give a fresh draw every time they are read.
    static constexpr struct {
        Name name;
        int faces;
    } dice[] = {{"d100", 100}, {"d20", 20}, {"d12", 12}, {"d8", 8}, {"d6", 6}, {"d2", 2}};
    for (const auto& die : dice) {
        if (key == die.name) {
            PseudoRNG rng;
            return static_cast<float>(rng.random(die.faces) + 1);
        }
    }
    return 0.0f;
}

void VariableTable::setVariable(std::string name, float value) {
    const Name key(name);
    if (int* field = intField(key, true)) {
        // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead of
        // being converted with undefined behaviour.
        *field = saturatingInt(value);
    } else if (float* field = floatField(key)) {
        *field = value;
    }
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
