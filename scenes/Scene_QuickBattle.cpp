// The quick battle set-up: who plays each side, the rules, then one battle after another.
#include "scenes/Scene_QuickBattle.hpp"

#include <SFML/Graphics.hpp>
#include <string>

#include "battle/BattleInformations.hpp"
#include "players/BotList.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "players/ZelkBot_Human.hpp"
#include "players/Zelkbot_Random.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/Scene_Battle.hpp"

namespace {

// The simulating decision maker: every computer side of a quick battle thinks ahead.
const int AI_SIMULATING = 1;

} // namespace

Scene_QuickBattle::Scene_QuickBattle() = default;

Scene_QuickBattle::~Scene_QuickBattle() {
    for (ZelkBot*& side : participants) {
        if (side && side != human && side->isTransient()) delete side;
        side = nullptr;
    }
    if (options) options->restoreTeamSize();
    // The human's creatures go with it.
    delete human;
}

void Scene_QuickBattle::init(TeamBuilder* builder, Game_Options* settings, BotList* roster) {
    teamBuilder = builder;
    options = settings;
    botList = roster;
    page = PAGE_MAIN;
    cursor = ENTRY_START;
    autoTimer = 0;
    participants[0] = participants[1] = nullptr;
    sides[0] = Side();
    sides[0].kind = KIND_HUMAN;
    sides[1] = Side();
    sides[1].kind = KIND_RANDOM_TRAINER;
    teamSize = options ? options->getTeamSize() : 3;
    stadiumChoice = 0;
    rulesetIndex = 0;
    hype = 4;
    if (window) window->drawLoadingScreen();
    if (options) options->setTagValue(0);
    human = new ZelkBot_Human();
    if (window) window->loadImgTexture("main_bg.png");
    if (options) {
        human->getTrainerStats()->setName(options->getName());
        human->getTrainerStats()->setSprite(options->getTrainerSprite());
    }
}

void Scene_QuickBattle::handleInput() {
    if (controler == nullptr) return;
    // Each arrow acts in turn on what the one before left; Enter and Backspace exclude each other.
    for (int key : {GameControler::KEY_UP, GameControler::KEY_DOWN, GameControler::KEY_LEFT,
                    GameControler::KEY_RIGHT}) {
        if (!controler->isPressed(key)) continue;
        // Down alone leaves the automatic start's count running.
        if (key != GameControler::KEY_DOWN) autoTimer = 0;
        handleKey(key);
    }
    if (controler->isPressed(GameControler::KEY_ENTER)) {
        autoTimer = 0;
        handleKey(GameControler::KEY_ENTER);
    } else if (controler->isPressed(GameControler::KEY_BACK)) {
        autoTimer = 0;
        handleKey(GameControler::KEY_BACK);
    }
}

void Scene_QuickBattle::handleKey(int key) {
    switch (page) {
    case PAGE_PLAYER_1:
        handleSidePanel(0, key);
        break;
    case PAGE_PLAYER_2:
        handleSidePanel(1, key);
        break;
    case PAGE_RULES:
        handleRulesPanel(key);
        break;
    default:
        handleMainRow(key);
        break;
    }
}

void Scene_QuickBattle::handleMainRow(int key) {
    switch (key) {
    case GameControler::KEY_UP:
    case GameControler::KEY_DOWN:
        cursor = cursor == ENTRY_RULES ? ENTRY_START : ENTRY_RULES;
        break;
    case GameControler::KEY_LEFT:
        cursor = cursor == ENTRY_RULES ? ENTRY_PLAYER_1 : cycle(cursor, false, 0, 2);
        break;
    case GameControler::KEY_RIGHT:
        cursor = cursor == ENTRY_RULES ? ENTRY_PLAYER_2 : cycle(cursor, true, 0, 2);
        break;
    case GameControler::KEY_ENTER:
        // Enter on "START !" is the update's: it starts the battle.
        if (cursor == ENTRY_PLAYER_1) page = PAGE_PLAYER_1;
        if (cursor == ENTRY_RULES) page = PAGE_RULES;
        if (cursor == ENTRY_PLAYER_2) page = PAGE_PLAYER_2;
        if (page != PAGE_MAIN) cursor = 0;
        break;
    case GameControler::KEY_BACK:
        if (options) options->setTagValue(0);
        if (teamBuilder && teamBuilder->getParser()) teamBuilder->getParser()->selectRuleset(0);
        alive = false;
        break;
    default:
        break;
    }
}

void Scene_QuickBattle::handleSidePanel(int index, int key) {
    Side& side = sides[index];
    switch (key) {
    case GameControler::KEY_UP:
        cursor = cycle(cursor, false, 0, 2);
        if (cursor > 1 && side.kind != KIND_ROSTER_BOT) --cursor;
        if (cursor > 0 && side.kind == KIND_HUMAN) cursor = 0;
        break;
    case GameControler::KEY_DOWN:
        cursor = cycle(cursor, true, 0, 2);
        if ((cursor >= 2 && side.kind != KIND_ROSTER_BOT) || (cursor > 0 && side.kind == KIND_HUMAN))
            cursor = 0;
        break;
    case GameControler::KEY_LEFT:
    case GameControler::KEY_RIGHT: {
        bool up = key == GameControler::KEY_RIGHT;
        if (cursor == 0) {
            // Only Player 1 may be the human at the keyboard.
            side.kind = cycle(side.kind, up, 0, index == 0 ? KIND_HUMAN : KIND_ROSTER_BOT);
        } else if (cursor == 1) {
            side.level = cycle(side.level, up, 1, 9);
        } else if (cursor == 2) {
            int bots = botList ? botList->count() : 0;
            side.botChoice = cycle(side.botChoice, up, 0, bots);
        }
        break;
    }
    default:
        // Enter or Backspace: back to the main row, on the entry that opened the panel.
        page = PAGE_MAIN;
        cursor = index == 0 ? ENTRY_PLAYER_1 : ENTRY_PLAYER_2;
        break;
    }
}

void Scene_QuickBattle::handleRulesPanel(int key) {
    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    switch (key) {
    case GameControler::KEY_UP:
        cursor = cycle(cursor, false, 0, 3);
        break;
    case GameControler::KEY_DOWN:
        cursor = cycle(cursor, true, 0, 3);
        break;
    case GameControler::KEY_LEFT:
    case GameControler::KEY_RIGHT: {
        bool up = key == GameControler::KEY_RIGHT;
        switch (cursor) {
        case 0:
            teamSize = cycle(teamSize, up, 1, 6);
            break;
        case 1:
            stadiumChoice = cycle(stadiumChoice, up, 0, parser ? parser->countStadiums() : 0);
            reloadBackground();
            break;
        case 2: {
            // With no ruleset loaded there is nothing to cycle through.
            int count = parser ? parser->countRulesets() : 0;
            if (count > 0) {
                rulesetIndex = cycle(rulesetIndex, up, 0, count - 1);
                parser->selectRuleset(rulesetIndex);
            }
            break;
        }
        default:
            hype = cycle(hype, up, 0, 8);
            break;
        }
        break;
    }
    default:
        page = PAGE_MAIN;
        cursor = ENTRY_RULES;
        break;
    }
}

void Scene_QuickBattle::reloadBackground() {
    if (window == nullptr) return;
    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    Stadium* stadium = (parser && stadiumChoice > 0) ? parser->getStadiumAt(stadiumChoice - 1) : nullptr;
    window->loadImgTexture(stadium ? stadium->getFile() : std::string("main_bg.png"));
}

void Scene_QuickBattle::update() {
    if (result != 0) {
        // Only a battle the human fought (always as Player 1) goes on its record.
        if (human && participants[0] == human) {
            if (result == 1) human->getTrainerStats()->addWin();
            if (result == 2) human->getTrainerStats()->addLoss();
            if (result == 3) human->getTrainerStats()->addDraw();
        }
        result = 0;
        return;
    }
    bool enter = controler && controler->isPressed(GameControler::KEY_ENTER);
    bool automatic = false;
    if (!enter && options && options->getAutoInput() != 0) automatic = ++autoTimer >= AUTO_START_FRAMES;
    if ((enter || automatic) && page == PAGE_MAIN && cursor == ENTRY_START && alive) {
        autoTimer = 0;
        // Too small a ruleset starts nothing; the rules panel says why.
        if (rulesetShortage(teamBuilder).empty()) startBattle();
    } else if (controler && controler->isPressed(GameControler::KEY_ESCAPE)) {
        if (options) options->setTagValue(0);
        alive = false;
    }
}

void Scene_QuickBattle::startBattle() {
    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    Scene_Battle* battle = prepareChild(new Scene_Battle(), inheritedFlag);
    Stadium* stadium = nullptr;
    if (parser)
        stadium = stadiumChoice > 0 ? parser->getStadiumAt(stadiumChoice - 1) : parser->randomStadium();
    BattleInformations* informations = new BattleInformations(stadium, 0, hype);
    informations->setName(DefaultStrings::BATTLE_INFO_SIMPLE_BATTLE);
    informations->setSecondText(DefaultStrings::BATTLE_INFO_FRIENDLY_BATTLE);
    if (options) options->setTeamSize(teamSize);
    for (int i = 0; i < 2; ++i) {
        if (participants[i] && participants[i] != human && participants[i]->isTransient())
            delete participants[i];
        participants[i] = nullptr;
        participants[i] = buildSide(i);
    }
    battle->init(teamBuilder, options, participants[0], participants[1], informations);
    child = battle;
}

ZelkBot* Scene_QuickBattle::buildSide(int index) {
    const Side& side = sides[index];
    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    int bots = botList ? botList->count() : 0;
    int kind = side.kind;
    // An empty roster has no bot to lend: a random computer trainer plays instead.
    if (kind == KIND_ROSTER_BOT && bots <= 0) kind = KIND_RANDOM_TRAINER;

    if (kind == KIND_HUMAN) {
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i)
            human->setMember(nullptr, i);
        for (int i = 0; i < ZelkBot::TEAM_SIZE && teamBuilder; ++i)
            if (Zelkin* creature = teamBuilder->createRandomCreature())
                if (human->addMember(creature) == ZelkBot::TEAM_SIZE) delete creature;
        if (teamBuilder) teamBuilder->clearUsed();
        return human;
    }

    ZelkBot* bot = nullptr;
    if (kind == KIND_RANDOM_TRAINER) {
        bot = new Zelkbot_Random(parser);
        TrainerList* trainers = parser ? parser->getTrainers() : nullptr;
        if (Trainer* trainer = trainers ? trainers->pickRandomTrainer(false) : nullptr)
            bot->setTrainerInfo(trainer->getId(), trainer->getName(), trainer->getCredo());
        bot->setAI(AI_SIMULATING, side.level);
        for (int i = 0; i < ZelkBot::TEAM_SIZE && teamBuilder; ++i)
            if (Zelkin* creature = teamBuilder->createRandomCreature())
                if (bot->addMember(creature) == ZelkBot::TEAM_SIZE) delete creature;
        if (teamBuilder) teamBuilder->clearUsed();
        return bot;
    }

    int rosterIndex = side.botChoice > 0 ? side.botChoice - 1 : PseudoRNG().random(bots);
    ZelkBot* original = botList->get(rosterIndex);
    // The roster's own bot is never sent in: its copy is the one changed by the battle.
    bot = original ? original->clone() : new Zelkbot_Random(parser);
    bot->setAI(AI_SIMULATING, side.level);
    if (parser && teamBuilder) {
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
            Zelkin* member = bot->getMember(i);
            if (member && parser->isCreatureAllowed(member)) teamBuilder->markUsed(member->getNumber());
        }
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
            Zelkin* member = bot->getMember(i);
            if (member == nullptr || parser->isCreatureAllowed(member)) continue;
            // Keeps the member when the current rules leave nothing to replace it with.
            if (Zelkin* replacement =
                    teamBuilder->createRandomCreatureOfTypes(member->getType(0), member->getType(1)))
                bot->setMember(replacement, i);
        }
        teamBuilder->clearUsed();
    }
    return bot;
}

void Scene_QuickBattle::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(stadiumChoice < 1 ? GameWindow::UI_LOADING_BACKGROUND : GameWindow::UI_BACKGROUND, 0,
                         0);
    window->drawBox(window->paletteColor(0), 200, 0, 453, 70);
    window->drawSizedText(DefaultStrings::MENU_QUICK_BATTLE, 24, 274, 20);

    auto header = [this](bool lit, int x, int y, int w) {
        window->drawRectBlackOutline(window->paletteColor(lit ? 9 : 13), x, y, w, 40);
    };
    header((page == PAGE_MAIN && cursor == ENTRY_PLAYER_1) || page == PAGE_PLAYER_1, 22, 80, 258);
    header(page == PAGE_MAIN && cursor == ENTRY_START, 290, 80, 276);
    header((page == PAGE_MAIN && cursor == ENTRY_PLAYER_2) || page == PAGE_PLAYER_2, 576, 80, 258);
    header((page == PAGE_MAIN && cursor == ENTRY_RULES) || page == PAGE_RULES, 290, 130, 276);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_PLAYER_1, 16, 153, 90);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_PLAYER_2, 16, 707, 90);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_START, 24, 438, 86);
    window->drawSizedTextCentered(DefaultStrings::QUICKBATTLE_RULES, 16, 438, 140);

    window->drawRectBlackOutline(window->paletteColor(page == PAGE_PLAYER_1 ? 3 : 1), 22, 130, 258, 340);
    window->drawRectBlackOutline(window->paletteColor(page == PAGE_RULES ? 9 : 7), 290, 180, 276, 290);
    window->drawRectBlackOutline(window->paletteColor(page == PAGE_PLAYER_2 ? 6 : 4), 576, 130, 258, 340);

    if (page == PAGE_PLAYER_1) window->drawUiSprite(GameWindow::UI_CURSOR, 32, 140 + 30 * cursor);
    if (page == PAGE_RULES) window->drawUiSprite(GameWindow::UI_CURSOR, 300, 200 + 30 * cursor);
    if (page == PAGE_PLAYER_2) window->drawUiSprite(GameWindow::UI_CURSOR, 586, 140 + 30 * cursor);

    drawSidePanel(0, 52);
    drawSidePanel(1, 606);

    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    window->drawSizedText(DefaultStrings::NAME_CREATURE + " : " + std::to_string(teamSize), 16, 320, 200);
    Stadium* stadium = (parser && stadiumChoice > 0) ? parser->getStadiumAt(stadiumChoice - 1) : nullptr;
    window->drawSizedText(stadium ? stadium->getName() : DefaultStrings::QUICKBATTLE_RANDOM_STADIUM, 16, 320,
                          230);
    // No ruleset loaded: the line stays blank.
    Ruleset* ruleset = parser ? parser->getCurrentRuleset() : nullptr;
    window->drawSizedText(ruleset ? ruleset->getName() : std::string(), 16, 320, 260);
    window->drawSizedText(DefaultStrings::NAME_HYPE + " : " + std::to_string(hype), 16, 320, 290);
    // From the cursor's column to the rules panel's right edge, clear of Player 2's creature entries.
    drawRulesetShortage(teamBuilder, 300, 320, 256);

    drawCreatureEntries(0);
    drawCreatureEntries(1);
    animCounter = (animCounter + 1) % 30;
    target->display();
}

void Scene_QuickBattle::drawSidePanel(int index, int x) {
    const Side& side = sides[index];
    const std::string* kindText = &DefaultStrings::QUICKBATTLE_IA_RANDOM;
    if (side.kind == KIND_ROSTER_BOT) kindText = &DefaultStrings::NAME_TRAINER_BOT;
    if (side.kind == KIND_HUMAN) kindText = &DefaultStrings::QUICKBATTLE_HUMAN;
    window->drawSizedText(*kindText, 16, x, 140);
    if (side.kind == KIND_HUMAN) return;
    window->drawSizedText(DefaultStrings::NAME_DIFFICULTY + " : " + std::to_string(side.level), 16, x, 170);
    if (side.kind != KIND_ROSTER_BOT) return;
    if (side.botChoice == 0) {
        window->drawSizedText(DefaultStrings::NAME_RANDOM, 16, x, 200);
        return;
    }
    ZelkBot* bot = botList ? botList->get(side.botChoice - 1) : nullptr;
    std::string name;
    if (bot) bot->getName(name);
    window->drawSizedText(" - " + name, 16, x, 200);
}

void Scene_QuickBattle::drawCreatureEntries(int index) {
    const Side& side = sides[index];
    ZelkBot* bot = (side.kind == KIND_ROSTER_BOT && side.botChoice != 0 && botList)
                       ? botList->get(side.botChoice - 1)
                       : nullptr;
    sf::Color tint = window->paletteColor(index == 0 ? 2 : 5);
    int frame = (animCounter % 6) / 3;
    for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
        int x = index == 0 ? 32 + 130 * (i % 2) : 716 - 130 * (i % 2);
        window->drawCreatureEntry(bot ? bot->getMember(i) : nullptr, tint, 0, x, 260 + 66 * (i / 2), frame);
    }
}
