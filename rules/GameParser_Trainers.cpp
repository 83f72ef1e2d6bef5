// Loader of "data/trainers.xml".
#include <tinyxml2.h>

#include "rules/DataDocument.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/XmlChildIndex.hpp"

namespace {
// The children of a trainer element that the loader reads, by field number.
enum TrainerField { F_NAME, F_ID, F_UNIQUE, F_CREDO, TRAINER_FIELD_COUNT };
const char* const trainerFields[TRAINER_FIELD_COUNT] = {"name", "id", "unique", "credo"};
} // namespace

// A name or id element written without text still counts as given: an empty name, id 0.
void GameParser::loadTrainers(const std::string& path) {
    tinyxml2::XMLDocument doc;
    loadDataDocument(doc, path);
    if (trainers == nullptr) return;
    XmlChildIndex fields(trainerFields, TRAINER_FIELD_COUNT);
    int number = 0;
    for (tinyxml2::XMLElement* element = doc.FirstChildElement("trainer"); element != nullptr;
         element = element->NextSiblingElement("trainer")) {
        ++number;
        fields.read(element);
        if (!fields.has(F_NAME) || !fields.has(F_ID)) {
            logError("ERROR with File " + path + " : Invalid properties from " +
                     DefaultStrings::NAME_TRAINER + " element number " + std::to_string(number));
            continue;
        }
        trainers->add(new Trainer(clampedAtoi(fields.rawText(F_ID)), fields.has(F_UNIQUE),
                                  fields.text(F_NAME), fields.text(F_CREDO)));
    }
}
