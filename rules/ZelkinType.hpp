// A type or a subtype: a name, its multipliers against other types by name, and its animations.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/ZelkinTypeEffectiveness.hpp"

class Animation;

class ZelkinType {
public:
    // Takes the next id of the run's type counter, which types and subtypes share.
    explicit ZelkinType(const std::string& name);
    explicit ZelkinType(const char* name);
    // Releases the animations too: they were made for this type alone.
    virtual ~ZelkinType();
    ZelkinType(const ZelkinType&) = delete;
    ZelkinType& operator=(const ZelkinType&) = delete;

    int getId() const { return id; }
    const std::string& getName() const { return name; }
    // This type attacking the named type: the first entry of that exact name, else 1.0.
    virtual float getMultiplierAgainst(const std::string& defendingType);
    // The same against a type, read from a flat table by the defending type's name number.
    float getMultiplierAgainst(const ZelkinType& defending) const {
        return defending.nameNumber < multipliersByName.size() ? multipliersByName[defending.nameNumber]
                                                               : 1.0f;
    }
    virtual void addEffectiveness(const std::string& defendingType, float multiplier);
    virtual void setAuxB(int value);
    virtual void setAuxA(int value);
    virtual int getAuxB();
    virtual int getAuxA();
    // The animation at a position, or null outside the list.
    virtual Animation* getAnimation(int index);
    virtual int getAnimationCount();
    virtual void setAuxC(int value);
    int getAuxC() const { return auxC; }
    // Appends an animation, taking ownership; a null one is ignored.
    virtual void addAnimation(Animation* animation);

    const std::vector<ZelkinTypeEffectiveness>& getEffectivenessEntries() const { return entries; }

private:
    int id = 0;
    int auxC = -1;
    std::string name;
    // Every type name of the run has a number of its own (see ZelkinType.cpp).
    std::size_t nameNumber = 0;
    int auxA = 0;
    int auxB = 0;
    std::vector<ZelkinTypeEffectiveness> entries;
    // The multiplier of the first entry of each name, by name number; 1.0 for a name without entry.
    std::vector<float> multipliersByName;
    std::vector<Animation*> animations;
};
