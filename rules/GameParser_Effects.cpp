// Reading effect-command trees and animation references, the parts of the data grammar every loader shares.
#include <cstring>
#include <tinyxml2.h>

#include "rules/Animation.hpp"
#include "rules/CommandOpcodes.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/WindowServices.hpp"

namespace {
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
    const char* elementName = element->Name() ? element->Name() : "";
    // An IfNot block is switched off in the data: it and everything inside it are skipped.
    if (std::strcmp(elementName, "IfNot") == 0) return nullptr;

    QXML_Command* command = new QXML_Command();
    command->setTypeFromName(elementName);
    // SubEffect and AddEvent hold their commands in one plain container, so that the engine can run or
    // queue the block as a whole while the outer command keeps its own chance and arguments.
    const bool block = command->opcode == CMD_SUB_EFFECT || command->opcode == CMD_ADD_EVENT;
    const char* qualifier = block ? nullptr : qualifierAttribute(command->opcode);

    // One walk over the attributes. Only the first attribute of a name counts, and an empty one keeps
    // the command's default.
    enum { CHANCE, VALUE, TARGET, NAME, REASON, QUALIFIER, ARGUMENT_COUNT };
    const char* const argumentNames[ARGUMENT_COUNT] = {"chance", "value",  "target",
                                                       "name",   "reason", qualifier};
    std::string* const targets[ARGUMENT_COUNT] = {&command->chance, &command->valueText,
                                                  nullptr,          &command->nameText,
                                                  &command->reason, &command->qualifier};
    bool seen[ARGUMENT_COUNT] = {};
    for (const tinyxml2::XMLAttribute* attribute = element->FirstAttribute(); attribute;
         attribute = attribute->Next()) {
        const char* name = attribute->Name();
        for (int argument = 0; argument < ARGUMENT_COUNT; ++argument) {
            const char* wanted = argumentNames[argument];
            if (!wanted || seen[argument] || wanted[0] != name[0] || std::strcmp(name, wanted) != 0) continue;
            seen[argument] = true;
            const char* value = attribute->Value();
            if (argument == TARGET) {
                if (std::strcmp(value, "target") == 0)
                    command->target = 1;
                else if (std::strcmp(value, "source") == 0)
                    command->target = 0;
            } else if (value[0] != '\0') {
                *targets[argument] = value;
            }
            break;
        }
    }
    command->readOperands();

    QXML_Command* receiver = command;
    if (block) {
        receiver = new QXML_Command();
        command->addSubCommand(receiver);
    }

    // An element holds either a message or sub-commands, never both.
    const tinyxml2::XMLNode* first = element->FirstChild();
    if (first && first->ToText() && first->Value()) {
        receiver->message = first->Value();
        return command;
    }
    // The list gets room for every child at once instead of growing as they come; it is made only once a
    // child gives a command, as adding one would.
    int remaining = 0;
    for (const tinyxml2::XMLNode* node = first; node; node = node->NextSibling())
        remaining += node->ToElement() ? 1 : 0;
    while (tinyxml2::XMLElement* child = element->FirstChildElement()) {
        QXML_Command* sub = parseEffect(child);
        if (sub && !receiver->subCommands) {
            receiver->subCommands = new std::vector<QXML_Command*>();
            receiver->subCommands->reserve(static_cast<std::size_t>(remaining));
        }
        receiver->addSubCommand(sub);
        element->DeleteChild(child);
        --remaining;
    }
    return command;
}

Animation* GameParser::parseAnimation(tinyxml2::XMLElement* element) {
    if (!element) return nullptr;
    // An absent attribute reads as 0, except the force, which defaults to 10.
    int category = clampedAtoi(element->Attribute("category"));
    int mode = clampedAtoi(element->Attribute("mode"));
    const char* forceText = element->Attribute("force");
    int force = forceText ? clampedAtoi(forceText) : 10;
    ParticleDesc* particles = lookupParticleDesc(xmlText(element));
    if (!particles) return nullptr;
    return new Animation(particles, category, mode, force);
}
