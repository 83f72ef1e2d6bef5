// A named set of battle rules.
#include "rules/Ruleset.hpp"

#include "rules/TriggerHolders.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

const char* const Ruleset::ANYTHING_GOES_NAME = "Anything Goes";

Ruleset::Ruleset(const char* name) : name(name != nullptr ? name : "") {}

// The ruleset is the only holder of its triggers, so they go with it.
Ruleset::~Ruleset() {
    for (ZelkinBuffTrigger* trigger : triggers)
        delete trigger;
}

void Ruleset::addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority) {
    if (commands == nullptr) return;
    ZelkinBuffTrigger* trigger =
        actor.empty() ? new ZelkinBuffTrigger(when, commands) : new ZelkinBuffTrigger(when, actor, commands);
    trigger->setPriority(priority);
    triggers.push_back(trigger);
    triggerEvents.add(trigger->getEvent());
    noteFieldTriggerEvent(trigger->getEvent());
}

Ruleset* Ruleset::createAnythingGoes() { return new Ruleset(ANYTHING_GOES_NAME); }
