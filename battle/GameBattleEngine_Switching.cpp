// Action processing: knock-outs, withdrawals, send-outs and the end of a turn.
#include <string>

#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameMove.hpp"
#include "battle/TriggerGate.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {
// Battle counters of a creature.
constexpr int COUNTER_KNOCK_OUTS_DEALT = 2;
constexpr int COUNTER_TURNS_STOOD = 4;
constexpr int COUNTER_KNOCKED_OUT = 9;
// Event flags of the field.
constexpr int FLAG_KNOCK_OUT_SINCE_OPENING = 0;
constexpr int FLAG_FIRST_KNOCK_OUT_DONE = 4;
// Where each side's creature stands.
constexpr int FIGURE_X[2] = {326, 534};
// Below this HP bar width a creature is in danger.
constexpr int LOW_HP_BAR = 16;
} // namespace

bool GameBattleEngine::actKnockOut(ActionFrame& frame) {
    int s = frame.source;
    int o = frame.opponent;
    ZelkinTeam* team = field->getTeamChecked(s);
    ZelkinTeam* otherTeam = field->getTeamChecked(o);
    // A side is knocked out once until it sends a creature in again.
    if (team == nullptr || team->isActionBlocked()) return false;
    Zelkin* fallen = team->getActive();
    Zelkin* rival = otherTeam ? otherTeam->getActive() : nullptr;
    int cause = frame.action->getArgument();

    if (rival && (!otherTeam->isActionBlocked() || cause == 1))
        rival->addBattleStat(1, COUNTER_KNOCK_OUTS_DEALT);
    if (fallen) fallen->addBattleStat(1, COUNTER_KNOCKED_OUT);

    if (!simulation) {
        int turn = field->getTurn();
        int rivalKnockOuts = rival ? rival->getBattleStat(COUNTER_KNOCK_OUTS_DEALT) : 0;
        int kind;
        if (field->getEventFlag(FLAG_FIRST_KNOCK_OUT_DONE) == 0) {
            field->setEventFlag(FLAG_FIRST_KNOCK_OUT_DONE, 1);
            kind = 7;
        } else {
            kind = rivalKnockOuts > 1 ? 8 : 0;
        }
        int how = cause;
        GameMove* record = field->getCurrentMove();
        if (cause == 0 && record && fallen && fallen->getMaxHp() <= record->getDamageTotal()) how = 3;
        int star = (fallen && fallen->getMvpPoints() >= field->getStarThreshold()) ? 1 : 0;
        if (kind == 7) {
            field->addSupport(o, 30);
            int teamSize = options ? options->getTeamSize() : 0;
            star = turn == 1 ? 1 : (turn >= teamSize + 3 ? 2 : 0);
        }
        field->setEventFlag(FLAG_KNOCK_OUT_SINCE_OPENING, 1);
        field->addSupport(o, 40);
        field->setTimer(s + 2, 50);
        field->removeSupport(s, 20);
        if (BattleFigure* figure = field->getSideFigure(s)) figure->setShown(false);
        field->makeComment(5, kind, how, star);
        const DecimalText count(kind == 8 ? rivalKnockOuts : turn);
        field->fillComment({{"[ZLKN]", creatureName(fallen)},
                            {"[ZLKN2]", creatureName(rival)},
                            {"[TRAINER]", teamName(team)},
                            {"[TRAINER2]", teamName(otherTeam)},
                            {"[X]", count.view()}});
    }

    team->setActionBlocked(1);
    team->clearSwitchState();
    fireFor(EVENT_BEFORE_SWITCH, s);

    if (!simulation) {
        logLine(DefaultStrings::INBATTLE_KO_MESSAGE, "[SOURCE]", creatureName(fallen));
        startAnimation(3, s, field->getSideFigure(s), fallen);
        if (rival && rival->getBattleStat(COUNTER_KNOCK_OUTS_DEALT) > 1)
            startAnimation(4, o, field->getSideFigure(o), rival);
    }
    field->decideResult();
    return true;
}

bool GameBattleEngine::actWithdraw(ActionFrame& frame) {
    int s = frame.source;
    ZelkinTeam* team = field->getTeamChecked(s);
    if (team == nullptr) return true;
    Zelkin* creature = team->getActive();
    int kind = field->getTurn() == 1 ? 7 : 0;
    int low = (creature && creature->getHpBarWidth() < LOW_HP_BAR) ? 1 : 0;
    int star = (creature && creature->getMvpPoints() >= field->getStarThreshold()) ? 1 : 0;

    team->setLockedMoveIndex(-1);
    team->setActionBlocked(1);
    team->clearSwitchState();

    if (!simulation) {
        field->setTimer(s + 2, 50);
        if (BattleFigure* figure = field->getSideFigure(s)) figure->setShown(false);
        field->makeComment(6, kind, low, star);
        field->fillComment({{"[ZLKN]", creatureName(creature)}, {"[TRAINER]", teamName(team)}});
        logLine(DefaultStrings::INBATTLE_WITHDRAW_CREATURE, "[SOURCE]", creatureName(creature), "[MASTER]",
                teamName(team));
    }
    fireFor(EVENT_BEFORE_SWITCH, s);
    startAnimation(3, s, field->getSideFigure(s), creature);
    return true;
}

bool GameBattleEngine::actSendOut(ActionFrame& frame) {
    int s = frame.source;
    ZelkinTeam* team = field->getTeamChecked(s);
    if (team == nullptr) return true;
    // A member that does not exist is refused: the side keeps the creature it has, fallen or not.
    if (team->getMemberAt(frame.action->getArgument()) == nullptr) return false;
    team->setActiveMember(frame.action->getArgument());
    Zelkin* creature = team->getActive();
    if (creature == nullptr) return true;

    if (!simulation) {
        field->setSideFigure(s, makeCreatureFigure(creature, s, FIGURE_X[s]));
        field->setTimer(s, 50);
        int kind = field->getTurn() == 0 ? 7 : 0;
        int entrance = creature->getHpBarWidth() < LOW_HP_BAR ? 3
                       : creature->getStateCode() != 0        ? 2
                       : creature->isMarked()                 ? 1
                                                              : 0;
        int star = creature->getMvpPoints() >= field->getStarThreshold() ? 1 : 0;
        ZelkinZelkinary* species = creature->getSpecies();
        if (entrance == 0 && star == 0 && species && species->getRarity() > 0) {
            kind = 10;
            field->addSupport(s, 75);
        }
        field->makeComment(7, kind, entrance, star);
        field->fillComment({{"[ZLKN]", creature->getName()}, {"[TRAINER]", teamName(team)}});
        creature->mark();
        logLine(DefaultStrings::INBATTLE_SEND_CREATURE, "[SOURCE]", creature->getName(), "[MASTER]",
                teamName(team));
    }
    // When both sides send out at once, the faster side's entrance triggers run first.
    field->insertAction(new ActionSocket(ActionSocket::AFTER_SWITCH, s, 0, moveSpeed(s)));
    startAnimation(2, s, field->getSideFigure(s), creature);
    return true;
}

bool GameBattleEngine::actAfterSwitch(ActionFrame& frame) {
    fireFor(EVENT_AFTER_SWITCH, frame.source);
    return true;
}

bool GameBattleEngine::actEndTurn(ActionFrame& frame) {
    if (sideHp(frame.source) <= 0) return false;
    fireFor(EVENT_END_TURN, frame.source);
    if (hasLog()) field->setMessageTimer(45);
    return true;
}

bool GameBattleEngine::actPrepNewTurn(ActionFrame& frame) {
    int s = frame.source;
    int o = frame.opponent;
    fireFor(EVENT_PREP_NEW_TURN, s);
    appendLog(tickCreatureBuffs(s));
    appendLog(tickCreatureBuffs(o));
    appendLog(tickFieldBuffs());
    if (hasLog()) field->setMessageTimer(45);
    for (int side : {s, o}) {
        Zelkin* creature = sideCreature(side);
        if (creature && creature->getHp() > 0) {
            creature->addMvpPoints(4, 1);
            creature->addBattleStat(1, COUNTER_TURNS_STOOD);
        }
    }
    return true;
}
