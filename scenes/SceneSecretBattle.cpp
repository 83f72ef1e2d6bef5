// The journey's hidden last battle: a dark two-page introduction of the opponent, then the battle.
#include "scenes/SceneSecretBattle.hpp"

#include <SFML/Graphics.hpp>
#include <algorithm>

#include "battle/BattleInformations.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "scenes/Scene_Battle.hpp"

SceneSecretBattle::SceneSecretBattle() = default;

SceneSecretBattle::~SceneSecretBattle() {
    if (!battleStarted) delete battleInformations;
}

void SceneSecretBattle::init(TeamBuilder* teamBuilderIn, Game_Options* optionsIn, ZelkBot* playerIn,
                             ZelkBot* opponentIn, BattleInformations* battleInformationsIn) {
    teamBuilder = teamBuilderIn;
    options = optionsIn;
    player = playerIn;
    opponent = opponentIn;
    battleInformations = battleInformationsIn;
    result = 0;
    phase = 0;
    timer = PHASE_FRAMES;
}

void SceneSecretBattle::handleInput() {
    if (controler == nullptr || (phase != 1 && phase != 3)) return;
    if (controler->isPressed(GameControler::KEY_ENTER) || controler->isPressed(GameControler::KEY_BACK) ||
        controler->isPressed(GameControler::KEY_ESCAPE)) {
        ++phase;
        timer = PHASE_FRAMES;
    }
}

void SceneSecretBattle::update() {
    // Phase 5 without a child: the battle has come back (its result is 1, 2 or 3).
    if (phase == 5) {
        if (result == 1 && player != nullptr && player->getTrainerStats() != nullptr)
            player->getTrainerStats()->addWin();
        result = 0;
        alive = false;
        return;
    }
    if (phase % 2 != 0) return;
    if (timer > 0) --timer;
    if (timer > 0) return;
    ++phase;
    if (phase == 5) {
        battleStarted = true;
        Scene_Battle* battle = prepareChild(new Scene_Battle(), inheritedFlag);
        battle->init(teamBuilder, options, player, opponent, battleInformations);
        child = battle;
    }
}

void SceneSecretBattle::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color::Black);
    TrainerStats* stats = opponent != nullptr ? opponent->getTrainerStats() : nullptr;
    sf::Sprite* figure = stats != nullptr ? window->setSupporterFrame(stats->getSprite(), 0) : nullptr;
    auto drawFigure = [&](int alpha) {
        if (figure == nullptr) return;
        figure->setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(std::max(0, std::min(255, alpha)))));
        window->drawSpriteAt(figure, 410, 224);
        figure->setColor(sf::Color::White);
    };
    if (phase == 1 || phase == 3) {
        if (phase == 3) drawFigure(255);
        window->drawBox(window->paletteColor(0), 80, 360, 693, 120);
        window->drawText(phase == 1 ? "..." : (stats != nullptr ? stats->getCredo() : ""), 110, 386);
    } else if (phase == 2) {
        drawFigure(255 - timer * 255 / PHASE_FRAMES);
    } else if (phase == 4) {
        // The view closes in on the figure, then the screen flashes white before the battle.
        int e = PHASE_FRAMES - timer;
        int x = 80 * e / 9;
        int y = 5 * e;
        // The last frames would shrink the view to nothing (or less): keep at least one unit each way.
        int width = std::max(1, 853 - 2 * x);
        int height = std::max(1, 2 * (240 - 5 * e));
        sf::View view(sf::FloatRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                                    static_cast<float>(height)));
        view.setViewport(target->getView().getViewport());
        target->setView(view);
        drawFigure(255);
        window->resetView();
        if (timer < 20) {
            int alpha = 17 * std::min(15, 20 - timer);
            window->drawBox(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)), 0, 0, 853, 480);
        }
    }
    target->display();
}
