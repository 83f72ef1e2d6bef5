// The "VS" opening of every battle: both trainers, their six creatures sliding in, the titles and fades.
#include "scenes/Scene_Battle_Presentation.hpp"

#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

#include "battle/BattleInformations.hpp"
#include "battle/GameField.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/Supporter.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Stadium.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

const sf::Color kBlack(0, 0, 0, 255);
const sf::Color kWhite(255, 255, 255, 255);
// The lineup: member 0 enters when the timer reads 110, each next one 6 frames later.
const int FIRST_ENTRY = 110;
const int ENTRY_GAP = 6;
const int CROWD_WARM_UP_STEPS = 10;

int trainerSprite(ZelkBot* participant) {
    TrainerStats* stats = participant != nullptr ? participant->getTrainerStats() : nullptr;
    return stats != nullptr ? stats->getSprite() : 1;
}

} // namespace

Scene_Battle_Presentation::Scene_Battle_Presentation() = default;

Scene_Battle_Presentation::~Scene_Battle_Presentation() = default;

void Scene_Battle_Presentation::init(GameField* battleField, Game_Options* battleOptions, ZelkBot* side0,
                                     ZelkBot* side1, SelectTeam* side0Pick, SelectTeam* side1Pick) {
    field = battleField;
    options = battleOptions;
    player = side0;
    opponent = side1;
    playerPick = side0Pick;
    opponentPick = side1Pick;
    timer = OPENING_FRAMES;
    if (field == nullptr) return;
    field->addSupport(0, 100);
    field->addSupport(1, 100);
    for (int i = 0; i < CROWD_WARM_UP_STEPS; ++i)
        field->updateSupporters();
}

void Scene_Battle_Presentation::handleInput() {}

void Scene_Battle_Presentation::update() {}

int Scene_Battle_Presentation::slideOffset(int member, int t) {
    if (t <= 25) return 5 * ((25 - t) * (member + 4) + 8);
    if (t <= 30) return (30 - t) * (member + 5);
    return 0;
}

int Scene_Battle_Presentation::fadeAlpha(int value, bool& white) {
    white = value <= 22;
    if (value > 123) return ((value - 123) * 255) / 7;
    if (value >= 8 && value <= 22) return ((23 - value) * 255) / 15;
    if (value < 8) return 255;
    return 0;
}

void Scene_Battle_Presentation::drawLineup(SelectTeam* pick, int side) {
    if (pick == nullptr) return;
    bool sized = options != nullptr && options->getSizeMode() != 0;
    // Side 0 draws its last member first so that member 0 ends on top; side 1 the other way round.
    for (int step = 0; step < SelectTeam::MAX_MEMBERS; ++step) {
        int i = side == 0 ? SelectTeam::MAX_MEMBERS - 1 - step : step;
        int entry = FIRST_ENTRY - ENTRY_GAP * i;
        if (timer > entry) continue;
        Zelkin* creature = pick->getMember(i);
        if (creature == nullptr || creature->getSpecies() == nullptr) continue;
        int offset = slideOffset(i, entry - timer);
        int x = side == 0 ? 100 + 120 * i - offset : 753 - 120 * i + offset;
        int y = side == 0 ? 246 - 26 * i : 290 + 26 * i;
        ZelkinZelkinary* species = creature->getSpecies();
        sf::Sprite* sprite = sized ? window->setCreatureFrameSized(species, side, creature->getSize())
                                   : window->setCreatureFrame(species, side);
        window->drawAnchoredSprite(sprite, x, y, species->getConfig());
    }
}

void Scene_Battle_Presentation::draw() {
    bool debug = options != nullptr && options->getDebug() > 0;
    BattleInformations* info = field != nullptr ? field->getBattleInformations() : nullptr;
    sf::RenderWindow* target = window != nullptr ? window->getRenderWindow() : nullptr;
    if (target != nullptr) {
        Stadium* stadium = info != nullptr ? info->getStadium() : nullptr;
        if ((stadium != nullptr && stadium->isUltimate()) || (info != nullptr && info->isQuiet()))
            target->setView(sf::View(sf::FloatRect(142.f, 80.f, 569.f, 320.f)));
        target->clear(kWhite);
        window->drawUiSprite(GameWindow::UI_BACKGROUND, 0, 0);
    }
    if (!debug && field != nullptr) {
        field->updateSupporters();
        std::vector<BattleSupporter*>* crowd = field->getSupporters();
        for (size_t i = 0; target != nullptr && crowd != nullptr && i < crowd->size(); ++i)
            if (Supporter* supporter = dynamic_cast<Supporter*>((*crowd)[i]))
                window->drawSpriteAt(supporter->getSprite(), supporter->getX(), supporter->getScreenY());
    }
    if (target != nullptr) {
        window->resetView();

        sf::ConvexShape split(4);
        split.setFillColor(sf::Color(0, 0, 182, 128));
        split.setPoint(0, sf::Vector2f(0.f, 0.f));
        split.setPoint(1, sf::Vector2f(853.f, 0.f));
        split.setPoint(2, sf::Vector2f(853.f, 130.f));
        split.setPoint(3, sf::Vector2f(0.f, 350.f));
        target->draw(split);
        split.setFillColor(sf::Color(182, 0, 0, 128));
        split.setPoint(0, sf::Vector2f(853.f, 480.f));
        split.setPoint(1, sf::Vector2f(0.f, 480.f));
        split.setPoint(2, sf::Vector2f(0.f, 350.f));
        split.setPoint(3, sf::Vector2f(853.f, 130.f));
        target->draw(split);
        window->drawConvexShape(kBlack, 0, 350, 853, 130);

        window->drawSpriteScaled(window->setSupporterFrame(trainerSprite(player), 0), 22, 20, 8.f);
        if (playerPick != nullptr)
            window->drawSizedTextOutlined(playerPick->getName(), 48, 180, 54, kWhite, kBlack);
        window->drawSpriteScaled(window->setSupporterFrame(trainerSprite(opponent), 0), 703, 332, 8.f);
        if (opponentPick != nullptr)
            window->drawSizedTextRightOutlined(opponentPick->getName(), 48, 673, 378, kWhite, kBlack);

        drawLineup(playerPick, 0);
        drawLineup(opponentPick, 1);

        bool white = false;
        int alpha = fadeAlpha(timer, white);
        if (alpha > 0) {
            sf::Color veil = white ? kWhite : kBlack;
            veil.a = static_cast<sf::Uint8>(alpha);
            window->drawFilledRect(veil, 0, 0, 853, 480);
        }

        if (info != nullptr) {
            window->drawSizedTextCenteredOutlined(info->getName(), 32, 426, 10, kBlack, kWhite);
            window->drawSizedTextCenteredOutlined("VS", 92, 426, 192, kBlack, kWhite);
            window->drawSizedTextCenteredOutlined(info->getSecondText(), 24, 426, 430, kBlack, kWhite);
        }
        target->display();
    }
    timer -= 1;
    if (timer <= 0) alive = false;
}
