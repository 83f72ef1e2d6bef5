// The main menu, the root scene: waits for loading, then offers the game modes and the data counts.
#include "scenes/Scene_Menu.hpp"

#include <SFML/Graphics.hpp>
#include <string>

#include "players/BotList.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/TeamBuilder.hpp"
#include "scenes/SceneJourneySelection.hpp"
#include "scenes/SceneWelcome.hpp"
#include "scenes/Scene_Loading.hpp"
#include "scenes/Scene_Options.hpp"
#include "scenes/Scene_QuickBattle.hpp"
#include "scenes/Scene_Tag_Prep.hpp"
#include "scenes/Scene_Tournament.hpp"
#include "scenes/Scene_Zelkinary.hpp"

Scene_Menu::Scene_Menu() = default;

Scene_Menu::~Scene_Menu() = default;

void Scene_Menu::init() {
    loaded = 0;
    Scene_Loading* loading = prepareChild(new Scene_Loading());
    loading->init();
    child = loading;
    inheritedFlag = false;
}

int Scene_Menu::getCursor() { return cursor; }

bool Scene_Menu::isLoaded() { return loaded != 0; }

void Scene_Menu::update() {
    if (result != 0) {
        if (result < 1) {
            // The load failed and the player has seen why: the program ends.
            alive = false;
        } else {
            teamBuilder = gameBundle->teamBuilder;
            botList = gameBundle->botList;
            options = gameBundle->options;
            loaded = 1;
            if (options && options->isFirstStart()) {
                SceneWelcome* welcome = prepareChild(new SceneWelcome());
                welcome->init();
                child = welcome;
            }
        }
        result = 0;
    }
    // Keys of this frame must not push a second screen over the welcome screen just pushed: that one
    // would be lost (never shown, never freed).
    if (loaded == 0 || !controler || child) return;

    if (controler->isPressed(GameControler::KEY_ESCAPE)) alive = false;
    if (controler->isPressed(GameControler::KEY_ENTER)) {
        openEntry(cursor);
        return;
    }
    if (controler->isPressed(GameControler::KEY_5))
        openTournament();
    else if (controler->isPressed(GameControler::KEY_4))
        openTagTournament();

    if (controler->isPressed(GameControler::KEY_UP) && --cursor < 0) cursor = ENTRY_COUNT - 1;
    if (controler->isPressed(GameControler::KEY_DOWN) && ++cursor > ENTRY_COUNT - 1) cursor = 0;
}

void Scene_Menu::openEntry(int entry) {
    switch (entry) {
    case ENTRY_JOURNEY: {
        SceneJourneySelection* screen = prepareChild(new SceneJourneySelection(), inheritedFlag);
        screen->init();
        child = screen;
        break;
    }
    case ENTRY_ZELKINARY: {
        Scene_Zelkinary* screen = prepareChild(new Scene_Zelkinary());
        screen->init(teamBuilder ? teamBuilder->getParser() : nullptr, options);
        child = screen;
        break;
    }
    case ENTRY_OPTIONS: {
        Scene_Options* screen = prepareChild(new Scene_Options());
        screen->init(options);
        child = screen;
        break;
    }
    default: {
        Scene_QuickBattle* screen = prepareChild(new Scene_QuickBattle(), inheritedFlag);
        screen->init(teamBuilder, options, botList);
        child = screen;
        break;
    }
    }
}

void Scene_Menu::openTournament() {
    Scene_Tournament* screen = prepareChild(new Scene_Tournament(), inheritedFlag);
    screen->init(teamBuilder, options, botList);
    child = screen;
}

void Scene_Menu::openTagTournament() {
    Scene_Tag_Prep* screen = prepareChild(new Scene_Tag_Prep(), inheritedFlag);
    screen->init();
    child = screen;
}

void Scene_Menu::draw() {
    // While loading runs, the loading screen draws the whole frame.
    if (loaded == 0 || !window) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_LOADING_BACKGROUND, 0, 0);

    window->drawBox(window->paletteColor(0), 90, 0, 673, 120);
    window->drawSizedTextCentered(DefaultStrings::GAME_NAME, 36, 426, 30);
    window->drawSizedTextCentered(DefaultStrings::GAME_EXTENSION, 14, 426, 70);

    const std::string labels[ENTRY_COUNT] = {DefaultStrings::MENU_QUICK_BATTLE, DefaultStrings::MENU_JOURNEY,
                                             DefaultStrings::MENU_ZELKINARY, DefaultStrings::MENU_OPTIONS};
    const std::string descriptions[ENTRY_COUNT] = {
        DefaultStrings::MENU_QUICK_BATTLE_DESC, DefaultStrings::MENU_JOURNEY_DESC,
        DefaultStrings::MENU_ZELKINARY_DESC, DefaultStrings::MENU_OPTIONS_DESC};
    window->drawRectBlackOutline(window->paletteColor(3), 150, 140, 250, 180);
    window->drawUiSprite(GameWindow::UI_CURSOR, 160, (cursor + 4) * 40);
    for (int i = 0; i < ENTRY_COUNT; ++i)
        window->drawSizedText(labels[i], 16, 180, 160 + 40 * i);

    window->drawRectBlackOutline(window->paletteColor(6), 460, 140, 250, 180);
    window->drawSizedText(DefaultStrings::MENU_DATA + " :", 16, 480, 160);
    GameParser* db = teamBuilder ? teamBuilder->getParser() : nullptr;
    struct Line {
        const std::string& name;
        int count;
    };
    const Line lines[] = {
        {DefaultStrings::NAME_LIBRARY_PLURIAL, db ? db->countLibraries() : 0},
        {DefaultStrings::NAME_CREATURE_PLURIAL, db ? db->countSpecies() : 0},
        {DefaultStrings::NAME_MOVE_PLURIAL, db ? db->countMoves() : 0},
        {DefaultStrings::NAME_TYPE_PLURIAL, db ? db->countTypes() : 0},
        {DefaultStrings::NAME_SUBTYPE_PLURIAL, db ? db->countSubtypes() : 0},
        {DefaultStrings::NAME_ABILITIES_PLURIAL, db ? db->countAbilities() : 0},
        {DefaultStrings::NAME_TRAINER_BOT_PLURIAL, botList ? botList->count() : 0},
        {DefaultStrings::NAME_STADIUM_PLURIAL, db ? db->countStadiums() : 0},
        {DefaultStrings::NAME_RULESET_PLURIAL, db ? db->countRulesets() : 0},
        {DefaultStrings::NAME_TEXTURE_PLURIAL, window->countTextureSheets()},
        {DefaultStrings::NAME_PARTICLE_PLURIAL, window->countParticleDescs()},
        {DefaultStrings::NAME_BUFF_PLURIAL, db ? db->countBuffs() : 0},
    };
    int y = 180;
    for (const Line& line : lines) {
        window->drawText(line.name + " : " + std::to_string(line.count), 480, y);
        y += 12;
    }

    window->drawBox(window->paletteColor(0), 80, 360, 693, 120);
    int entry = cursor >= 0 && cursor < ENTRY_COUNT ? cursor : 0;
    window->drawSizedText(descriptions[entry], 12, 110, 380);
    window->drawText("Version 0.9 - BRUMASELO", 110, 456);
    target->display();
}
