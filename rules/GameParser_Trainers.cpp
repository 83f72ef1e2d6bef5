// Loader of "data/trainers.xml".
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"

// A name or id element written without text still counts as given: an empty name, id 0.
void GameParser::loadTrainers(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    if (trainers == nullptr) return;
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("trainer"); element != nullptr;
         element = element->NextSiblingElement("trainer")) {
        ++number;
        if (!xmlHasChild(element, "name") || !xmlHasChild(element, "id")) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_TRAINER + " element number " + std::to_string(number));
            continue;
        }
        trainers->add(new Trainer(clampedAtoi(xmlChildText(element, "id")), xmlHasChild(element, "unique"),
                                  xmlChildText(element, "name"), xmlChildText(element, "credo")));
    }
}
