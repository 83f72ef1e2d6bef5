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
// The engine reads and writes these many times a move: names are compared as views, whose equality
// checks the length before any byte, so most entries are passed over at once.
using Name = std::string_view;
} // namespace

float VariableTable::getVariable(std::string name) {
    const Name key(name);
    const struct {
        Name name;
        const int* field;
    } intFields[] = {
        {"damage", &damage},          {"total_damage", &totalDamage}, {"can_move", &canMove},
        {"move_spot", &moveSpot},     {"move_success", &moveSuccess}, {"move_hit", &moveHit},
        {"number_hits", &numberHits}, {"hit_num", &hitNum},           {"contact_made", &contactMade},
        {"move_cat", &moveCategory},  {"camp_source", &campSource},   {"camp_target", &campTarget},
        {"precision", &precision},    {"critical_hit", &criticalHit}, {"stat_att", &statAtt},
        {"stat_def", &statDef},       {"power_move", &powerMove},
    };
    for (const auto& entry : intFields) {
        if (key == entry.name) return static_cast<float>(*entry.field);
    }
    const struct {
        Name name;
        const float* field;
    } floatFields[] = {
        {"percent_damage", &percentDamage},
        {"total_percent_damage", &totalPercentDamage},
        {"critical_ratio", &criticalRatio},
        {"critical_bonus", &criticalBonus},
        {"effectiveness", &effectiveness},
        {"immunity", &immunity},
        {"mult_dmg", &multDmg},
        {"return_value", &returnValue},
        {"result", &result},
        {"val_1", &val1},
        {"val_2", &val2},
        {"val_3", &val3},
        {"val_4", &val4},
    };
    for (const auto& entry : floatFields) {
        if (key == entry.name) return *entry.field;
    }

    // Dice give a fresh draw every time they are read.
    static const struct {
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
    // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead of
    // being converted with undefined behaviour.
    const int whole = saturatingInt(value);
    struct IntField {
        Name name;
        int* field;
    };
    const IntField intFields[] = {
        {"damage", &damage},
        {"total_damage", &totalDamage},
        {"can_move", &canMove},
        {"move_spot", &moveSpot},
        {"move_success", &moveSuccess},
        {"move_hit", &moveHit},
        {"contact_made", &contactMade},
        {"camp_source", &campSource},
        {"camp_target", &campTarget},
        {"precision", &precision},
        {"number_hits", &numberHits},
        {"hit_num", &hitNum},
        {"critical_hit", &criticalHit},
        {"stat_att", &statAtt},
        {"stat_def", &statDef},
        {"power_move", &powerMove},
    };
    // The names are all different: the first match is the only one.
    for (const IntField& entry : intFields) {
        if (key == entry.name) {
            *entry.field = whole;
            return;
        }
    }
    struct FloatField {
        Name name;
        float* field;
    };
    const FloatField floatFields[] = {
        {"percent_damage", &percentDamage},
        {"total_percent_damage", &totalPercentDamage},
        {"critical_ratio", &criticalRatio},
        {"critical_bonus", &criticalBonus},
        {"effectiveness", &effectiveness},
        {"immunity", &immunity},
        {"mult_dmg", &multDmg},
        {"result", &result},
        {"return_value", &returnValue},
        {"val_1", &val1},
        {"val_2", &val2},
        {"val_3", &val3},
        {"val_4", &val4},
    };
    for (const FloatField& entry : floatFields) {
        if (key == entry.name) {
            *entry.field = value;
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
