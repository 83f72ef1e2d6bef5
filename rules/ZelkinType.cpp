// A type or a subtype: a name, its multipliers against other types by name, and its animations.
#include "rules/ZelkinType.hpp"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include "rules/Animation.hpp"

namespace {
// Shared by types and subtypes and never reset, so ids follow creation order for the whole run.
std::atomic<int> nextTypeId{0};

// Each type name met in the run, by a type or by an effectiveness entry, gets the next number, so that a
// type's multipliers sit in a flat table. Numbers are handed out while types are read, perhaps on a loading
// thread; a battle only reads the numbers the types keep.
std::size_t nameNumberOf(const std::string& name) {
    static std::mutex lock;
    static std::unordered_map<std::string, std::size_t> numbers;
    std::lock_guard<std::mutex> guard(lock);
    // Looked up first: nearly every name is met again, and emplace would build a node to throw away.
    auto known = numbers.find(name);
    if (known != numbers.end()) return known->second;
    return numbers.emplace(name, numbers.size()).first->second;
}
} // namespace

ZelkinType::ZelkinType(const std::string& name)
    : id(nextTypeId++), name(name), nameNumber(nameNumberOf(name)) {}

ZelkinType::ZelkinType(const char* name) : ZelkinType(std::string(name ? name : "")) {}

ZelkinType::~ZelkinType() {
    for (Animation* animation : animations)
        delete animation;
}

float ZelkinType::getMultiplierAgainst(const std::string& defendingType) {
    for (const ZelkinTypeEffectiveness& entry : entries)
        if (entry.getTypeName() == defendingType) return entry.getMultiplier();
    return 1.0f;
}

void ZelkinType::addEffectiveness(const std::string& defendingType, float multiplier) {
    // Only the first entry of a name counts.
    const bool listed =
        std::any_of(entries.begin(), entries.end(), [&](const ZelkinTypeEffectiveness& entry) {
            return entry.getTypeName() == defendingType;
        });
    entries.emplace_back(multiplier, defendingType);
    if (listed) return;
    const std::size_t number = nameNumberOf(defendingType);
    if (number >= multipliersByName.size()) multipliersByName.resize(number + 1, 1.0f);
    multipliersByName[number] = multiplier;
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

void ZelkinType::addAnimation(Animation* animation) {
    if (animation) animations.push_back(animation);
}
