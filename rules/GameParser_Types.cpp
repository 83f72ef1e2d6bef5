// Loading types and subtypes from "data/types/" and "data/subtypes/".
#include <limits>
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlChildIndex.hpp"
#include "rules/ZelkinType.hpp"

namespace {
// A ratio written beyond the range of a float cannot be converted; it stands at the largest multiplier
// of its sign instead.
float ratioFromText(const char* text) {
    const double value = clampedAtof(text);
    const double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::max();
    if (value < -largest) return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

// The children of a type element that the loader reads, by field number.
enum TypeField { F_NAME, F_EFFECTIVENESS, F_ANIMATION, TYPE_FIELD_COUNT };
const char* const typeFields[TYPE_FIELD_COUNT] = {"name", "effectiveness", "animation"};

// Types and subtypes share one record and one file format; only the element name and kind word differ.
// Each record read is handed to store, in document order.
template <typename Store>
void loadTypeFile(GameParser& parser, const std::string& path, const char* elementName,
                  const std::string& kindWord, Store store) {
    tinyxml2::XMLDocument document;
    loadDataDocument(document, path);
    XmlChildIndex fields(typeFields, TYPE_FIELD_COUNT);
    int counter = 0;
    while (tinyxml2::XMLElement* element = document.FirstChildElement(elementName)) {
        ++counter;
        fields.read(element);
        if (!fields.has(F_NAME)) {
            logError("ERROR with File " + path + " : Invalid properties from " + kindWord +
                     " element number " + std::to_string(counter));
            document.DeleteChild(element);
            continue;
        }
        ZelkinType* type = new ZelkinType(fields.text(F_NAME));
        fields.each(F_EFFECTIVENESS, [&](tinyxml2::XMLElement* entry) {
            if (const char* ratio = entry->Attribute("ratio"))
                type->addEffectiveness(xmlText(entry), ratioFromText(ratio));
            element->DeleteChild(entry);
        });
        fields.each(F_ANIMATION, [&](tinyxml2::XMLElement* animation) {
            type->addAnimation(parser.parseAnimation(animation));
            element->DeleteChild(animation);
        });
        store(type);
        document.DeleteChild(element);
    }
}
} // namespace

void GameParser::loadTypes(const std::string& path) {
    // Every types file brings its own "none" first, readable or not, so positions stay what they were.
    appendNamed(types, typesByName, new ZelkinType("none"));
    loadTypeFile(*this, path, "type", DefaultStrings::NAME_TYPE,
                 [this](ZelkinType* type) { appendNamed(types, typesByName, type); });
}

void GameParser::loadSubtypes(const std::string& path) {
    loadTypeFile(*this, path, "subtype", DefaultStrings::NAME_SUBTYPE,
                 [this](ZelkinType* type) { appendNamed(subtypes, subtypesByName, type); });
}
