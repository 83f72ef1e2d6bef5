// The battle field: construction, copying, requests and orders, the action lists, counters and state.
#include "battle/GameField.hpp"

#include "battle/ActionSocket.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameMove.hpp"
#include "battle/GameOrder.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Stadium.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinTeam.hpp"

GameField::GameField(GameParser* parser, BattleInformations* informations, WindowServices* window) {
    initialise(parser, informations);
    Stadium* stadium = informations != nullptr ? informations->getStadium() : nullptr;
    bool quiet = informations != nullptr && informations->isQuiet();
    if (stadium != nullptr && stadium->isUltimate() == 0 && !quiet) {
        // Long battles of a journey draw a bigger crowd.
        int base = stadium->getHype() + 8 * informations->getRound();
        PseudoRNG rng;
        int popularity0 = base + rng.random(40);
        int popularity1 = base + rng.random(40);
        TrainerList* kinds = parser != nullptr ? parser->getTrainers() : nullptr;
        supporters = collectBattleSupporters(popularity0, popularity1, stadium, kinds, window);
    } else {
        supporters = new std::vector<BattleSupporter*>();
    }
    teams[0] = new ZelkinTeam("Red", nullptr);
    teams[1] = new ZelkinTeam("Blue", nullptr);
}

GameField::GameField(GameParser* parser, BattleInformations* informations, ZelkinTeam* team0,
                     ZelkinTeam* team1) {
    initialise(parser, informations);
    teams[0] = team0;
    teams[1] = team1;
}

void GameField::initialise(GameParser* parserIn, BattleInformations* informationsIn) {
    parser = parserIn;
    informations = informationsIn;
    Game_Options* options = getOptions();
    commentator = options != nullptr ? options->getCommentator() : nullptr;
    int teamSize = options != nullptr ? options->getTeamSize() : 0;
    starThreshold = teamSize * 20 + 90;
}

GameField::~GameField() {
    for (int side = 0; side < SIDE_COUNT; ++side) {
        delete teams[side];
        // The particle engine must not keep drawing a figure that is gone.
        hideBattleFigure(sideFigures[side]);
        delete sideFigures[side];
        delete orders[side];
    }
    for (ZelkinBuff* buff : globalBuffs)
        delete buff;
    delete informations;
    if (supporters != nullptr) {
        for (BattleSupporter* supporter : *supporters)
            delete supporter;
        delete supporters;
    }
    clearActionList();
    for (ActionSocket* action : orderQueue)
        delete action;
    delete currentOrder;
    delete currentAction;
}

GameField* GameField::clone() {
    ZelkinTeam* copy1 = teams[1] != nullptr ? teams[1]->clone() : new ZelkinTeam("Blue", nullptr);
    ZelkinTeam* copy0 = teams[0] != nullptr ? teams[0]->clone() : new ZelkinTeam("Red", nullptr);
    BattleInformations* informationsCopy = informations != nullptr ? informations->clone() : nullptr;
    GameField* copy = new GameField(parser, informationsCopy, copy0, copy1);
    copy->globalBuffs.reserve(globalBuffs.size());
    for (ZelkinBuff* buff : globalBuffs) {
        ZelkinBuff* twin = new ZelkinBuff(buff->getDefinition(), buff->getValue());
        twin->setDuration(buff->getDuration());
        if (!copy->addGlobalBuff(twin)) delete twin;
    }
    return copy;
}

void GameField::clearActionList() {
    for (ActionSocket* action : actionList)
        delete action;
    actionList.clear();
}

Zelkin* GameField::getBestCreature() { return bestCreature; }

void GameField::setOrder(int side, GameOrder* order) {
    if (!isValidSide(side)) {
        delete order;
        return;
    }
    // A replaced order would otherwise be lost: the field is its only owner.
    if (orders[side] != order) delete orders[side];
    orders[side] = order;
}

void GameField::setSideFigure(int side, BattleFigure* figure) {
    if (!isValidSide(side)) {
        delete figure;
        return;
    }
    if (sideFigures[side] == figure) return;
    if (sideFigures[side] != nullptr) {
        hideBattleFigure(sideFigures[side]);
        delete sideFigures[side];
    }
    sideFigures[side] = figure;
    showBattleFigure(figure);
}

BattleFigure* GameField::getSideFigure(int side) { return isValidSide(side) ? sideFigures[side] : nullptr; }

int GameField::getTimer(int i) { return static_cast<unsigned>(i) < TIMER_COUNT ? timers[i] : 0; }

void GameField::setTimer(int i, int value) {
    if (static_cast<unsigned>(i) >= TIMER_COUNT) return;
    timers[i] = value;
    if (!composesText) return;
    if (i == 4 && teams[0] != nullptr) teams[0]->buildBattleDescription();
    if (i == 5 && teams[1] != nullptr) teams[1]->buildBattleDescription();
    if (i == 6) buildBuffDescriptions();
}

void GameField::setRequest(int side, int value) {
    if (!isValidSide(side)) return;
    requests[side] = value;
    if (value > 0) {
        delete orders[side];
        orders[side] = nullptr;
    }
}

void GameField::clearRequests() {
    requests[0] = 0;
    requests[1] = 0;
    waitingFrames = 0;
}

void GameField::dropRequestedOrders() {
    for (int side = 0; side < SIDE_COUNT; ++side) {
        if (requests[side] > 0) {
            delete orders[side];
            orders[side] = nullptr;
        }
    }
}

int GameField::alwaysTrue(int) { return 1; }

void GameField::setResult(int value) { result = value; }

int GameField::getEventFlag(int i) { return static_cast<unsigned>(i) < EVENT_FLAG_COUNT ? eventFlags[i] : 0; }

void GameField::setEventFlag(int i, int value) {
    if (static_cast<unsigned>(i) < EVENT_FLAG_COUNT) eventFlags[i] = value;
}

void GameField::setMessageTimer(int frames) { messageTimer = frames; }

int GameField::getStarThreshold() { return starThreshold; }

Game_Options* GameField::getOptions() { return parser != nullptr ? parser->getOptions() : nullptr; }

std::vector<BattleSupporter*>* GameField::getSupporters() { return supporters; }

int GameField::opponentSide(int side) { return side == 0 ? 1 : 0; }

std::string GameField::emptyString() { return std::string(); }

int GameField::getTurn() { return turn; }

int GameField::getMoveCount() { return moveCount; }

void GameField::nextTurn() {
    ++turn;
    moveCount = 0;
}

void GameField::insertAction(ActionSocket* action) {
    if (action == nullptr) return;
    int type = action->getType();
    for (auto it = actionList.begin(); it != actionList.end(); ++it) {
        ActionSocket* listed = *it;
        // A side is knocked out only once, whatever asked for it.
        if (type == ActionSocket::KNOCK_OUT && listed->getType() == ActionSocket::KNOCK_OUT &&
            listed->getSource() == action->getSource()) {
            delete action;
            return;
        }
        bool before = false;
        if (type < listed->getType())
            before = true;
        else if (type == listed->getType()) {
            if (listed->getPriority() < action->getPriority())
                before = true;
            else if (listed->getPriority() == action->getPriority() && listed->getRoll() < action->getRoll())
                before = true;
        }
        if (before) {
            actionList.insert(it, action);
            return;
        }
    }
    actionList.push_back(action);
}

void GameField::cancelMoveActions() {
    for (auto it = actionList.begin(); it != actionList.end();) {
        int type = (*it)->getType();
        bool moveStep = (type >= ActionSocket::BEFORE_MOVE && type <= ActionSocket::MOVE_MISS) ||
                        type == ActionSocket::MOVE_EFFECTS;
        if (moveStep) {
            delete *it;
            it = actionList.erase(it);
        } else {
            ++it;
        }
    }
}

void GameField::dropOrdersOfSide(int side) {
    for (auto it = orderQueue.begin(); it != orderQueue.end();) {
        if ((*it)->getType() != ActionSocket::ORDERS_COMPLETE && (*it)->getSource() == side) {
            delete *it;
            it = orderQueue.erase(it);
        } else {
            ++it;
        }
    }
}

GameMove* GameField::getCurrentMove() { return currentMove; }

GameMove* GameField::getPreviousMove() { return previousMove; }

void GameField::newMoveRecord() {
    ++moveCount;
    // The two records take turns: the one before the previous is started afresh.
    GameMove* next = currentMove == &moveRecords[0] ? &moveRecords[1] : &moveRecords[0];
    *next = GameMove();
    previousMove = currentMove;
    currentMove = next;
}

void GameField::clearMoveRecords() {
    currentMove = nullptr;
    previousMove = nullptr;
}

int GameField::compareInitiative(int speed0, int speed1, int priority0, int priority1) {
    if (priority0 > priority1) return 0;
    if (priority0 < priority1) return 1;
    if (speed0 > speed1) return 0;
    if (speed0 < speed1) return 1;
    PseudoRNG rng;
    return rng.random(2);
}

void GameField::debugDumpSide(int side) {
    // Kept for the debug overlay; in a build without it, it only touches the support harmlessly.
    removeSupport(side, 0);
}
