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

float VariableTable::getVariable(std::string name) {
    const Name key(name);
    static constexpr struct {
        Name name;
        int VariableTable::*field;
    } intFields[] = {
        {"damage", &VariableTable::damage},
        {"total_damage", &VariableTable::totalDamage},
        {"can_move", &VariableTable::canMove},
        {"move_spot", &VariableTable::moveSpot},
        {"move_success", &VariableTable::moveSuccess},
        {"move_hit", &VariableTable::moveHit},
        {"number_hits", &VariableTable::numberHits},
        {"hit_num", &VariableTable::hitNum},
        {"contact_made", &VariableTable::contactMade},
        {"move_cat", &VariableTable::moveCategory},
        {"camp_source", &VariableTable::campSource},
        {"camp_target", &VariableTable::campTarget},
        {"precision", &VariableTable::precision},
        {"critical_hit", &VariableTable::criticalHit},
        {"stat_att", &VariableTable::statAtt},
        {"stat_def", &VariableTable::statDef},
        {"power_move", &VariableTable::powerMove},
    };
    for (const auto& entry : intFields) {
        if (key == entry.name) return static_cast<float>(this->*entry.field);
    }
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
        if (key == entry.name) return this->*entry.field;
    }

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
    // The names are all different: the first match is the only one. "move_cat" is read-only.
    static constexpr struct {
        Name name;
        int VariableTable::*field;
    } intFields[] = {
        {"damage", &VariableTable::damage},
        {"total_damage", &VariableTable::totalDamage},
        {"can_move", &VariableTable::canMove},
        {"move_spot", &VariableTable::moveSpot},
        {"move_success", &VariableTable::moveSuccess},
        {"move_hit", &VariableTable::moveHit},
        {"contact_made", &VariableTable::contactMade},
        {"camp_source", &VariableTable::campSource},
        {"camp_target", &VariableTable::campTarget},
        {"precision", &VariableTable::precision},
        {"number_hits", &VariableTable::numberHits},
        {"hit_num", &VariableTable::hitNum},
        {"critical_hit", &VariableTable::criticalHit},
        {"stat_att", &VariableTable::statAtt},
        {"stat_def", &VariableTable::statDef},
        {"power_move", &VariableTable::powerMove},
    };
    for (const auto& entry : intFields) {
        if (key == entry.name) {
            // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead
            // of being converted with undefined behaviour.
            this->*entry.field = saturatingInt(value);
            return;
        }
    }
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
        {"result", &VariableTable::result},
        {"return_value", &VariableTable::returnValue},
        {"val_1", &VariableTable::val1},
        {"val_2", &VariableTable::val2},
        {"val_3", &VariableTable::val3},
        {"val_4", &VariableTable::val4},
    };
    for (const auto& entry : floatFields) {
        if (key == entry.name) {
            this->*entry.field = value;
            return;
        }
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
