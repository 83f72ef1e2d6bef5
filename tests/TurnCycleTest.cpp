// The turn cycle: orders become actions in switch, priority and speed order, messages hold the battle, and
// each turn closes and opens again.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"
#include "battle/GameMove.hpp"

using A = ActionSocket;

// Both sides asked and answered, as the battle screen leaves them before the engine collects.
static void answer(FlowHarness& h, GameOrder* order0, GameOrder* order1) {
    h.field->requestOrders();
    h.field->setOrder(0, order0);
    h.field->setOrder(1, order1);
}

TEST(TurnCycle, SwitchRunsBeforeAMoveWhateverTheSpeeds) {
    FlowHarness h;
    h.sendInFirstMembers();
    // Rocaille (side 1, slowest) switches while the faster Flamby attacks.
    answer(h, moveOrder(0), switchOrder(2));
    h.engine->collectOrders();
    EXPECT_EQ(h.queueTypes(), (std::vector<int>{A::SWITCH_ORDER, A::MOVE_ORDER, A::ORDERS_COMPLETE}));
    EXPECT_EQ(h.queueSides(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(h.field->getOrderQueue().front()->getArgument(), 2);
    EXPECT_EQ(h.field->getRequest(0), 0);
    EXPECT_EQ(h.field->getRequest(1), 0);
    EXPECT_EQ(h.field->getState(), GameField::STATE_RUNNING);
}

TEST(TurnCycle, PriorityBeatsSpeedAndSpeedBreaksEqualPriority) {
    {
        FlowHarness h;
        h.sendInFirstMembers();
        // Slow Rocaille's Vive Attaque (priority 1) against fast Flamby's Charge.
        answer(h, moveOrder(0), moveOrder(3));
        h.engine->collectOrders();
        EXPECT_EQ(h.queueSides(), (std::vector<int>{1, 0, 0}));
        EXPECT_EQ(h.field->getOrderQueue().front()->getValue(), h.world.move("Vive Attaque"));
    }
    {
        FlowHarness h;
        h.sendInFirstMembers();
        answer(h, moveOrder(0), moveOrder(0));
        h.engine->collectOrders();
        EXPECT_EQ(h.queueSides(), (std::vector<int>{0, 1, 0}));
    }
}

TEST(TurnCycle, EqualPriorityAndSpeedIsACoin) {
    for (int coin : {0, 1}) {
        FlowHarness h(true, {"Flamby"}, {"Flamby"});
        h.sendInFirstMembers();
        answer(h, moveOrder(0), moveOrder(0));
        ScriptedRandom draws({coin});
        h.engine->collectOrders();
        EXPECT_EQ(h.field->getOrderQueue().front()->getSource(), coin);
    }
}

TEST(TurnCycle, BothSidesGivingUpQueueOneDeclaredEndForBoth) {
    FlowHarness h;
    h.sendInFirstMembers();
    answer(h, new GameOrder(), new GameOrder());
    h.engine->collectOrders();
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::DECLARED_END}));
    EXPECT_EQ(h.field->getActionList().front()->getSource(), 2);
    EXPECT_EQ(h.queueTypes(), (std::vector<int>{A::ORDERS_COMPLETE}));
}

TEST(TurnCycle, DoubleReplacementSendsOutInRollOrderWithoutClosingTheTurn) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.field->setRequest(0, 2);
    h.field->setRequest(1, 2);
    h.field->setOrder(0, switchOrder(1));
    h.field->setOrder(1, switchOrder(2));
    // Rocaille is slower, so side 1 is created first (roll 10), side 0 second (roll 90).
    ScriptedRandom draws({10, 90});
    h.engine->collectOrders();
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::SEND_OUT, A::SEND_OUT}));
    EXPECT_EQ(h.field->getActionList().front()->getSource(), 0);
    EXPECT_EQ(h.field->getActionList().front()->getArgument(), 1);
    EXPECT_EQ(h.field->getActionList().back()->getArgument(), 2);
    EXPECT_TRUE(h.field->getOrderQueue().empty());
    EXPECT_EQ(h.field->getRequest(0), 0);
}

TEST(TurnCycle, ASingleReplacementIsQueuedAloneAndNeverClosesTheTurn) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.field->setRequest(1, 2);
    h.field->setOrder(1, switchOrder(1));
    h.engine->collectOrders();
    EXPECT_EQ(h.queueTypes(), (std::vector<int>{A::SWITCH_ORDER}));
    EXPECT_EQ(h.queueSides(), (std::vector<int>{1}));
}

TEST(TurnCycle, NothingIsCollectedUntilEverySideAskedHasAnswered) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.field->requestOrders();
    h.field->setOrder(0, moveOrder(0));
    h.engine->collectOrders();
    EXPECT_TRUE(h.field->getOrderQueue().empty());
    EXPECT_EQ(h.field->getRequest(0), 1);
    EXPECT_EQ(h.field->getRequest(1), 1);
}

TEST(TurnCycle, AMessageHoldsTheNextActionForItsFrames) {
    FlowHarness h;
    h.field->startMatch();
    // Frame 1 sends side 1 in and shows its line for 60 frames; side 0 follows when the timer reaches 0.
    h.engine->step();
    EXPECT_TRUE(h.active(1)->isMarked());
    EXPECT_FALSE(h.active(0)->isMarked());
    EXPECT_EQ(h.field->getVisibleMessage(), "Blue sends out Rocaille !\n");
    for (int frame = 2; frame <= 60; ++frame)
        h.engine->step();
    EXPECT_FALSE(h.active(0)->isMarked());
    h.engine->step();
    EXPECT_TRUE(h.active(0)->isMarked());
}

TEST(TurnCycle, TheOpeningSendOutsLeadToTurnOneAndTheFirstRequests) {
    FlowHarness h;
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    EXPECT_EQ(h.field->getTurn(), 1);
    EXPECT_EQ(h.field->getOpenRequest(0), 1);
    EXPECT_EQ(h.field->getOpenRequest(1), 1);
    // The permissions were checked for both sides: every move of Flamby is allowed.
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(h.field->getTeam(0)->getMemberMark(slot), 1);
}

TEST(TurnCycle, AWholeTurnRunsBothMovesAndOpensTheNext) {
    FlowHarness h;
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    int hp0 = h.active(0)->getHp();
    int hp1 = h.active(1)->getHp();
    h.field->setOrder(0, moveOrder(0));
    h.field->setOrder(1, moveOrder(0));
    h.engine->step();
    ASSERT_TRUE(h.runUntilInput());
    EXPECT_EQ(h.field->getTurn(), 2);
    EXPECT_LT(h.active(0)->getHp(), hp0);
    EXPECT_LT(h.active(1)->getHp(), hp1);
    EXPECT_EQ(h.active(0)->getPp(0), h.world.move("Charge")->getPp() - 1);
    // Both stood at the turn's preparation: 4 MVP points and one more turn on counter 4.
    EXPECT_EQ(h.active(1)->getBattleStat(4), 1);
    EXPECT_EQ(h.field->getCurrentMove(), nullptr);
}

TEST(TurnCycle, SideZeroDownDropsTheRemainingMoveOrders) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(0)->setHp(0);
    h.field->getOrderQueue().push_back(new ActionSocket(h.active(1)->getMove(0), 1, 0));
    h.engine->step();
    EXPECT_EQ(h.field->getCurrentMove(), nullptr);
    EXPECT_TRUE(h.field->getOrderQueue().empty());
}

TEST(TurnCycle, SideOneDownStillLetsSideZerosMoveStartButItsHitsDoNothing) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(1)->setHp(0);
    h.field->getOrderQueue().push_back(new ActionSocket(h.active(0)->getMove(0), 0, 0));
    h.engine->step();
    EXPECT_NE(h.field->getCurrentMove(), nullptr);
    for (int i = 0; i < 200 && !h.field->getActionList().empty(); ++i)
        h.engine->step();
    EXPECT_EQ(h.field->getCurrentMove()->getDamageDealt(), 0);
}

// The opening, then a first turn in which side 1's creature falls to side 0's move.
static void knockOutSideOneInTurnOne(FlowHarness& h) {
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    h.active(1)->setHp(1);
    h.field->setOrder(0, moveOrder(0));
    h.field->setOrder(1, moveOrder(0));
    h.engine->step();
    ASSERT_TRUE(h.runUntilInput());
}

TEST(TurnCycle, AKnockOutAsksOnlyTheFallenSideForAReplacement) {
    FlowHarness h;
    ASSERT_NO_FATAL_FAILURE(knockOutSideOneInTurnOne(h));
    EXPECT_EQ(h.field->getOpenRequest(1), 2);
    EXPECT_EQ(h.field->getOpenRequest(0), 0);
    EXPECT_EQ(h.field->getTurn(), 1);
    // The replacement runs alone; then the next turn opens for both.
    h.field->setOrder(1, switchOrder(1));
    h.engine->step();
    ASSERT_TRUE(h.runUntilInput());
    EXPECT_EQ(h.active(1)->getName(), "Braisier");
    EXPECT_EQ(h.field->getTurn(), 2);
    EXPECT_EQ(h.field->getOpenRequest(0), 1);
    EXPECT_EQ(h.field->getOpenRequest(1), 1);
}

TEST(TurnCycle, OnlyASwitchToAStandingBenchedMemberAnswersAReplacementRequest) {
    FlowHarness h;
    ASSERT_NO_FATAL_FAILURE(knockOutSideOneInTurnOne(h));
    ASSERT_EQ(h.field->getOpenRequest(1), 2);
    // A move order, the fallen creature itself and a member that does not exist are refused: nothing is
    // queued and the side is asked again.
    for (GameOrder* refused : {moveOrder(0), switchOrder(0), switchOrder(5)}) {
        h.field->setOrder(1, refused);
        h.engine->step();
        EXPECT_TRUE(h.field->getOrderQueue().empty());
        EXPECT_TRUE(h.field->getActionList().empty());
        EXPECT_EQ(h.field->getOpenRequest(1), 2);
    }
    EXPECT_EQ(h.active(1)->getName(), "Rocaille");
    EXPECT_EQ(h.active(1)->getBattleStat(9), 1);
    // A send-out of a member that does not exist changes nothing either.
    h.run(new A(A::SEND_OUT, 1, 5));
    EXPECT_TRUE(h.listTypes().empty());
    EXPECT_TRUE(h.field->getTeam(1)->isActionBlocked());
    h.field->setOrder(1, switchOrder(1));
    h.engine->step();
    ASSERT_TRUE(h.runUntilInput());
    EXPECT_EQ(h.active(1)->getName(), "Braisier");
}

TEST(TurnCycle, ANewTurnFreesEveryRemovedBuffAndAReplacedAbilityWaitsWithThem) {
    FlowHarness h;
    h.sendInFirstMembers();
    clearDiscardedBuffs();
    ZelkinTeam* team = h.field->getTeam(0);
    ZelkinBuff* ability = team->getAbilityBuff();
    ASSERT_NE(ability, nullptr);
    // Its trigger may be the one running when the ability is replaced, so it is not deleted at once.
    team->setActiveMember(1);
    ASSERT_EQ(discardedBuffs().size(), 1u);
    EXPECT_EQ(discardedBuffs()[0], ability);
    discardedBuffs().push_back(new ZelkinBuff(h.world.parser->findBuff("Brume"), 0));
    discardedBuffs().push_back(new ZelkinBuff(h.world.parser->findBuff("Garde"), 0));
    h.engine->startNewTurn();
    EXPECT_TRUE(discardedBuffs().empty());
}

TEST(TurnCycle, AScriptCannotAskForMoreHitsThanTheBound) {
    FlowHarness h;
    h.sendInFirstMembers();
    ZelkinBuffData* frenzy = h.define("Frenesie", "MOVE_DECLARE", "SOURCE",
                                      "<SetVariable name=\"var:number_hits\" value=\"1000000\"/>");
    h.give(0, frenzy);
    h.field->getOrderQueue().push_back(new A(h.world.move("Charge"), 0, 0));
    h.field->popOrder();
    h.field->newMoveRecord();
    h.run(new A(A::BEFORE_MOVE, 0, 0));
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::MOVE_DECLARE}));
    h.field->popAction();
    h.engine->processAction();
    EXPECT_EQ(h.listTypes(), std::vector<int>(100, A::DMG_CALC));
    EXPECT_EQ(h.field->getCurrentMove()->getHitsWanted(), 100);
}
