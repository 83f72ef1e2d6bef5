// Reading "data/strings.xml": replacement texts for the string table, by key.
#include <tinyxml2.h>

#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"

void applyStringsFile(const std::string& path) {
    tinyxml2::XMLDocument document;
    // A missing or broken strings file is not an error: the compiled-in texts simply stand.
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) return;
    for (const tinyxml2::XMLElement* strings = document.FirstChildElement("strings"); strings;
         strings = strings->NextSiblingElement("strings")) {
        for (const tinyxml2::XMLElement* entry = strings->FirstChildElement(); entry;
             entry = entry->NextSiblingElement()) {
            // An entry without text of its own is skipped rather than blanking a label on screen.
            const char* text = entry->GetText();
            if (!text) continue;
            setStringByKey(entry->Name(), text);
        }
    }
}

void GameParser::loadStrings(const std::string& path) { applyStringsFile(path); }
