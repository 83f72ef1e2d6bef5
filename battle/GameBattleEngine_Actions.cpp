// Action processing: the common opening and closing of every action and the steps of a move's use.
#include <algorithm>
#include <string>

#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameMove.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {
// Move target kinds that an immune opponent does not stop: the user's own team and the user itself.
constexpr int TARGET_TEAM = 5;
constexpr int TARGET_SELF = 6;
// Where the figures stand on the field.
constexpr int FIGURE_Y = 258;
// The name of no creature and of no team.
const std::string noName;
} // namespace

// ---- Helpers shared by the turn-cycle files ----

const std::string& GameBattleEngine::creatureName(Zelkin* creature) {
    return creature ? creature->getName() : noName;
}

const std::string& GameBattleEngine::teamName(ZelkinTeam* team) { return team ? team->getName() : noName; }

Zelkin* GameBattleEngine::sideCreature(int side) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    return team ? team->getActive() : nullptr;
}

int GameBattleEngine::sideHp(int side) {
    Zelkin* creature = sideCreature(side);
    return creature ? creature->getHp() : 0;
}

int GameBattleEngine::moveSpeed(int side) { return saturatingInt(computeStat(side, STAT_SPEED)); }

BattleFigure* GameBattleEngine::makeCreatureFigure(Zelkin* creature, int facing, int x) {
    if (creature == nullptr) return nullptr;
    ZelkinZelkinary* species = creature->getSpecies();
    bool sized = options && options->getSizeMode() != 0;
    BattleFigure* figure = newBattleFigure(species, facing, x, FIGURE_Y, sized ? creature->getSize() : 0);
    if (figure == nullptr) return nullptr;
    // The entrance animation reveals it.
    figure->setShown(false);
    if (options && options->getShadows() != 0) figure->setShadow();
    if (sized) figure->setSize(creature->getSize());
    figure->setPersonality(species ? species->getPersonality() : 0);
    return figure;
}

BattleAnimation* GameBattleEngine::startAnimation(int kind, int facing, BattleFigure* figure,
                                                  Zelkin* creature) {
    if (simulation) return nullptr;
    BattleAnimation* animation = newBattleAnimation(kind, facing, figure);
    if (animation == nullptr) return nullptr;
    if (creature) animation->setCreature(creature);
    addAnimation(animation);
    return animation;
}

// ---- processAction ----

void GameBattleEngine::processAction() {
    clearLog();
    ActionSocket* action = field ? field->getCurrentAction() : nullptr;
    if (action == nullptr) return;

    ActionFrame frame;
    frame.action = action;
    frame.order = field->getCurrentOrder();
    frame.source = action->getSource();
    frame.opponent = opponentSide(frame.source);

    bool closing = true;
    switch (action->getType()) {
    case ActionSocket::MATCH_START:
        closing = actMatchStart(frame);
        break;
    case ActionSocket::RESULT_REMARK:
        closing = actResultRemark(frame);
        break;
    case ActionSocket::RESULT_TEAM_REMARK:
        closing = actResultTeamRemark(frame);
        break;
    case ActionSocket::BEFORE_MOVE:
        closing = actBeforeMove(frame);
        break;
    case ActionSocket::MOVE_DECLARE:
        closing = actMoveDeclare(frame);
        break;
    case ActionSocket::DMG_CALC:
        closing = actDamageCalc(frame);
        break;
    case ActionSocket::MOVE_EFFECTS:
        closing = actMoveEffects(frame);
        break;
    case ActionSocket::MOVE_MISS:
        closing = actMoveMiss(frame);
        break;
    case ActionSocket::KNOCK_OUT:
        closing = actKnockOut(frame);
        break;
    case ActionSocket::WITHDRAW:
        closing = actWithdraw(frame);
        break;
    case ActionSocket::SEND_OUT:
        closing = actSendOut(frame);
        break;
    case ActionSocket::AFTER_SWITCH:
        closing = actAfterSwitch(frame);
        break;
    case ActionSocket::DEFERRED_EFFECT:
        closing = actDeferredEffect(frame);
        break;
    case ActionSocket::END_TURN:
        closing = actEndTurn(frame);
        break;
    case ActionSocket::PREP_NEW_TURN:
        closing = actPrepNewTurn(frame);
        break;
    case ActionSocket::MVP_PRESENTATION:
        closing = actMvpPresentation(frame);
        break;
    case ActionSocket::MVP_REMARK:
        closing = actMvpRemark(frame);
        break;
    case ActionSocket::DECLARED_END:
        closing = actDeclaredEnd(frame);
        break;
    default:
        break;
    }
    if (!closing) return;

    // Whoever fell during the action is knocked out next; the acting side's fall is told first.
    if (field->getResult() == 0) {
        int sides[2] = {frame.source, frame.opponent};
        int causes[2] = {frame.causeSource, frame.causeOpponent};
        int priorities[2] = {4, 2};
        for (int k = 0; k < 2; ++k) {
            ZelkinTeam* team = field->getTeamChecked(sides[k]);
            Zelkin* creature = team ? team->getActive() : nullptr;
            if (creature && creature->getHp() <= 0 && !team->isActionBlocked())
                field->insertAction(
                    new ActionSocket(ActionSocket::KNOCK_OUT, sides[k], causes[k], priorities[k]));
        }
    }
    if (hasLog()) field->setMessage(logText);
}

// ---- The use of a move ----

bool GameBattleEngine::actBeforeMove(ActionFrame& frame) {
    prepareMove();
    if (variables->getMove() == nullptr) return false;
    fireFor(EVENT_BEFORE_MOVE, frame.source);
    if (ZelkinTeam* team = field->getTeamChecked(frame.source)) {
        team->incrementTurnCounter();
        team->setLockedMoveIndex(-1);
    }
    ActionSocket* order = field->getCurrentOrder();
    if (order == nullptr) return true;
    if (variables->getSlot(SVAR_CAN_MOVE) == 0.0f) {
        Zelkin* creature = sideCreature(order->getSource());
        if (!simulation) {
            field->makeComment(9, 0, 5, 0);
            field->fillComment({{"[ZLKN]", creatureName(creature)}});
        }
        // A trigger that stopped the creature may have said why already.
        if (!hasLog()) logLine(DefaultStrings::INBATTLE_CANT_MOVE, "[SOURCE]", creatureName(creature));
        return true;
    }
    field->pushBackAction(new ActionSocket(ActionSocket::MOVE_DECLARE, frame.source, 0));
    return true;
}

bool GameBattleEngine::actMoveDeclare(ActionFrame& frame) {
    ZelkinMove* move = variables->getMove();
    if (move == nullptr || variables->getSlot(SVAR_CAN_MOVE) == 0.0f) return false;
    int s = frame.source;
    int o = frame.opponent;
    ActionSocket* order = field->getCurrentOrder();

    int kind = field->getTurn() == 1 ? 7 : 0;
    int moveClass = move->getCategory() == 0 ? 2 : (move->getPower() > 100 ? 1 : 0);
    GameMove* previous = field->getPreviousMove();
    int sequel = (previous && previous->getDamageTotal() >= 1) ? 2 : (field->getMoveCount() == 2 ? 1 : 0);

    if (ZelkinTeam* team = field->getTeamChecked(s)) {
        if (order == nullptr || order->getValue() == nullptr)
            team->lockMove(move);
        else
            team->setLockedMoveIndex(order->getArgument());
    }
    gatherDamageStats();
    fireFor(EVENT_MOVE_DECLARE, s);

    if (move->getPrecision() >= 1) {
        PseudoRNG rng;
        int roll = rng.random(100);
        if (static_cast<float>(roll) >= variables->getSlot(SVAR_PRECISION))
            variables->setSlot(SVAR_MOVE_HIT, 0.0f);
    }

    Zelkin* creature = sideCreature(s);
    if (order) {
        if (order->getValue() != nullptr) {
            if (creature) creature->spendPp(order->getArgument(), 1);
        } else {
            order->setValue(move);
        }
    }

    if (!simulation) {
        field->makeComment(3, kind, moveClass, sequel);
        field->fillComment({{"[ZLKN]", creatureName(creature)}, {"[MOVE]", move->getName()}});
        logLine(DefaultStrings::INBATTLE_USE_MOVE, "[SOURCE]", creatureName(creature), "[MOVE]",
                move->getName());
        // The attacker is drawn in front of its target.
        if (BattleFigure* figure = field->getSideFigure(s)) figure->setLayer(20);
        if (BattleFigure* figure = field->getSideFigure(o)) figure->setLayer(19);
        if (BattleAnimation* animation = newBattleAnimation(0, s, field->getSideFigure(s))) {
            animation->setSources(move, creature, variables);
            addAnimation(animation);
        }
    }

    if (order == nullptr) return true;
    ZelkinMove* ordered = order->getValue() ? order->getValue() : move;
    int targetKind = ordered->getTargetKind();
    if (variables->getSlot(SVAR_MOVE_HIT) == 0.0f || variables->getSlot(SVAR_MOVE_SUCCESS) == 0.0f) {
        field->pushFrontAction(new ActionSocket(ActionSocket::MOVE_MISS, s, 0));
    } else if (variables->getSlot(SVAR_IMMUNITY) == 1.0f && targetKind != TARGET_SELF &&
               targetKind != TARGET_TEAM) {
        field->pushFrontAction(new ActionSocket(ActionSocket::MOVE_MISS, s, 2));
    } else if (ordered->getCategory() == 0) {
        field->pushFrontAction(new ActionSocket(ActionSocket::MOVE_EFFECTS, s, 0));
    } else {
        int hits = std::min(variables->getHitCount(), ZelkinMove::MAX_HITS);
        if (GameMove* record = field->getCurrentMove()) record->setHitsWanted(hits);
        for (int i = 0; i < hits; ++i)
            field->pushFrontAction(new ActionSocket(ActionSocket::DMG_CALC, s, 0));
    }
    frame.causeSource = 1;
    return true;
}

bool GameBattleEngine::actDamageCalc(ActionFrame& frame) {
    ZelkinMove* move = variables->getMove();
    int s = frame.source;
    int o = frame.opponent;
    // The remaining hits of a move whose target is down do nothing.
    if (move == nullptr || sideHp(o) <= 0) return false;
    if (!simulation) {
        if (BattleAnimation* animation = newBattleAnimation(1, o, field->getSideFigure(o))) {
            animation->setSources(move, sideCreature(o), variables);
            addAnimation(animation);
        }
        field->setTimer(o, 50);
    }
    computeDamage();
    fireFor(EVENT_DMG_CALC, s);
    // Closing, the action lays out the log over whatever the hit showed.
    dealDamage(true);
    if (sideHp(o) <= 0) {
        ActionSocket* order = field->getCurrentOrder();
        int victim = order ? opponentSide(order->getSource()) : o;
        field->pushFrontAction(new ActionSocket(ActionSocket::KNOCK_OUT, victim, 0));
    }
    if (variables->getSlot(SVAR_TOTAL_DAMAGE) > 0.0f) fireFor(EVENT_AFTER_HIT, s);
    field->insertAction(new ActionSocket(ActionSocket::MOVE_EFFECTS, s, 0, 0));
    frame.causeOpponent = 0;
    frame.causeSource = 1;
    return true;
}

bool GameBattleEngine::actMoveMiss(ActionFrame& frame) {
    if (variables->getMove() == nullptr) return false;
    int s = frame.source;
    int o = frame.opponent;
    int argument = frame.action->getArgument();
    field->removeSupport(s, 20);
    ZelkinTeam* opponentTeam = field->getTeamChecked(o);
    if (!simulation && argument != 2 && opponentTeam && !opponentTeam->isActionBlocked() &&
        opponentTeam->getDisplayedHp() > 0 && variables->getSlot(SVAR_MOVE_HIT) == 0.0f) {
        if (BattleFigure* figure = field->getSideFigure(o)) figure->playAnimation(11);
    }
    field->makeComment(4, argument == 2 ? 3 : 4, 0, 0);
    const std::string& line = variables->getSlot(SVAR_IMMUNITY) == 1.0f ? DefaultStrings::INBATTLE_IMMUNITY
                              : variables->getSlot(SVAR_MOVE_HIT) == 0.0f
                                  ? DefaultStrings::INBATTLE_DODGED_MOVE
                                  : DefaultStrings::INBATTLE_NO_EFFECT;
    logLine(line, "[SOURCE]", creatureName(sideCreature(s)), "[TARGET]", creatureName(sideCreature(o)));
    fireFor(EVENT_MOVE_MISS, s);
    frame.causeSource = 1;
    resetInformations();
    return true;
}

bool GameBattleEngine::actMoveEffects(ActionFrame& frame) {
    ZelkinMove* move = variables->getMove();
    if (move == nullptr) return false;
    if (move->getCategory() == 0 || variables->getSlot(SVAR_MOVE_HIT) > 0.0f)
        runMoveEffects(frame.source, frame.opponent, move);
    if (move->getCategory() == 0 && !hasLog()) logLine(DefaultStrings::INBATTLE_NO_EFFECT);
    frame.causeOpponent = 0;
    frame.causeSource = 1;
    resetInformations();
    return true;
}

bool GameBattleEngine::actDeferredEffect(ActionFrame& frame) {
    runCommand(frame.source, frame.opponent, frame.action->getCommands());
    return true;
}
