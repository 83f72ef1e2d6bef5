// Move use and damage: the move's variables, the damage of a hit, and the countdown of buffs.
#include <cmath>
#include <cstdint>
#include <string>

#include "battle/ActionSocket.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameMove.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEventSet.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"

namespace {

// The move every creature falls back on when it has nothing else to use.
const char* const DEFAULT_MOVE_NAME = "Lutte";

// Battle counters (Zelkin::addBattleStat) and MVP categories kept by the hits.
constexpr int COUNTER_DAMAGE_DEALT = 0;
constexpr int COUNTER_KO_DAMAGE = 1;
constexpr int COUNTER_DAMAGE_TAKEN = 3;
constexpr int MVP_KNOCK_OUT = 0;
constexpr int MVP_ENDURANCE = 1;
constexpr int MVP_SUPPORT = 2;

// Commentator category of a hit.
constexpr int COMMENT_HIT = 4;

// The check events a hit fires while its figures are gathered, by the kind of its stats: those of its five
// stats, then all of them with the checks of the types.
constexpr BattleEventSet statChecks(int attackEvent, int defenceEvent) {
    BattleEventSet events;
    for (int event : {attackEvent, defenceEvent, int{EVENT_CHECK_STAT_PRE}, int{EVENT_CHECK_STAT_EVA},
                      int{EVENT_CHECK_STAT_CRIT}})
        events.add(event);
    return events;
}
constexpr BattleEventSet hitChecks(BattleEventSet events) {
    events.add(EVENT_CHECK_EFFECTIVENESS);
    events.add(EVENT_CHECK_IMMUNITY);
    return events;
}
constexpr BattleEventSet PHYSICAL_STAT_CHECKS = statChecks(EVENT_CHECK_STAT_ATT, EVENT_CHECK_STAT_DEF);
constexpr BattleEventSet SPECIAL_STAT_CHECKS = statChecks(EVENT_CHECK_STAT_SPE_ATT, EVENT_CHECK_STAT_SPE_DEF);
constexpr BattleEventSet PHYSICAL_HIT_CHECKS = hitChecks(PHYSICAL_STAT_CHECKS);
constexpr BattleEventSet SPECIAL_HIT_CHECKS = hitChecks(SPECIAL_STAT_CHECKS);

Zelkin* activeOf(ZelkinTeam* team) { return team ? team->getActive() : nullptr; }

// The reason a hit gives the checks of its damage.
const std::string REASON_ATTACK = "ATTACK";

// (amount × scale) / maximum, in integer arithmetic; 0 for a creature without maximum HP.
int shareOf(int amount, int scale, int maximum) {
    if (maximum <= 0) return 0;
    return clampToInt(static_cast<int64_t>(amount) * scale / maximum);
}

// The countdown shared by a side's buffs and the field's: ticks every buff, takes the expired ones off
// through 'erase' and hands them to the discarded list (a trigger of this turn may still point at them).
template <typename CountFn, typename GetFn, typename EraseFn>
void tickBuffList(CountFn count, GetFn get, EraseFn erase) {
    int i = 0;
    while (i < count()) {
        ZelkinBuff* buff = get(i);
        if (!buff) {
            ++i;
            continue;
        }
        buff->tickDuration();
        if (buff->isAlive()) {
            ++i;
            continue;
        }
        // Definitions carry no end text, so an expired buff says nothing.
        erase(i);
        discardedBuffs().push_back(buff);
    }
}

} // namespace

void GameBattleEngine::resetInformations() {
    variables->setSlot(SVAR_CAMP_SOURCE, -1.0f);
    variables->setSlot(SVAR_CAMP_TARGET, -1.0f);
    variables->setSourceCreature(nullptr);
    variables->setTargetCreature(nullptr);
    variables->setSourceTeam(nullptr);
    variables->setTargetTeam(nullptr);
    variables->setMove(nullptr);
    variables->setSlot(SVAR_POWER_MOVE, 0.0f);
    variables->setMoveCategory(0);
    variables->setSlot(SVAR_PRECISION, 0.0f);
    variables->setSlot(SVAR_MOVE_SPOT, 0.0f);
    variables->setSlot(SVAR_IMMUNITY, 0.0f);
    variables->setSlot(SVAR_EFFECTIVENESS, 1.0f);
}

void GameBattleEngine::prepareMove() {
    ActionSocket* action = field ? field->getCurrentAction() : nullptr;
    ActionSocket* order = field ? field->getCurrentOrder() : nullptr;
    renewVariables();
    if (!action) {
        resetInformations();
        return;
    }
    const int side = action->getSource();
    setActors(side);

    ZelkinTeam* team = field->getTeamChecked(side);
    ZelkinMove* move = team ? team->getTimedEffectValue() : nullptr;
    if (!move && order) move = order->getValue();
    if (!move) {
        GameParser* parser = field->getGameParser();
        move = parser ? parser->findMove(DEFAULT_MOVE_NAME) : nullptr;
    }
    if (team) team->tickTimedEffect();
    if (!move) {
        resetInformations();
        return;
    }

    variables->setMove(move);
    variables->setSlot(SVAR_POWER_MOVE, static_cast<float>(move->getPower()));
    variables->setMoveCategory(move->getCategory());
    variables->setSlot(SVAR_PRECISION, static_cast<float>(move->getPrecision()));
    variables->setSlot(SVAR_NUMBER_HITS, static_cast<float>(move->getHits()));
    if (order) variables->setSlot(SVAR_MOVE_SPOT, static_cast<float>(order->getArgument()));

    ZelkinTeam* targetTeam = variables->getTargetTeam();
    if (move->getType() && targetTeam) {
        const ZelkinType& attacking = *move->getType();
        for (int i = 0; const ZelkinType* defending = targetTeam->getTypeAt(i); ++i) {
            const float m = attacking.getMultiplierAgainst(*defending);
            if (m > 0.0f)
                variables->setSlot(SVAR_EFFECTIVENESS, variables->getSlot(SVAR_EFFECTIVENESS) * m);
            else
                variables->setSlot(SVAR_IMMUNITY, 1.0f);
        }
    }
}

void GameBattleEngine::gatherDamageStats() {
    ZelkinMove* move = variables->getMove();
    if (!move) return;
    const int attacker = variables->getSourceSide();
    const int defender = variables->getTargetSide();

    variables->setMoveType(move->getType());
    variables->setMoveSubtype(move->getSubtype());

    // computeStat fires the stat's check event, so the table is read afresh after each call. When no
    // source waits for any check of the hit, none of them can run; when none waits for the checks of the
    // stats, the stats are read one after the other with nothing run in between. Either way they are then
    // read without their checks.
    const bool special = move->getCategory() == 2;
    const bool checked = mayDispatchAnyOf(special ? SPECIAL_HIT_CHECKS : PHYSICAL_HIT_CHECKS);
    const bool statsChecked =
        checked && mayDispatchAnyOf(special ? SPECIAL_STAT_CHECKS : PHYSICAL_STAT_CHECKS);
    auto stat = [&](int side, int statIndex) {
        return statsChecked ? readStat(side, statIndex) : uncheckedStat(side, statIndex);
    };
    const float attack = stat(attacker, special ? STAT_SPECIAL_ATTACK : STAT_ATTACK);
    const float defence = stat(defender, special ? STAT_SPECIAL_DEFENCE : STAT_DEFENCE);
    variables->setSlot(SVAR_STAT_ATT, static_cast<float>(saturatingInt(attack)));
    variables->setSlot(SVAR_STAT_DEF, static_cast<float>(saturatingInt(defence)));

    // The move's precision is read between the two stats, before the evasion check's triggers run.
    const float precisionStat = stat(attacker, STAT_PRECISION);
    const float product = precisionStat * variables->getSlot(SVAR_PRECISION);
    const float evasion = stat(defender, STAT_EVASION);
    // A target whose evasion comes out as 0 leaves nothing to divide by: the chance to hit is then 0.
    const float precision = evasion != 0.0f ? product / evasion : 0.0f;
    variables->setSlot(SVAR_PRECISION, static_cast<float>(saturatingInt(precision)));

    variables->setSlot(SVAR_CRITICAL_RATIO, stat(attacker, STAT_CRITICAL));

    if (move->getType()) {
        variables->setOffensiveTypesOf(move->getType(), move->getSubtype());
        defendingTypesIntoVariables(defender);
    }

    // The checks are the defender's: in their scripts the source side is the defender.
    variables->setSlot(SVAR_RESULT, variables->getSlot(SVAR_EFFECTIVENESS));
    if (checked) fireFor(EVENT_CHECK_EFFECTIVENESS, defender);
    variables->setSlot(SVAR_EFFECTIVENESS, variables->getSlot(SVAR_RESULT));

    variables->setSlot(SVAR_RESULT, variables->getSlot(SVAR_IMMUNITY));
    if (checked) fireFor(EVENT_CHECK_IMMUNITY, defender);
    variables->setSlot(SVAR_IMMUNITY, variables->getSlot(SVAR_RESULT));
}

void GameBattleEngine::computeDamage() {
    PseudoRNG rng;
    const int roll = rng.random(100);
    variables->setSlot(SVAR_HIT_NUM, variables->getSlot(SVAR_HIT_NUM) + 1.0f);

    const int attacker = variables->getSourceSide();
    const int defender = variables->getTargetSide();
    ZelkinTeam* attackerTeam = field ? field->getTeamChecked(attacker) : nullptr;
    ZelkinTeam* defenderTeam = field ? field->getTeamChecked(defender) : nullptr;
    Zelkin* user = activeOf(attackerTeam);
    if (!activeOf(defenderTeam) || variables->getSlot(SVAR_MOVE_HIT) == 0.0f || !user) return;

    const int level = user->getLevel();
    const int levelFactor = (2 * level) / 5 + 2;
    const int64_t powerProduct =
        static_cast<int64_t>(saturatingInt(variables->getSlot(SVAR_POWER_MOVE))) * levelFactor;

    const float statDef = variables->getSlot(SVAR_STAT_DEF);
    float base = variables->getSlot(SVAR_STAT_ATT) * static_cast<float>(powerProduct);
    // A defence brought to 0 by a script leaves no quotient: the hit keeps only its flat part.
    base = statDef != 0.0f ? base / statDef : 0.0f;
    base = base * variables->getSlot(SVAR_EFFECTIVENESS);

    ZelkinMove* move = variables->getMove();
    if (move && move->getType() && attackerTeam->hasType(move->getType()))
        base = base * variables->getSameTypeBonus();

    const float x = variables->getSlot(SVAR_MULT_DMG) * base / 50.0f + 2.0f;
    const int spread = rng.random(16);
    float dmg = static_cast<float>(std::floor((1.0 - spread * 0.01) * static_cast<double>(x)));

    if (variables->getSlot(SVAR_CRITICAL_RATIO) > static_cast<float>(roll)) {
        dmg = variables->getSlot(SVAR_CRITICAL_BONUS) * dmg;
        variables->setSlot(SVAR_CRITICAL_HIT, 1.0f);
    } else {
        variables->setSlot(SVAR_CRITICAL_HIT, 0.0f);
    }
    variables->setDamage(saturatingInt(dmg));
}

void GameBattleEngine::dealDamage(bool shownAtClose) {
    const int attacker = variables->getSourceSide();
    const int defender = variables->getTargetSide();
    ZelkinTeam* defenderTeam = field ? field->getTeamChecked(defender) : nullptr;
    Zelkin* target = activeOf(defenderTeam);
    if (!target || variables->getSlot(SVAR_MOVE_HIT) == 0.0f) return;

    int dealt = variables->getDamage();
    const int maxHp = target->getMaxHp();
    variables->addRawPercent(static_cast<float>(shareOf(dealt, 100, maxHp)));
    if (dealt > target->getHp()) dealt = target->getHp();
    const int percent = shareOf(dealt, 100, maxHp);
    const int permille = shareOf(dealt, 1000, maxHp);

    if (variables->getSlot(SVAR_CRITICAL_HIT) == 1.0f) logLine(DefaultStrings::INBATTLE_CRITICAL_HIT);

    variables->setSlot(SVAR_RESULT, static_cast<float>(dealt));
    variables->setReason(REASON_ATTACK);
    fireFor(EVENT_CHECK_BEFORE_DMG, defender);
    dealt = saturatingInt(variables->getSlot(SVAR_RESULT));
    // A check may lower the damage to nothing, but never turn the hit into healing.
    if (dealt < 0) dealt = 0;

    target = activeOf(defenderTeam);
    if (!target) return;
    GameMove* record = field->getCurrentMove();
    if (record) {
        record->addDamage(dealt);
        record->addPercentDamage(percent);
    }
    target->damage(dealt);
    if (record) record->markDamageDealt();

    variables->setDamage(dealt);
    variables->setSlot(SVAR_PERCENT_DAMAGE, static_cast<float>(percent));
    variables->setSlot(
        SVAR_TOTAL_DAMAGE,
        static_cast<float>(static_cast<int64_t>(variables->getSlot(SVAR_TOTAL_DAMAGE)) + dealt));
    variables->setSlot(SVAR_TOTAL_PERCENT_DAMAGE, variables->getSlot(SVAR_TOTAL_PERCENT_DAMAGE) + percent);
    variables->setSlot(SVAR_MOVE_HIT, 1.0f);

    ZelkinMove* move = variables->getMove();
    if (move) {
        if (move->getAuxValue() >= 0)
            variables->setSlot(SVAR_CONTACT_MADE, static_cast<float>(move->getAuxValue()));
        else if (move->getSubtype() && move->getSubtype()->getAuxC() >= 0)
            variables->setSlot(SVAR_CONTACT_MADE, static_cast<float>(move->getSubtype()->getAuxC()));
    }

    const float effectiveness = variables->getSlot(SVAR_EFFECTIVENESS);
    const bool standing = target->getHp() > 0;
    int effectClass = 0;
    if (attacker == defender)
        effectClass = 6;
    else if (effectiveness == 0.0f)
        effectClass = 3;
    else if (effectiveness < 1.0f && standing)
        effectClass = 2;
    else if (effectiveness > 1.0f)
        effectClass = 1;

    const float raw = variables->getRawPercent();
    int lossClass = 0;
    if (raw < 15.0f && standing)
        lossClass = 1;
    else if (raw >= 95.0f)
        lossClass = 3;
    else if (raw >= 50.0f)
        lossClass = 2;

    const bool critical = variables->getSlot(SVAR_CRITICAL_HIT) == 1.0f;
    const int criticalRemark = critical && effectClass == 0 ? 1 : 0;

    ZelkinTeam* attackerTeam = field->getTeamChecked(attacker);
    Zelkin* user = activeOf(attackerTeam);
    const int hitNum = variables->getHitNumber();
    // The log so far on screen (a look-ahead shows it as it is, without copying it).
    auto showLog = [&]() {
        // An empty text only starts the message timer.
        if (shownAtClose)
            field->setMessage(std::string());
        else if (simulation)
            field->setMessage(getLogText());
        else
            field->setMessage(formatMessage(getLogText(), attacker));
    };
    if (hitNum < variables->getHitCount() && standing) {
        // More hits follow: show this one briefly, the verdict comes with the last.
        showLog();
        field->setMessageTimer(31);
    } else {
        if (effectiveness < 1.0f)
            logLine(DefaultStrings::INBATTLE_NOT_EFFECTIVE);
        else if (effectiveness > 1.0f)
            logLine(DefaultStrings::INBATTLE_SUPER_EFFECTIVE);
        if (variables->getHitCount() > 1) {
            const DecimalText hits(hitNum);
            logLine(DefaultStrings::INBATTLE_MULTI_HIT, "[X]", hits.view());
        }
        if (!simulation) {
            field->makeCommentWithHype(COMMENT_HIT, effectClass, lossClass, criticalRemark,
                                       field->getHypeLevel());
            field->fillComment({{"[ZLKN1]", creatureName(user)}, {"[ZLKN2]", target->getName()}});
        }
        showLog();
    }

    if (user) {
        if (!standing) {
            user->addBattleStat(permille, COUNTER_KO_DAMAGE);
            user->addMvpPoints(permille / 20 + 30, MVP_KNOCK_OUT);
        } else {
            target->addMvpPoints(permille / 30 + 6, MVP_ENDURANCE);
            user->addMvpPoints(permille / 30, MVP_SUPPORT);
        }
        user->addBattleStat(permille, COUNTER_DAMAGE_DEALT);
    } else if (standing) {
        target->addMvpPoints(permille / 30 + 6, MVP_ENDURANCE);
    }
    target->addBattleStat(permille, COUNTER_DAMAGE_TAKEN);

    int cheer = critical ? 2 * percent : percent;
    // Hitting one's own side disappoints the crowd.
    if (attacker == defender) cheer = -(cheer / 2);
    field->addSupport(attacker, cheer);
}

std::string GameBattleEngine::tickCreatureBuffs(int side) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    if (team) {
        tickBuffList([team] { return team->getBuffCount(); }, [team](int i) { return team->getBuffAt(i); },
                     [team](int i) { team->removeBuffAt(i); });
    }
    // Expired buffs say nothing, so there is no end text to format.
    return std::string();
}

std::string GameBattleEngine::tickFieldBuffs() {
    if (field) {
        GameField* f = field;
        tickBuffList([f] { return f->getGlobalBuffCount(); }, [f](int i) { return f->getGlobalBuff(i); },
                     [f](int i) { f->eraseGlobalBuff(i); });
    }
    return std::string();
}
