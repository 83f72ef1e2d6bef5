// The tournament bracket: eight roster bots in a double-elimination bracket, one battle at a time.
#include "scenes/Scene_Tournament.hpp"

#include <SFML/Graphics.hpp>
#include <string>

#include "battle/BattleInformations.hpp"
#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/TeamBuilder.hpp"
#include "scenes/PlayerBracket.hpp"
#include "scenes/Scene_Battle.hpp"
#include "scenes/TournoiBracket.hpp"

namespace {

// Where each node's label is drawn; the marker sits 22 left of and 12 below the current match's label.
const int LABEL_X[Scene_Tournament::NODE_SLOTS] = {50,  50,  50,  50,  50,  50,  250, 250,
                                                   250, 250, 450, 400, 550, 700, 700, 700};
const int LABEL_Y[Scene_Tournament::NODE_SLOTS] = {20,  80,  140, 200, 360, 420, 50,  170,
                                                   360, 420, 120, 390, 390, 180, 280, 380};

// Redraws of an entrant before the first roster index not yet chosen is taken instead: a random source
// stuck on chosen indices must not hang the screen.
const int MAX_REDRAWS = 1000;

} // namespace

Scene_Tournament::Scene_Tournament() = default;

Scene_Tournament::~Scene_Tournament() {
    for (TournoiBracket*& node : nodes) {
        delete node;
        node = nullptr;
    }
    for (PlayerBracket*& entrant : entrants) {
        delete entrant;
        entrant = nullptr;
    }
    for (PlayerBracket*& leaf : loserLeaves) {
        delete leaf;
        leaf = nullptr;
    }
}

TournoiBracket* Scene_Tournament::getNode(int slot) const {
    return slot >= 0 && slot < NODE_SLOTS ? nodes[slot] : nullptr;
}

PlayerBracket* Scene_Tournament::getEntrant(int i) const {
    return i >= 0 && i < ENTRANTS ? entrants[i] : nullptr;
}

PlayerBracket* Scene_Tournament::getLoserLeaf(int i) const {
    return i >= 0 && i < LOSER_LEAVES ? loserLeaves[i] : nullptr;
}

int Scene_Tournament::roundOfMatch(int match) {
    if (match >= GRAND_FINAL) return 8;
    if (match == 10 || match == 12) return 7;
    return 0;
}

void Scene_Tournament::init(TeamBuilder* builder, Game_Options* settings, BotList* roster) {
    teamBuilder = builder;
    options = settings;
    result = 0;
    currentMatch = 0;
    if (window) window->drawLoadingScreen();
    for (TournoiBracket*& node : nodes)
        node = nullptr;
    for (PlayerBracket*& leaf : loserLeaves)
        leaf = new PlayerBracket();
    buildBracket(roster);
}

void Scene_Tournament::buildBracket(BotList* roster) {
    int bots = roster ? roster->count() : 0;
    rosterSize = bots;
    if (bots < ENTRANTS) {
        // Eight distinct entrants cannot be drawn: the tournament is over before it starts.
        bracketReady = false;
        currentMatch = CHAMPION;
        return;
    }
    int chosen[ENTRANTS];
    for (int& entry : chosen)
        entry = -1;
    PseudoRNG rng;
    auto isChosen = [&chosen](int index) {
        for (int entry : chosen)
            if (entry == index) return true;
        return false;
    };
    for (int i = 0; i < ENTRANTS; ++i) {
        int r = rng.random(bots);
        for (int tries = 0; isChosen(r) && tries < MAX_REDRAWS; ++tries)
            r = rng.random(bots);
        for (int k = 0; isChosen(r) && k < bots; ++k)
            r = k;
        chosen[i] = r;
        entrants[i] = new PlayerBracket();
        entrants[i]->setParticipant(roster->get(r));
    }

    PlayerBracket** E = entrants;
    PlayerBracket** L = loserLeaves;
    TournoiBracket** W = nodes;
    // First round, then the losers' first round, then the winners' semi-finals (each loser crosses over
    // to meet a bot from the other half of the bracket), and on to the grand final.
    nodes[0] = new TournoiBracket(E[0], E[1], L[0]);
    nodes[1] = new TournoiBracket(E[2], E[3], L[1]);
    nodes[2] = new TournoiBracket(E[4], E[5], L[2]);
    nodes[3] = new TournoiBracket(E[6], E[7], L[3]);
    nodes[4] = new TournoiBracket(L[0], L[1], nullptr);
    nodes[5] = new TournoiBracket(L[2], L[3], nullptr);
    nodes[6] = new TournoiBracket(W[0], W[1], L[5]);
    nodes[7] = new TournoiBracket(W[2], W[3], L[4]);
    nodes[8] = new TournoiBracket(L[4], W[4], nullptr);
    nodes[9] = new TournoiBracket(L[5], W[5], nullptr);
    nodes[10] = new TournoiBracket(W[6], W[7], L[6]);
    nodes[11] = new TournoiBracket(W[8], W[9], nullptr);
    nodes[12] = new TournoiBracket(L[6], W[11], nullptr);
    nodes[13] = new TournoiBracket(W[10], W[12], nullptr);
    bracketReady = true;
}

void Scene_Tournament::update() {
    if (result != 0) {
        takeResult(result);
        result = 0;
        return;
    }
    if (controler == nullptr) return;
    if (controler->isPressed(GameControler::KEY_ENTER)) {
        if (currentMatch >= CHAMPION || currentMatch < 0 || nodes[currentMatch] == nullptr) {
            alive = false;
            return;
        }
        playMatch();
        return;
    }
    if (controler->isPressed(GameControler::KEY_BACK) || controler->isPressed(GameControler::KEY_ESCAPE))
        alive = false;
}

void Scene_Tournament::playMatch() {
    TournoiBracket* node = nodes[currentMatch];
    ZelkBot* first = node->getFirstSide() ? node->getFirstSide()->getWinner() : nullptr;
    ZelkBot* second = node->getSecondSide() ? node->getSecondSide()->getWinner() : nullptr;
    if (first == nullptr || second == nullptr) {
        // A draw below left a side empty: the one participant goes on without a battle, and a match
        // with nobody stays empty (no winner).
        takeResult(first    ? TournoiBracket::STATE_FIRST_WON
                   : second ? TournoiBracket::STATE_SECOND_WON
                            : TournoiBracket::STATE_DRAW);
        return;
    }
    Scene_Battle* battle = prepareChild(new Scene_Battle(), inheritedFlag);
    GameParser* parser = teamBuilder ? teamBuilder->getParser() : nullptr;
    BattleInformations* information =
        new BattleInformations(parser ? parser->randomStadium() : nullptr, BattleInformations::MODE_ROUND,
                               roundOfMatch(currentMatch));
    battle->init(teamBuilder, options, first, second, information);
    child = battle;
}

void Scene_Tournament::takeResult(int outcome) {
    if (currentMatch < 0 || currentMatch >= CHAMPION || nodes[currentMatch] == nullptr) return;
    TournoiBracket* node = nodes[currentMatch];
    ++currentMatch;
    node->setState(outcome);

    if (PlayerBracket* leaf = node->getLoserLeaf()) {
        // After a draw the first side goes down: a drawn match names no winner. After a walkover the
        // absent side sends nobody down.
        TournoiBracket* loser =
            outcome == TournoiBracket::STATE_FIRST_WON ? node->getSecondSide() : node->getFirstSide();
        leaf->setParticipant(loser ? loser->getWinner() : nullptr);
    }

    if (currentMatch == CHAMPION) {
        nodes[CHAMPION] = new PlayerBracket();
        nodes[CHAMPION]->setParticipant(nodes[RESET_MATCH] ? nodes[RESET_MATCH]->getWinner() : nullptr);
    } else if (currentMatch == RESET_MATCH) {
        if (outcome == TournoiBracket::STATE_SECOND_WON && nodes[10]->getWinner() != nullptr) {
            // The losers' side champion has beaten the unbeaten one once: one more battle decides. A
            // walkover against an empty winners' side needs none.
            nodes[RESET_MATCH] = new TournoiBracket(nodes[GRAND_FINAL], nodes[10], nullptr);
        } else {
            nodes[CHAMPION] = new PlayerBracket();
            nodes[CHAMPION]->setParticipant(nodes[GRAND_FINAL]->getWinner());
            currentMatch = CHAMPION;
        }
    }
}

void Scene_Tournament::draw() {
    if (window == nullptr) return;
    sf::RenderWindow* target = window->getRenderWindow();
    target->clear(sf::Color(255, 255, 255, 255));
    if (!bracketReady) {
        // Says why nothing happens: the roster is too small for a bracket.
        window->drawSizedTextCentered(DefaultStrings::MENU_BRANCH_TOURNAMENT, 24, 426, 180);
        window->drawSizedTextCentered(DefaultStrings::NAME_TRAINER_BOT_PLURIAL + " : " +
                                          std::to_string(rosterSize) + " / " + std::to_string(ENTRANTS),
                                      16, 426, 240);
    }
    for (int slot = 0; slot < NODE_SLOTS; ++slot) {
        if (!nodes[slot]) continue;
        // A drawn final crowns nobody: say so rather than leave the champion's place blank.
        bool noChampion = slot == CHAMPION && nodes[slot]->getWinner() == nullptr;
        window->drawText(noChampion ? DefaultStrings::GENERAL_NONE : nodes[slot]->getLabel(), LABEL_X[slot],
                         LABEL_Y[slot]);
    }
    if (currentMatch >= 0 && currentMatch < CHAMPION)
        window->drawUiSprite(GameWindow::UI_CURSOR, LABEL_X[currentMatch] - 22, LABEL_Y[currentMatch] + 12);
    target->display();
}
