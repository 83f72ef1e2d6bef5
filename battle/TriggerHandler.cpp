// Trigger handlers: the script's access to the buff or move that owns the running trigger, and their order.
#include "battle/TriggerHandler.hpp"

#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinBuffTrigger.hpp"
#include "rules/ZelkinMove.hpp"

ZelkinBuff* TriggerHandler::getHolder() const { return holder; }
ZelkinMove* TriggerHandler::getSource() const { return source; }
int TriggerHandler::getOrigin() const { return origin; }
int TriggerHandler::getSequence() const { return sequence; }
int TriggerHandler::getSide() const { return side; }
ZelkinBuffTrigger* TriggerHandler::getTrigger() const { return trigger; }

void TriggerHandler::setVariable(const std::string& name, float value) {
    if (!holder) return;
    // The buff applies the rules: truncation of "value" and "duration", "alive" that only ever kills.
    if (name == "value" || name == "duration" || name == "alive") holder->setVariable(name, value);
}

float TriggerHandler::getVariable(const std::string& name) const {
    if (!holder) return 0.0f;
    if (name == "value") return static_cast<float>(holder->getValue());
    if (name == "duration") return static_cast<float>(holder->getDuration());
    if (name == "alive") return holder->isAlive() ? 1.0f : 0.0f;
    return 0.0f;
}

std::vector<std::string> TriggerHandler::getTextVariable(const std::string& name) const {
    if (name == "tag") {
        if (source) return source->getTags();
        if (holder && holder->getDefinition()) return holder->getDefinition()->getTags();
        return {};
    }
    if (name == "name") {
        if (source) return {source->getName()};
        if (holder && holder->getDefinition()) return {holder->getDefinition()->getName()};
        return {};
    }
    return {};
}

namespace {
int priorityOf(const TriggerHandler& handler) {
    ZelkinBuffTrigger* trigger = handler.getTrigger();
    return trigger ? trigger->getPriority() : 0;
}
} // namespace

bool compareHandlers(const TriggerHandler& a, const TriggerHandler& b) {
    int pa = priorityOf(a);
    int pb = priorityOf(b);
    if (pa != pb) return pa > pb;
    if (a.getOrigin() != b.getOrigin()) return a.getOrigin() < b.getOrigin();
    return a.getSequence() < b.getSequence();
}
