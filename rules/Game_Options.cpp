// The player's settings: reading "config.xml" with its clamps, the screens' cyclers and toggles, saving.
#include "rules/Game_Options.hpp"

#include <string>
#include <tinyxml2.h>

#include "rules/AtomicFile.hpp"
#include "rules/Commentator.hpp"
#include "rules/Platform.hpp"
#include "rules/XmlEscape.hpp"

namespace {

const char* const configFile = "config.xml";
const size_t maxNameLength = 12;

int clampInt(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// Reads one key; an absent or empty element leaves the current value.
void readKey(const tinyxml2::XMLElement* config, const char* key, int& value, int low, int high) {
    std::string text = xmlChildText(config, key);
    if (text.empty()) return;
    value = clampInt(clampedAtoi(text), low, high);
}

void cycle(int& value, bool up, int low, int high) {
    if (up) {
        value = value + 1 > high ? low : value + 1;
    } else {
        value = value - 1 < low ? high : value - 1;
    }
}

void toggle(int& value) { value = value != 1 ? 1 : 0; }

void writeLine(std::string& out, const char* key, int value) {
    out += std::string("<") + key + ">" + std::to_string(value) + "</" + key + ">\n";
}

} // namespace

Game_Options::Game_Options() {
    commentator = new Commentator();
    // What a save cut short at the last run left beside the file is of no use to anyone.
    removeStaleTemporary(configFile);

    tinyxml2::XMLDocument document;
    if (document.LoadFile(configFile) != tinyxml2::XML_SUCCESS) return;
    const tinyxml2::XMLElement* config = document.FirstChildElement("config");
    if (!config) return;
    firstStart = false;

    trainerName = xmlChildText(config, "trainer_name");
    std::string sprite = xmlChildText(config, "trainer_sprite");
    if (!sprite.empty()) trainerSprite = clampedAtoi(sprite) < 0 ? 0 : clampedAtoi(sprite);
    readKey(config, "n_zlkn_battle", teamSize, 1, 6);
    savedTeamSize = teamSize;
    readKey(config, "battle_speed", battleSpeed, 0, 1);
    readKey(config, "commentator", commentatorOn, 0, 1);
    readKey(config, "ccolor", commentatorColor, 0, 5);
    readKey(config, "debug", debug, 0, 1);
    readKey(config, "balance", balance, 0, 2);
    readKey(config, "draft", draft, 0, 1);
    readKey(config, "size_mode", sizeMode, 0, 1);
    readKey(config, "help", help, 0, 1);
    readKey(config, "shadows", shadows, 0, 1);
    readKey(config, "dynamic_bars", dynamicBars, 0, 1);
    readKey(config, "auto_input", autoInput, 0, 1);
    readKey(config, "bloody_effects", bloodyEffects, 0, 1);
    readKey(config, "active_abilities_effects", abilitiesEffects, 0, 1);
    readKey(config, "active_stadiums_effects", stadiumsEffects, 0, 1);
    readKey(config, "active_rulesets_effects", rulesetsEffects, 0, 1);
}

Game_Options::~Game_Options() { delete commentator; }

int Game_Options::getTeamSize() { return teamSize; }
int Game_Options::getBattleSpeed() { return battleSpeed; }
int Game_Options::isCommentatorOn() { return commentatorOn; }
int Game_Options::getCommentatorColor() { return commentatorColor; }
int Game_Options::getDebug() { return debug; }
int Game_Options::getBalance() { return balance; }
int Game_Options::getDraft() { return draft; }
int Game_Options::getSizeMode() { return sizeMode; }
int Game_Options::getTrainerSprite() { return trainerSprite; }
int Game_Options::getTagValue() { return tagValue; }
int Game_Options::getExtraValue() { return extraValue; }
int Game_Options::getHelp() { return help; }
int Game_Options::getDynamicBars() { return dynamicBars; }
int Game_Options::getShadows() { return shadows; }
int Game_Options::getAutoInput() { return autoInput; }
int Game_Options::getBloodyEffects() { return bloodyEffects; }

bool Game_Options::isFirstStart() { return firstStart; }

void Game_Options::setSpriteCount(int n) {
    spriteCount = n;
    // Sprites are numbered from 1; "trainer_sprite" 0 would frame no picture row.
    if (trainerSprite > n || trainerSprite < 1) trainerSprite = 1;
}

std::string Game_Options::getTrainerName() { return trainerName; }
std::string Game_Options::getName() { return getTrainerName(); }

void Game_Options::cycleTeamSize(bool up) { cycle(teamSize, up, 1, 6); }
void Game_Options::cycleBattleSpeed(bool up) { cycle(battleSpeed, up, 0, 1); }
void Game_Options::toggleCommentator() { toggle(commentatorOn); }
void Game_Options::cycleCommentatorColor(bool up) { cycle(commentatorColor, up, 0, 5); }
void Game_Options::toggleDebug() { toggle(debug); }
void Game_Options::toggleDraft() { toggle(draft); }
void Game_Options::cycleBalance(bool up) { cycle(balance, up, 0, 2); }
void Game_Options::cycleTrainerSprite(bool up) { cycle(trainerSprite, up, 1, spriteCount); }
void Game_Options::toggleDynamicBars() { toggle(dynamicBars); }
void Game_Options::toggleSizeMode() { toggle(sizeMode); }
void Game_Options::toggleHelp() { toggle(help); }
void Game_Options::toggleShadows() { toggle(shadows); }
void Game_Options::toggleBloodyEffects() { toggle(bloodyEffects); }
void Game_Options::toggleAbilitiesEffects() { toggle(abilitiesEffects); }
void Game_Options::toggleStadiumsEffects() { toggle(stadiumsEffects); }
void Game_Options::toggleRulesetsEffects() { toggle(rulesetsEffects); }

void Game_Options::setTagValue(int value) { tagValue = value; }
void Game_Options::setExtraValue(int value) { extraValue = value; }

void Game_Options::appendNameChar(char c) {
    if (trainerName.size() < maxNameLength) trainerName += c;
}

void Game_Options::eraseNameChar() {
    if (!trainerName.empty()) trainerName.pop_back();
}

void Game_Options::setTeamSize(int value) {
    if (static_cast<unsigned>(value) <= 6u) teamSize = value;
}

Commentator* Game_Options::getCommentator() { return commentator; }

void Game_Options::save() {
    firstStart = false;
    if (trainerName.empty()) trainerName = "Dresseur";
    savedTeamSize = teamSize;

    std::string out = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<config>\n";
    // The name is free text typed by the player: a "<" or "&" left raw would make the whole file unreadable
    // and every setting would be lost at the next start; control bytes become references so that the file
    // keeps one setting per line.
    out += "<trainer_name>" + escapeXml(trainerName, XmlControlBytes::AsReferences) + "</trainer_name>\n";
    writeLine(out, "trainer_sprite", trainerSprite);
    writeLine(out, "n_zlkn_battle", teamSize);
    writeLine(out, "battle_speed", battleSpeed);
    writeLine(out, "commentator", commentatorOn);
    writeLine(out, "ccolor", commentatorColor);
    writeLine(out, "balance", balance);
    writeLine(out, "size_mode", sizeMode);
    writeLine(out, "draft", draft);
    writeLine(out, "debug", debug);
    writeLine(out, "help", help);
    writeLine(out, "dynamic_bars", dynamicBars);
    writeLine(out, "shadows", shadows);
    writeLine(out, "auto_input", autoInput);
    writeLine(out, "bloody_effects", bloodyEffects);
    writeLine(out, "active_abilities_effects", abilitiesEffects);
    writeLine(out, "active_stadiums_effects", stadiumsEffects);
    writeLine(out, "active_rulesets_effects", rulesetsEffects);
    out += "</config>\n";

    // An unwritable place is not worth a message: the settings stay in memory for this run.
    replaceFileAtomically(configFile, out);
}

void Game_Options::restoreTeamSize() { teamSize = savedTeamSize; }
