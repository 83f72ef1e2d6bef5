// The tag tournament: two sides of bots, winner stays on, until a side has nobody left.
#include "scenes/Scene_Tag_Tournament.hpp"

#include <SFML/Graphics.hpp>
#include <algorithm>
#include <cmath>
#include <string>

#include "battle/BattleInformations.hpp"
#include "players/Bot_Team.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "scenes/Scene_Battle.hpp"

namespace {

const sf::Color kBlack(0, 0, 0, 255);
const sf::Color kWhite(255, 255, 255, 255);
// The round every match of the series is announced with.
const int SERIES_ROUND = 5;

// The hops use this value of pi, not a longer one.
double sinDegrees(double angle) { return std::sin(angle * 3.14159 / 180.0); }

} // namespace

Scene_Tag_Tournament::Scene_Tag_Tournament() = default;

Scene_Tag_Tournament::~Scene_Tag_Tournament() {
    delete information;
    delete sides[0];
    delete sides[1];
}

void Scene_Tag_Tournament::init(Bot_Team* first, Bot_Team* second) {
    database = gameBundle ? gameBundle->teamBuilder : nullptr;
    options = gameBundle ? gameBundle->options : nullptr;
    sides[0] = first;
    sides[1] = second;
    scores[0] = scores[1] = 0;
    currents[0] = currents[1] = nullptr;
    information = nullptr;
    matchNumber = 0;
    outcome = 0;
    timer = 0;
    animCounter = 0;
    autoCounter = 0;
    previousState = STATE_DRAWN_MATCH;
    if (window) window->drawLoadingScreen();

    // A side that starts empty decides the series at once.
    state = STATE_ANNOUNCE;
    int left0 = remaining(0);
    int left1 = remaining(1);
    if (left0 == 0 && left1 == 0) {
        state = STATE_DRAWN_SERIES;
        outcome = 3;
    } else if (left1 == 0) {
        state = STATE_FIRST_WON_SERIES;
        outcome = 1;
    } else if (left0 == 0) {
        state = STATE_SECOND_WON_SERIES;
        outcome = 2;
    }
    ++matchNumber;
    for (int i = 0; i < 2; ++i)
        currents[i] = sides[i] ? sides[i]->nextRandom() : nullptr;
    timer = DISPLAY_FRAMES;
    prepareInformation();
}

int Scene_Tag_Tournament::remaining(int side) { return sides[side] ? sides[side]->countRemaining() : 0; }

void Scene_Tag_Tournament::prepareInformation() {
    delete information;
    GameParser* parser = database ? database->getParser() : nullptr;
    information = new BattleInformations(parser ? parser->randomStadium() : nullptr,
                                         BattleInformations::MODE_ROUND, SERIES_ROUND);
    information->setName(DefaultStrings::MENU_TAG_TOURNAMENT);
    information->setSecondText("COMBAT !");
}

void Scene_Tag_Tournament::update() {
    if (timer > 0) --timer;

    if (result != 0) {
        // The battle gives 1 when the first side's member won, 2 for the second's, 3 for a draw; the
        // winner stays on and a draw sends both members off. A draw scores for both.
        if (result >= 1 && result <= 3) {
            if (result != 2) ++scores[0];
            if (result != 1) ++scores[1];
            if (result != 1 && sides[0]) sides[0]->retireCurrent();
            if (result != 2 && sides[1]) sides[1]->retireCurrent();
            state = result == 1 ? STATE_FIRST_WON_MATCH
                                : (result == 2 ? STATE_SECOND_WON_MATCH : STATE_DRAWN_MATCH);
            timer = DISPLAY_FRAMES;
            previousState = 0;
        }
        result = 0;
        return;
    }

    if (timer == 0 && state > STATE_IDLE) {
        if (state == STATE_FIRST_WON_MATCH || state == STATE_SECOND_WON_MATCH || state == STATE_DRAWN_MATCH)
            settleSeries();
        else
            state = STATE_IDLE;
        return;
    }

    if (state != STATE_IDLE || controler == nullptr) return;
    bool enter = controler->isPressed(GameControler::KEY_ENTER);
    bool automatic = !enter && options && options->getAutoInput() != 0 && ++autoCounter >= AUTO_FRAMES;
    if (enter || automatic) {
        autoCounter = 0;
        if (outcome > 0)
            alive = false;
        else
            startMatch();
    } else if (controler->isPressed(GameControler::KEY_ESCAPE)) {
        alive = false;
    }
}

void Scene_Tag_Tournament::settleSeries() {
    int left0 = remaining(0);
    int left1 = remaining(1);
    if (left0 == 0 || left1 == 0) {
        if (left0 == 0 && left1 == 0) {
            state = STATE_DRAWN_SERIES;
            outcome = 3;
        } else if (left0 == 0) {
            state = STATE_SECOND_WON_SERIES;
            outcome = 2;
        } else {
            state = STATE_FIRST_WON_SERIES;
            outcome = 1;
        }
        previousState = 0;
        timer = DISPLAY_FRAMES;
        return;
    }
    previousState = state;
    ++matchNumber;
    state = STATE_ANNOUNCE;
    // The winner of the last match stays; a side whose member went off sends a random waiting one.
    for (int i = 0; i < 2; ++i)
        if (sides[i]->getCurrent() == nullptr) currents[i] = sides[i]->nextRandom();
    timer = DISPLAY_FRAMES;
    prepareInformation();
}

void Scene_Tag_Tournament::startMatch() {
    if (information == nullptr) prepareInformation();
    Scene_Battle* battle = prepareChild(new Scene_Battle(), inheritedFlag);
    BattleInformations* handed = information;
    // The battle's field owns the record from here on.
    information = nullptr;
    battle->init(database, options, currents[0], currents[1], handed);
    child = battle;
}

void Scene_Tag_Tournament::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(kWhite);
    window->drawUiSprite(GameWindow::UI_JOURNEY, 0, 0);

    window->resetView();
    sf::ConvexShape half(4);
    half.setFillColor(sf::Color(0, 0, 182, 128));
    half.setPoint(0, sf::Vector2f(0.f, 0.f));
    half.setPoint(1, sf::Vector2f(326.f, 0.f));
    half.setPoint(2, sf::Vector2f(526.f, 480.f));
    half.setPoint(3, sf::Vector2f(0.f, 480.f));
    target->draw(half);
    half.setFillColor(sf::Color(182, 0, 0, 128));
    half.setPoint(0, sf::Vector2f(853.f, 0.f));
    half.setPoint(1, sf::Vector2f(326.f, 0.f));
    half.setPoint(2, sf::Vector2f(526.f, 480.f));
    half.setPoint(3, sf::Vector2f(853.f, 480.f));
    target->draw(half);
    window->drawConvexShape(kBlack, 326, 0, 526, 480);

    window->drawBox(window->paletteColor(0), 200, 0, 453, 70);
    window->drawSizedText(DefaultStrings::MENU_TAG_TOURNAMENT, 24, 272, 20);

    if (currents[0] && outcome != 2 && outcome != 3) drawMember(0);
    if (currents[1] && outcome != 1 && outcome != 3) drawMember(1);
    drawWaiting(0);
    drawWaiting(1);

    window->drawSizedTextOutlined(std::to_string(scores[0]), 128, 10, 340, kBlack, kWhite);
    window->drawSizedTextRightOutlined(std::to_string(scores[1]), 128, 843, 340, kBlack, kWhite);

    if (state == STATE_IDLE) {
        if (outcome == 0 && currents[0] && currents[1]) {
            std::string first, second;
            currents[0]->getName(first);
            currents[1]->getName(second);
            window->drawSizedTextRightOutlined(first, 24, 376, 120, kBlack, kWhite);
            window->drawSizedTextCenteredOutlined("VS", 36, 426, 120, kBlack, kWhite);
            window->drawSizedTextOutlined(second, 24, 476, 120, kBlack, kWhite);
        } else if (outcome >= 1 && outcome <= 3) {
            const char* texts[] = {"VICTOIRE DU CAMP BLEU", "VICTOIRE DU CAMP ROUGE", "MATCH NUL"};
            window->drawSizedTextCenteredOutlined(texts[outcome - 1], 36, 426, 200, kBlack, kWhite);
        }
        window->drawRectBlackOutline(window->paletteColor(9), 306, 300, 240, 50);
        window->drawSizedTextCentered("Continuer", 24, 426, 312);
    } else {
        drawBanner();
    }

    animCounter = (animCounter + 1) % 30;
    target->display();
}

void Scene_Tag_Tournament::drawMember(int side) {
    ZelkBot* member = currents[side];
    // The side that lost (or drew) the match just played hops away; its new member hops in next.
    int lost = side == 0 ? STATE_SECOND_WON_MATCH : STATE_FIRST_WON_MATCH;
    int dx = 0, dy = 0;
    if (state == lost || state == STATE_DRAWN_MATCH) {
        int k = std::min(DISPLAY_FRAMES - timer, 15);
        dy = static_cast<int>(sinDegrees(12.0 * k) * 50.0);
        dx = 30 * k;
    } else if (previousState == lost || previousState == STATE_DRAWN_MATCH) {
        int s = std::min(timer, 25);
        dy = static_cast<int>(sinDegrees(7.2 * s) * 50.0);
        dx = 20 * s;
    }
    TrainerStats* stats = member->getTrainerStats();
    sf::Sprite* figure = window->setSupporterFrame(stats ? stats->getSprite() : 1, 0);
    window->drawSpriteAt(figure, side == 0 ? 356 - dx : 496 + dx, 200 - dy);

    int frame = ((animCounter + 1) % 6) / 3;
    for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
        Zelkin* creature = member->getMember(i);
        if (creature == nullptr) continue;
        int column = i % 2;
        int row = i / 2;
        int xo = column == 0 ? dx : dx + dx / 2;
        int yo = row == 0 ? -dy - dx : (row == 1 ? -dy : -dy + dx);
        ZelkinZelkinary* species = creature->getSpecies();
        sf::Sprite* icon =
            window->creatureIconTinted(creature->getShape(), frame, species ? species->getColour() : 0);
        int x = side == 0 ? 316 - 40 * column - xo : 536 + 40 * column + xo;
        window->drawSpriteAt(icon, x, 160 + 40 * row + yo);
    }
}

void Scene_Tag_Tournament::drawWaiting(int side) {
    Bot_Team* team = sides[side];
    if (team == nullptr) return;
    int waiting = team->countWaiting();
    // Columns of ten, the first waiting member highest.
    for (int i = 0; i < waiting; ++i) {
        ZelkBot* member = team->getWaiting(i);
        if (member == nullptr) continue;
        TrainerStats* stats = member->getTrainerStats();
        sf::Sprite* figure = window->setSupporterFrame(stats ? stats->getSprite() : 1, side == 0 ? 1 : 2);
        int x = side == 0 ? 20 + 40 * (i / 10) + 6 * (i % 2) : 801 - 40 * (i / 10) - 6 * (i % 2);
        window->drawSpriteAt(figure, x, 320 - 26 * ((waiting - i - 1) % 10));
    }
}

void Scene_Tag_Tournament::drawBanner() {
    int colour = 9;
    std::string text;
    switch (state) {
    case STATE_ANNOUNCE:
        text = "Match " + std::to_string(matchNumber);
        break;
    case STATE_FIRST_WON_MATCH:
        colour = 3;
        text = "Blue Win !";
        break;
    case STATE_SECOND_WON_MATCH:
        colour = 6;
        text = "Red Win !";
        break;
    case STATE_DRAWN_MATCH:
        text = "Match Nul !";
        break;
    case STATE_FIRST_WON_SERIES:
        colour = 3;
        text = "VICTOIRE BLEUE !";
        break;
    case STATE_SECOND_WON_SERIES:
        colour = 6;
        text = "VICTOIRE ROUGE !";
        break;
    case STATE_DRAWN_SERIES:
        text = "MATCH NUL !";
        break;
    default:
        return;
    }
    // The band opens over 5 frames and closes over the last 5; the text crosses from left to right.
    int elapsed = DISPLAY_FRAMES - timer;
    int k = elapsed < 5 ? elapsed : std::min(timer, 5);
    window->drawRectSoftOutline(window->paletteColor(colour), -5, (24 - k) * 10, 858, 20 * k);
    int d = 4 * (25 - timer);
    if (elapsed < 10)
        d = 60 * (39 - timer);
    else if (timer < 10)
        d = 60 * (11 - timer);
    window->drawSizedTextCentered(text, 32, 426 + d, 224);
}
