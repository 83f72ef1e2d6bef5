// Stands in for the window when the data loads without one (tools, tests): knows the particle names only.
#include "rules/ParticleNameCatalogue.hpp"

#include <tinyxml2.h>

#include "rules/Platform.hpp"

ParticleNameCatalogue::ParticleNameCatalogue(const std::string& folder) {
    for (const std::string& path : listXmlFiles(folder)) {
        tinyxml2::XMLDocument doc;
        if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) continue;
        for (tinyxml2::XMLElement* e = doc.FirstChildElement("particle"); e;
             e = e->NextSiblingElement("particle")) {
            if (!xmlHasChild(e, "texture") || !xmlHasChild(e, "name")) continue;
            names.push_back(xmlChildText(e, "name"));
        }
    }
}

ParticleDesc* ParticleNameCatalogue::findParticleDesc(std::string name) {
    for (std::string& known : names)
        if (known == name) return reinterpret_cast<ParticleDesc*>(&known);
    return nullptr;
}
