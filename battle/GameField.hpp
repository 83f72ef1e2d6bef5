// The whole state of one battle: both teams, requests and orders, the action lists, messages, crowd and
// field-wide buffs. It holds no rules; the engine changes it only through these operations.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "battle/ActionQueue.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/GameMove.hpp"
#include "rules/PhraseSlots.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"

class GameParser;
class Game_Options;
class Commentator;
class CommentatorPhrase;
class WindowServices;
class ZelkinTeam;
class Zelkin;
class ZelkinBuff;
class BattleInformations;
class BattleFigure;
class BattleSupporter;
class GameOrder;

class GameField {
public:
    // The action list and the order queue.
    using ActionQueue = ::ActionQueue;
    static constexpr int SIDE_COUNT = 2;
    static constexpr int TIMER_COUNT = 7;
    static constexpr int EVENT_FLAG_COUNT = 5;

    // State codes of getState.
    static constexpr int STATE_WAITING = 0;
    static constexpr int STATE_RUNNING = 1;
    static constexpr int STATE_DECIDED = 2;
    static constexpr int STATE_CLOSED = 3;

    // Takes over the information record; the window is only used to build the crowd.
    GameField(GameParser* parser, BattleInformations* informations, WindowServices* window);
    // The look-ahead form: takes over the record and both teams and builds no crowd.
    GameField(GameParser* parser, BattleInformations* informations, ZelkinTeam* team0, ZelkinTeam* team1);
    virtual ~GameField();

    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;

    // A deep copy of the teams, the record and the global buffs; everything else starts afresh.
    virtual GameField* clone();
    // Off in a bot's look-ahead copy, where nobody sees the texts: no comment is composed (so the
    // commentator draws nothing), no message is laid out and no description lines are built. The message
    // timer and everything else behave as usual.
    void setComposesText(bool on) { composesText = on; }
    bool isComposingText() const { return composesText; }
    GameParser* getGameParser() const { return parser; }
    virtual Zelkin* getBestCreature();
    // Null for any side other than 0 and 1.
    ZelkinTeam* getTeamChecked(int side) const { return isValidSide(side) ? teams[side] : nullptr; }
    // Stores the order without deleting one already stored; the field then owns it.
    virtual void setOrder(int side, GameOrder* order);
    // Takes the figure over (null allowed) and deletes the side's previous one.
    virtual void setSideFigure(int side, BattleFigure* figure);
    virtual BattleFigure* getSideFigure(int side);
    // 0 for any index outside 0 .. 6.
    virtual int getTimer(int i);
    int getRequest(int side) const { return isValidSide(side) ? requests[side] : 0; }
    GameOrder* getOrder(int side) const { return isValidSide(side) ? orders[side] : nullptr; }
    // The side's request while the field waits for its order, else 0.
    int getOpenRequest(int side) const {
        if (!isValidSide(side)) return 0;
        if (result <= 0 && orders[side] == nullptr && getState() <= 0) return requests[side];
        return 0;
    }
    virtual int alwaysTrue(int ignored);
    int getResult() const { return result; }
    virtual void setResult(int result);
    // Side 1's support for any side above 0, else side 0's.
    virtual int getSupport(int side);
    // Takes every step of a move (types 21 to 24 and 26) off the action list.
    virtual void cancelMoveActions();
    // The list operations take the action over.
    void pushFrontAction(ActionSocket* action) {
        if (action != nullptr) actionList.push_front(action);
    }
    void pushBackAction(ActionSocket* action) {
        if (action != nullptr) actionList.push_back(action);
    }
    // Sorted by type, then priority (higher first), then roll (higher first); a second knock-out of the same
    // side ahead of the insertion point is deleted instead.
    virtual void insertAction(ActionSocket* action);
    virtual void addSupport(int side, int amount);
    // Never below 0.
    virtual void removeSupport(int side, int amount);
    // Timers 4 and 5 also rebuild a side's description lines, timer 6 the global ones.
    virtual void setTimer(int i, int value);
    virtual int getEventFlag(int i);
    // Takes the side's actions off the order queue, except the orders-complete marker.
    virtual void dropOrdersOfSide(int side);
    // The message while its timer is at least 10, else empty.
    virtual std::string getVisibleMessage();
    // Hands the pending comment out once, when commentary is on and the battle is not quiet.
    virtual std::string takeComment();
    virtual void decideResult();
    virtual void setMessage(const std::string& text);
    // Once per frame: idle remark, timers, HP bars and the crowd.
    virtual void update();
    virtual void updateSupporters();
    virtual void debugDumpSide(int side);
    virtual void dropRequestedOrders();
    virtual void clearMoveRecords();
    virtual void nextTurn();
    // A request above 0 drops the order the side had stored.
    virtual void setRequest(int side, int value);
    virtual void setMessageTimer(int frames);
    // 3 closed, 2 decided, 1 running, 0 waiting for the sides' input.
    int getState() const {
        if (closed) return STATE_CLOSED;
        if (result > 0 &&
            (currentAction == nullptr || currentAction->getType() == ActionSocket::RESULT_REMARK ||
             currentAction->getType() == ActionSocket::RESULT_TEAM_REMARK))
            return STATE_DECIDED;
        if (currentAction != nullptr) return STATE_RUNNING;
        if (requests[0] != 0 || requests[1] != 0) return STATE_WAITING;
        return STATE_RUNNING;
    }
    virtual int getStarThreshold();
    // The comment now pending (the field keeps it; the text given stands until the next comment or fill).
    virtual const std::string& makeComment(int condition, int special, int value1, int value2);
    virtual const std::string& makeCommentWithHype(int condition, int special, int value1, int value2,
                                                   int hype);
    // Replaces the first occurrence only; false when the placeholder is not there.
    virtual bool replaceInComment(const std::string& placeholder, const std::string& text);
    // One placeholder of the pending comment and the text it stands for.
    using CommentFill = PlaceholderFill;
    // Fills the pending comment one placeholder after the other, each as replaceInComment does, in the
    // comment as the fills before it left it.
    void fillComment(std::initializer_list<CommentFill> fills);
    // Whether a fill made first of one of these short bracketed words (by their bracketedWordKey) could
    // change the pending comment; false without a drawn phrase.
    bool commentMayHold(std::initializer_list<std::uint64_t> keys) const;
    virtual bool replaceFirst(std::string& target, const std::string& placeholder, const std::string& text);
    virtual Game_Options* getOptions();
    virtual GameMove* getCurrentMove();
    virtual GameMove* getPreviousMove();
    ActionQueue& getActionList() { return actionList; }
    ActionQueue& getOrderQueue() { return orderQueue; }
    // Null in a look-ahead copy.
    virtual std::vector<BattleSupporter*>* getSupporters();
    // 0 when the first side acts first: priorities decide, then speeds, then a coin.
    virtual int compareInitiative(int speed0, int speed1, int priority0, int priority1);
    virtual void startMatch();
    virtual void endMatch();
    // A new turn: both sides are asked for an order and the crowd cools down.
    virtual void requestOrders();
    virtual int opponentSide(int side);
    virtual int getHypeLevel();
    virtual int getTurn();
    virtual int getMoveCount();
    // One frame off the message timer, never below 0; the frames left.
    int tickMessageTimer() {
        --messageTimer;
        if (messageTimer < 0) messageTimer = 0;
        return messageTimer;
    }
    // The current action is over: its message goes and the action is deleted.
    void finishAction() {
        message.clear();
        delete currentAction;
        currentAction = nullptr;
    }
    virtual void setEventFlag(int i, int value);
    virtual void newMoveRecord();
    // Make the front of the queue / list current (deleting the previous current one). Null when empty.
    ActionSocket* popOrder() { return popFront(orderQueue, currentOrder); }
    ActionSocket* popAction() { return popFront(actionList, currentAction); }
    ActionSocket* getCurrentAction() const { return currentAction; }
    ActionSocket* getCurrentOrder() const { return currentOrder; }
    BattleInformations* getBattleInformations() const { return informations; }
    virtual std::string emptyString();
    // Null for any side other than 0 and 1.
    ZelkinTeam* getTeam(int side) const { return isValidSide(side) ? teams[side] : nullptr; }
    virtual void clearRequests();

    // Field-wide buffs, kept sorted by compareBuffs; two never share a definition name.
    int getGlobalBuffCount() const { return static_cast<int>(globalBuffs.size()); }
    // Moves the first buff of that name to the discarded buffs.
    virtual bool removeGlobalBuff(const std::string& name);
    // Takes the buff over on success; on failure (name already present, null) the caller keeps it.
    virtual bool addGlobalBuff(ZelkinBuff* buff);
    ZelkinBuff* getGlobalBuff(int i) const {
        return i >= 0 && i < getGlobalBuffCount() ? globalBuffs[static_cast<size_t>(i)] : nullptr;
    }
    virtual ZelkinBuff* findGlobalBuff(const std::string& name);
    virtual bool removeGlobalBuffBySpot(const std::string& spot);
    virtual bool removeGlobalBuffsWithTag(const std::string& tag);
    virtual void buildBuffDescriptions();
    virtual const std::vector<ZelkinBuffBattleDesc>& getBuffDescriptions();
    // Takes entry i off the list without deleting or discarding it.
    virtual void eraseGlobalBuff(int i);
    // The field's script variables: only "turn" reads as something.
    virtual float getVariable(const std::string& name);
    virtual void setVariable(const std::string& name, float value);
    virtual std::vector<std::string> getTextVariable(const std::string& name);

private:
    void initialise(GameParser* parser, BattleInformations* informations);
    static bool isValidSide(int side) { return side == 0 || side == 1; }
    // Deletes current, then makes the front of the queue current (null when empty).
    static ActionSocket* popFront(ActionQueue& queue, ActionSocket*& current) {
        delete current;
        current = nullptr;
        if (!queue.empty()) current = queue.pop_front();
        return current;
    }
    void clearActionList();
    // The pending comment, copied in from the commentator's phrase if it was not yet.
    std::string& pendingComment();

    int moveCount = 0;
    int turn = 0;
    int result = 0;
    int requests[SIDE_COUNT] = {0, 0};
    GameOrder* orders[SIDE_COUNT] = {nullptr, nullptr};
    int messageTimer = 0;
    int waitingFrames = 0;
    std::string message;
    std::string comment;
    // The phrase just drawn, when it is the pending comment and comment does not hold it yet: most comments
    // are filled at once, and the fills then write the phrase into comment in one go.
    CommentatorPhrase* drawnPhrase = nullptr;
    std::vector<BattleSupporter*>* supporters = nullptr;
    ActionQueue actionList;
    ActionQueue orderQueue;
    std::vector<ZelkinBuff*> globalBuffs;
    ActionSocket* currentOrder = nullptr;
    ActionSocket* currentAction = nullptr;
    Commentator* commentator = nullptr;
    int eventFlags[EVENT_FLAG_COUNT] = {0, 0, 0, 0, 0};
    ZelkinTeam* teams[SIDE_COUNT] = {nullptr, nullptr};
    BattleFigure* sideFigures[SIDE_COUNT] = {nullptr, nullptr};
    int support[SIDE_COUNT] = {25, 25};
    // Null, or one of the two records below.
    GameMove* currentMove = nullptr;
    GameMove* previousMove = nullptr;
    GameMove moveRecords[2];
    GameParser* parser = nullptr;
    Zelkin* bestCreature = nullptr;
    BattleInformations* informations = nullptr;
    bool closed = false;
    bool composesText = true;
    int starThreshold = 90;
    // One spare slot, never set, so that the countdown of every frame runs over two whole groups of four.
    int timers[TIMER_COUNT + 1] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<ZelkinBuffBattleDesc> buffDescriptions;
};
