// Loader of the ruleset files ("data/rulesets/*.xml").
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Ruleset.hpp"
#include "rules/XmlChildIndex.hpp"

namespace {
// The children of a ruleset element that the loader reads, by field number.
enum RulesetField {
    F_NAME,
    F_BASE_LEVEL,
    F_MIN_SUM_STATS,
    F_MAX_SUM_STATS,
    F_NO_AUTOBALANCE,
    F_NO_FORMS,
    F_NO_FABULOUS,
    F_NO_MYTHICS,
    F_NO_LEGENDARIES,
    F_BALANCE_MIN_POWER,
    F_TRIGGER,
    RULESET_FIELD_COUNT
};
const char* const rulesetFields[RULESET_FIELD_COUNT] = {
    "name",        "base_level", "min_sum_stats",  "max_sum_stats",     "no_autobalance", "no_forms",
    "no_fabulous", "no_mythics", "no_legendaries", "balance_min_power", "trigger"};

// The bounds and flags of one ruleset element, each applied only when its value makes sense.
void readRulesetSettings(Ruleset* ruleset, const XmlChildIndex& fields) {
    if (fields.has(F_BASE_LEVEL)) {
        int v = clampedAtoi(fields.rawText(F_BASE_LEVEL));
        if (v >= 1 && v <= 100) ruleset->baseLevel = v;
    }
    // The minimum is read before the maximum, so it is checked against the default maximum.
    if (fields.has(F_MIN_SUM_STATS)) {
        int v = clampedAtoi(fields.rawText(F_MIN_SUM_STATS));
        if (v > 0 && v < ruleset->maxSumStats) ruleset->minSumStats = v;
    }
    if (fields.has(F_MAX_SUM_STATS)) {
        int v = clampedAtoi(fields.rawText(F_MAX_SUM_STATS));
        if (v > ruleset->minSumStats) ruleset->maxSumStats = v;
    }
    if (fields.has(F_NO_AUTOBALANCE)) ruleset->autobalance = false;
    if (fields.has(F_NO_FORMS)) ruleset->allowForms = false;
    if (fields.has(F_NO_FABULOUS)) ruleset->allowFabulous = 0;
    if (fields.has(F_NO_MYTHICS)) ruleset->allowMythics = 0;
    if (fields.has(F_NO_LEGENDARIES)) ruleset->allowLegendaries = 0;
    if (fields.has(F_BALANCE_MIN_POWER))
        ruleset->balanceMinPower = clampedAtoi(fields.rawText(F_BALANCE_MIN_POWER));
}
} // namespace

void GameParser::loadRulesets(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    XmlChildIndex fields(rulesetFields, RULESET_FIELD_COUNT);
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("ruleset"); element != nullptr;
         element = element->NextSiblingElement("ruleset")) {
        ++number;
        fields.read(element);
        if (!fields.has(F_NAME)) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_RULESET + " element number " + std::to_string(number));
            continue;
        }
        std::string name = fields.text(F_NAME);
        Ruleset* ruleset = new Ruleset(name.c_str());
        readRulesetSettings(ruleset, fields);
        fields.each(F_TRIGGER, [&](tinyxml2::XMLElement* trigger) {
            if (!xmlHasAttribute(trigger, "when")) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_RULESET + " " + name +
                         " : Trigger found with no WHEN attribute");
                return;
            }
            int priority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            ruleset->addTrigger(xmlAttribute(trigger, "when"), xmlAttribute(trigger, "actor"),
                                parseEffect(trigger), priority);
        });
        rulesets.push_back(ruleset);
    }
    doc.Clear();
    // Battles and random creatures always need a current ruleset.
    if (rulesets.empty()) rulesets.push_back(Ruleset::createAnythingGoes());
    selectRuleset(0);
}
