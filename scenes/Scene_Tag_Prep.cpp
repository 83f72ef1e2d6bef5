// The tag tournament's set-up: the two sides' names and generated bots, and the rules of the series.
#include "scenes/Scene_Tag_Prep.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

#include "players/BotList.hpp"
#include "players/Bot_Team.hpp"
#include "players/ZelkBot.hpp"
#include "players/Zelkbot_Random.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/Scene_Tag_Tournament.hpp"

namespace {

bool isSidePage(int page) {
    return page == Scene_Tag_Prep::PAGE_FIRST_SIDE || page == Scene_Tag_Prep::PAGE_SECOND_SIDE;
}

} // namespace

Scene_Tag_Prep::Scene_Tag_Prep() = default;

Scene_Tag_Prep::~Scene_Tag_Prep() {
    if (options) options->restoreTeamSize();
}

void Scene_Tag_Prep::init() {
    database = gameBundle ? gameBundle->teamBuilder : nullptr;
    options = gameBundle ? gameBundle->options : nullptr;
    roster = gameBundle ? gameBundle->botList : nullptr;
    cursor = ITEM_START;
    page = PAGE_MAIN;
    names[0] = "Blue";
    names[1] = "Red";
    generated[0] = generated[1] = 0;
    blinkCounter = 0;
    if (window) window->drawLoadingScreen();
    battleSize = options ? options->getTeamSize() : 3;
    // A battle fields 1 to 6 creatures, whatever the options hold.
    if (battleSize < 1) battleSize = 1;
    if (battleSize > 6) battleSize = 6;
    rulesetIndex = 0;
    hype = 0;
    if (window) window->loadImgTexture("main_bg.png");
}

void Scene_Tag_Prep::appendNameChar(int side, char c) {
    if (side != 0 && side != 1) return;
    // Printable characters only: Delete (127) draws as a box and would match no roster tag.
    if (c < 32 || c > 126) return;
    if (static_cast<int>(names[side].size()) < MAX_NAME_LENGTH) names[side] += c;
}

void Scene_Tag_Prep::eraseNameChar(int side) {
    if (side != 0 && side != 1) return;
    if (!names[side].empty()) names[side].pop_back();
}

void Scene_Tag_Prep::handleInput() {
    if (controler == nullptr) return;
    char typed = controler->getTypedChar();
    // char is signed here: 1..127 are exactly the positive values.
    if (typed > 0 && isSidePage(page) && cursor == 0) appendNameChar(page - 1, typed);

    if (controler->isPressed(GameControler::KEY_UP)) {
        if (page == PAGE_MAIN)
            cursor = cursor == ITEM_RULES ? ITEM_START : ITEM_RULES;
        else
            cursor = cycle(cursor, false, 0, page == PAGE_RULES ? 2 : 1);
    }
    if (controler->isPressed(GameControler::KEY_DOWN)) {
        if (page == PAGE_MAIN)
            cursor = cursor == ITEM_RULES ? ITEM_START : ITEM_RULES;
        else
            cursor = cycle(cursor, true, 0, page == PAGE_RULES ? 2 : 1);
    }
    if (controler->isPressed(GameControler::KEY_LEFT)) {
        if (page == PAGE_MAIN)
            cursor = cursor == ITEM_RULES ? ITEM_FIRST_SIDE : cycle(cursor, false, 0, 2);
        else
            stepSetting(false);
    }
    if (controler->isPressed(GameControler::KEY_RIGHT)) {
        if (page == PAGE_MAIN)
            cursor = cursor == ITEM_RULES ? ITEM_SECOND_SIDE : cycle(cursor, true, 0, 2);
        else
            stepSetting(true);
    }

    if (controler->isPressed(GameControler::KEY_ENTER)) {
        if (page != PAGE_MAIN) {
            leavePage();
        } else if (cursor == ITEM_FIRST_SIDE || cursor == ITEM_SECOND_SIDE || cursor == ITEM_RULES) {
            page = cursor == ITEM_FIRST_SIDE ? PAGE_FIRST_SIDE
                                             : (cursor == ITEM_SECOND_SIDE ? PAGE_SECOND_SIDE : PAGE_RULES);
            cursor = 0;
        } else if (cursor != ITEM_START) {
            cursor = 0;
        }
        // Enter on "START !" is the update's: it starts the series.
    } else if (controler->isPressed(GameControler::KEY_BACK) ||
               controler->isPressed(GameControler::KEY_ESCAPE)) {
        if (controler->isPressed(GameControler::KEY_BACK) && isSidePage(page) && cursor == 0) {
            eraseNameChar(page - 1);
        } else if (page != PAGE_MAIN) {
            leavePage();
        } else {
            if (options) options->setTagValue(0);
            if (database && database->getParser()) database->getParser()->selectRuleset(0);
            alive = false;
        }
    }
}

void Scene_Tag_Prep::stepSetting(bool up) {
    if (isSidePage(page)) {
        if (cursor == 1) generated[page - 1] = cycle(generated[page - 1], up, 0, MAX_GENERATED);
        return;
    }
    if (page != PAGE_RULES) return;
    if (cursor == 0) {
        battleSize = cycle(battleSize, up, 1, 6);
    } else if (cursor == 1) {
        GameParser* parser = database ? database->getParser() : nullptr;
        // With no ruleset loaded there is nothing to cycle through.
        int count = parser ? parser->countRulesets() : 0;
        if (count > 0) {
            rulesetIndex = cycle(rulesetIndex, up, 0, count - 1);
            parser->selectRuleset(rulesetIndex);
        }
    } else if (cursor == 2) {
        hype = cycle(hype, up, 0, MAX_HYPE);
        if (options) options->setTagValue(hype);
    }
}

void Scene_Tag_Prep::leavePage() {
    // Back on the main page, on the item that opened the page.
    if (page == PAGE_FIRST_SIDE) cursor = ITEM_FIRST_SIDE;
    if (page == PAGE_SECOND_SIDE) cursor = ITEM_SECOND_SIDE;
    if (page == PAGE_RULES) cursor = ITEM_RULES;
    page = PAGE_MAIN;
}

void Scene_Tag_Prep::update() {
    // The finished series leaves no result to read: the screen comes back as it was.
    if (result != 0) {
        result = 0;
        return;
    }
    // Too small a ruleset starts nothing; the rules panel says why.
    if (alive && controler && controler->isPressed(GameControler::KEY_ENTER) && page == PAGE_MAIN &&
        cursor == ITEM_START && rulesetShortage(database).empty())
        startTournament();
}

void Scene_Tag_Prep::startTournament() {
    Scene_Tag_Tournament* series = prepareChild(new Scene_Tag_Tournament(), inheritedFlag);
    if (options) options->setTeamSize(battleSize);
    Bot_Team* first = new Bot_Team(names[0]);
    Bot_Team* second = new Bot_Team(names[1]);
    // A bot tagged with both names takes part in neither side.
    fillSide(first, names[0], names[1], 0);
    fillSide(second, names[1], names[0], 0);
    fillSide(first, std::string(), std::string(), generated[0]);
    fillSide(second, std::string(), std::string(), generated[1]);
    series->init(first, second);
    child = series;
}

void Scene_Tag_Prep::fillSide(Bot_Team* side, const std::string& tag, const std::string& excluded,
                              int count) {
    if (roster && !tag.empty()) {
        // Copies: the series must not change the roster's own bots or their files.
        for (ZelkBot* bot : roster->findByTagExcluding(tag, excluded))
            if (bot) side->addMember(bot->clone());
    }
    GameParser* parser = database ? database->getParser() : nullptr;
    TrainerList* trainers = parser ? parser->getTrainers() : nullptr;
    for (int n = 0; n < count; ++n) {
        ZelkBot* bot = new Zelkbot_Random(parser);
        if (Trainer* trainer = trainers ? trainers->pickRandomTrainer(false) : nullptr)
            bot->setTrainerInfo(trainer->getId(), trainer->getName(), trainer->getCredo());
        for (int i = 0; i < ZelkBot::TEAM_SIZE && database; ++i)
            if (Zelkin* creature = database->createRandomCreature())
                if (bot->addMember(creature) == ZelkBot::TEAM_SIZE) delete creature;
        side->addMember(bot);
        // Species do not repeat within one bot but may between bots.
        if (database) database->clearUsed();
    }
}

void Scene_Tag_Prep::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color(255, 255, 255, 255));
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);

    window->drawBox(window->paletteColor(0), 200, 0, 453, 70);
    window->drawSizedText(DefaultStrings::MENU_TAG_TOURNAMENT, 24, 274, 20);

    auto header = [this](bool lit, int x, int y, int w) {
        window->drawRectBlackOutline(window->paletteColor(lit ? 9 : 13), x, y, w, 40);
    };
    header((page == PAGE_MAIN && cursor == ITEM_FIRST_SIDE) || page == PAGE_FIRST_SIDE, 22, 80, 258);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_PLAYER_1, 16, 153, 90);
    header((page == PAGE_MAIN && cursor == ITEM_SECOND_SIDE) || page == PAGE_SECOND_SIDE, 576, 80, 258);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_PLAYER_2, 16, 707, 90);
    header(page == PAGE_MAIN && cursor == ITEM_START, 290, 80, 276);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_START, 24, 438, 86);
    header((page == PAGE_MAIN && cursor == ITEM_RULES) || page == PAGE_RULES, 290, 130, 276);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_RULES, 16, 438, 140);

    window->drawRectBlackOutline(window->paletteColor(page == PAGE_FIRST_SIDE ? 3 : 1), 22, 130, 258, 340);
    window->drawRectBlackOutline(window->paletteColor(page == PAGE_RULES ? 9 : 7), 290, 180, 276, 290);
    window->drawRectBlackOutline(window->paletteColor(page == PAGE_SECOND_SIDE ? 6 : 4), 576, 130, 258, 340);

    if (page == PAGE_FIRST_SIDE) window->drawUiSprite(GameWindow::UI_CURSOR, 32, 140 + 60 * cursor);
    if (page == PAGE_RULES) window->drawUiSprite(GameWindow::UI_CURSOR, 300, 200 + 30 * cursor);
    if (page == PAGE_SECOND_SIDE) window->drawUiSprite(GameWindow::UI_CURSOR, 586, 140 + 60 * cursor);

    for (int side = 0; side < 2; ++side) {
        int x = side == 0 ? 52 : 606;
        const std::string& name = names[side];
        window->drawSizedText(DefaultStrings::NAME_TAG, 16, x, 140);
        window->drawSizedText(name, 16, x, 170);
        if (page == side + 1 && cursor == 0 && blinkCounter % 10 < 5 &&
            static_cast<int>(name.size()) < MAX_NAME_LENGTH)
            window->drawSizedText("_", 16, x + 16 * static_cast<int>(name.size()), 170);
        window->drawSizedText(DefaultStrings::TAG_TOUR_N_RANDOM + " : " + std::to_string(generated[side]), 16,
                              x, 200);
    }

    GameParser* parser = database ? database->getParser() : nullptr;
    window->drawSizedText(DefaultStrings::NAME_CREATURE + " : " + std::to_string(battleSize), 16, 320, 200);
    // No ruleset loaded: the line stays blank.
    Ruleset* ruleset = parser ? parser->getCurrentRuleset() : nullptr;
    window->drawSizedText(ruleset ? ruleset->getName() : std::string(), 16, 320, 230);
    window->drawSizedText(DefaultStrings::NAME_HYPE + " : " + std::to_string(hype), 16, 320, 260);
    // From the cursor's column to the rules panel's right edge, clear of the second side's panel.
    drawRulesetShortage(database, 300, 290, 256);

    blinkCounter = (blinkCounter + 1) % 30;
    target->display();
}
