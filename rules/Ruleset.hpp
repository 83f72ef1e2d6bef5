// A named set of battle rules: which species may enter, their level, and triggers for every battle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/BattleEventSet.hpp"

class ZelkinBuffTrigger;
class QXML_Command;

class Ruleset {
public:
    // A null name reads as the empty text. Every field takes the permissive default.
    explicit Ruleset(const char* name);
    // The triggers belong to the database and are not deleted here.
    virtual ~Ruleset();

    // Takes over the command tree; nothing happens for a null tree.
    virtual void addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority);

    const std::string& getName() const { return name; }

    // The built-in ruleset that lets everything in, used when no ruleset could be read.
    static Ruleset* createAnythingGoes();
    static const char* const ANYTHING_GOES_NAME;

    // Read directly by the admission test, the random creature factory and the trigger dispatch.
    std::string name;
    std::vector<ZelkinBuffTrigger*> triggers;
    // The events of the triggers, kept by addTrigger.
    BattleEventSet triggerEvents;
    int32_t maxSumStats = 9999;
    int32_t minSumStats = 0;
    int32_t baseLevel = 50;
    int32_t allowLegendaries = 1;
    int32_t allowMythics = 1;
    int32_t allowFabulous = 1;
    int32_t balanceMinPower = 525;
    bool autobalance = true;
    bool allowForms = true;
};
