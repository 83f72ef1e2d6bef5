// Stands in for the window when the data loads without one (tools, tests): knows the particle names only.
#pragma once

#include <string>
#include <vector>

#include "rules/WindowServices.hpp"

// Reads the names of the particle descriptions of "data/particles/" (every "particle" element with a
// "texture" and a "name"), so that animation references resolve as they will once the window has loaded
// the descriptions themselves. Pictures are not loaded; the pointers it hands out stand for a description
// and must never be dereferenced.
class ParticleNameCatalogue : public WindowServices {
public:
    explicit ParticleNameCatalogue(const std::string& folder = "data/particles");
    ParticleDesc* findParticleDesc(std::string name) override;
    void loadCreatureImage(std::string, std::string) override {}
    const std::vector<std::string>& getNames() const { return names; }

private:
    std::vector<std::string> names;
};
