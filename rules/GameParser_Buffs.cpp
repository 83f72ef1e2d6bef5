// Loading ability and buff definitions from "data/abilities/" and "data/buffs/".
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlChildIndex.hpp"
#include "rules/ZelkinBuffData.hpp"

namespace {
// The children of an ability or buff element that the loader reads, by field number.
enum DefinitionField {
    F_NAME,
    F_CATEGORY,
    F_BOT_VALUE,
    F_TEAM_BUFF,
    F_PRIMARY,
    F_SPOT,
    F_TRIGGER,
    F_ANIMATION,
    F_TAG,
    DEFINITION_FIELD_COUNT
};
const char* const definitionFields[DEFINITION_FIELD_COUNT] = {
    "name", "category", "IA_value", "teambuff", "primary", "spot", "trigger", "animation", "tag"};

// Abilities and buffs share one file format; buffs alone read the team, status and spot elements.
// fields holds element's children; the triggers, animations and tags are deleted from it once read.
ZelkinBuffData* readDefinition(GameParser& parser, tinyxml2::XMLElement* element, const XmlChildIndex& fields,
                               const std::string& path, const std::string& kindWord, bool isAbility) {
    ZelkinBuffData* definition = new ZelkinBuffData(fields.text(F_NAME));
    definition->kind = isAbility ? ZelkinBuffData::KIND_ABILITY : ZelkinBuffData::KIND_BUFF;
    if (fields.has(F_CATEGORY)) definition->setNatureFromWord(fields.text(F_CATEGORY));
    definition->botValue = clampedAtoi(fields.rawText(F_BOT_VALUE));
    if (!isAbility) {
        definition->teamBuff = fields.has(F_TEAM_BUFF);
        if (fields.has(F_PRIMARY)) {
            definition->kind = ZelkinBuffData::KIND_PRIMARY_STATUS;
            definition->statusCode = fields.text(F_PRIMARY).substr(0, 3);
        }
        definition->spot = fields.text(F_SPOT);
    }

    // Room for what the lists are about to receive, so that they do not regrow.
    definition->triggers.reserve(static_cast<std::size_t>(fields.count(F_TRIGGER)));
    definition->tags.reserve(static_cast<std::size_t>(fields.count(F_TAG)));
    fields.each(F_TRIGGER, [&](tinyxml2::XMLElement* trigger) {
        const char* when = trigger->Attribute("when");
        if (!when) {
            logError("WARNING with File " + path + " : " + kindWord + " " + definition->name +
                     " : Trigger found with no WHEN attribute");
        } else {
            const char* actor = trigger->Attribute("actor");
            int priority = saturatingInt(clampedAtof(trigger->Attribute("priority")));
            definition->addTrigger(when, actor ? actor : "", parser.parseEffect(trigger), priority);
        }
        element->DeleteChild(trigger);
    });
    fields.each(F_ANIMATION, [&](tinyxml2::XMLElement* animation) {
        definition->addAnimation(parser.parseAnimation(animation));
        element->DeleteChild(animation);
    });
    fields.each(F_TAG, [&](tinyxml2::XMLElement* tag) {
        std::string text = xmlText(tag);
        if (!text.empty()) definition->tags.push_back(text);
        element->DeleteChild(tag);
    });
    return definition;
}

// Reads every top-level element called elementName of one file, in document order, and hands each
// definition to store. Records without a name are reported by their position among those elements.
template <typename Store>
void loadDefinitions(GameParser& parser, const std::string& path, const char* elementName,
                     const std::string& kindWord, bool isAbility, Store store) {
    tinyxml2::XMLDocument document;
    loadDataDocument(document, path);
    XmlChildIndex fields(definitionFields, DEFINITION_FIELD_COUNT);
    int counter = 0;
    while (tinyxml2::XMLElement* element = document.FirstChildElement(elementName)) {
        ++counter;
        fields.read(element);
        if (fields.has(F_NAME)) {
            store(readDefinition(parser, element, fields, path, kindWord, isAbility));
        } else {
            logError("ERROR with File " + path + " : Invalid properties from " + kindWord +
                     " element number " + std::to_string(counter));
        }
        document.DeleteChild(element);
    }
}
} // namespace

void GameParser::loadAbilities(const std::string& path) {
    loadDefinitions(
        *this, path, "ability", DefaultStrings::NAME_ABILITIES, true,
        [this](ZelkinBuffData* definition) { appendNamed(abilities, abilitiesByName, definition); });
}

void GameParser::loadBuffs(const std::string& path) {
    loadDefinitions(*this, path, "buff", DefaultStrings::NAME_BUFF, false,
                    [this](ZelkinBuffData* definition) { appendNamed(buffs, buffsByName, definition); });
}
