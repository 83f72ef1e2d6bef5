// The engine's step and turn cycle: orders into actions, one action at a time, and the opening of each turn.
#include <string>

#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "battle/VariableTable.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
constexpr int FLAG_KNOCK_OUT_SINCE_OPENING = 0;
constexpr int REQUEST_ORDER = 1;
constexpr int REQUEST_REPLACEMENT = 2;

int orderKind(GameOrder* order) { return order ? order->getKind() : 0; }

// A replacement for a fallen creature is a switch to a standing member on the bench; giving up is always
// allowed. The engine checks this itself rather than trusting whoever stored the order.
bool answersReplacement(ZelkinTeam* team, GameOrder* order) {
    if (order == nullptr) return false;
    if (order->getKind() == GameOrder::KIND_GIVE_UP) return true;
    if (order->getKind() != GameOrder::KIND_SWITCH || team == nullptr) return false;
    Zelkin* member = team->getMemberAt(order->getSwitchTarget());
    return member != nullptr && member != team->getActive() && member->getHp() > 0;
}

// Class of an HP bar width in the opening remark: 1 in danger, 2 nearly untouched, 0 between.
int barClass(int width) { return width < 15 ? 1 : (width > 40 ? 2 : 0); }
} // namespace

void GameBattleEngine::step() {
    if (field == nullptr) return;
    // The state is read again only after something that may change it.
    int state = field->getState();
    // Orders are only collected while the field waits for them (collectOrders checks it too).
    if (!simulation && state <= GameField::STATE_WAITING) {
        collectOrders();
        state = field->getState();
    }

    // The plain tests first: on most frames an action is being shown.
    if (field->getCurrentAction() == nullptr && field->getActionList().empty() &&
        !field->getOrderQueue().empty() && state == GameField::STATE_RUNNING) {
        queueNextOrder();
        if (!field->getActionList().empty()) {
            field->popAction();
            processAction();
            // Only whether the field waits is read below, and with an action current it never does.
            state = GameField::STATE_RUNNING;
        } else {
            state = field->getState();
        }
    }

    if (state > GameField::STATE_WAITING && field->tickMessageTimer() <= 0) {
        field->finishAction();
        if (!field->getActionList().empty()) {
            field->popAction();
            processAction();
        } else if (field->getOrderQueue().empty() && field->getState() == GameField::STATE_RUNNING) {
            startNewTurn();
        }
    }

    if (!simulation) {
        field->update();
        // Most frames have no animation running and no replaced table to free.
        if (!animations.empty() || !retiredVariables.empty()) updateAnimations();
    }
}

void GameBattleEngine::queueNextOrder() {
    ActionSocket* order = field->popOrder();
    // Once side 0 is down, the move orders still queued this turn are dropped.
    while (order && order->getType() == ActionSocket::MOVE_ORDER && sideHp(0) <= 0)
        order = field->popOrder();
    if (order) {
        int s = order->getSource();
        switch (order->getType()) {
        case ActionSocket::MOVE_ORDER:
            if (sideHp(s) > 0) {
                field->newMoveRecord();
                field->pushFrontAction(new ActionSocket(ActionSocket::BEFORE_MOVE, s, 0));
            }
            break;
        case ActionSocket::SWITCH_ORDER: {
            field->pushFrontAction(new ActionSocket(ActionSocket::SEND_OUT, s, order->getArgument()));
            ZelkinTeam* team = field->getTeamChecked(s);
            // The withdrawal runs first; a creature already down or blocked has nothing to withdraw.
            if (sideHp(s) > 0 && team && !team->isActionBlocked())
                field->pushFrontAction(new ActionSocket(ActionSocket::WITHDRAW, s, 0));
            break;
        }
        case ActionSocket::ORDERS_COMPLETE: {
            int first = field->compareInitiative(moveSpeed(0), moveSpeed(1), 0, 0);
            int second = opponentSide(first);
            field->pushFrontAction(new ActionSocket(ActionSocket::PREP_NEW_TURN, first, 0));
            field->pushFrontAction(new ActionSocket(ActionSocket::END_TURN, second, 0));
            field->pushFrontAction(new ActionSocket(ActionSocket::END_TURN, first, 0));
            break;
        }
        default:
            break;
        }
    }
}

void GameBattleEngine::collectOrders() {
    if (field == nullptr || field->getState() > GameField::STATE_WAITING) return;
    int r0 = field->getRequest(0);
    int r1 = field->getRequest(1);
    GameOrder* o0 = field->getOrder(0);
    GameOrder* o1 = field->getOrder(1);
    if ((r0 > 0 && o0 == nullptr) || (r1 > 0 && o1 == nullptr)) return;
    // A refused replacement is dropped and the side asked again (setRequest drops the stored order).
    bool refused = false;
    for (int side = 0; side < 2; ++side) {
        if (field->getRequest(side) == REQUEST_REPLACEMENT &&
            !answersReplacement(field->getTeamChecked(side), field->getOrder(side))) {
            field->setRequest(side, REQUEST_REPLACEMENT);
            refused = true;
        }
    }
    if (refused) return;
    // A side that was not asked keeps last turn's order stored; only the sides asked take part.
    int k0 = r0 > 0 ? orderKind(o0) : 0;
    int k1 = r1 > 0 ? orderKind(o1) : 0;

    GameField::ActionQueue& queue = field->getOrderQueue();
    auto queueMove = [&](int side, GameOrder* order) {
        if (order == nullptr) return;
        Zelkin* creature = sideCreature(side);
        ZelkinMove* move = creature ? creature->getMove(order->getMoveSlot()) : nullptr;
        queue.push_front(new ActionSocket(move, side, order->getMoveSlot()));
    };
    auto queueSwitch = [&](int side, GameOrder* order) {
        if (order == nullptr) return;
        queue.push_front(new ActionSocket(ActionSocket::SWITCH_ORDER, side, order->getSwitchTarget()));
    };

    if (k0 == GameOrder::KIND_GIVE_UP && k1 == GameOrder::KIND_GIVE_UP) {
        field->pushFrontAction(new ActionSocket(ActionSocket::DECLARED_END, 2, 0));
    } else if (k0 == GameOrder::KIND_GIVE_UP) {
        field->pushFrontAction(new ActionSocket(ActionSocket::DECLARED_END, 0, 0));
    } else if (k1 == GameOrder::KIND_GIVE_UP) {
        field->pushFrontAction(new ActionSocket(ActionSocket::DECLARED_END, 1, 0));
    } else if (r0 == 0 && r1 == REQUEST_REPLACEMENT) {
        queueSwitch(1, o1);
    } else if (r1 == 0 && r0 == REQUEST_REPLACEMENT) {
        queueSwitch(0, o0);
    } else if (k0 == GameOrder::KIND_SWITCH && k1 == GameOrder::KIND_SWITCH) {
        // The side with the lower switch speed goes first (a coin on equal speeds).
        int first =
            field->compareInitiative(field->getTeam(1)->getSpeed(), field->getTeam(0)->getSpeed(), 0, 0);
        int second = opponentSide(first);
        GameOrder* firstOrder = first == 0 ? o0 : o1;
        GameOrder* secondOrder = first == 0 ? o1 : o0;
        if (r0 == REQUEST_REPLACEMENT && r1 == REQUEST_REPLACEMENT) {
            field->insertAction(
                new ActionSocket(ActionSocket::SEND_OUT, first, firstOrder->getSwitchTarget(), 0));
            field->insertAction(
                new ActionSocket(ActionSocket::SEND_OUT, second, secondOrder->getSwitchTarget(), 0));
        } else {
            queueSwitch(second, secondOrder);
            queueSwitch(first, firstOrder);
        }
    } else if (k0 == GameOrder::KIND_SWITCH && k1 == GameOrder::KIND_MOVE) {
        queueMove(1, o1);
        queueSwitch(0, o0);
    } else if (k1 == GameOrder::KIND_SWITCH && k0 == GameOrder::KIND_MOVE) {
        queueMove(0, o0);
        queueSwitch(1, o1);
    } else {
        auto priorityOf = [&](int side, GameOrder* order) {
            Zelkin* creature = sideCreature(side);
            ZelkinMove* move = (creature && order) ? creature->getMove(order->getMoveSlot()) : nullptr;
            return move ? move->getPriority() : 0;
        };
        int first =
            field->compareInitiative(moveSpeed(0), moveSpeed(1), priorityOf(0, o0), priorityOf(1, o1));
        int second = opponentSide(first);
        GameOrder* firstOrder = first == 0 ? o0 : o1;
        GameOrder* secondOrder = first == 0 ? o1 : o0;
        // A side that was not asked for an order has no move this turn.
        if ((second == 0 ? r0 : r1) > 0 && orderKind(secondOrder) == GameOrder::KIND_MOVE)
            queueMove(second, secondOrder);
        if ((first == 0 ? r0 : r1) > 0 && orderKind(firstOrder) == GameOrder::KIND_MOVE)
            queueMove(first, firstOrder);
    }

    if (r0 < REQUEST_REPLACEMENT && r1 < REQUEST_REPLACEMENT) {
        queue.push_back(new ActionSocket(ActionSocket::ORDERS_COMPLETE, 0, 0));
        field->setEventFlag(FLAG_KNOCK_OUT_SINCE_OPENING, 0);
    }
    field->clearRequests();
}

void GameBattleEngine::startNewTurn() {
    if (field == nullptr) return;
    field->clearMoveRecords();

    // The buffs taken out of play are freed now that no trigger of the turn that removed them can run.
    std::vector<ZelkinBuff*>& discarded = discardedBuffs();
    for (ZelkinBuff* buff : discarded) {
        // The script context must not keep pointing at it.
        if (variables->getRunningHandler().getHolder() == buff)
            variables->setRunningHandler(TriggerHandler());
        if (variables->getCallingHandler().getHolder() == buff)
            variables->setCallingHandler(TriggerHandler());
        if (variables->getNewBuff() == buff) variables->setNewBuff(nullptr);
        delete buff;
    }
    discarded.clear();

    ZelkinTeam* teams[2] = {field->getTeamChecked(0), field->getTeamChecked(1)};
    Zelkin* actives[2] = {sideCreature(0), sideCreature(1)};
    int hype = field->getHypeLevel();

    if (sideHp(0) > 0 && sideHp(1) > 0) {
        // The opening remark of a turn with both creatures standing.
        field->nextTurn();
        int leader;
        if (field->getEventFlag(FLAG_KNOCK_OUT_SINCE_OPENING) != 1) {
            int kind = field->getTurn() == 1 ? 7 : 0;
            int widths[2] = {actives[0]->getHpBarWidth(), actives[1]->getHpBarWidth()};
            leader = widths[0] < widths[1] ? 1 : 0;
            field->makeCommentWithHype(1, kind, barClass(widths[leader]), barClass(widths[1 - leader]), hype);
        } else {
            int teamSize = options ? options->getTeamSize() : 0;
            int gap = teamSize > 4 ? 3 : 2;
            int c0 = teams[0]->countAlive();
            int c1 = teams[1]->countAlive();
            int classA;
            int classB;
            if (c0 < c1) {
                leader = 1;
                classA = c1 - c0 >= gap ? 2 : 1;
                classB = c0 == 1 ? 2 : (c0 + c1 == 2 * teamSize - 1 ? 1 : 0);
            } else {
                leader = 0;
                classA = c0 == c1 ? 0 : (c0 - c1 >= gap ? 2 : 1);
                classB = c1 == 1 ? 2 : (c0 + c1 == 2 * teamSize - 1 ? 1 : 0);
            }
            field->makeCommentWithHype(1, 1, classA, classB, hype);
        }
        int other = 1 - leader;
        // The counts are read, written and looked for only in a phrase with a place for them. Theirs are
        // the first fills, so no fill before them can put one in, and without such a place they change
        // nothing.
        const std::string_view trainer = teamName(teams[leader]);
        const std::string_view otherTrainer = teamName(teams[other]);
        const std::string_view creature = creatureName(actives[leader]);
        const std::string_view otherCreature = creatureName(actives[other]);
        constexpr std::uint64_t COUNT_WORDS[] = {bracketedWordKey("[X]"), bracketedWordKey("[X2]"),
                                                 bracketedWordKey("[X3]")};
        if (field->commentMayHold({COUNT_WORDS[0], COUNT_WORDS[1], COUNT_WORDS[2]})) {
            const int leaderAlive = teams[leader]->countAlive();
            const int otherAlive = teams[other]->countAlive();
            const DecimalText alive(leaderAlive);
            const DecimalText otherCount(otherAlive);
            const DecimalText lead(leaderAlive - otherAlive);
            field->fillComment({{"[X]", alive.view()},
                                {"[X2]", otherCount.view()},
                                {"[X3]", lead.view()},
                                {"[TRAINER]", trainer},
                                {"[TRAINER2]", otherTrainer},
                                {"[ZLKN]", creature},
                                {"[ZLKN2]", otherCreature}});
        } else {
            field->fillComment({{"[TRAINER]", trainer},
                                {"[TRAINER2]", otherTrainer},
                                {"[ZLKN]", creature},
                                {"[ZLKN2]", otherCreature}});
        }
        field->requestOrders();
    } else {
        // A knock-out: remark on it and ask the fallen sides for replacements.
        int kind = field->getTurn() == 1 ? 7 : 0;
        int threshold = field->getStarThreshold();
        int star = 0;
        int starSide = 0;
        if (actives[0] && actives[0]->getMvpPoints() >= threshold) star = actives[0]->getHp() > 0 ? 1 : 0;
        if (actives[1] && actives[1]->getMvpPoints() >= threshold && actives[1]->getHp() > 0) {
            star = 1;
            starSide = 1;
        }
        field->makeCommentWithHype(8, kind, star, 0, hype);
        field->fillComment({{"[ZLKN]", creatureName(actives[starSide])},
                            {"[TRAINER]", teamName(teams[starSide])},
                            {"[TRAINER2]", teamName(teams[1 - starSide])}});
        for (int side = 0; side < 2; ++side) {
            if (sideHp(side) <= 0) {
                field->setRequest(side, REQUEST_REPLACEMENT);
                if (teams[side]) teams[side]->resetMemberMarks();
            }
        }
    }

    field->dropRequestedOrders();
    for (int side = 0; side < 2; ++side) {
        if (field->getRequest(side) == REQUEST_ORDER) checkOrders(side);
    }
    // The side panels' lines (none in a look-ahead copy, where nobody sees them).
    if (!field->isComposingText()) return;
    for (ZelkinTeam* team : teams) {
        if (team) team->buildBattleDescription();
    }
    field->buildBuffDescriptions();
}

void GameBattleEngine::updateAnimations() {
    // Most frames have no animation running and no replaced table to free.
    if (animations.empty() && retiredVariables.empty()) return;
    for (auto it = animations.begin(); it != animations.end();) {
        BattleAnimation* animation = *it;
        animation->step();
        if (animation->isAlive()) {
            ++it;
        } else {
            // Nothing refers to a finished animation any more.
            it = animations.erase(it);
            delete animation;
        }
    }
    // Every animation has now stepped, so none still needs a replaced table.
    for (VariableTable* table : retiredVariables)
        delete table;
    retiredVariables.clear();
}
