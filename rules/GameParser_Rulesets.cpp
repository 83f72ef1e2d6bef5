// Loader of the ruleset files ("data/rulesets/*.xml").
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Ruleset.hpp"

namespace {
// The bounds and flags of one ruleset element, each applied only when its value makes sense.
void readRulesetSettings(Ruleset* ruleset, tinyxml2::XMLElement* element) {
    if (xmlHasChild(element, "base_level")) {
        int v = clampedAtoi(xmlChildText(element, "base_level"));
        if (v >= 1 && v <= 100) ruleset->baseLevel = v;
    }
    // The minimum is read before the maximum, so it is checked against the default maximum.
    if (xmlHasChild(element, "min_sum_stats")) {
        int v = clampedAtoi(xmlChildText(element, "min_sum_stats"));
        if (v > 0 && v < ruleset->maxSumStats) ruleset->minSumStats = v;
    }
    if (xmlHasChild(element, "max_sum_stats")) {
        int v = clampedAtoi(xmlChildText(element, "max_sum_stats"));
        if (v > ruleset->minSumStats) ruleset->maxSumStats = v;
    }
    if (xmlHasChild(element, "no_autobalance")) ruleset->autobalance = false;
    if (xmlHasChild(element, "no_forms")) ruleset->allowForms = false;
    if (xmlHasChild(element, "no_fabulous")) ruleset->allowFabulous = 0;
    if (xmlHasChild(element, "no_mythics")) ruleset->allowMythics = 0;
    if (xmlHasChild(element, "no_legendaries")) ruleset->allowLegendaries = 0;
    if (xmlHasChild(element, "balance_min_power")) {
        ruleset->balanceMinPower = clampedAtoi(xmlChildText(element, "balance_min_power"));
    }
}
} // namespace

void GameParser::loadRulesets(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("ruleset"); element != nullptr;
         element = element->NextSiblingElement("ruleset")) {
        ++number;
        if (!xmlHasChild(element, "name")) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_RULESET + " element number " + std::to_string(number));
            continue;
        }
        std::string name = xmlChildText(element, "name");
        Ruleset* ruleset = new Ruleset(name.c_str());
        readRulesetSettings(ruleset, element);
        for (tinyxml2::XMLElement* trigger = element->FirstChildElement("trigger"); trigger != nullptr;
             trigger = trigger->NextSiblingElement("trigger")) {
            if (!xmlHasAttribute(trigger, "when")) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_RULESET + " " + name +
                         " : Trigger found with no WHEN attribute");
                continue;
            }
            int priority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            ruleset->addTrigger(xmlAttribute(trigger, "when"), xmlAttribute(trigger, "actor"),
                                parseEffect(trigger), priority);
        }
        rulesets.push_back(ruleset);
    }
    doc.Clear();
    // Battles and random creatures always need a current ruleset.
    if (rulesets.empty()) rulesets.push_back(Ruleset::createAnythingGoes());
    selectRuleset(0);
}
