// The rules of one battle: runs queued actions, fires triggers and interprets effect commands on a field.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "battle/QX_Variable.hpp"
#include "battle/TriggerHandler.hpp"
#include "rules/BattleEventSet.hpp"
#include "rules/TriggerHolders.hpp"

class GameField;
class WindowServices;
class Game_Options;
class VariableTable;
class ScriptOperand;
class QXML_Command;
class ScriptMessage;
class ZelkinBuff;
class ZelkinBuffData;
class ZelkinBuffTrigger;
class ZelkinMove;
class ZelkinTeam;
class GameOrder;
class BattleAnimation;
class BattleFigure;
class ActionSocket;
class Zelkin;

// Where each group of members is defined:
//   GameBattleEngine.cpp                  construction, copy, simulation flag, actors, computeStat,
//                                         creature variables, accessors
//   GameBattleEngine_Triggers.cpp         fireTrigger, fireTriggerFor, fireBeforeAdd, runMoveEffects,
//                                         restoreScriptHandlers
//   TriggerGate.hpp                       the inline tests before a dispatch (readyToDispatch,
//                                         mayDispatchAnyOf, fieldSourceWaitsFor) and fireFor
//   GameBattleEngine_Commands.cpp         runCommand, executeCommand, the opcode table, writeLog,
//                                         formatMessage, compareNumbers, the script-value commands
//   GameBattleEngine_Operands.cpp         makeOperand, creature variables by slot
//   GameBattleEngine_StateCommands.cpp    the battle-state command handlers (cmdAddBuff ... cmdSelfAnim)
//   GameBattleEngine_Damage.cpp           prepareMove, gatherDamageStats, computeDamage, applyDamage,
//                                         resetInformations, tickCreatureBuffs, tickFieldBuffs
//   GameBattleEngine_Step.cpp             step, collectOrders, startNewTurn, updateAnimations
//   GameBattleEngine_Actions.cpp          processAction (action types of the move and the turn)
//   GameBattleEngine_Switching.cpp        switching, knock-outs, end of turn
//   GameBattleEngine_Match.cpp            match start and the end of a battle
//   GameBattleEngine_LookAhead.cpp        submitOrder, evaluate, creatureValue, matchupTerm
//   GameBattleEngine_Permissions.cpp      checkOrders
// Helpers used by one file only are file-static functions working through the public accessors below.

// What one effect command sees once its chance roll has passed.
struct CommandContext {
    int source = 0;
    int target = 0;
    // The target side when the command's selector is "target", else the source side.
    int subject = 0;
    QXML_Command* command = nullptr;
    // GameField::getTeamChecked of the source and subject sides; may be null.
    ZelkinTeam* sourceTeam = nullptr;
    ZelkinTeam* subjectTeam = nullptr;
};

// How a command body ends: Failed stops the command (no sub-command, no message); Succeeded goes on to the
// message or the sub-commands; Finished succeeds but skips them (AddEvent keeps its sub-commands for later).
enum class CommandOutcome { Failed, Succeeded, Finished };

// The action that processAction is running, with the knock-out causes its branch leaves for the closing:
// 2 unless a branch lowers them, 1 for the acting side after its own move, 0 for the opponent after a hit.
struct ActionFrame {
    ActionSocket* action = nullptr;
    // The order action popped last (may be null).
    ActionSocket* order = nullptr;
    int source = 0;
    int opponent = 1;
    int causeSource = 2;
    int causeOpponent = 2;
};

class GameBattleEngine final {
public:
    // Takes ownership of the field; the window and the options are borrowed.
    GameBattleEngine(GameField* field, WindowServices* window, Game_Options* options);
    GameBattleEngine(const GameBattleEngine&) = delete;
    GameBattleEngine& operator=(const GameBattleEngine&) = delete;

    // 1. Deletes the variable tables, the field and the animations in progress.
    virtual ~GameBattleEngine();
    // 2. Runs the field's current action.
    virtual void processAction();
    // 3. A fresh variable table for the move of the current action, and the move chosen.
    virtual void prepareMove();
    // 4. Attack, defence, precision, critical chance and type lists; fires the two type checks.
    virtual void gatherDamageStats();
    // 5. The damage of one hit into "damage".
    virtual void computeDamage();
    // 6. Deals "damage" to the target with its texts, commentary, counters and crowd support.
    virtual void applyDamage() { dealDamage(false); }
    // 7. Resets the per-move entries of the variable table.
    virtual void resetInformations();
    // 8. Collects the triggers of the event, orders them and runs them.
    virtual void fireTrigger(int event, int sourceSide, int targetSide);
    // 9. fireTrigger(event, side, opponentSide(side)).
    virtual void fireTriggerFor(int event, int side);
    // The same as the engine's own code fires events: inline, with its tests (battle/TriggerGate.hpp). Most
    // events fired find nothing to run, and are told so without a call.
    inline void fireFor(int event, int side);
    // 10. The BEFORE_ADD triggers of a buff about to be added, in definition order.
    virtual void fireBeforeAdd(ZelkinBuff* buff, int side);
    // 11. "type", "tag", "name", "crea_truename", "ability", "buff_list"/"list_buffs" of the side's creature.
    virtual std::vector<std::string> getCreatureTextVariable(int side, const std::string& key);
    // The side's current types (its "type" list) as the variables' defending list.
    void defendingTypesIntoVariables(int side);
    // 12. "hp", "max_hp", "percent_hp", "level", "move_turn", "n_creature", "last_move_spot" and the stats.
    virtual float getCreatureVariable(int side, const std::string& key);
    // 13. Only "hp" is writable.
    virtual void setCreatureVariable(int side, const std::string& key, float value);
    // 14. One tick of the battle.
    virtual void step();
    // 15. "equal"/"eq", "sup", "supequal", "inf", "infequal" on the two operands' numbers.
    virtual bool compareNumbers(const QX_Variable& a, const QX_Variable& b, const std::string& comparator);
    // 16. Counts down the field's global buffs; the end texts of the expired ones.
    virtual std::string tickFieldBuffs();
    // 17. Counts down a side's buffs; the end texts of the expired ones.
    virtual std::string tickCreatureBuffs(int side);
    // 18. Formats the message for the side and appends it with a line end to the message log.
    virtual void writeLog(const std::string& message, int side);
    // 19. Replaces the placeholders "[SOURCE]", "[TARGET]", "[TRAINER]" ... for the side.
    virtual std::string formatMessage(const std::string& message, int side);
    // formatMessage written straight onto the end of out.
    void appendFormatted(std::string& out, const std::string& message, int side);
    // writeLog of a script command's message, whose bracketed words were found when it was read.
    void writeMessage(const ScriptMessage& message, int side);
    // 20. Entry for the root of a command tree: sets the keep-executing flag and the script's handlers.
    virtual void runCommand(int sourceSide, int targetSide, QXML_Command* command);
    // 21. Interprets one command and, recursively, its sub-commands.
    virtual void executeCommand(int sourceSide, int targetSide, QXML_Command* command);
    // 22 to 24.
    virtual GameField* getField();
    virtual WindowServices* getWindow();
    virtual Game_Options* getOptions();
    // 25. Turns the stored orders into queued actions when every side asked has answered.
    virtual void collectOrders();
    // 26. Closes a turn and asks for the next orders or for replacements.
    virtual void startNewTurn();
    // 27. Advances the running animations one frame.
    virtual void updateAnimations();
    // 28. Hands a side's order straight to the engine; the order stays the caller's.
    virtual void submitOrder(int side, GameOrder* order);
    // 29. The score of the position for the side; higher is better.
    virtual float evaluate(int side, int weight);
    // 30.
    virtual void setSimulation(bool on);
    // 31. The acting side, its opponent, their creatures and teams into the variable table.
    virtual void setActors(int side);
    // 32. The effective stat (0 att, 1 def, 2 spe att, 3 spe def, 4 speed, 5 crit, 6 eva, 7 pre).
    virtual float computeStat(int side, int statIndex);
    // 33. 1 for side 0, else 0.
    static int opponentSide(int side) { return side == 0 ? 1 : 0; }
    // 34. Marks the side's allowed choices at the start of a turn.
    virtual void checkOrders(int side);
    // 35. A simulation copy on a copy of the field; the caller owns it.
    virtual GameBattleEngine* clone();
    // 36. The worth of a side.
    virtual float creatureValue(int side, int weight);
    // 37. The threat the opposing active creature poses to the side's active creature.
    virtual float matchupTerm(int side);

    // ---- Non-virtual helpers shared by the engine's files ----
    VariableTable* getVariables() const { return variables; }
    // Takes ownership of the new table (never null); the current one is deleted, or kept until the
    // animations started under it have made their first step.
    void replaceVariables(VariableTable* fresh);
    // The same with a table holding a new action's defaults.
    void renewVariables();
    bool isSimulation() const { return simulation; }
    bool getKeepExecuting() const { return keepExecuting; }
    void setKeepExecuting(bool on) { keepExecuting = on; }
    // Takes ownership; a null animation (no screen installed) is ignored.
    void addAnimation(BattleAnimation* animation);
    std::list<BattleAnimation*>& getAnimations() { return animations; }
    const std::vector<size_t>& getHandlerStack() const { return handlerStack; }
    // Runs what follows under the handler, kept on the end of dispatchBuffer, until popHandler.
    void pushHandler(const TriggerHandler& handler) {
        handlerStack.push_back(dispatchBuffer.size());
        dispatchBuffer.push_back(handler);
    }
    void popHandler() {
        if (handlerStack.empty()) return;
        if (handlerStack.back() + 1 == dispatchBuffer.size()) dispatchBuffer.pop_back();
        handlerStack.pop_back();
    }
    // The handler of the innermost trigger running, or null.
    const TriggerHandler* runningHandler() const {
        return handlerStack.empty() ? nullptr : &dispatchBuffer[handlerStack.back()];
    }
    // The message log of the current action. A look-ahead copy composes no text: its log stays empty, and
    // only hasLog tells whether the action said anything.
    const std::string& getLogText() const { return logText; }
    bool hasLog() const { return logged; }
    void appendLog(const std::string& text);
    // Appends a line of the string table with each placeholder replaced once (the first, then the second),
    // and a line end.
    void logLine(const std::string& line, std::string_view placeholder = {}, std::string_view text = {},
                 std::string_view placeholder2 = {}, std::string_view text2 = {});
    void clearLog();
    // Runs a move's effect commands under a handler of origin 8 for the source side.
    void runMoveEffects(int sourceSide, int subjectSide, ZelkinMove* move);
    // After a nested trigger returns: the variable table's running and calling handlers become again
    // those of the trigger still running (the top of the handler stack and the one below it).
    void restoreScriptHandlers();
    // getCreatureVariable and getCreatureTextVariable by CreatureVariable slot
    // (GameBattleEngine_Operands.cpp); the list is replaced.
    float getCreatureSlot(int side, int slot);
    void creatureTextInto(int side, int slot, std::vector<std::string>& list);
    // The same list read in place: valid until the creature, its team or their buffs change.
    void creatureTextRefs(int side, int slot, std::vector<const std::string*>& refs);
    // A fresh operand of a command text, read for the source side with the current variable table.
    QX_Variable makeOperand(const std::string& reference, int sourceSide);
    // The same on an operand split when its command was read (it must outlive the result).
    QX_Variable makeOperand(const ScriptOperand& operand, int sourceSide) {
        return QX_Variable(operand, this, variables, sourceSide);
    }

    // ---- Turn-cycle helpers (GameBattleEngine_Actions.cpp) ----
    // The creature's and the team's names; the empty text for none.
    static const std::string& creatureName(Zelkin* creature);
    static const std::string& teamName(ZelkinTeam* team);
    // The side's active creature; null for a side other than 0 and 1 or a team without one.
    Zelkin* sideCreature(int side);
    // The active creature's HP; 0 without one.
    int sideHp(int side);
    // The side's speed for the order of moves: computeStat(side, speed) truncated.
    int moveSpeed(int side);
    // A hidden figure of the creature at (x, 258) facing the side, as the options want it; null off screen.
    BattleFigure* makeCreatureFigure(Zelkin* creature, int facing, int x);
    // Starts a battle animation on the figure (nothing in simulation or without a screen).
    BattleAnimation* startAnimation(int kind, int facing, BattleFigure* figure, Zelkin* creature);

private:
    // The part of step that takes the next order off the queue and queues the actions it starts: kept
    // apart from the frames that only show an action.
    void queueNextOrder();
    // applyDamage; shownAtClose: the action's closing shows the log, so the hit need not lay it out.
    void dealDamage(bool shownAtClose);

    using CommandHandler = CommandOutcome (GameBattleEngine::*)(const CommandContext&);
    // The one table from opcode to handler, indexed by opcode (GameBattleEngine_Commands.cpp).
    static const CommandHandler COMMAND_TABLE[];

    // Script-value commands (GameBattleEngine_Commands.cpp).
    CommandOutcome cmdNoBody(const CommandContext& context);
    CommandOutcome cmdSetVariable(const CommandContext& context);
    CommandOutcome cmdAdditionVariable(const CommandContext& context);
    CommandOutcome cmdSubstractVariable(const CommandContext& context);
    CommandOutcome cmdMultiplyVariable(const CommandContext& context);
    CommandOutcome cmdDivideVariable(const CommandContext& context);
    CommandOutcome cmdModuloVariable(const CommandContext& context);
    CommandOutcome cmdNumberCompare(const CommandContext& context);
    CommandOutcome cmdStringCompare(const CommandContext& context);
    CommandOutcome cmdEndEffect(const CommandContext& context);
    CommandOutcome cmdCancel(const CommandContext& context);
    // Shared by the variable commands (set, the four operations, modulo): a = a op b, rounded by the word.
    CommandOutcome arithmetic(const CommandContext& context, int opcode);

    // Battle-state commands (GameBattleEngine_StateCommands.cpp).
    CommandOutcome cmdAddBuff(const CommandContext& context);
    CommandOutcome cmdRemoveBuff(const CommandContext& context);
    CommandOutcome cmdAddStatut(const CommandContext& context);
    CommandOutcome cmdRemoveStatut(const CommandContext& context);
    CommandOutcome cmdModifyStat(const CommandContext& context);
    CommandOutcome cmdDamage(const CommandContext& context);
    CommandOutcome cmdHeal(const CommandContext& context);
    CommandOutcome cmdAddEvent(const CommandContext& context);
    CommandOutcome cmdDie(const CommandContext& context);
    CommandOutcome cmdAddGlobal(const CommandContext& context);
    CommandOutcome cmdRemoveGlobal(const CommandContext& context);
    CommandOutcome cmdEffectivenessCheck(const CommandContext& context);
    CommandOutcome cmdImmunityCheck(const CommandContext& context);
    CommandOutcome cmdForceChange(const CommandContext& context);
    CommandOutcome cmdPrepareChange(const CommandContext& context);
    CommandOutcome cmdAddType(const CommandContext& context);
    CommandOutcome cmdRemoveType(const CommandContext& context);
    CommandOutcome cmdChangeType(const CommandContext& context);
    CommandOutcome cmdChangeAbility(const CommandContext& context);
    CommandOutcome cmdQuickMove(const CommandContext& context);
    CommandOutcome cmdDropActualMove(const CommandContext& context);
    CommandOutcome cmdLockMove(const CommandContext& context);
    CommandOutcome cmdSelfAnim(const CommandContext& context);

    // Branches of processAction; each returns false when it stops at once (no knock-out check, no message).
    // GameBattleEngine_Actions.cpp: the use of a move and deferred effects.
    bool actBeforeMove(ActionFrame& frame);
    bool actMoveDeclare(ActionFrame& frame);
    bool actDamageCalc(ActionFrame& frame);
    bool actMoveMiss(ActionFrame& frame);
    bool actMoveEffects(ActionFrame& frame);
    bool actDeferredEffect(ActionFrame& frame);
    // GameBattleEngine_Switching.cpp: knock-outs, switches and the end of a turn.
    bool actKnockOut(ActionFrame& frame);
    bool actWithdraw(ActionFrame& frame);
    bool actSendOut(ActionFrame& frame);
    bool actAfterSwitch(ActionFrame& frame);
    bool actEndTurn(ActionFrame& frame);
    bool actPrepNewTurn(ActionFrame& frame);
    // GameBattleEngine_Match.cpp: the start of a match and the end of a battle.
    bool actMatchStart(ActionFrame& frame);
    bool actDeclaredEnd(ActionFrame& frame);
    bool actResultTeamRemark(ActionFrame& frame);
    bool actResultRemark(ActionFrame& frame);
    bool actMvpPresentation(ActionFrame& frame);
    bool actMvpRemark(ActionFrame& frame);

    GameField* field = nullptr;
    WindowServices* window = nullptr;
    Game_Options* options = nullptr;
    std::list<BattleAnimation*> animations;
    // The triggers running, innermost last, as indexes into dispatchBuffer (which a nested dispatch may
    // move as it grows).
    std::vector<size_t> handlerStack;
    // The lists the two operands of a text comparison are read into, kept from one comparison to the next.
    std::vector<std::string> comparedLists[2];
    // The same for a creature's lists, read in place through pointers.
    std::vector<const std::string*> comparedRefs[2];
    // The handlers gathered by the dispatches in progress and those pushed, innermost last
    // (GameBattleEngine_Triggers.cpp).
    std::vector<TriggerHandler> dispatchBuffer;
    // Every event some buff of the battle (field-wide, a team's, an ability, an active creature's status)
    // has a trigger for that may run, and the thread's count of holder changes it was gathered at
    // (rules/TriggerHolders.hpp). The check of the count is inline; gathering again is out of line, as it
    // is rare.
    const BattleEventSet& eventsOfHolders() {
        const std::uint64_t& counter = triggerHoldersRevision();
        if (&counter != heldEventsCounter || counter != heldEventsRevision) gatherHeldEvents(counter);
        return heldEvents;
    }
    void gatherHeldEvents(const std::uint64_t& counter);
    // What the tests before a dispatch found, handed to the dispatch so that it asks nothing twice; none
    // when no trigger may run. The tests stop at the first source that answers: the ruleset and the arena
    // are always asked again, the holders when the move answered first. Only valid until something else
    // runs.
    struct DispatchSources {
        enum : unsigned {
            // The move has a trigger for the event.
            MOVE = 1u,
            // Some holder has a trigger for the event (whatever part its side plays).
            HOLDERS = 2u,
            // The holders were not asked.
            HOLDERS_UNASKED = 4u,
            // The ruleset or the arena answered.
            FIELD = 8u,
        };
        unsigned found = 0;
        bool has(unsigned source) const { return (found & source) != 0; }
        explicit operator bool() const { return found != 0; }
    };
    // The tests of fireTrigger, fireTriggerFor and computeStat before a dispatch: the nesting limit, then
    // whether some source may hold a trigger for the event (when none does, the dispatch would gather
    // nothing). Inline in the files that fire events (battle/TriggerGate.hpp).
    DispatchSources readyToDispatch(int event);
    // The same for an event fired by a side against the other (fireTriggerFor, computeStat): only the
    // holders' triggers that answer to the part each side then plays count.
    DispatchSources readyToDispatchFor(int event, int side);
    // False when firing any of the events, one after the other with nothing else run in between, would
    // run no trigger (the nesting limit, or no source waiting for any of them); the trigger numbering then
    // starts again as readyToDispatch leaves it. Inline in battle/TriggerGate.hpp.
    bool mayDispatchAnyOf(const BattleEventSet& events);
    // computeStat, called without the virtual call.
    float readStat(int side, int statIndex);
    // readStat as it comes out when its check runs nothing, without the check nor its "result": for a
    // stat of a hit whose stat checks no trigger waits for. statIndex is the engine's own, in range.
    float uncheckedStat(int side, int statIndex);
    // Whether the ruleset or the arena of the battle, when their effects are on, waits for the event.
    // Inline in battle/TriggerGate.hpp.
    bool fieldSourceWaitsFor(int event);
    // fireTrigger past its cheap tests, gathering from the sources they found.
    void dispatchTrigger(int event, int sourceSide, int targetSide, DispatchSources sources);
    // Runs the triggers of dispatchBuffer from the first one to the end, each under its own handler, then
    // takes them off the buffer; end is the buffer's size.
    void runGatheredHandlers(size_t first, size_t end, int sourceSide, int targetSide);
    BattleEventSet heldEvents;
    // The events of the listed triggers that answer when side 0 (then side 1) acts against the other: its
    // own holders' triggers as the source, the other side's as the target, the field-wide ones.
    BattleEventSet heldEventsAsSource[2];
    // The triggers of the battle's holders that can run, gathered with heldEvents and grouped by event: those
    // of an event of heldEvents are heldTriggers[heldTriggerBegin[event]] up to
    // heldTriggers[heldTriggerEnd[event]] (an empty range for one with none; the ranges of the other events
    // are left over from earlier gatherings and never read). Within an event they keep the order the dispatch
    // numbers them in: field-wide buffs, the abilities of sides 0 and 1, the team buffs of side 0 then side
    // 1, the statuses of the active creatures of sides 0 and 1, each holder's triggers in definition order.
    struct HeldTrigger {
        ZelkinBuff* buff;
        ZelkinBuffTrigger* trigger;
        int origin;
        // -1 for a field-wide buff.
        int side;
        const ZelkinBuffData* definition;
    };
    std::vector<HeldTrigger> heldTriggers;
    // The triggers in dispatch order while gatherHeldEvents groups them, kept for its next call.
    std::vector<HeldTrigger> gatheredTriggers;
    int heldTriggerBegin[BATTLE_EVENT_MAX + 1] = {};
    int heldTriggerEnd[BATTLE_EVENT_MAX + 1] = {};
    const std::uint64_t* heldEventsCounter = nullptr;
    std::uint64_t heldEventsRevision = 0;
    bool keepExecuting = false;
    bool simulation = false;
    VariableTable* variables = nullptr;
    // Replaced tables that animations not yet stepped may still read; freed by updateAnimations.
    std::vector<VariableTable*> retiredVariables;
    std::string logText;
    // Whether the current action said anything, text or not (see getLogText).
    bool logged = false;
};

// The stat index shared by computeStat, ModifyStat and the team's stages.
enum EngineStat : int {
    STAT_ATTACK = 0,
    STAT_DEFENCE = 1,
    STAT_SPECIAL_ATTACK = 2,
    STAT_SPECIAL_DEFENCE = 3,
    STAT_SPEED = 4,
    STAT_CRITICAL = 5,
    STAT_EVASION = 6,
    STAT_PRECISION = 7,
};
