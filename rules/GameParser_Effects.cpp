// Reading effect-command trees and animation references, the parts of the data grammar every loader shares.
#include <tinyxml2.h>

#include "rules/Animation.hpp"
#include "rules/CommandOpcodes.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/WindowServices.hpp"

namespace {
// Reads attribute name into target only when it is present and not empty, so an empty attribute keeps
// the command's default.
void readAttribute(const tinyxml2::XMLElement* element, const char* name, std::string& target) {
    std::string text = xmlAttribute(element, name);
    if (!text.empty()) target = text;
}

// The attribute that carries each opcode's qualifier, or null for opcodes that take none.
const char* qualifierAttribute(int opcode) {
    switch (opcode) {
    case CMD_ADD_BUFF:
    case CMD_ADD_STATUT:
    case CMD_ADD_GLOBAL:
        return "duration";
    case CMD_NUMBER_COMPARE:
    case CMD_STRING_COMPARE:
        return "comparator";
    case CMD_REMOVE_BUFF:
    case CMD_REMOVE_GLOBAL:
        return "tag";
    case CMD_SET_VARIABLE:
    case CMD_ADDITION_VARIABLE:
    case CMD_SUBSTRACT_VARIABLE:
    case CMD_MULTIPLY_VARIABLE:
    case CMD_DIVIDE_VARIABLE:
    case CMD_MODULO_VARIABLE:
        return "round";
    default:
        return nullptr;
    }
}
} // namespace

QXML_Command* GameParser::parseEffect(tinyxml2::XMLElement* element) {
    if (!element) return nullptr;
    const std::string elementName = element->Name() ? element->Name() : "";
    // An IfNot block is switched off in the data: it and everything inside it are skipped.
    if (elementName == "IfNot") return nullptr;

    QXML_Command* command = new QXML_Command();
    readAttribute(element, "chance", command->chance);
    readAttribute(element, "value", command->valueText);
    std::string target = xmlAttribute(element, "target");
    if (target == "target")
        command->target = 1;
    else if (target == "source")
        command->target = 0;
    readAttribute(element, "name", command->nameText);
    readAttribute(element, "reason", command->reason);
    command->readOperands();
    command->setTypeFromName(elementName);

    // SubEffect and AddEvent hold their commands in one plain container, so that the engine can run or
    // queue the block as a whole while the outer command keeps its own chance and arguments.
    QXML_Command* receiver = command;
    if (command->opcode == CMD_SUB_EFFECT || command->opcode == CMD_ADD_EVENT) {
        receiver = new QXML_Command();
        command->addSubCommand(receiver);
    } else if (const char* qualifier = qualifierAttribute(command->opcode)) {
        readAttribute(element, qualifier, command->qualifier);
    }

    // An element holds either a message or sub-commands, never both.
    const tinyxml2::XMLNode* first = element->FirstChild();
    if (first && first->ToText() && first->Value()) {
        receiver->message = first->Value();
        return command;
    }
    while (tinyxml2::XMLElement* child = element->FirstChildElement()) {
        receiver->addSubCommand(parseEffect(child));
        element->DeleteChild(child);
    }
    return command;
}

Animation* GameParser::parseAnimation(tinyxml2::XMLElement* element) {
    if (!element) return nullptr;
    int category = xmlHasAttribute(element, "category") ? clampedAtoi(xmlAttribute(element, "category")) : 0;
    int mode = xmlHasAttribute(element, "mode") ? clampedAtoi(xmlAttribute(element, "mode")) : 0;
    int force = xmlHasAttribute(element, "force") ? clampedAtoi(xmlAttribute(element, "force")) : 10;
    ParticleDesc* particles = lookupParticleDesc(xmlText(element));
    if (!particles) return nullptr;
    return new Animation(particles, category, mode, force);
}
