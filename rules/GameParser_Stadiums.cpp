// Loader of the stadium files ("data/stadiums/*.xml").
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Stadium.hpp"
#include "rules/XmlChildIndex.hpp"

namespace {
// The children of a stadium element that the loader reads, by field number.
enum StadiumField {
    F_NAME,
    F_FILE,
    F_HYPE,
    F_SUPPORTERS,
    F_ULTIMATE,
    F_NOGO_ZONE,
    F_TRIGGER,
    STADIUM_FIELD_COUNT
};
const char* const stadiumFields[STADIUM_FIELD_COUNT] = {"name",     "file",      "hype",   "supporters",
                                                        "ultimate", "nogo_zone", "trigger"};
} // namespace

void GameParser::loadStadiums(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    XmlChildIndex fields(stadiumFields, STADIUM_FIELD_COUNT);
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("stadium"); element != nullptr;
         element = element->NextSiblingElement("stadium")) {
        ++number;
        fields.read(element);
        tinyxml2::XMLElement* nameElement = fields.first(F_NAME);
        tinyxml2::XMLElement* fileElement = fields.first(F_FILE);
        tinyxml2::XMLElement* hypeElement = fields.first(F_HYPE);
        tinyxml2::XMLElement* supporters = fields.first(F_SUPPORTERS);
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
        if (fields.has(F_ULTIMATE)) stadium->setUltimate(1);
        fields.each(F_NOGO_ZONE,
                    [&](const tinyxml2::XMLElement* zone) { stadium->addNoGoZone(xmlText(zone)); });
        fields.each(F_TRIGGER, [&](tinyxml2::XMLElement* trigger) {
            if (!xmlHasAttribute(trigger, "when")) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_STADIUM + " " + name +
                         " : Trigger found with no WHEN attribute");
                return;
            }
            int priority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            stadium->addTrigger(xmlAttribute(trigger, "when"), xmlAttribute(trigger, "actor"),
                                parseEffect(trigger), priority);
        });
        appendNamed(stadiums, stadiumsByName, stadium);
    }
}
