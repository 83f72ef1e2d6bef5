// One trigger: a battle event, a priority, an optional side and the command tree run when it fires.
#include "rules/ZelkinBuffTrigger.hpp"

#include <utility>

#include "rules/BattleEvents.hpp"
#include "rules/QXML_Command.hpp"

namespace {
int actorSideOf(const std::string& actor) {
    if (actor == "SOURCE" || actor == "source") return 0;
    if (actor == "TARGET" || actor == "target") return 1;
    return -1;
}
} // namespace

ZelkinBuffTrigger::ZelkinBuffTrigger(std::string when, QXML_Command* commands)
    : when(std::move(when)), commands(commands) {
    parseEvent();
}

ZelkinBuffTrigger::ZelkinBuffTrigger(std::string when, std::string actor, QXML_Command* commands)
    : ZelkinBuffTrigger(std::move(when), commands) {
    this->actor = std::move(actor);
    actorSide = actorSideOf(this->actor);
}

ZelkinBuffTrigger::~ZelkinBuffTrigger() { delete commands; }

void ZelkinBuffTrigger::parseEvent() { event = battleEventFromWord(when); }

std::string ZelkinBuffTrigger::getWhen() { return when; }

std::string ZelkinBuffTrigger::getActor() { return actor; }
