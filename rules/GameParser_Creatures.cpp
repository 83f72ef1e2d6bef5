// The creature library loader: one file of "data/creatures/" into a species library and its records.
#include <tinyxml2.h>

#include "rules/Animation.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlChildIndex.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"
#include "rules/ZelkinZelkinaryList.hpp"

namespace {
// The children of a creature element that the loader reads, by field number.
enum CreatureField {
    F_NAME,
    F_NUMBER,
    F_STAT_FIRST,
    F_STAT_LAST = F_STAT_FIRST + 5,
    F_TYPE,
    F_MINISPRITE,
    F_PERSONALITY,
    F_SIZE,
    F_RARITY,
    F_MOVE,
    F_ABILITY,
    F_TAG,
    F_BLOOD,
    F_FORM,
    CREATURE_FIELD_COUNT
};
const char* const creatureFields[CREATURE_FIELD_COUNT] = {
    "name",         "number",   "stat_hp", "stat_att",   "stat_def",     "stat_spe_att",
    "stat_spe_def", "stat_vit", "type",    "minisprite", "personnality", "size",
    "statut",       "move",     "ability", "tag",        "blood",        "form"};

// A layout value of the library header. The sheet is cut into cells with these values, so a zero or
// negative one would divide by zero later: it falls back to the default with a warning.
int readLayoutValue(const tinyxml2::XMLElement* library, const char* element, int fallback,
                    const std::string& path, const std::string& libraryName) {
    if (!xmlHasChild(library, element)) return fallback;
    const std::string text = xmlChildText(library, element);
    const int value = clampedAtoi(text);
    if (value > 0) return value;
    logError("WARNING with File " + path + " : " + DefaultStrings::NAME_LIBRARY + " " + libraryName +
             " : invalid " + element + " " + text + " ; " + std::to_string(fallback) + " used instead");
    return fallback;
}

std::string speciesWarning(const std::string& path, const std::string& species, const std::string& kind,
                           const std::string& word) {
    return "WARNING with File " + path + " : " + DefaultStrings::NAME_CREATURE + " " + species +
           " : cannot get " + kind + " " + word;
}
} // namespace

void GameParser::loadCreatures(const std::string& path) {
    tinyxml2::XMLDocument document;
    // An unreadable or malformed file is reported below as a file without a library header.
    const bool readable = document.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS;

    tinyxml2::XMLElement* header = readable ? document.FirstChildElement("library") : nullptr;
    if (!header) {
        logError("ERROR with File " + path + " : No " + DefaultStrings::NAME_LIBRARY + " element found.");
        return;
    }
    if (!xmlHasChild(header, "name") || !xmlHasChild(header, "code") || !xmlHasChild(header, "file")) {
        logError("ERROR with File " + path + " : Invalid properties from " + DefaultStrings::NAME_LIBRARY +
                 " element.");
        return;
    }

    const std::string libraryName = xmlChildText(header, "name");
    const std::string sheet = xmlChildText(header, "file");
    const std::string formSheet =
        xmlHasChild(header, "form-file") ? xmlChildText(header, "form-file") : sheet;
    ZelkinZelkinaryList* library =
        new ZelkinZelkinaryList(libraryName, xmlChildText(header, "code"), sheet, formSheet);
    libraries.push_back(library);

    const int perLine = readLayoutValue(header, "zlkn_per_line", 32, path, libraryName);
    const int width = readLayoutValue(header, "zlkn_width", 56, path, libraryName);
    const int height = readLayoutValue(header, "zlkn_height", 56, path, libraryName);
    const int face = clampedAtoi(xmlChildText(header, "zlkn_face"));
    library->setConfig(new ZelkinZelkinaryConfig(width, height, perLine, face));

    XmlChildIndex fields(creatureFields, CREATURE_FIELD_COUNT);
    int counter = 0;
    for (tinyxml2::XMLElement* element = document.FirstChildElement("creature"); element;
         element = element->NextSiblingElement("creature")) {
        ++counter;
        fields.read(element);
        if (!fields.has(F_NAME) || !fields.has(F_NUMBER)) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_CREATURE + " element number " + std::to_string(counter));
            continue;
        }
        const std::string name = fields.text(F_NAME);
        ZelkinZelkinary* record = new ZelkinZelkinary(name, clampedAtoi(fields.rawText(F_NUMBER)));

        // The six stats go together: a partial set would give a lopsided species, so it is ignored.
        bool allStats = true;
        int stats[6];
        for (int i = 0; i < 6; ++i) {
            allStats = allStats && fields.has(F_STAT_FIRST + i);
            stats[i] = clampedAtoi(fields.rawText(F_STAT_FIRST + i));
        }
        if (allStats) record->setBaseStats(stats[0], stats[1], stats[2], stats[3], stats[4], stats[5]);

        record->reserveLists(fields.count(F_TYPE), fields.count(F_MOVE), fields.count(F_ABILITY));
        fields.each(F_TYPE, [&](const tinyxml2::XMLElement* type) {
            const std::string_view word = xmlTextView(type);
            if (ZelkinType* found = typesByName.find(word))
                record->addType(found);
            else
                logError(speciesWarning(path, name, DefaultStrings::NAME_TYPE, std::string(word)));
        });

        const tinyxml2::XMLElement* minisprite = fields.first(F_MINISPRITE);
        const std::string shape = xmlText(minisprite);
        if (!shape.empty()) record->parseShapeAndColour(shape, minisprite->Attribute("color"));
        if (fields.has(F_PERSONALITY)) record->parsePersonality(fields.text(F_PERSONALITY));
        // Runs after the base stats: the size class grows with the stat total.
        const std::string size = fields.text(F_SIZE);
        record->parseSizeClass(size.empty() ? "M" : size);
        const std::string rarity = fields.text(F_RARITY);
        if (!rarity.empty()) record->parseRarity(rarity);

        fields.each(F_MOVE, [&](const tinyxml2::XMLElement* move) {
            const std::string_view word = xmlTextView(move);
            if (ZelkinMove* found = movesByName.find(word))
                record->addMove(found);
            else
                logError(speciesWarning(path, name, DefaultStrings::NAME_MOVE, std::string(word)));
        });
        if (record->getMoveCount() == 0) {
            logError("ERROR with File " + path + " : " + DefaultStrings::NAME_CREATURE + " " + name +
                     " has no valid moves ; it can't be add to the game.");
            delete record;
            continue;
        }

        fields.each(F_ABILITY, [&](const tinyxml2::XMLElement* ability) {
            const std::string_view word = xmlTextView(ability);
            if (ZelkinBuffData* found = abilitiesByName.find(word))
                record->addAbility(found);
            else
                logError(speciesWarning(path, name, DefaultStrings::NAME_ABILITIES, std::string(word)));
        });

        fields.each(F_TAG, [&](const tinyxml2::XMLElement* tag) {
            const std::string text = xmlText(tag);
            if (!text.empty()) record->addTag(text);
        });

        if (tinyxml2::XMLElement* blood = fields.first(F_BLOOD)) {
            if (Animation* animation = parseAnimation(blood)) {
                animation->setCategory(1);
                record->setAnimation(*animation);
                delete animation;
            } else {
                logError(speciesWarning(path, name, DefaultStrings::NAME_PARTICLE, xmlText(blood)));
            }
        }

        if (const tinyxml2::XMLElement* form = fields.first(F_FORM)) {
            const std::string formName = xmlText(form);
            const int spriteNumber = clampedAtoi(xmlAttribute(form, "sprite_number"));
            if (spriteNumber > 0 || !formName.empty()) record->setForm(formName, spriteNumber);
        }

        record->setLibraryId(library->getId());
        record->setConfig(library->getConfig());
        library->addSpecies(record);
        // A form drawn from its own cell is reachable only through its library, which then releases it.
        if (record->getFormSpriteNumber() <= 0)
            species.push_back(record);
        else
            library->adoptRecord(record);
    }
}
