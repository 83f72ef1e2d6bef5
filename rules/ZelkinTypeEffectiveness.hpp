// One entry of a type's effectiveness list: the multiplier against one defending type, by name.
#pragma once

#include <string>
#include <utility>

class ZelkinTypeEffectiveness {
public:
    ZelkinTypeEffectiveness(float multiplier, std::string typeName)
        : multiplier(multiplier), typeName(std::move(typeName)) {}
    virtual ~ZelkinTypeEffectiveness() = default;

    virtual float getMultiplier() const { return multiplier; }
    virtual const std::string& getTypeName() const { return typeName; }

private:
    float multiplier = 1.0f;
    std::string typeName;
};
