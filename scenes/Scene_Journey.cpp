// One journey: the player's six creatures against the journey's opponents, one battle after another.
#include "scenes/Scene_Journey.hpp"

#include <SFML/Graphics.hpp>
#include <algorithm>
#include <cmath>
#include <string>

#include "battle/BattleInformations.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "players/ZelkBot_Human.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/JourneyData.hpp"
#include "scenes/JourneyEncounter.hpp"
#include "scenes/SceneSecretBattle.hpp"
#include "scenes/Scene_Battle.hpp"
#include "scenes/Scene_Draft.hpp"

namespace {
constexpr double DEGREE = 3.14159265358979323846 / 180.0;

// The trainer figure of a career record, drawn with the window's shared supporter sprite.
void drawTrainer(GameWindow* window, ZelkBot* bot, int x, int y, sf::Color tint = sf::Color::White) {
    if (bot == nullptr || bot->getTrainerStats() == nullptr) return;
    sf::Sprite* sprite = window->setSupporterFrame(bot->getTrainerStats()->getSprite(), 0);
    sprite->setColor(tint);
    window->drawSpriteAt(sprite, x, y);
    // The sprite is shared by every screen: leave it untinted.
    sprite->setColor(sf::Color::White);
}

void drawIcon(GameWindow* window, Zelkin* creature, int frame, int x, int y) {
    if (creature == nullptr) return;
    window->drawSpriteAt(
        window->creatureIconTinted(creature->getShape(), frame, creature->getSpeciesColour()), x, y);
}
} // namespace

Scene_Journey::Scene_Journey() = default;

Scene_Journey::~Scene_Journey() {
    if (human != nullptr) {
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
            Zelkin* member = human->getMember(i);
            if (member != nullptr) member->deleteBattleStatRecord();
        }
        delete human;
    }
    if (journey != nullptr) {
        journey->deleteEncounters();
        delete journey;
    }
}

void Scene_Journey::init(TeamBuilder* teamBuilderIn, Game_Options* optionsIn, BotList* botList,
                         int difficulty) {
    teamBuilder = teamBuilderIn;
    options = optionsIn;
    wins = 0;
    runAlive = 1;
    animCounter = 0;
    menuMode = MENU_MAIN;
    menuCursor = 0;
    teamCursor = 0;
    quitChoice = 0;
    secretStarted = 0;
    GameParser* parser = teamBuilder != nullptr ? teamBuilder->getParser() : nullptr;
    if (window != nullptr) {
        window->drawLoadingScreen();
        Ruleset* rules = parser != nullptr ? parser->getCurrentRuleset() : nullptr;
        if (rules != nullptr) window->baseLevel = rules->baseLevel;
    }

    journey = new JourneyData(teamBuilder, botList);
    journey->generate(difficulty);
    encounter = journey->current();
    state = STATE_ANNOUNCE;
    timer = TRANSITION_FRAMES;

    human = new ZelkBot_Human();
    if (options != nullptr) {
        human->getTrainerStats()->setName(options->getTrainerName());
        human->getTrainerStats()->setSprite(options->getTrainerSprite());
    }
    if (options != nullptr && options->getDraft() > 0) {
        Scene_Draft* draft = prepareChild(new Scene_Draft(), inheritedFlag);
        draft->init(human, teamBuilder, options);
        child = draft;
    } else if (teamBuilder != nullptr) {
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i)
            human->addMember(teamBuilder->createRandomCreature());
        teamBuilder->clearUsed();
    }
}

std::string Scene_Journey::remarkFor(int wins) {
    static const char* const remarks[] = {
        "C'est tout ? M\xEAme un scout peut te battre !",
        "Marleck serait ravi de t'avoir comme petit fr\xE8re !",
        "Tu peux faire mieux que \xE7\x61 !",
        "Plut\xF4t pas mal. Voyons voir si tu peux faire aussi bien...",
        "La Team Corvax va chercher \xE0 t'embaucher si tu continues comme \xE7\x61 !",
        "Whaouh ! Quel score !!",
        "As tu d\xE9ja tent\xE9 la ligue de ta r\xE9gion ?",
        "Quel dommage ! Perdre contre le boss final est rude !",
        "F\xE9licitations ! Vous \xEAtes le meilleur dresseur jamais !"};
    return remarks[std::max(0, std::min(wins, 8))];
}

void Scene_Journey::handleInput() {}

void Scene_Journey::update() {
    // The secret battle is the journey's last word, whatever its outcome.
    if (secretStarted == 1) {
        alive = false;
        return;
    }
    if (timer > 0) --timer;
    if (result != 0) {
        if (result == 1) {
            ++wins;
            state = STATE_WON;
        } else {
            // A draw ends the run like a loss.
            runAlive = 0;
            state = STATE_LOST;
        }
        timer = TRANSITION_FRAMES;
        result = 0;
        return;
    }
    if (timer == 0 && state >= STATE_WON) {
        if (state == STATE_ANNOUNCE && wins == 0 && human != nullptr) {
            // The records gather each creature's figures over the whole journey.
            for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
                Zelkin* member = human->getMember(i);
                if (member != nullptr) member->createBattleStatRecord();
            }
        }
        if (state == STATE_WON) {
            encounter = journey->advance();
            state = encounter != nullptr && !journey->isEmpty() ? STATE_ANNOUNCE : STATE_VICTORY;
            timer = TRANSITION_FRAMES;
        } else {
            state = STATE_MENU;
        }
    }
    if (state == STATE_MENU) readMenuKeys();
}

void Scene_Journey::askToQuit() {
    if (runAlive == 1 && !journey->isEmpty())
        menuMode = MENU_QUIT;
    else
        alive = false;
}

void Scene_Journey::startNextBattle() {
    if (runAlive != 1 || encounter == nullptr || encounter->battleInformations == nullptr) {
        alive = false;
        return;
    }
    // The battle record goes to the battle: its field deletes it when the battle screen goes.
    if (encounter->battleInformations->getMode() == BattleInformations::MODE_SECRET) {
        secretStarted = 1;
        SceneSecretBattle* secret = prepareChild(new SceneSecretBattle(), inheritedFlag);
        secret->init(teamBuilder, options, human, encounter->opponent, encounter->takeBattleInformations());
        child = secret;
    } else {
        Scene_Battle* battle = prepareChild(new Scene_Battle(), inheritedFlag);
        battle->init(teamBuilder, options, human, encounter->opponent, encounter->takeBattleInformations());
        child = battle;
    }
}

void Scene_Journey::readMenuKeys() {
    if (controler == nullptr) return;
    if (controler->isPressed(GameControler::KEY_ENTER)) {
        if (menuMode == MENU_MAIN) {
            if (menuCursor == 0)
                startNextBattle();
            else if (menuCursor == 1)
                menuMode = MENU_TEAM;
            else
                askToQuit();
        } else if (menuMode == MENU_QUIT) {
            if (quitChoice == 1)
                alive = false;
            else
                menuMode = MENU_MAIN;
        }
    } else if (controler->isPressed(GameControler::KEY_DOWN)) {
        if (menuMode == MENU_MAIN)
            menuCursor = (menuCursor + 1) % 3;
        else if (menuMode == MENU_TEAM)
            teamCursor = (teamCursor + 2) % 6;
    } else if (controler->isPressed(GameControler::KEY_UP)) {
        if (menuMode == MENU_MAIN) {
            if (--menuCursor < 0) menuCursor = 2;
        } else if (menuMode == MENU_TEAM) {
            teamCursor = (teamCursor + 4) % 6;
        }
    } else if (controler->isPressed(GameControler::KEY_LEFT)) {
        if (menuMode == MENU_TEAM)
            teamCursor = (teamCursor + 5) % 6;
        else if (menuMode == MENU_QUIT)
            quitChoice = 1 - quitChoice;
    } else if (controler->isPressed(GameControler::KEY_RIGHT)) {
        if (menuMode == MENU_TEAM)
            teamCursor = (teamCursor + 1) % 6;
        else if (menuMode == MENU_QUIT)
            quitChoice = 1 - quitChoice;
    } else if (controler->isPressed(GameControler::KEY_BACK) ||
               controler->isPressed(GameControler::KEY_ESCAPE)) {
        if (menuMode == MENU_TEAM) {
            menuMode = MENU_MAIN;
            teamCursor = 0;
        } else if (menuMode == MENU_QUIT) {
            menuMode = MENU_MAIN;
            quitChoice = 0;
        } else {
            askToQuit();
        }
    }
}

void Scene_Journey::draw() {
    if (secretStarted || window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::White);
    window->drawUiSprite(GameWindow::UI_JOURNEY, 0, 0);
    window->drawBox(window->paletteColor(0), 200, 0, 453, 70);
    window->drawSizedText("Mode Aventure", 24, 272, 20);

    drawTrainer(window, human, 356, 200);
    int ownFrame = runAlive == 1 ? (animCounter % 6) / 3 : 0;
    for (int i = 0; i < ZelkBot::TEAM_SIZE && human != nullptr; ++i)
        drawIcon(window, human->getMember(i), ownFrame, 316 - 40 * (i % 2), 40 * (i / 2 + 4));

    bool pendingLeft = journey != nullptr && !journey->isEmpty();
    if (pendingLeft && encounter != nullptr) {
        int dx = 0, dy = 0;
        if (state == STATE_WON) {
            int e = std::min(15, TRANSITION_FRAMES - timer);
            dx = 30 * e;
            dy = static_cast<int>(50.0 * std::sin(12.0 * e * DEGREE));
        } else if (state == STATE_ANNOUNCE) {
            int t = std::min(25, timer);
            dx = 20 * t;
            dy = static_cast<int>(50.0 * std::sin((180 * t / 25) * DEGREE));
        }
        drawTrainer(window, encounter->opponent, 496 + dx, 200 - dy);
        int frame = ((animCounter + 1) % 6) / 3;
        for (int j = 0; j < ZelkBot::TEAM_SIZE && encounter->opponent != nullptr; ++j) {
            int x = j % 2 == 0 ? 536 + dx : 536 + 40 + dx + dx / 2;
            int y = 160 + 40 * (j / 2) - dy;
            if (j / 2 == 0) y -= dx;
            if (j / 2 == 2) y += dx;
            drawIcon(window, encounter->opponent->getMember(j), frame, x, y);
        }
    }

    if (state == STATE_MENU) {
        window->drawBox(window->paletteColor(runAlive == 1 ? 3 : 13), 0, 70, 300, 64);
        drawTrainer(window, human, 30, 84);
        window->drawSizedText(options != nullptr ? options->getTrainerName() : "", 16, 80, 92);
        window->drawBox(window->paletteColor(pendingLeft ? 6 : 9), 330, 70, 523, 64);
        std::string title = runAlive != 1  ? "Dommage !"
                            : !pendingLeft ? "F\xE9licitations !"
                            : encounter    ? encounter->name
                                           : "";
        window->drawSizedTextCentered(title, 16, 591, 92);

        if (menuMode == MENU_MAIN) {
            int k = 0;
            for (JourneyEncounter* beaten : journey->getFought())
                drawTrainer(window, beaten->opponent, 811 - 24 * k++, 10, sf::Color(128, 128, 128));
            window->drawBox(window->paletteColor(0), 80, 360, 693, 120);
            if (runAlive == 1 && pendingLeft && encounter != nullptr && encounter->opponent != nullptr) {
                TrainerStats* stats = encounter->opponent->getTrainerStats();
                window->drawText("Dresseur Suivant : " + stats->getName(), 110, 380);
                window->drawText(stats->getCredo(), 110, 400);
            } else {
                window->drawText("Combats Gagn\xE9s : " + std::to_string(wins), 110, 380);
                window->drawText(remarkFor(wins), 110, 400);
            }
            window->drawBox(window->paletteColor(menuCursor == 0 ? 9 : 3), 20, 222, 240, 50);
            window->drawSizedText("Continuer", 16, 40, 236);
            window->drawBox(window->paletteColor(menuCursor == 1 ? 9 : 3), 20, 280, 160, 32);
            window->drawSizedText("Equipe", 16, 40, 286);
            window->drawBox(window->paletteColor(menuCursor == 2 ? 9 : 3), 20, 320, 160, 32);
            window->drawSizedText("Quitter", 16, 40, 326);
        } else if (menuMode == MENU_TEAM) {
            int frame = runAlive == 1 ? (animCounter % 6) / 3 : 0;
            int plain = runAlive == 1 ? 3 : 13;
            for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i)
                window->drawCreatureEntry(human->getMember(i),
                                          window->paletteColor(i == teamCursor ? 9 : plain), i + 1,
                                          22 + 130 * (i % 2), 150 + 66 * (i / 2), frame);
            window->drawBattleStatsPanel(human->getMember(teamCursor), window->paletteColor(3), true, 228,
                                         140);
        } else {
            window->drawBox(window->paletteColor(3), 80, 190, 693, 60);
            window->drawSizedTextCentered("Quitter ?", 16, 426, 200);
            window->drawSizedTextCentered("(Vos Zelkin ont besoin de vous !)", 8, 426, 226);
            window->drawBox(window->paletteColor(quitChoice == 0 ? 9 : 3), 200, 260, 200, 60);
            window->drawBox(window->paletteColor(quitChoice == 1 ? 9 : 3), 420, 260, 200, 60);
            window->drawSizedTextCentered("Non", 16, 300, 280);
            window->drawSizedTextCentered("Oui", 16, 520, 280);
        }
    } else {
        static const int bannerColours[] = {0, 3, 4, 9, 13};
        std::string text;
        if (state == STATE_WON)
            text = "Bien jou\xE9 !";
        else if (state == STATE_ANNOUNCE)
            text = encounter != nullptr ? encounter->name : "";
        else if (state == STATE_VICTORY)
            text = "VICTOIRE !";
        else
            text = "D\xE9"
                   "faite...";
        int k = std::min(std::min(TRANSITION_FRAMES - timer, 5), timer);
        int colour = state >= 1 && state <= 4 ? bannerColours[state] : 0;
        window->drawRectSoftOutline(window->paletteColor(colour), -5, (24 - k) * 10, 858, 20 * k);
        int s = timer > 40 ? (39 - timer) * 15 : timer < 10 ? (11 - timer) * 15 : 25 - timer;
        window->drawSizedTextCentered(text, 32, 426 + 4 * s, 224);
    }

    animCounter = (animCounter + 1) % 30;
    target->display();
}
