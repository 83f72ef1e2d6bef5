// A move definition: values read by the engine and the screens, effect tree and
// triggers.
#include "rules/ZelkinMove.hpp"

#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuffTrigger.hpp"
#include "rules/ZelkinType.hpp"

namespace {
struct WordCode {
    const char* word;
    int code;
};

const WordCode targetWords[] = {{"Target", 0}, {"Zone", 1}, {"Ennemy", 2}, {"Field", 3},
                                {"E_Team", 4}, {"Team", 5}, {"Self", 6},   {"Ally", 7}};

// 3 and 4 are kinds the engine knows but no data word selects.
const WordCode damageWords[] = {
    {"Struggle", 1},     {"Pursuit", 2},      {"20", 5},          {"40", 6},           {"Level", 7},
    {"Selfdestruct", 8}, {"Recoil Miss", 9},  {"OHKO", 10},       {"Inverse Def", 11}, {"Freeze Dry", 12},
    {"HP_Based", 13},    {"True Damage", 14}, {"Half Damage", 15}};

template <size_t N> const WordCode* findWord(const WordCode (&table)[N], const std::string& word) {
    for (const WordCode& entry : table)
        if (word == entry.word) return &entry;
    return nullptr;
}
} // namespace

ZelkinMove::ZelkinMove(const std::string& name, ZelkinType* type, const std::string& category, int pp,
                       QXML_Command* effect)
    : name(name), pp(pp), type(type), effect(effect) {
    if (category == "physique")
        this->category = 1;
    else if (category == "special")
        this->category = 2;
}

ZelkinMove::~ZelkinMove() {
    for (ZelkinBuffTrigger* trigger : triggers)
        delete trigger;
    delete effect;
}

void ZelkinMove::setHits(int value) { hits = value; }

void ZelkinMove::setDamageKindFromWord(const std::string& word) {
    if (const WordCode* entry = findWord(damageWords, word)) damageKind = entry->code;
}

void ZelkinMove::setCritical(int value) { critical = value; }
void ZelkinMove::setPower(int value) { power = value; }
void ZelkinMove::setPrecision(int value) { precision = value; }
void ZelkinMove::setPriority(int value) { priority = value; }

void ZelkinMove::setTargetKindFromWord(const std::string& word) {
    if (const WordCode* entry = findWord(targetWords, word)) targetKind = entry->code;
}

void ZelkinMove::setSubtype(ZelkinType* value) { subtype = value; }
void ZelkinMove::setAuxValue(int value) { auxValue = value; }

void ZelkinMove::addTrigger(const std::string& when, const char* actor, QXML_Command* commands, int value) {
    if (!commands) return;
    ZelkinBuffTrigger* trigger =
        actor ? new ZelkinBuffTrigger(when, actor, commands) : new ZelkinBuffTrigger(when, commands);
    trigger->setPriority(value);
    triggers.push_back(trigger);
    triggerEvents.add(trigger->getEvent());
}

float ZelkinMove::getNumber(const std::string& key) const {
    if (key == "power") return static_cast<float>(power);
    if (key == "category") return static_cast<float>(category);
    if (key == "precision") return static_cast<float>(precision);
    return 0.0f;
}

void ZelkinMove::setVariable(const std::string&, float) {}

std::vector<std::string> ZelkinMove::getStrings(const std::string& key) const {
    std::vector<std::string> texts;
    if (key == "name")
        texts.push_back(name);
    else if (key == "type" && type)
        texts.push_back(type->getName());
    else if (key == "subtype" && subtype)
        texts.push_back(subtype->getName());
    return texts;
}

const std::vector<ZelkinBuffTrigger*>& ZelkinMove::getTriggers() const { return triggers; }
const std::vector<std::string>& ZelkinMove::getTags() const { return tags; }
void ZelkinMove::addTag(const std::string& tag) { tags.push_back(tag); }
