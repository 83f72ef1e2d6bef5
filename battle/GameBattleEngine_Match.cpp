// Action processing: the opening of a match, a declared end, the result remarks and the best creature.
#include <string>

#include "battle/ActionSocket.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/TriggerGate.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Stadium.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
// Where the best creature is presented.
constexpr int PRESENTATION_X = 426;
// MVP points above which the best creature's remark calls it outstanding.
constexpr int OUTSTANDING_MVP_POINTS = 225;

// A journey or tournament battle of that round.
bool isRound(BattleInformations* informations, int round) {
    return informations && informations->getMode() == BattleInformations::MODE_ROUND &&
           informations->getRound() == round;
}

bool isRoundAbove(BattleInformations* informations, int round) {
    return informations && informations->getMode() == BattleInformations::MODE_ROUND &&
           informations->getRound() > round;
}
} // namespace

bool GameBattleEngine::actMatchStart(ActionFrame& frame) {
    int s = frame.source;
    BattleInformations* informations = field->getBattleInformations();
    Stadium* stadium = informations ? informations->getStadium() : nullptr;
    field->setMessageTimer(75);
    int kind = isRound(informations, 8)                 ? 3
               : isRound(informations, 7)               ? 2
               : isRoundAbove(informations, 4)          ? 1
               : (stadium && stadium->isUltimate() > 0) ? 5
                                                        : 0;
    fireFor(EVENT_START_MATCH, s);
    fireFor(EVENT_PREP_NEW_TURN, s);
    field->makeComment(14, kind, 0, 0);
    return true;
}

bool GameBattleEngine::actDeclaredEnd(ActionFrame& frame) {
    int s = frame.source;
    int acting;
    int other;
    int kind;
    if (s == 2) {
        // Both sides agreed to a draw.
        for (int side = 0; side < 2; ++side) {
            ZelkinTeam* team = field->getTeamChecked(side);
            if (team == nullptr) continue;
            team->setActionBlocked(1);
            team->clearSwitchState();
            startAnimation(3, side, field->getSideFigure(side), team->getActive());
        }
        field->setResult(3);
        kind = 9;
        logLine(DefaultStrings::INBATTLE_DRAW_DECLARE, "[SOURCE]", teamName(field->getTeamChecked(0)),
                "[TARGET]", teamName(field->getTeamChecked(1)));
        acting = 0;
        other = 1;
    } else {
        ZelkinTeam* team = field->getTeamChecked(s);
        if (team == nullptr) return true;
        acting = s;
        other = frame.opponent;
        field->setResult(other + 1);
        team->setActionBlocked(1);
        team->clearSwitchState();
        startAnimation(3, s, field->getSideFigure(s), team->getActive());
        kind = 0;
        logLine(DefaultStrings::INBATTLE_FORFEIT_DECLARE, "[SOURCE]", creatureName(team->getActive()),
                "[MASTER]", teamName(team));
    }
    field->makeComment(19, kind, 0, 0);
    field->fillComment({{"[ZLKN]", creatureName(sideCreature(acting))},
                        {"[TRAINER]", teamName(field->getTeamChecked(acting))},
                        {"[ZLKN2]", creatureName(sideCreature(other))},
                        {"[TRAINER2]", teamName(field->getTeamChecked(other))}});
    field->decideResult();
    return true;
}

bool GameBattleEngine::actResultTeamRemark(ActionFrame&) {
    int result = field->getResult();
    bool won = result == 1 || result == 2;
    int winner = won ? result - 1 : 0;
    int loser = opponentSide(winner);
    int valueClass = 0;
    if (won) {
        ZelkinTeam* team = field->getTeamChecked(winner);
        int teamSize = options ? options->getTeamSize() : 0;
        // The team's worth per member; a team size of 0 counts as worthless rather than dividing by zero.
        int value = (team && teamSize != 0) ? team->getTeamBattleValue() / teamSize : 0;
        valueClass = value < 31 ? 1 : (value < 61 ? 0 : 2);
    }
    field->makeComment(16, valueClass, 0, 0);
    if (won) {
        logLine(DefaultStrings::INBATTLE_WIN_MESSAGE, "[WINNER]", teamName(field->getTeamChecked(winner)),
                "[LOOSER]", teamName(field->getTeamChecked(loser)));
    } else {
        logLine(DefaultStrings::INBATTLE_DRAW_MESSAGE);
    }
    field->setMessageTimer(75);
    return true;
}

bool GameBattleEngine::actResultRemark(ActionFrame&) {
    int result = field->getResult();
    BattleInformations* informations = field->getBattleInformations();
    bool won = result == 1 || result == 2;
    int kind = result == 3                     ? 9
               : isRound(informations, 8)      ? 4
               : isRound(informations, 7)      ? 3
               : isRound(informations, 6)      ? 2
               : isRoundAbove(informations, 2) ? 1
                                               : 0;
    field->setTimer(2, 120);
    field->setTimer(3, 120);

    int winner = won ? result - 1 : 0;
    int loser = opponentSide(winner);
    ZelkinTeam* winnerTeam = field->getTeamChecked(winner);
    ZelkinTeam* loserTeam = field->getTeamChecked(loser);
    int streakClass = 0;
    int streak = 0;
    if (won && kind == 0) {
        int loserStreak = loserTeam ? loserTeam->getOwnerStreak() : 0;
        if (loserStreak >= 3) {
            // A run of wins has been broken.
            streakClass = 2;
            streak = loserStreak;
        } else {
            streak = winnerTeam ? winnerTeam->getOwnerStreak() : 0;
            if (streak > 1) {
                streak = streak + 1;
                streakClass = 1;
            }
        }
    }
    field->makeComment(15, kind, streakClass, 0);
    if (won) {
        const DecimalText streakText(streak);
        field->fillComment({{"[X]", streakText.view()},
                            {"[WINNER]", teamName(winnerTeam)},
                            {"[LOOSER]", teamName(loserTeam)}});
    }
    field->setMessageTimer(75);

    bool quiet = informations && informations->isQuiet();
    if ((options && options->getBattleSpeed() >= 1) || quiet) {
        if (won) {
            logLine(DefaultStrings::INBATTLE_WIN_MESSAGE, "[WINNER]", teamName(winnerTeam), "[LOOSER]",
                    teamName(loserTeam));
        } else if (result == 3) {
            logLine(DefaultStrings::INBATTLE_DRAW_MESSAGE);
        }
    }
    return true;
}

bool GameBattleEngine::actMvpPresentation(ActionFrame&) {
    Zelkin* best = field->getBestCreature();
    field->setMessageTimer(75);
    if (best == nullptr) {
        field->makeComment(17, 0, 1, 0);
        return true;
    }
    field->makeComment(17, 0, 0, 0);
    field->fillComment({{"[ZLKN]", best->getName()}});
    if (!simulation) {
        int facing = field->getResult() == 2 ? 1 : 0;
        BattleFigure* figure = makeCreatureFigure(best, facing, PRESENTATION_X);
        field->setSideFigure(0, figure);
        startAnimation(5, facing, field->getSideFigure(0), best);
    }
    return true;
}

bool GameBattleEngine::actMvpRemark(ActionFrame&) {
    Zelkin* best = field->getBestCreature();
    if (best == nullptr) return true;
    field->makeComment(18, 0, best->getMvpCategory(), best->getMvpPoints() > OUTSTANDING_MVP_POINTS ? 1 : 0);
    field->fillComment({{"[ZLKN]", best->getName()}});
    field->setMessageTimer(250);
    return true;
}
