// The move loader: every valid move of one file of "data/moves/" into the database's move list.
#include <tinyxml2.h>

#include <algorithm>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/ZelkinMove.hpp"

void GameParser::loadMoves(const std::string& path) {
    tinyxml2::XMLDocument document;
    // A file that does not parse logs its one line there; a missing one adds nothing silently.
    if (!loadDataDocument(document, path)) return;

    int counter = 0;
    for (tinyxml2::XMLElement* element = document.FirstChildElement("move"); element;
         element = element->NextSiblingElement("move")) {
        ++counter;
        // A move without PP could never be used in battle, so it is rejected like any incomplete move.
        if (!xmlHasChild(element, "name") || !xmlHasChild(element, "category") ||
            !xmlHasChild(element, "effect") || !xmlHasChild(element, "pp")) {
            logError("ERROR with File " + path + " : Invalid properties from " + DefaultStrings::NAME_MOVE +
                     " element number " + std::to_string(counter));
            continue;
        }

        const std::string name = xmlChildText(element, "name");
        const bool hasType = xmlHasChild(element, "type");
        const std::string typeName = xmlChildText(element, "type");
        ZelkinType* type = hasType ? findType(typeName) : nullptr;

        QXML_Command* effect = parseEffect(element->FirstChildElement("effect"));
        ZelkinMove* move = new ZelkinMove(name, type, xmlChildText(element, "category"),
                                          clampedAtoi(xmlChildText(element, "pp")), effect);
        if (hasType && !type)
            logError("WARNING with Move " + name + " : cannot get " + DefaultStrings::NAME_TYPE + " " +
                     typeName);

        if (xmlHasChild(element, "power")) move->setPower(clampedAtoi(xmlChildText(element, "power")));
        if (xmlHasChild(element, "precision"))
            move->setPrecision(clampedAtoi(xmlChildText(element, "precision")));
        // These three carry their value in an attribute; the element's text is not read.
        const tinyxml2::XMLElement* critical = element->FirstChildElement("critical");
        if (xmlHasAttribute(critical, "value"))
            move->setCritical(clampedAtoi(xmlAttribute(critical, "value")));
        const tinyxml2::XMLElement* hits = element->FirstChildElement("hits");
        if (xmlHasAttribute(hits, "value")) {
            const int count = clampedAtoi(xmlAttribute(hits, "value"));
            if (count > ZelkinMove::MAX_HITS)
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_MOVE + " " + name +
                         " : " + std::to_string(count) + " hits, kept at " +
                         std::to_string(ZelkinMove::MAX_HITS));
            move->setHits(std::min(count, ZelkinMove::MAX_HITS));
        }
        const tinyxml2::XMLElement* priority = element->FirstChildElement("priority");
        if (xmlHasAttribute(priority, "value"))
            move->setPriority(clampedAtoi(xmlAttribute(priority, "value")));

        if (xmlHasChild(element, "subtype")) {
            const std::string subtypeName = xmlChildText(element, "subtype");
            if (ZelkinType* subtype = findSubtype(subtypeName))
                move->setSubtype(subtype);
            else
                logError("WARNING with Move " + name + " : cannot get " + DefaultStrings::NAME_SUBTYPE + " " +
                         subtypeName);
        }
        if (xmlHasChild(element, "direction"))
            move->setTargetKindFromWord(xmlChildText(element, "direction"));
        if (xmlHasChild(element, "attribut")) move->setDamageKindFromWord(xmlChildText(element, "attribut"));

        for (tinyxml2::XMLElement* trigger = element->FirstChildElement("trigger"); trigger;
             trigger = trigger->NextSiblingElement("trigger")) {
            if (!xmlHasAttribute(trigger, "when")) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_MOVE + " " + name +
                         " : Trigger found with no WHEN attribute");
                continue;
            }
            const std::string when = xmlAttribute(trigger, "when");
            const bool hasActor = xmlHasAttribute(trigger, "actor");
            const std::string actor = xmlAttribute(trigger, "actor");
            const int triggerPriority = saturatingInt(clampedAtof(xmlAttribute(trigger, "priority")));
            move->addTrigger(when, hasActor ? actor.c_str() : nullptr, parseEffect(trigger), triggerPriority);
        }

        for (const tinyxml2::XMLElement* tag = element->FirstChildElement("tag"); tag;
             tag = tag->NextSiblingElement("tag")) {
            const std::string text = xmlText(tag);
            if (!text.empty()) move->addTag(text);
        }

        moves.push_back(move);
    }
}
