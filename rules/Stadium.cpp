// A battle arena with its crowd settings and triggers.
#include "rules/Stadium.hpp"

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

namespace {
// Splits at every comma, keeping empty pieces ("1,,2" gives three).
std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    while (true) {
        std::string::size_type comma = text.find(',', start);
        if (comma == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}
} // namespace

Stadium::Stadium(const char* name, const char* file, int hype)
    : name(name != nullptr ? name : ""), file(file != nullptr ? file : ""), hype(hype) {}

// The stadium is the only holder of its triggers, so they go with it.
Stadium::~Stadium() {
    for (ZelkinBuffTrigger* trigger : triggers)
        delete trigger;
}

const std::string& Stadium::getName() const { return name; }

std::string Stadium::getFile() const { return file; }

int Stadium::getHype() const { return hype; }

int Stadium::isUltimate() const { return ultimate; }

int Stadium::getSupportersPriority() const { return supportersPriority; }

int Stadium::pickRandomId() {
    if (idCount <= 0) return 0;
    PseudoRNG rng;
    int position = rng.random(idCount);
    if (position < 0 || position >= idCount) return 0;
    return ids[position];
}

int Stadium::getIdCount() const { return idCount; }

void Stadium::setSupporters(const std::string& text, int priority) {
    supportersPriority = priority;
    parseIdList(text);
}

void Stadium::parseIdList(const std::string& text) {
    idCount = 0;
    // An empty supporters element names nobody; it is not one supporter of kind 0.
    if (text.empty()) return;
    for (const std::string& piece : splitCommas(text)) {
        if (idCount >= MAX_IDS) break;
        ids[idCount++] = clampedAtoi(piece);
    }
}

void Stadium::setUltimate(int value) { ultimate = value; }

void Stadium::addNoGoZone(const std::string& text) {
    std::vector<std::string> pieces = splitCommas(text);
    if (pieces.size() < 4) return;
    StadiumNoGoZone zone(clampedAtoi(pieces[0]), clampedAtoi(pieces[1]), clampedAtoi(pieces[2]),
                         clampedAtoi(pieces[3]));
    if (zone.x2 < zone.x1 || zone.y2 < zone.y1) return;
    zones.push_back(zone);
}

bool Stadium::isPositionAllowed(int x, int y) const {
    for (const StadiumNoGoZone& zone : zones) {
        if (zone.contains(x, y)) return false;
    }
    return true;
}

void Stadium::addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority) {
    if (commands == nullptr) return;
    ZelkinBuffTrigger* trigger =
        actor.empty() ? new ZelkinBuffTrigger(when, commands) : new ZelkinBuffTrigger(when, actor, commands);
    trigger->setPriority(priority);
    triggers.push_back(trigger);
    triggerEvents.add(trigger->getEvent());
    noteFieldTriggerEvent(trigger->getEvent());
}

int Stadium::getIdAt(int i) const {
    if (i < 0 || i >= idCount) return 0;
    return ids[i];
}

int Stadium::getNoGoZoneCount() const { return static_cast<int>(zones.size()); }

const StadiumNoGoZone* Stadium::getNoGoZone(int i) const {
    if (i < 0 || i >= getNoGoZoneCount()) return nullptr;
    return &zones[static_cast<size_t>(i)];
}
