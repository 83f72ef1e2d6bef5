// Look-ahead for the bots: playing a submitted order out and scoring a position for a side.
#include <vector>

#include "battle/ActionSocket.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/TableType.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinBuffTrigger.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
// A turn never needs anywhere near this many steps; a script that keeps queueing actions forever must not
// hang the bot's thread.
constexpr int MAX_STEPS_PER_TURN = 20000;

// One threat of the opponent's creature (physical or special), before the halving of matchupTerm.
float threat(float level, float attack, float defence, float effectiveness, int hp, float hpPercent) {
    // A defence of 0 (a script that scaled it away) would divide by zero: no measurable threat then.
    if (defence == 0.0f) return 0.0f;
    float value = level * attack / defence * effectiveness;
    if (static_cast<float>(hp / 2) > value)
        value = value / 3.0f;
    else if (static_cast<float>(hp) > value)
        value = value / 1.5f;
    return value * (hpPercent / 75.0f);
}
} // namespace

void GameBattleEngine::submitOrder(int side, GameOrder* order) {
    if (field == nullptr) return;
    ZelkinTeam* team = field->getTeamChecked(side);
    ActionSocket* action = nullptr;
    if (order && team) {
        if (order->getKind() == GameOrder::KIND_SWITCH) {
            action = new ActionSocket(ActionSocket::SWITCH_ORDER, side, order->getSwitchTarget());
        } else if (order->getKind() == GameOrder::KIND_MOVE) {
            Zelkin* creature = team->getActive();
            ZelkinMove* move = creature ? creature->getMove(order->getMoveSlot()) : nullptr;
            action = new ActionSocket(move, side, order->getMoveSlot());
        }
    }
    if (action) field->getOrderQueue().insert(field->getOrderQueue().begin(), action);
    if (field->getRequest(0) < 2 && field->getRequest(1) < 2) {
        field->getOrderQueue().push_back(new ActionSocket(ActionSocket::ORDERS_COMPLETE, 0, 0));
        field->setEventFlag(0, 0);
    }
    field->setRequest(0, 0);
    field->setRequest(1, 0);
    for (int steps = 0; field->getState() == GameField::STATE_RUNNING && steps < MAX_STEPS_PER_TURN;
         ++steps) {
        step();
        // No message holds the simulation back.
        field->setMessageTimer(0);
    }
}

float GameBattleEngine::evaluate(int side, int weight) {
    // Each term may run scripts: they are taken one statement at a time, in this order.
    const float own = creatureValue(side, weight);
    const float rival = creatureValue(opponentSide(side), weight);
    const float threatened = matchupTerm(side);
    return own - rival - threatened;
}

float GameBattleEngine::creatureValue(int side, int weight) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    if (team == nullptr) return 0.0f;
    float value = 0.0f;
    for (int i = 0; Zelkin* member = team->getMemberAt(i); ++i) {
        int bar = member->getHpBarWidth();
        if (bar > 0) value += static_cast<float>(bar + 75);
    }
    // Each buff is worth what its BUFF_VALUE triggers say, 1 by default.
    for (int i = 0; ZelkinBuff* buff = team->getBuffAt(i); ++i) {
        std::vector<ZelkinBuffTrigger*> triggers;
        if (buff->getDefinition()) triggers = buff->getDefinition()->getTriggersFor(EVENT_BUFF_VALUE);
        variables->setSlot(SVAR_RESULT, 1.0f);
        for (ZelkinBuffTrigger* trigger : triggers) {
            if (trigger == nullptr) continue;
            pushHandler(TriggerHandler(ORIGIN_BUFF, side, buff, nullptr, trigger));
            runCommand(side, opponentSide(side), trigger->getCommands());
            popHandler();
        }
        value += variables->getSlot(SVAR_RESULT);
    }
    for (int k = 0; k < ZelkinTeam::STAGE_COUNT; ++k)
        value += static_cast<float>((team->getStage(k) * weight * 20) / 50);
    return value;
}

float GameBattleEngine::matchupTerm(int side) {
    int other = opponentSide(side);
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    ZelkinTeam* otherTeam = field ? field->getTeamChecked(other) : nullptr;
    Zelkin* creature = team ? team->getActive() : nullptr;
    Zelkin* rival = otherTeam ? otherTeam->getActive() : nullptr;
    if (creature == nullptr || rival == nullptr || creature->getHp() <= 0 || rival->getHp() <= 0) return 0.0f;

    float effectiveness = 1.0f;
    float immune = 0.0f;
    TableType chart;
    for (int i = 0; ZelkinType* attacking = otherTeam->getTypeAt(i); ++i) {
        for (int j = 0; ZelkinType* defending = team->getTypeAt(j); ++j) {
            float multiplier = chart.getMultiplier(attacking, defending);
            if (multiplier > 0.0f)
                effectiveness *= multiplier;
            else
                immune = 1.0f;
        }
    }
    variables->setOffensiveTypesOf(otherTeam);
    variables->setDefensiveTypesOf(team);
    variables->setSlot(SVAR_RESULT, effectiveness);
    fireFor(EVENT_CHECK_EFFECTIVENESS, side);
    effectiveness = variables->getSlot(SVAR_RESULT);
    variables->setSlot(SVAR_RESULT, immune);
    fireFor(EVENT_CHECK_IMMUNITY, side);
    if (variables->getSlot(SVAR_RESULT) > 0.0f) effectiveness *= 0.25f;

    // Each stat read fires its check event, so the four reads are made one statement at a time, in the
    // order attack, defence, special attack, special defence (argument order would leave it to the compiler).
    float level = static_cast<float>(rival->getLevel());
    const float attack = computeStat(other, STAT_ATTACK);
    const float defence = computeStat(side, STAT_DEFENCE);
    int hp = creature->getHp();
    float hpPercent = creature->getHpPercent();
    float physical = threat(level, attack, defence, effectiveness, hp, hpPercent);
    const float specialAttack = computeStat(other, STAT_SPECIAL_ATTACK);
    const float specialDefence = computeStat(side, STAT_SPECIAL_DEFENCE);
    float special = threat(level, specialAttack, specialDefence, effectiveness, hp, hpPercent);
    return (physical + special) * 0.5f;
}
