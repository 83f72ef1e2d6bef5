// A buff, status or ability definition: a named bundle of triggers with a nature, tags, a spot and
// animations.
#include "rules/ZelkinBuffData.hpp"

#include <atomic>
#include <utility>

#include "rules/Animation.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

namespace {
// Definitions may be built on any thread (tests build them concurrently), so the counter is atomic.
std::atomic<int> lastDefinitionId{0};
} // namespace

ZelkinBuffData::ZelkinBuffData(const std::string& name) : id(++lastDefinitionId), name(name) {}

ZelkinBuffData::ZelkinBuffData(const char* name) : ZelkinBuffData(std::string(name ? name : "")) {}

ZelkinBuffData::~ZelkinBuffData() {
    for (ZelkinBuffTrigger* trigger : triggers)
        delete trigger;
    for (Animation* animation : animations)
        delete animation;
}

Animation* ZelkinBuffData::getAnimation(int index) {
    if (index < 0 || index >= static_cast<int>(animations.size())) return nullptr;
    return animations[index];
}

int ZelkinBuffData::getAnimationCount() { return static_cast<int>(animations.size()); }

void ZelkinBuffData::addAnimation(Animation* animation) {
    if (animation) animations.push_back(animation);
}

void ZelkinBuffData::addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority) {
    if (!commands) return;
    ZelkinBuffTrigger* trigger = actor.empty()
                                     ? new ZelkinBuffTrigger(std::move(when), commands)
                                     : new ZelkinBuffTrigger(std::move(when), std::move(actor), commands);
    trigger->setPriority(priority);
    triggers.push_back(trigger);
    triggerEvents.add(trigger->getEvent());
}

std::vector<ZelkinBuffTrigger*> ZelkinBuffData::getTriggersFor(int event) const {
    std::vector<ZelkinBuffTrigger*> found;
    for (ZelkinBuffTrigger* trigger : triggers)
        if (trigger->getEvent() == event) found.push_back(trigger);
    return found;
}

bool ZelkinBuffData::hasTag(const std::string& tag) const {
    for (const std::string& own : tags)
        if (own == tag) return true;
    return false;
}

void ZelkinBuffData::setNatureFromWord(const std::string& word) {
    if (word == "Positive")
        nature = NATURE_POSITIVE;
    else if (word == "Negative")
        nature = NATURE_NEGATIVE;
    else if (word == "Neutral")
        nature = NATURE_NEUTRAL;
}
