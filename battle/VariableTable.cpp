// The action's variables: names as scripts see them, their defaults, and what reading and writing does.
#include "battle/VariableTable.hpp"

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

float VariableTable::getVariable(std::string name) {
    if (name == "damage") return static_cast<float>(damage);
    if (name == "total_damage") return static_cast<float>(totalDamage);
    if (name == "percent_damage") return percentDamage;
    if (name == "total_percent_damage") return totalPercentDamage;
    if (name == "can_move") return static_cast<float>(canMove);
    if (name == "move_spot") return static_cast<float>(moveSpot);
    if (name == "move_success") return static_cast<float>(moveSuccess);
    if (name == "move_hit") return static_cast<float>(moveHit);
    if (name == "number_hits") return static_cast<float>(numberHits);
    if (name == "hit_num") return static_cast<float>(hitNum);
    if (name == "contact_made") return static_cast<float>(contactMade);
    if (name == "move_cat") return static_cast<float>(moveCategory);
    if (name == "camp_source") return static_cast<float>(campSource);
    if (name == "camp_target") return static_cast<float>(campTarget);
    if (name == "precision") return static_cast<float>(precision);
    if (name == "critical_ratio") return criticalRatio;
    if (name == "critical_bonus") return criticalBonus;
    if (name == "critical_hit") return static_cast<float>(criticalHit);
    if (name == "effectiveness") return effectiveness;
    if (name == "immunity") return immunity;
    if (name == "stat_att") return static_cast<float>(statAtt);
    if (name == "stat_def") return static_cast<float>(statDef);
    if (name == "power_move") return static_cast<float>(powerMove);
    if (name == "mult_dmg") return multDmg;
    if (name == "return_value") return returnValue;
    if (name == "result") return result;
    if (name == "val_1") return val1;
    if (name == "val_2") return val2;
    if (name == "val_3") return val3;
    if (name == "val_4") return val4;

    // Dice give a fresh draw every time they are read.
    static const struct {
        const char* name;
        int faces;
    } dice[] = {{"d100", 100}, {"d20", 20}, {"d12", 12}, {"d8", 8}, {"d6", 6}, {"d2", 2}};
    for (const auto& die : dice) {
        if (name == die.name) {
            PseudoRNG rng;
            return static_cast<float>(rng.random(die.faces) + 1);
        }
    }
    return 0.0f;
}

void VariableTable::setVariable(std::string name, float value) {
    // Scripts compute in floats: a value beyond the int range (or not a number) saturates instead of
    // being converted with undefined behaviour.
    const int whole = saturatingInt(value);
    struct IntField {
        const char* name;
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
    for (const IntField& entry : intFields) {
        if (name == entry.name) *entry.field = whole;
    }
    struct FloatField {
        const char* name;
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
        if (name == entry.name) *entry.field = value;
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
