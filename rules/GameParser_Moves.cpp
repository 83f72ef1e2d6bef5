// The move loader: every valid move of one file of "data/moves/" into the database's move list.
#include <tinyxml2.h>

#include <algorithm>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlChildIndex.hpp"
#include "rules/ZelkinMove.hpp"

namespace {
// The children of a move element that the loader reads, by field number.
enum MoveField {
    F_NAME,
    F_CATEGORY,
    F_EFFECT,
    F_PP,
    F_TYPE,
    F_POWER,
    F_PRECISION,
    F_CRITICAL,
    F_HITS,
    F_PRIORITY,
    F_SUBTYPE,
    F_DIRECTION,
    F_DAMAGE_KIND,
    F_TRIGGER,
    F_TAG,
    MOVE_FIELD_COUNT
};
const char* const moveFields[MOVE_FIELD_COUNT] = {"name",    "category",  "effect",   "pp",      "type",
                                                  "power",   "precision", "critical", "hits",    "priority",
                                                  "subtype", "direction", "attribut", "trigger", "tag"};
} // namespace

void GameParser::loadMoves(const std::string& path) {
    tinyxml2::XMLDocument document;
    // A file that does not parse logs its one line there; a missing one adds nothing silently.
    if (!loadDataDocument(document, path)) return;

    XmlChildIndex fields(moveFields, MOVE_FIELD_COUNT);
    int counter = 0;
    for (tinyxml2::XMLElement* element = document.FirstChildElement("move"); element;
         element = element->NextSiblingElement("move")) {
        ++counter;
        fields.read(element);
        // A move without PP could never be used in battle, so it is rejected like any incomplete move.
        if (!fields.has(F_NAME) || !fields.has(F_CATEGORY) || !fields.has(F_EFFECT) || !fields.has(F_PP)) {
            logError("ERROR with File " + path + " : Invalid properties from " + DefaultStrings::NAME_MOVE +
                     " element number " + std::to_string(counter));
            continue;
        }

        const std::string name = fields.text(F_NAME);
        const bool hasType = fields.has(F_TYPE);
        const std::string_view typeName = xmlTextView(fields.first(F_TYPE));
        ZelkinType* type = hasType ? typesByName.find(typeName) : nullptr;

        QXML_Command* effect = parseEffect(fields.first(F_EFFECT));
        ZelkinMove* move =
            new ZelkinMove(name, type, fields.text(F_CATEGORY), clampedAtoi(fields.rawText(F_PP)), effect);
        if (hasType && !type)
            logError("WARNING with Move " + name + " : cannot get " + DefaultStrings::NAME_TYPE + " " +
                     std::string(typeName));

        if (fields.has(F_POWER)) move->setPower(clampedAtoi(fields.rawText(F_POWER)));
        if (fields.has(F_PRECISION)) move->setPrecision(clampedAtoi(fields.rawText(F_PRECISION)));
        // These three carry their value in an attribute; the element's text is not read.
        const tinyxml2::XMLElement* critical = fields.first(F_CRITICAL);
        if (xmlHasAttribute(critical, "value"))
            move->setCritical(clampedAtoi(xmlAttribute(critical, "value")));
        const tinyxml2::XMLElement* hits = fields.first(F_HITS);
        if (xmlHasAttribute(hits, "value")) {
            const int count = clampedAtoi(xmlAttribute(hits, "value"));
            if (count > ZelkinMove::MAX_HITS)
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_MOVE + " " + name +
                         " : " + std::to_string(count) + " hits, kept at " +
                         std::to_string(ZelkinMove::MAX_HITS));
            move->setHits(std::min(count, ZelkinMove::MAX_HITS));
        }
        const tinyxml2::XMLElement* priority = fields.first(F_PRIORITY);
        if (xmlHasAttribute(priority, "value"))
            move->setPriority(clampedAtoi(xmlAttribute(priority, "value")));

        if (fields.has(F_SUBTYPE)) {
            const std::string_view subtypeName = xmlTextView(fields.first(F_SUBTYPE));
            if (ZelkinType* subtype = subtypesByName.find(subtypeName))
                move->setSubtype(subtype);
            else
                logError("WARNING with Move " + name + " : cannot get " + DefaultStrings::NAME_SUBTYPE + " " +
                         std::string(subtypeName));
        }
        if (fields.has(F_DIRECTION)) move->setTargetKindFromWord(fields.text(F_DIRECTION));
        if (fields.has(F_DAMAGE_KIND)) move->setDamageKindFromWord(fields.text(F_DAMAGE_KIND));

        fields.each(F_TRIGGER, [&](tinyxml2::XMLElement* trigger) {
            const char* when = trigger->Attribute("when");
            if (!when) {
                logError("WARNING with File " + path + " : " + DefaultStrings::NAME_MOVE + " " + name +
                         " : Trigger found with no WHEN attribute");
                return;
            }
            const char* actor = trigger->Attribute("actor");
            const int triggerPriority = saturatingInt(clampedAtof(trigger->Attribute("priority")));
            move->addTrigger(when, actor, parseEffect(trigger), triggerPriority);
        });

        fields.each(F_TAG, [&](const tinyxml2::XMLElement* tag) {
            const std::string text = xmlText(tag);
            if (!text.empty()) move->addTag(text);
        });

        appendNamed(moves, movesByName, move);
    }
}
