// The bot file: reading a participant from "bots/*.xml" and rewriting it with its career record.
#include <tinyxml2.h>

#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "rules/AtomicFile.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlEscape.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryList.hpp"

namespace {
constexpr int BOT_LEVEL = 50;
constexpr int HISTORIC_DIGITS = 20;
const char* const DEFAULT_LIBRARY = "BASE";

// An element as compact XML text, to be written back as it was read.
std::string elementXml(const tinyxml2::XMLElement* element) {
    tinyxml2::XMLPrinter printer(nullptr, true);
    element->Accept(&printer);
    return std::string(printer.CStr());
}

bool isResult(int value) { return value >= TrainerStats::RESULT_WIN && value <= TrainerStats::RESULT_DRAW; }

bool isOneOf(const std::string& word, std::initializer_list<const char*> words) {
    for (const char* candidate : words)
        if (word == candidate) return true;
    return false;
}

// The code of the library the species was read from; the default library when it cannot be told.
std::string libraryCodeOf(GameParser* parser, ZelkinZelkinary* species) {
    if (parser == nullptr || species == nullptr) return DEFAULT_LIBRARY;
    for (ZelkinZelkinaryList* library : parser->getLibraries())
        if (library != nullptr && library->getId() == species->getLibraryId()) return library->getCode();
    return DEFAULT_LIBRARY;
}

std::string prefix(const std::string& path, const std::string& botName) {
    return "File " + path + " : " + DefaultStrings::NAME_TRAINER_BOT + " " + botName;
}
} // namespace

ZelkBot::ZelkBot(GameParser* database, const std::string& path) : ZelkBot() {
    parser = database;
    filePath = path;
    readFile(path);
}

void ZelkBot::readFile(const std::string& path) {
    // A folder or anything else that is not a readable file is an unreadable bot file: refused silently.
    std::string data;
    if (!readRegularFile(path, data)) return;
    tinyxml2::XMLDocument document;
    document.Parse(data.data(), data.size());
    tinyxml2::XMLElement* root = document.FirstChildElement("zelkbot");
    if (root == nullptr) return;
    fileRead = true;

    const std::string botName =
        xmlHasChild(root, "name") ? xmlChildText(root, "name") : std::string("Dresseur");
    name = botName;

    int slot = 0;
    bool seen[4] = {false, false, false, false};
    for (tinyxml2::XMLElement* child = root->FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        const std::string element = child->Name();
        if (element == "zelkin") {
            if (slot < TEAM_SIZE)
                readEntry(child, slot++, botName);
            else
                keptXml.push_back(elementXml(child));
        } else if (element == "matchup") {
            if (xmlHasAttribute(child, "val1") && xmlHasAttribute(child, "val2")) {
                OldMatchup record;
                record.own = clampedAtoi(xmlAttribute(child, "val1"));
                record.opponent = clampedAtoi(xmlAttribute(child, "val2"));
                for (char c : xmlText(child))
                    if (c >= '0' && c <= '9') record.digits += c;
                oldMatchups.push_back(record);
            } else {
                keptXml.push_back(elementXml(child));
            }
        } else if (element == "historic" || element == "tag") {
            // Read below, in file order.
        } else if (isOneOf(element, {"name", "credo", "streak", "sprite"})) {
            // Only the first of each is read; a second one is kept as it was.
            int index = element == "name" ? 0 : element == "credo" ? 1 : element == "streak" ? 2 : 3;
            if (seen[index]) keptXml.push_back(elementXml(child));
            seen[index] = true;
        } else {
            keptXml.push_back(elementXml(child));
        }
    }

    int sprite = xmlHasChild(root, "sprite") ? clampedAtoi(xmlChildText(root, "sprite")) : 1;
    int streak = xmlHasChild(root, "streak") ? clampedAtoi(xmlChildText(root, "streak")) : 0;
    TrainerStats* stats = new TrainerStats(botName, static_cast<int>(storedResults), streak, sprite);
    const std::string credo = xmlChildText(root, "credo");
    if (!credo.empty()) stats->setCredo(credo);
    for (tinyxml2::XMLElement* historic = root->FirstChildElement("historic"); historic != nullptr;
         historic = historic->NextSiblingElement("historic")) {
        const std::string digits = xmlText(historic).substr(0, HISTORIC_DIGITS);
        // Only a win, a loss or a draw is a result: anything else would count as a battle played and be
        // written back at every save.
        for (char c : digits)
            if (isResult(c - '0')) stats->pushHistory(c - '0');
        if (xmlHasAttribute(historic, "value")) {
            int value = clampedAtoi(xmlAttribute(historic, "value"));
            if (isResult(value)) stats->pushHistory(value);
        }
    }
    replaceTrainerStats(stats);

    for (tinyxml2::XMLElement* tag = root->FirstChildElement("tag"); tag != nullptr;
         tag = tag->NextSiblingElement("tag")) {
        const std::string text = xmlText(tag);
        if (!text.empty()) tags.push_back(text);
    }

    if (!isTeamReady())
        logError("ERROR with " + prefix(path, botName) +
                 "' team isn't valid : it cannot be added to the game");
}

void ZelkBot::readEntry(tinyxml2::XMLElement* entry, int slot, const std::string& botName) {
    FileEntry& record = fileEntries[slot];
    record.hasLibrary = xmlHasChild(entry, "zelkinary");
    record.library = record.hasLibrary ? xmlChildText(entry, "zelkinary") : std::string(DEFAULT_LIBRARY);
    tinyxml2::XMLElement* numberElement = entry->FirstChildElement("number");
    const std::string numberText = xmlText(numberElement);
    if (numberText.empty()) {
        logError("ERROR with " + prefix(filePath, botName) + " : no number found for " +
                 DefaultStrings::NAME_CREATURE + "#" + std::to_string(slot + 1));
        keptXml.push_back(elementXml(entry));
        record = FileEntry();
        return;
    }
    record.hasForm = xmlHasAttribute(numberElement, "form");
    record.form = xmlAttribute(numberElement, "form");
    int number = clampedAtoi(numberText);
    ZelkinZelkinary* species = nullptr;
    // The matchup tables stop at species number 717: a creature beyond them cannot join a bot's team.
    if (parser != nullptr && isSpeciesColumn(number))
        species = record.hasForm ? parser->findSpeciesFormInLibrary(record.library, number, record.form)
                                 : parser->findSpeciesInLibrary(record.library, number);
    if (species == nullptr) {
        logError("ERROR with " + prefix(filePath, botName) + " : cannot get " +
                 DefaultStrings::NAME_CREATURE + " Number  " + numberText + " " + record.form);
        keptXml.push_back(elementXml(entry));
        record = FileEntry();
        return;
    }

    Zelkin* creature = new Zelkin(species, BOT_LEVEL);
    if (xmlHasChild(entry, "name")) creature->setName(xmlChildText(entry, "name"));
    record.hasAbility = xmlHasChild(entry, "ability");
    record.ability = xmlChildText(entry, "ability");
    if (record.hasAbility) creature->setAbilityByName(record.ability);

    int movesRead = 0;
    bool firstOf[4] = {true, true, true, true};
    for (tinyxml2::XMLElement* child = entry->FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        const std::string element = child->Name();
        if (element == "move") {
            const std::string moveName = xmlText(child);
            if (movesRead >= Zelkin::MAX_MOVES) {
                record.extraMoves.push_back(moveName);
                continue;
            }
            ++movesRead;
            ZelkinMove* move = species->findMoveByName(moveName);
            if (move != nullptr) {
                creature->addMoveWithDefaultPp(move);
            } else {
                logError("WARNING with " + prefix(filePath, botName) + " : cannot get " +
                         DefaultStrings::NAME_MOVE + " " + moveName + " for " +
                         DefaultStrings::NAME_CREATURE + " " + creature->getName());
                record.extraMoves.push_back(moveName);
            }
        } else if (isOneOf(element, {"zelkinary", "number", "name", "ability"})) {
            int index = element == "zelkinary" ? 0 : element == "number" ? 1 : element == "name" ? 2 : 3;
            if (!firstOf[index]) record.extraXml.push_back(elementXml(child));
            firstOf[index] = false;
        } else {
            record.extraXml.push_back(elementXml(child));
        }
    }
    record.creature = creature;
    setMember(creature, slot);
}

std::string ZelkBot::serializeMember(int slot) const {
    Zelkin* creature = team[slot];
    if (creature == nullptr) return std::string();
    const FileEntry& record = fileEntries[slot];
    const bool fromFile = record.creature == creature;
    ZelkinZelkinary* species = creature->getSpecies();

    std::string text = "<zelkin>\n";
    std::string library = fromFile ? record.library : libraryCodeOf(parser, species);
    if ((fromFile && record.hasLibrary) || library != DEFAULT_LIBRARY)
        text += "<zelkinary>" + escapeXml(library) + "</zelkinary>\n";
    bool hasForm = fromFile ? record.hasForm : (species != nullptr && !species->getFormName().empty());
    std::string form = fromFile ? record.form : (species != nullptr ? species->getFormName() : std::string());
    text += "<number";
    if (hasForm) text += " form=\"" + escapeXml(form) + "\"";
    text += ">" + std::to_string(creature->getNumber()) + "</number>\n";
    text += "<name>" + escapeXml(creature->getName()) + "</name>\n";
    if (fromFile && record.hasAbility) text += "<ability>" + escapeXml(record.ability) + "</ability>\n";
    for (int i = 0; i < Zelkin::MAX_MOVES; ++i)
        if (ZelkinMove* move = creature->getMove(i))
            text += "<move>" + escapeXml(move->getName()) + "</move>\n";
    if (fromFile) {
        for (const std::string& move : record.extraMoves)
            text += "<move>" + escapeXml(move) + "</move>\n";
        for (const std::string& xml : record.extraXml)
            text += xml + "\n";
    }
    text += "</zelkin>\n";
    return text;
}

std::string ZelkBot::serializeMatchups() const {
    std::vector<bool> used(oldMatchups.size(), false);
    std::string text;
    for (int slot = 0; slot < TEAM_SIZE; ++slot) {
        int own = team[slot] != nullptr ? team[slot]->getNumber() : 0;
        for (int opponent = 0; opponent < SPECIES_COLUMNS; ++opponent) {
            const int* history = matchupHistory[slot][opponent];
            if (history[0] == 0) continue;
            std::string digits;
            for (int k = MATCHUP_HISTORY - 1; k >= 0; --k)
                if (history[k] > 0 && history[k] <= 9) digits += static_cast<char>('0' + history[k]);
            // Results of earlier runs against the same pair come first, the newest twenty kept.
            for (size_t i = 0; i < oldMatchups.size(); ++i) {
                if (used[i] || oldMatchups[i].own != own || oldMatchups[i].opponent != opponent) continue;
                used[i] = true;
                digits = oldMatchups[i].digits + digits;
                if (digits.size() > MATCHUP_HISTORY) digits = digits.substr(digits.size() - MATCHUP_HISTORY);
                break;
            }
            text += "<matchup val1=\"" + std::to_string(own) + "\" val2=\"" + std::to_string(opponent) +
                    "\">" + digits + "</matchup>\n";
        }
    }
    for (size_t i = 0; i < oldMatchups.size(); ++i) {
        if (used[i]) continue;
        text += "<matchup val1=\"" + std::to_string(oldMatchups[i].own) + "\" val2=\"" +
                std::to_string(oldMatchups[i].opponent) + "\">" + oldMatchups[i].digits + "</matchup>\n";
    }
    return text;
}

std::string ZelkBot::serialize() const {
    std::string text = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<zelkbot>\n";
    text += trainerStats->serialize();
    for (int slot = 0; slot < TEAM_SIZE; ++slot)
        text += serializeMember(slot);
    text += serializeMatchups();
    for (const std::string& tag : tags)
        text += "<tag>" + escapeXml(tag) + "</tag>\n";
    for (const std::string& xml : keptXml)
        text += xml + "\n";
    text += "</zelkbot>\n";
    return text;
}

bool ZelkBot::save() {
    if (controlledByBot == 0 || filePath.empty() || filePath == HUMAN_PATH) return false;
    // A file that could not be read as a bot file is left alone rather than replaced by an empty bot.
    if (!fileRead) return false;
    return replaceFileAtomically(filePath, serialize());
}
