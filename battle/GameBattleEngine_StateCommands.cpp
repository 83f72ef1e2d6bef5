// The battle-state effect commands: buffs, statuses, stats, types, damage, switches and the quick move.
#include <algorithm>
#include <cstdint>

#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/QX_Variable.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/TableType.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"

// Every handler below re-reads the engine's variable table (the member, never a cached pointer) after it
// fires an event: a QuickMove run by a trigger replaces the table, and the old one is gone by then.

namespace {

// Counters of Zelkin::addBattleStat credited to whoever lands a buff.
constexpr int COUNTER_POSITIVE_BUFFS = 5;
constexpr int COUNTER_NEGATIVE_BUFFS = 6;
// MVP category of support play.
constexpr int MVP_SUPPORT = 2;

// Move target kinds that immunity does not stop.
constexpr int TARGET_TEAM = 5;
constexpr int TARGET_SELF = 6;

// Safety net for ForceChange's redraw loop: with a working random source a standing member turns up within
// a handful of draws; this only keeps a broken or scripted source from spinning forever.
constexpr int MAX_SWITCH_DRAWS = 1000;

Zelkin* activeOf(ZelkinTeam* team) { return team ? team->getActive() : nullptr; }

// Reward for landing a buff: 30, or 'perTurn' per turn of a timed buff up to 'cap'.
int buffPoints(int duration, int perTurn, int cap) {
    if (duration <= 0) return 30;
    return static_cast<int>(std::min<int64_t>(static_cast<int64_t>(duration) * perTurn, cap));
}

void creditNature(Zelkin* creature, const ZelkinBuffData* definition) {
    if (!creature || !definition) return;
    if (definition->getNature() == ZelkinBuffData::NATURE_NEGATIVE)
        creature->addBattleStat(1, COUNTER_NEGATIVE_BUFFS);
    else if (definition->getNature() == ZelkinBuffData::NATURE_POSITIVE)
        creature->addBattleStat(1, COUNTER_POSITIVE_BUFFS);
}

float chartMultiplier(ZelkinType* attacking, ZelkinType* defending) {
    TableType chart;
    return chart.getMultiplier(attacking, defending);
}

// The new live buff of an adding command: its value operand, its duration, and the definition's own
// BEFORE_ADD triggers already run on it. The caller owns it until a list takes it.
ZelkinBuff* newCommandBuff(GameBattleEngine& engine, ZelkinBuffData* definition,
                           const CommandContext& context, int duration) {
    bool failed = false;
    const float value =
        QX_Variable::readNumber(context.command->valueOperand, engine, context.source, failed);
    ZelkinBuff* buff = new ZelkinBuff(definition, saturatingInt(value));
    buff->setDuration(duration);
    engine.fireBeforeAdd(buff, context.subject);
    return buff;
}

// Shows a buff just added, outside simulation.
void showAddedBuff(GameBattleEngine& engine, int kind, int side, BattleFigure* figure,
                   ZelkinBuffData* definition) {
    if (engine.isSimulation()) return;
    BattleAnimation* animation = newBattleAnimation(kind, side, figure);
    if (!animation) return;
    animation->setBuffData(definition);
    engine.addAnimation(animation);
}

} // namespace

// ---- Buffs, statuses and field-wide buffs ----

CommandOutcome GameBattleEngine::cmdAddBuff(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    GameParser* parser = field ? field->getGameParser() : nullptr;
    ZelkinBuffData* definition = parser ? parser->findBuff(command.nameText) : nullptr;
    if (!definition || !context.subjectTeam) return CommandOutcome::Failed;

    const int duration = command.qualifierNumber;
    ZelkinBuff* buff = newCommandBuff(*this, definition, context, duration);
    variables->setNewBuff(buff);
    fireFor(EVENT_CHECK_BEFORE_ADD_BUFF, context.subject);
    variables->setNewBuff(nullptr);

    if (variables->getSlot(SVAR_RESULT) == 0.0f || !buff->isAlive() || !context.subjectTeam->addBuff(buff)) {
        delete buff;
        return CommandOutcome::Failed;
    }

    showAddedBuff(*this, 0, context.subject, field->getSideFigure(context.subject), definition);
    int points = buffPoints(duration, 5, 30);
    if (definition->isTeamBuff()) points *= 2;
    Zelkin* author = activeOf(context.sourceTeam);
    if (author) author->addMvpPoints(points, MVP_SUPPORT);
    if (definition->getNature() > 0) field->setTimer(context.subject + 4, 55);
    creditNature(author, definition);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdAddStatut(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    GameParser* parser = field ? field->getGameParser() : nullptr;
    ZelkinBuffData* definition = parser ? parser->findBuff(command.nameText) : nullptr;
    if (!definition || !context.subjectTeam) return CommandOutcome::Failed;

    const int duration = command.qualifierNumber;
    ZelkinBuff* buff = newCommandBuff(*this, definition, context, duration);
    variables->setNewBuff(buff);
    fireFor(EVENT_CHECK_BEFORE_ADD_STATUT, context.subject);
    variables->setNewBuff(nullptr);

    Zelkin* receiver = activeOf(context.subjectTeam);
    if (variables->getSlot(SVAR_RESULT) == 0.0f || !buff->isAlive() || !receiver ||
        !receiver->setStatusIfFree(buff)) {
        // A refused status leaves "result" as a fresh check would find it.
        variables->setSlot(SVAR_RESULT, 1.0f);
        delete buff;
        return CommandOutcome::Failed;
    }

    showAddedBuff(*this, 0, context.subject, field->getSideFigure(context.subject), definition);
    Zelkin* author = activeOf(context.sourceTeam);
    if (author) author->addMvpPoints(buffPoints(duration, 5, 30), MVP_SUPPORT);
    field->setTimer(context.subject, 45);
    creditNature(author, definition);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdAddGlobal(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    GameParser* parser = field ? field->getGameParser() : nullptr;
    ZelkinBuffData* definition = parser ? parser->findBuff(command.nameText) : nullptr;
    if (!definition) return CommandOutcome::Failed;

    const int duration = command.qualifierNumber;
    ZelkinBuff* buff = newCommandBuff(*this, definition, context, duration);

    if (variables->getSlot(SVAR_RESULT) == 0.0f || !buff->isAlive() || !field->addGlobalBuff(buff)) {
        delete buff;
        return CommandOutcome::Failed;
    }

    showAddedBuff(*this, 6, 0, nullptr, definition);
    Zelkin* author = activeOf(context.sourceTeam);
    if (author) author->addMvpPoints(buffPoints(duration, 10, 50), MVP_SUPPORT);
    field->setTimer(6, 45);
    creditNature(author, definition);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdRemoveBuff(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (!context.subjectTeam) return CommandOutcome::Failed;
    bool removed = false;
    if (!command.nameText.empty())
        removed = context.subjectTeam->removeBuffByName(command.nameText);
    else if (!command.qualifier.empty())
        removed = context.subjectTeam->removeBuffsWithTag(command.qualifier);
    return removed ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdRemoveGlobal(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (!field) return CommandOutcome::Failed;
    bool removed = false;
    if (!command.nameText.empty())
        removed = field->removeGlobalBuff(command.nameText);
    else if (!command.qualifier.empty())
        removed = field->removeGlobalBuffsWithTag(command.qualifier);
    return removed ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdRemoveStatut(const CommandContext& context) {
    Zelkin* creature = activeOf(context.subjectTeam);
    if (!creature || !creature->clearStatus()) return CommandOutcome::Failed;
    field->setTimer(context.subject, 55);
    return CommandOutcome::Succeeded;
}

// ---- Stats, types, ability and move lock ----

CommandOutcome GameBattleEngine::cmdModifyStat(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    Zelkin* creature = activeOf(context.subjectTeam);
    if (!creature || creature->getHp() == 0) return CommandOutcome::Failed;

    bool failed = false;
    const float value = QX_Variable::readNumber(command.valueOperand, *this, context.source, failed);
    variables->setSlot(SVAR_RESULT, value);
    variables->setAffectedStat(command.nameText);
    // Stat changes answer to the same check as direct damage: whatever cancels one cancels the other.
    fireFor(EVENT_CHECK_BEFORE_DMG, context.subject);
    const float result = variables->getSlot(SVAR_RESULT);
    if (result == 0.0f) return CommandOutcome::Failed;
    // The word is only read once the check has let the change through: the check (and its scripts) runs
    // even for a word that names no stage.
    const int stage = command.statStage;
    if (stage < 0) return CommandOutcome::Failed;

    if (context.subjectTeam->modifyStage(stage, saturatingInt(result)) == 0) return CommandOutcome::Failed;
    field->setTimer(context.subject + 4, 55);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdAddType(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    GameParser* parser = field ? field->getGameParser() : nullptr;
    if (!context.subjectTeam || !parser) return CommandOutcome::Failed;
    QX_Variable value = makeOperand(command.valueOperand, context.source);
    value.evaluateList();
    if (value.hasFailed()) return CommandOutcome::Failed;
    bool any = false;
    for (const std::string& name : value.getItems()) {
        ZelkinType* type = parser->findType(name);
        if (!type) continue;
        context.subjectTeam->addType(type);
        any = true;
    }
    return any ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdRemoveType(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (!context.subjectTeam) return CommandOutcome::Failed;
    QX_Variable value = makeOperand(command.valueOperand, context.source);
    value.evaluateList();
    if (value.hasFailed()) return CommandOutcome::Failed;
    bool any = false;
    for (const std::string& name : value.getItems()) {
        if (context.subjectTeam->removeTypeByName(name)) any = true;
    }
    return any ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdChangeType(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (!context.subjectTeam) return CommandOutcome::Failed;
    context.subjectTeam->clearTypes();
    // An empty value is a way to strip every type.
    if (command.valueText.empty()) return CommandOutcome::Succeeded;
    return cmdAddType(context);
}

CommandOutcome GameBattleEngine::cmdChangeAbility(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (!context.subjectTeam) return CommandOutcome::Failed;
    ZelkinBuff* replacement = nullptr;
    if (!command.valueText.empty()) {
        QX_Variable value = makeOperand(command.valueOperand, context.source);
        value.evaluateList();
        if (value.hasFailed()) return CommandOutcome::Failed;
        const TextItems names = value.getItems();
        GameParser* parser = field->getGameParser();
        ZelkinBuffData* definition =
            (parser && !names.empty()) ? parser->findAbility(*names.begin()) : nullptr;
        if (!definition) return CommandOutcome::Failed;
        replacement = new ZelkinBuff(definition, 0);
    }
    // The ability being replaced may be the one whose trigger runs this very command: setAbilityBuff hands
    // it to the discarded list, so the running trigger can still read its holder.
    context.subjectTeam->setAbilityBuff(replacement);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdLockMove(const CommandContext& context) {
    ZelkinMove* move = variables->getMove();
    if (!move || !context.subjectTeam || context.subjectTeam->getTimedEffectValue())
        return CommandOutcome::Failed;
    int turns = 1;
    bool failed = false;
    const float value = QX_Variable::readNumber(context.command->valueOperand, *this, context.source, failed);
    if (!failed && value > 0.0f) turns = std::max(1, saturatingInt(value));
    context.subjectTeam->setTimedEffect(move, turns);
    return CommandOutcome::Succeeded;
}

// ---- Damage, healing and the type checks ----

namespace {
enum class HpChange { Damage, Heal };
} // namespace

static CommandOutcome changeHp(GameBattleEngine& engine, const CommandContext& context, HpChange kind) {
    Zelkin* creature = activeOf(context.subjectTeam);
    if (!creature) return CommandOutcome::Failed;
    bool failed = false;
    const float value =
        QX_Variable::readNumber(context.command->valueOperand, engine, context.source, failed);
    if (failed || value <= 0.0f) return CommandOutcome::Failed;

    engine.getVariables()->setSlot(SVAR_RESULT, value);
    engine.fireFor(kind == HpChange::Damage ? EVENT_CHECK_BEFORE_DMG : EVENT_CHECK_BEFORE_HEAL,
                   context.subject);
    // A check that leaves nothing (or a negative amount) to deal changes nothing: a negative damage must
    // not heal, nor a negative heal wound.
    const int wanted = saturatingInt(engine.getVariables()->getSlot(SVAR_RESULT));
    creature = activeOf(context.subjectTeam);
    if (wanted < 1 || !creature) return CommandOutcome::Failed;

    const int amount = kind == HpChange::Damage ? creature->damage(wanted) : creature->heal(wanted);
    if (amount < 1) return CommandOutcome::Failed;
    engine.getVariables()->setSlot(SVAR_RETURN_VALUE, static_cast<float>(amount));
    GameField* field = engine.getField();
    field->setTimer(context.subject, 45);
    if (kind == HpChange::Damage && !engine.isSimulation()) {
        BattleFigure* figure = field->getSideFigure(context.subject);
        if (figure) figure->playAnimation(creature->getHp() == 0 ? 7 : 5);
    }
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdDamage(const CommandContext& context) {
    return changeHp(*this, context, HpChange::Damage);
}

CommandOutcome GameBattleEngine::cmdHeal(const CommandContext& context) {
    return changeHp(*this, context, HpChange::Heal);
}

namespace {
enum class TypeCheck { Effectiveness, Immunity };
} // namespace

static CommandOutcome checkTypes(GameBattleEngine& engine, const CommandContext& context, TypeCheck kind) {
    GameField* field = engine.getField();
    GameParser* parser = field ? field->getGameParser() : nullptr;
    QX_Variable value = engine.makeOperand(context.command->valueOperand, context.source);
    value.evaluateList();
    const std::vector<std::string> names = value.getList();

    bool found = false;
    float computed = kind == TypeCheck::Effectiveness ? 1.0f : 0.0f;
    if (!value.hasFailed() && parser) {
        for (const std::string& name : names) {
            ZelkinType* attacking = parser->findType(name);
            if (!attacking) continue;
            for (int i = 0; context.subjectTeam && context.subjectTeam->getTypeAt(i); ++i) {
                const float m = chartMultiplier(attacking, context.subjectTeam->getTypeAt(i));
                if (kind == TypeCheck::Effectiveness) {
                    // An immunity is the other check's business; it does not zero the multiplier here.
                    if (m > 0.0f) computed *= m;
                } else if (m <= 0.0f) {
                    computed = 1.0f;
                }
            }
            found = true;
        }
    }
    VariableTable* variables = engine.getVariables();
    variables->setSlot(SVAR_RETURN_VALUE, computed);
    if (found) {
        variables->setOffensiveTypes(names);
        engine.defendingTypesIntoVariables(context.subject);
    }

    // The check event sees the computed value in "return_value" and decides the final one in "result".
    const char* const base = kind == TypeCheck::Effectiveness ? "effectiveness" : "immunity";
    variables->setSlot(SVAR_RESULT, variables->getVariable(base));
    engine.fireFor(kind == TypeCheck::Effectiveness ? EVENT_CHECK_EFFECTIVENESS : EVENT_CHECK_IMMUNITY,
                   context.subject);
    variables = engine.getVariables();
    variables->setSlot(SVAR_RETURN_VALUE, variables->getSlot(SVAR_RESULT));
    return found ? CommandOutcome::Succeeded : CommandOutcome::Failed;
}

CommandOutcome GameBattleEngine::cmdEffectivenessCheck(const CommandContext& context) {
    return checkTypes(*this, context, TypeCheck::Effectiveness);
}

CommandOutcome GameBattleEngine::cmdImmunityCheck(const CommandContext& context) {
    return checkTypes(*this, context, TypeCheck::Immunity);
}

// ---- Switching ----

namespace {
enum class SwitchKind { Prepared, Forced };

// A member that may come in: standing and not the active one.
bool fitsAsReplacement(ZelkinTeam* team, int i) {
    Zelkin* member = team->getMemberAt(i);
    return member && member->getHp() > 0 && member != team->getActive();
}

bool hasReplacement(ZelkinTeam* team) {
    for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i) {
        if (fitsAsReplacement(team, i)) return true;
    }
    return false;
}

// A standing member other than the active one, drawn the way the game always has (random(6) until one
// fits); -1 when there is none.
int drawReplacement(ZelkinTeam* team) {
    auto fits = [team](int i) { return fitsAsReplacement(team, i); };
    if (!hasReplacement(team)) return -1;
    PseudoRNG rng;
    for (int draw = 0; draw < MAX_SWITCH_DRAWS; ++draw) {
        int r = rng.random(ZelkinTeam::MAX_MEMBERS);
        if (fits(r)) return r;
    }
    for (int i = 0; i < ZelkinTeam::MAX_MEMBERS; ++i) {
        if (fits(i)) return i;
    }
    return -1;
}
} // namespace

static CommandOutcome changeCreature(GameBattleEngine& engine, const CommandContext& context,
                                     SwitchKind kind) {
    ZelkinTeam* team = context.subjectTeam;
    GameField* field = engine.getField();
    if (!team || team->countAlive() < 2 || !team->canActiveAct()) return CommandOutcome::Failed;
    const int side = context.subject;
    if (kind == SwitchKind::Forced && !hasReplacement(team)) return CommandOutcome::Failed;

    field->setTimer(side + 2, 50);
    team->setLockedMoveIndex(-1);
    team->setActionBlocked(1);
    team->clearSwitchState();
    if (kind == SwitchKind::Prepared) field->setRequest(side, 2);
    if (!engine.isSimulation()) {
        BattleFigure* figure = field->getSideFigure(side);
        if (figure) figure->setShown(false);
        BattleAnimation* animation = newBattleAnimation(3, side, figure);
        if (animation) {
            animation->setCreature(team->getActive());
            engine.addAnimation(animation);
        }
    }
    if (kind == SwitchKind::Forced) {
        // Drawn only now, after the withdrawal has been shown, so the draws keep their place in the
        // sequence of random numbers.
        const int replacement = drawReplacement(team);
        // Pushed in reverse so that the send-out runs first and its after-switch right behind it.
        field->pushFrontAction(new ActionSocket(ActionSocket::AFTER_SWITCH, side, replacement));
        field->pushFrontAction(new ActionSocket(ActionSocket::SEND_OUT, side, replacement));
    }
    field->dropOrdersOfSide(side);
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdForceChange(const CommandContext& context) {
    return changeCreature(*this, context, SwitchKind::Forced);
}

CommandOutcome GameBattleEngine::cmdPrepareChange(const CommandContext& context) {
    return changeCreature(*this, context, SwitchKind::Prepared);
}

// ---- Deferred events, the running buff and the move in use ----

CommandOutcome GameBattleEngine::cmdAddEvent(const CommandContext& context) {
    // The nested commands run later, as their own action; nothing of them runs now.
    QXML_Command* carrier = context.command->getSubCommandAt(0);
    if (carrier && field) field->insertAction(new ActionSocket(context.source, carrier));
    return CommandOutcome::Finished;
}

CommandOutcome GameBattleEngine::cmdDie(const CommandContext&) {
    // The running trigger is the top of the handler stack; the copy in the variable table may be left over
    // from a trigger that an earlier command of this one fired.
    const TriggerHandler* running = runningHandler();
    ZelkinBuff* holder = running ? running->getHolder() : nullptr;
    if (!holder) return CommandOutcome::Failed;
    holder->kill();
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdDropActualMove(const CommandContext&) {
    resetInformations();
    if (field) field->cancelMoveActions();
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdSelfAnim(const CommandContext& context) {
    if (simulation || handlerStack.empty()) return CommandOutcome::Succeeded;
    const TriggerHandler& running = *runningHandler();
    ZelkinBuff* holder = running.getHolder();
    BattleAnimation* animation = nullptr;
    switch (running.getOrigin()) {
    case ORIGIN_GLOBAL_BUFF:
        animation = newBattleAnimation(0, 0, nullptr);
        break;
    case ORIGIN_ABILITY:
    case ORIGIN_BUFF:
    case ORIGIN_STATUS:
        animation = newBattleAnimation(0, running.getSide(), field->getSideFigure(context.subject));
        break;
    default:
        break;
    }
    if (animation) {
        if (holder) animation->setBuffData(holder->getDefinition());
        addAnimation(animation);
    }
    return CommandOutcome::Succeeded;
}

CommandOutcome GameBattleEngine::cmdQuickMove(const CommandContext& context) {
    const QXML_Command& command = *context.command;
    if (variables->getMove() || command.nameText.empty() || !field) return CommandOutcome::Failed;
    QX_Variable name = makeOperand(command.nameOperand, context.source);
    name.evaluateList();
    if (name.hasFailed()) return CommandOutcome::Failed;
    const TextItems names = name.getItems();
    GameParser* parser = field->getGameParser();
    ZelkinMove* move = (parser && !names.empty()) ? parser->findMove(*names.begin()) : nullptr;
    if (!move) return CommandOutcome::Failed;

    const int source = context.source;
    const int subject = context.subject;
    ZelkinTeam* sourceTeam = context.sourceTeam;
    ZelkinTeam* subjectTeam = context.subjectTeam;

    // The move gets a table of its own; the action's variables are lost, but the script that runs this
    // command keeps its running and calling handlers.
    VariableTable* fresh = new VariableTable();
    fresh->setRunningHandler(variables->getRunningHandler());
    fresh->setCallingHandler(variables->getCallingHandler());
    field->newMoveRecord();
    replaceVariables(fresh);
    variables->setSlot(SVAR_CAMP_SOURCE, static_cast<float>(source));
    variables->setSlot(SVAR_CAMP_TARGET, static_cast<float>(subject));
    variables->setSourceTeam(sourceTeam);
    variables->setTargetTeam(subjectTeam);
    variables->setSourceCreature(activeOf(sourceTeam));
    variables->setTargetCreature(activeOf(subjectTeam));
    variables->setMove(move);
    variables->setSlot(SVAR_POWER_MOVE, static_cast<float>(move->getPower()));
    variables->setMoveCategory(move->getCategory());
    variables->setSlot(SVAR_PRECISION, static_cast<float>(move->getPrecision()));
    variables->setSlot(SVAR_NUMBER_HITS, static_cast<float>(move->getHits()));
    variables->setSlot(SVAR_MOVE_SPOT, 4.0f);
    if (move->getType() && subjectTeam) {
        for (int i = 0; subjectTeam->getTypeAt(i); ++i) {
            const float m = chartMultiplier(move->getType(), subjectTeam->getTypeAt(i));
            if (m > 0.0f)
                variables->setSlot(SVAR_EFFECTIVENESS, variables->getSlot(SVAR_EFFECTIVENESS) * m);
            else
                variables->setSlot(SVAR_IMMUNITY, 1.0f);
        }
    }

    gatherDamageStats();
    fireTrigger(EVENT_MOVE_DECLARE, source, subject);

    PseudoRNG rng;
    if (move->getPrecision() >= 1) {
        const int roll = rng.random(100);
        if (static_cast<float>(roll) >= variables->getSlot(SVAR_PRECISION))
            variables->setSlot(SVAR_MOVE_HIT, 0.0f);
    }
    if (!simulation) {
        BattleFigure* userFigure = field->getSideFigure(opponentSide(subject));
        BattleFigure* targetFigure = field->getSideFigure(subject);
        if (userFigure) userFigure->setLayer(20);
        if (targetFigure) targetFigure->setLayer(19);
    }

    const bool hit = variables->getSlot(SVAR_MOVE_HIT) != 0.0f;
    const bool success = variables->getSlot(SVAR_MOVE_SUCCESS) != 0.0f;
    const float immunity = variables->getSlot(SVAR_IMMUNITY);
    const bool immune =
        immunity == 1.0f && move->getTargetKind() != TARGET_TEAM && move->getTargetKind() != TARGET_SELF;

    if (!hit || !success || immune) {
        if (!simulation && !hit && immunity < 1.0f && subjectTeam && subjectTeam->canActiveAct()) {
            BattleFigure* figure = field->getSideFigure(subject);
            if (figure) figure->playAnimation(11);
        }
        std::string text = immunity == 1.0f ? DefaultStrings::INBATTLE_IMMUNITY
                           : !hit           ? DefaultStrings::INBATTLE_DODGED_MOVE
                                            : DefaultStrings::INBATTLE_NO_EFFECT;
        Zelkin* user = activeOf(sourceTeam);
        Zelkin* target = activeOf(subjectTeam);
        field->replaceFirst(text, "[SOURCE]", creatureName(user));
        field->replaceFirst(text, "[TARGET]", creatureName(target));
        if (!text.empty()) appendLog(text + "\n");
        fireTrigger(EVENT_MOVE_MISS, source, subject);
    } else if (move->getCategory() < 1) {
        runMoveEffects(source, subject, move);
    } else {
        int hits = move->getHits();
        if (hits == 5) {
            // Two to five hits, never four.
            const int r = rng.random(6);
            hits = r < 2 ? 2 : (r < 4 ? 3 : 5);
            // The hit texts and the commentary wait for the last hit, so they must know the real count.
            variables->setSlot(SVAR_NUMBER_HITS, static_cast<float>(hits));
        }
        for (int i = 0; i < hits; ++i) {
            Zelkin* target = activeOf(subjectTeam);
            if (!target || target->getHp() < 1) break;
            computeDamage();
            fireTrigger(EVENT_DMG_CALC, source, subject);
            applyDamage();
            if (variables->getSlot(SVAR_TOTAL_DAMAGE) > 0.0f) {
                fireTrigger(EVENT_AFTER_HIT, source, subject);
                runMoveEffects(source, subject, move);
            }
            if (!simulation) {
                BattleFigure* figure = field->getSideFigure(subject);
                BattleAnimation* animation = newBattleAnimation(1, subject, figure);
                if (animation) {
                    animation->setSources(move, activeOf(subjectTeam), variables);
                    addAnimation(animation);
                }
                field->setTimer(subject, 50);
            }
        }
        Zelkin* user = activeOf(sourceTeam);
        if (user && user->getHp() == 0) {
            field->pushFrontAction(new ActionSocket(ActionSocket::KNOCK_OUT, source, 1));
            if (!simulation) {
                BattleFigure* figure = field->getSideFigure(source);
                if (figure) figure->playAnimation(8);
            }
        }
    }

    resetInformations();
    Zelkin* target = activeOf(subjectTeam);
    if (target && target->getHp() == 0)
        field->insertAction(new ActionSocket(ActionSocket::KNOCK_OUT, subject, 1));
    Zelkin* user = activeOf(sourceTeam);
    if (source != subject && user && user->getHp() == 0)
        field->insertAction(new ActionSocket(ActionSocket::KNOCK_OUT, source, 1));
    return CommandOutcome::Succeeded;
}
