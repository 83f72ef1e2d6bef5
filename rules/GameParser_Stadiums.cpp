// Loader of the stadium files ("data/stadiums/*.xml").
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Stadium.hpp"

void GameParser::loadStadiums(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("stadium"); element != nullptr;
         element = element->NextSiblingElement("stadium")) {
        ++number;
        tinyxml2::XMLElement* nameElement = element->FirstChildElement("name");
        tinyxml2::XMLElement* fileElement = element->FirstChildElement("file");
        tinyxml2::XMLElement* hypeElement = element->FirstChildElement("hype");
        tinyxml2::XMLElement* supporters = element->FirstChildElement("supporters");
        if (nameElement == nullptr || fileElement == nullptr || hypeElement == nullptr) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_STADIUM + " element number " + std::to_string(number));
            continue;
        }
        std::string name = xmlText(nameElement);
        std::string file = xmlText(fileElement);
        Stadium* stadium = new Stadium(name.c_str(), file.c_str(), clampedAtoi(xmlText(hypeElement)));
        if (supporters != nullptr) {
            if (xmlHasAttribute(supporters, "priority")) {
                stadium->setSupporters(xmlText(supporters),
                                       clampedAtoi(xmlAttribute(supporters, "priority")));
            } else {
                stadium->parseIdList(xmlText(supporters));
            }
        }
        if (xmlHasChild(element, "ultimate")) stadium->setUltimate(1);
        for (tinyxml2::XMLElement* zone = element->FirstChildElement("nogo_zone"); zone != nullptr;
             zone = zone->NextSiblingElement("nogo_zone")) {
            stadium->addNoGoZone(xmlText(zone));
        }
        for (tinyxml2::XMLElement* trigger = element->FirstChildElement("trigger"); trigger != nullptr;
             trigger = trigger->NextSiblingElement("trigger")) {
            if (!xmlHasAttribute(trigger, "when")) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_STADIUM + " " + name +
                         " : Trigger found with no WHEN attribute");
                continue;
            }
            int priority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            stadium->addTrigger(xmlAttribute(trigger, "when"), xmlAttribute(trigger, "actor"),
                                parseEffect(trigger), priority);
        }
        appendNamed(stadiums, stadiumsByName, stadium);
    }
}
