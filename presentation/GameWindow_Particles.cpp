// The game window's particle-file reader and its lookup of particle descriptions by name.
#include <tinyxml2.h>

#include "presentation/GameWindow.hpp"
#include "presentation/ParticleDesc.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/Platform.hpp"

#include <cfloat>

namespace {
// Decimals from the file stay within float range, so no conversion overflows.
float toFloat(double value) {
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}
} // namespace

void GameWindow::loadParticleFile(std::string path) {
    tinyxml2::XMLDocument doc;
    if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        // A broken file yields no description, but says so rather than vanishing silently.
        logError("ERROR with File " + path + " : " + doc.ErrorStr());
        return;
    }
    int count = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("particle"); element;
         element = element->NextSiblingElement("particle")) {
        ++count;
        ParticleDesc* description = parseParticleDesc(element);
        if (!description) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_PARTICLE + " element number " + std::to_string(count));
            continue;
        }
        particleDescs.push_back(description);
    }
}

ParticleDesc* GameWindow::parseParticleDesc(tinyxml2::XMLElement* element) {
    if (!element) return nullptr;
    tinyxml2::XMLElement* texture = element->FirstChildElement("texture");
    tinyxml2::XMLElement* name = element->FirstChildElement("name");
    if (!texture || !name) return nullptr;
    QX_Texture* sheet = findTexture(xmlText(texture));
    if (!sheet) return nullptr;
    int firstColumn = clampedAtoi(xmlAttribute(texture, "x"));
    int row = clampedAtoi(xmlAttribute(texture, "y"));
    // A first cell outside the sheet's picture has nothing to show: such a particle would live unseen.
    if (!sheet->holdsCell(firstColumn, row)) return nullptr;

    ParticleDesc* description = new ParticleDesc(sheet, xmlText(name), firstColumn, row);
    if (xmlHasAttribute(texture, "direction")) description->setAxis(xmlAttribute(texture, "direction"));

    if (tinyxml2::XMLElement* cycle = element->FirstChildElement("cycle")) {
        description->setCycle(clampedAtoi(xmlText(cycle)));
        // A missing or zero frequency would divide by zero: one frame per cell instead.
        description->setSpeedAnimation(clampedAtoi(xmlAttribute(cycle, "frequency")));
    }
    if (tinyxml2::XMLElement* movement = element->FirstChildElement("movement")) {
        description->setMovement(toFloat(clampedAtof(xmlText(movement))));
        // An axis left out keeps the factor the movement value gave it.
        if (xmlHasAttribute(movement, "x"))
            description->setDirectionX(toFloat(clampedAtof(xmlAttribute(movement, "x"))));
        if (xmlHasAttribute(movement, "y"))
            description->setDirectionY(toFloat(clampedAtof(xmlAttribute(movement, "y"))));
        if (xmlHasAttribute(movement, "z"))
            description->setDirectionZ(toFloat(clampedAtof(xmlAttribute(movement, "z"))));
    }
    if (tinyxml2::XMLElement* speed = element->FirstChildElement("base_speed")) {
        description->setBaseSpeedX(toFloat(clampedAtof(xmlAttribute(speed, "x"))));
        description->setBaseSpeedY(toFloat(clampedAtof(xmlAttribute(speed, "y"))));
        description->setBaseSpeedZ(toFloat(clampedAtof(xmlAttribute(speed, "z"))));
    }
    if (xmlHasChild(element, "gravity"))
        description->setGravity(toFloat(clampedAtof(xmlChildText(element, "gravity"))));
    if (xmlHasChild(element, "category")) description->setCategory(xmlChildText(element, "category"));
    if (xmlHasChild(element, "duration"))
        description->setDuration(clampedAtoi(xmlChildText(element, "duration")));
    if (xmlHasChild(element, "deathwhen")) description->setDeathWhen(xmlChildText(element, "deathwhen"));
    if (xmlHasChild(element, "speed_animation"))
        description->setSpeedAnimation(clampedAtoi(xmlChildText(element, "speed_animation")));
    if (xmlHasChild(element, "scale"))
        description->setScale(toFloat(clampedAtof(xmlChildText(element, "scale"))));
    if (xmlHasChild(element, "dying"))
        description->setDying(findParticleDesc(xmlChildText(element, "dying")));
    return description;
}

ParticleDesc* GameWindow::findParticleDesc(std::string name) {
    for (ParticleDesc* description : particleDescs)
        if (description->getName() == name) return description;
    return nullptr;
}
