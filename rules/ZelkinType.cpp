// A type or a subtype: a name, its multipliers against other types by name, and its animations.
#include "rules/ZelkinType.hpp"

#include <atomic>
#include <functional>

#include "rules/Animation.hpp"

namespace {
// Shared by types and subtypes and never reset, so ids follow creation order for the whole run.
std::atomic<int> nextTypeId{0};
} // namespace

ZelkinType::ZelkinType(const std::string& name)
    : id(nextTypeId++), name(name), nameHash(std::hash<std::string>()(name)) {}

ZelkinType::ZelkinType(const char* name) : ZelkinType(std::string(name ? name : "")) {}

ZelkinType::~ZelkinType() {
    for (Animation* animation : animations)
        delete animation;
}

int ZelkinType::getId() { return id; }

const std::string& ZelkinType::getName() { return name; }

float ZelkinType::getMultiplierAgainst(const std::string& defendingType) {
    for (const ZelkinTypeEffectiveness& entry : entries)
        if (entry.getTypeName() == defendingType) return entry.getMultiplier();
    return 1.0f;
}

float ZelkinType::getMultiplierAgainst(const ZelkinType& defending) const {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entryHashes[i] == defending.nameHash && entries[i].getTypeName() == defending.name)
            return entries[i].getMultiplier();
    return 1.0f;
}

void ZelkinType::addEffectiveness(const std::string& defendingType, float multiplier) {
    entries.emplace_back(multiplier, defendingType);
    entryHashes.push_back(std::hash<std::string>()(defendingType));
}

void ZelkinType::setAuxB(int value) { auxB = value; }

void ZelkinType::setAuxA(int value) { auxA = value; }

int ZelkinType::getAuxB() { return auxB; }

int ZelkinType::getAuxA() { return auxA; }

Animation* ZelkinType::getAnimation(int index) {
    if (index < 0 || index >= static_cast<int>(animations.size())) return nullptr;
    return animations[index];
}

int ZelkinType::getAnimationCount() { return static_cast<int>(animations.size()); }

void ZelkinType::setAuxC(int value) { auxC = value; }

int ZelkinType::getAuxC() { return auxC; }

void ZelkinType::addAnimation(Animation* animation) {
    if (animation) animations.push_back(animation);
}
