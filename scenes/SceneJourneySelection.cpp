// The screen before a journey: creatures per side, difficulty and ruleset, with a summary of the rules.
#include "scenes/SceneJourneySelection.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamBuilder.hpp"
#include "scenes/Scene_Journey.hpp"

namespace {
constexpr int LAST_ENTRY = 3;
constexpr int MIN_TEAM = 1;
constexpr int MAX_TEAM = 6;
constexpr int DIFFICULTY_LEVELS = 10;

// Wraps value + step into 0 .. count - 1.
int wrapped(int value, int step, int count) { return ((value + step) % count + count) % count; }
} // namespace

SceneJourneySelection::SceneJourneySelection() = default;

SceneJourneySelection::~SceneJourneySelection() {
    if (options != nullptr) options->restoreTeamSize();
}

void SceneJourneySelection::init() {
    teamBuilder = gameBundle->teamBuilder;
    options = gameBundle->options;
    botList = gameBundle->botList;
    cursor = 0;
    confirming = 0;
    confirmChoice = 0;
    animCounter = 0;
    rulesetIndex = 0;
    teamSize = options != nullptr ? options->getTeamSize() : 3;
    difficulty = 4;
    if (window != nullptr) {
        window->drawLoadingScreen();
        window->loadImgTexture("main_bg.png");
    }
}

void SceneJourneySelection::changeEntry(int step) {
    switch (cursor) {
    case ENTRY_TEAM_SIZE:
        teamSize = MIN_TEAM + wrapped(teamSize - MIN_TEAM, step, MAX_TEAM - MIN_TEAM + 1);
        break;
    case ENTRY_DIFFICULTY:
        difficulty = wrapped(difficulty, step, DIFFICULTY_LEVELS);
        break;
    case ENTRY_RULESET: {
        GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
        int count = parser != nullptr ? parser->countRulesets() : 0;
        // Without any ruleset there is nothing to cycle through (and nothing to divide by).
        if (count <= 0) break;
        rulesetIndex = wrapped(rulesetIndex, step, count);
        parser->selectRuleset(rulesetIndex);
        break;
    }
    default:
        break;
    }
}

void SceneJourneySelection::handleInput() {
    if (controler == nullptr) return;
    if (!confirming && controler->isPressed(GameControler::KEY_UP) && --cursor < 0) cursor = LAST_ENTRY;
    if (!confirming && controler->isPressed(GameControler::KEY_DOWN) && ++cursor > LAST_ENTRY) cursor = 0;
    for (int key : {GameControler::KEY_LEFT, GameControler::KEY_RIGHT}) {
        if (!controler->isPressed(key)) continue;
        if (confirming)
            confirmChoice = 1 - confirmChoice;
        else
            changeEntry(key == GameControler::KEY_LEFT ? -1 : 1);
    }

    if (controler->isPressed(GameControler::KEY_ENTER)) {
        if (confirming && confirmChoice == 0) {
            // The chosen size holds for this journey only: the destructor gives the saved one back.
            if (options != nullptr) options->setTeamSize(teamSize);
            Scene_Journey* journey = prepareChild(new Scene_Journey(), inheritedFlag);
            journey->init(teamBuilder, options, botList, difficulty);
            child = journey;
            cursor = 0;
            confirming = 0;
        } else if (confirming) {
            confirming = 0;
        } else if (rulesetShortage(teamBuilder).empty()) {
            // Too small a ruleset asks nothing, as a yes could not start: the left panel says why.
            confirming = 1;
        }
        confirmChoice = 0;
    } else if (controler->isPressed(GameControler::KEY_BACK) ||
               controler->isPressed(GameControler::KEY_ESCAPE)) {
        if (confirming) {
            confirming = 0;
            confirmChoice = 0;
        } else {
            if (options != nullptr) options->setTagValue(0);
            if (teamBuilder != nullptr && teamBuilder->getParser() != nullptr)
                teamBuilder->getParser()->selectRuleset(0);
            alive = false;
        }
    }
}

void SceneJourneySelection::update() {}

void SceneJourneySelection::draw() {
    if (!alive || window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);
    window->drawBox(window->paletteColor(0), 150, 0, 553, 90);
    window->drawSizedTextCentered("S\xE9lection d'Aventure", 24, 426, 30);

    window->drawRectBlackOutline(window->paletteColor(3), 22, 130, 300, 340);
    window->drawRectBlackOutline(window->paletteColor(14), 342, 130, 506, 340);
    window->drawUiSprite(GameWindow::UI_CURSOR, 32, 140 + 30 * cursor);

    GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
    Ruleset* rules = parser != nullptr ? parser->getCurrentRuleset() : nullptr;
    std::string rulesName = rules != nullptr ? rules->getName() : "";
    window->drawSizedText("Aventure Simple", 16, 60, 140);
    window->drawSizedText(DefaultStrings::NAME_CREATURE_PLURIAL + " : " + std::to_string(teamSize), 16, 60,
                          170);
    window->drawSizedText(DefaultStrings::NAME_DIFFICULTY + " : " + std::to_string(difficulty), 16, 60, 200);
    window->drawSizedText(rulesName, 16, 60, 230);
    // Kept inside the left panel: the right one is full of the ruleset's details.
    drawRulesetShortage(teamBuilder, 60, 260, 252);

    window->drawSizedText("D\xE9tails de l'Aventure :", 16, 380, 140);
    window->drawSizedText("- 8 Dresseurs cons\xE9"
                          "cutifs",
                          16, 360, 180);
    window->drawSizedText("- R\xE8gles : " + rulesName, 16, 360, 220);
    // Without a current ruleset the rule lines stay blank.
    if (rules != nullptr) {
        window->drawSizedText("  - Zelkin \xE9ligibles : " + std::to_string(parser->countAllowedSpecies()),
                              16, 360, 250);
        window->drawSizedText("  - Niveau de d\xE9part : " + std::to_string(rules->baseLevel), 16, 360, 280);
        std::vector<std::string> lines;
        if (rules->autobalance)
            lines.push_back("  - Balance activ\xE9"
                            "e");
        if (rules->minSumStats > 0)
            lines.push_back("  - stats Min autoris\xE9s : " + std::to_string(rules->minSumStats));
        if (rules->maxSumStats < 9999)
            lines.push_back("  - stats Max autoris\xE9s : " + std::to_string(rules->maxSumStats));
        if (rules->allowLegendaries == 0)
            lines.push_back("  - L\xE9gendaires et + interdits");
        else if (rules->allowMythics == 0)
            lines.push_back("  - Mythiques et + interdits");
        else if (rules->allowFabulous == 0)
            lines.push_back("  - Fabuleux interdits");
        if (!rules->allowForms) lines.push_back("  - Formes interdites");
        for (size_t i = 0; i < lines.size(); ++i)
            window->drawSizedText(lines[i], 16, 360, 310 + 30 * static_cast<int>(i));
    }

    if (confirming) {
        window->drawBox(window->paletteColor(3), 80, 190, 693, 60);
        window->drawSizedTextCentered("Confirmer ?", 16, 426, 200);
        window->drawBox(window->paletteColor(confirmChoice == 0 ? 9 : 3), 200, 260, 200, 60);
        window->drawBox(window->paletteColor(confirmChoice == 1 ? 9 : 3), 420, 260, 200, 60);
        window->drawSizedTextCentered("Oui", 16, 300, 280);
        window->drawSizedTextCentered("Non", 16, 520, 280);
    }

    animCounter = (animCounter + 1) % 30;
    target->display();
}
