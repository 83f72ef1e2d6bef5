// Loading ability and buff definitions from "data/abilities/" and "data/buffs/".
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/ZelkinBuffData.hpp"

namespace {
// Abilities and buffs share one file format; buffs alone read the team, status and spot elements.
ZelkinBuffData* readDefinition(GameParser& parser, tinyxml2::XMLElement* element, const std::string& path,
                               const std::string& kindWord, bool isAbility) {
    ZelkinBuffData* definition = new ZelkinBuffData(xmlChildText(element, "name"));
    definition->kind = isAbility ? ZelkinBuffData::KIND_ABILITY : ZelkinBuffData::KIND_BUFF;
    if (xmlHasChild(element, "category")) definition->setNatureFromWord(xmlChildText(element, "category"));
    definition->botValue = clampedAtoi(xmlChildText(element, "IA_value"));
    if (!isAbility) {
        definition->teamBuff = xmlHasChild(element, "teambuff");
        if (xmlHasChild(element, "primary")) {
            definition->kind = ZelkinBuffData::KIND_PRIMARY_STATUS;
            definition->statusCode = xmlChildText(element, "primary").substr(0, 3);
        }
        definition->spot = xmlChildText(element, "spot");
    }

    while (tinyxml2::XMLElement* trigger = element->FirstChildElement("trigger")) {
        if (!xmlHasAttribute(trigger, "when")) {
            logError("WARNING with File " + path + " : " + kindWord + " " + definition->name +
                     " : Trigger found with no WHEN attribute");
        } else {
            std::string when = xmlAttribute(trigger, "when");
            std::string actor = xmlAttribute(trigger, "actor");
            int priority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            definition->addTrigger(when, actor, parser.parseEffect(trigger), priority);
        }
        element->DeleteChild(trigger);
    }
    while (tinyxml2::XMLElement* animation = element->FirstChildElement("animation")) {
        definition->addAnimation(parser.parseAnimation(animation));
        element->DeleteChild(animation);
    }
    while (tinyxml2::XMLElement* tag = element->FirstChildElement("tag")) {
        std::string text = xmlText(tag);
        if (!text.empty()) definition->tags.push_back(text);
        element->DeleteChild(tag);
    }
    return definition;
}

// Reads every top-level element called elementName of one file, in document order, and hands each
// definition to store. Records without a name are reported by their position among those elements.
template <typename Store>
void loadDefinitions(GameParser& parser, const std::string& path, const char* elementName,
                     const std::string& kindWord, bool isAbility, Store store) {
    tinyxml2::XMLDocument document;
    loadDataDocument(document, path);
    int counter = 0;
    while (tinyxml2::XMLElement* element = document.FirstChildElement(elementName)) {
        ++counter;
        if (xmlHasChild(element, "name")) {
            store(readDefinition(parser, element, path, kindWord, isAbility));
        } else {
            logError("ERROR with File " + path + " : Invalid properties from " + kindWord +
                     " element number " + std::to_string(counter));
        }
        document.DeleteChild(element);
    }
}
} // namespace

void GameParser::loadAbilities(const std::string& path) {
    loadDefinitions(*this, path, "ability", DefaultStrings::NAME_ABILITIES, true,
                    [this](ZelkinBuffData* definition) { abilities.push_back(definition); });
}

void GameParser::loadBuffs(const std::string& path) {
    loadDefinitions(*this, path, "buff", DefaultStrings::NAME_BUFF, false,
                    [this](ZelkinBuffData* definition) { buffs.push_back(definition); });
}
