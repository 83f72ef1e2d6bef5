// Switching, knock-outs and the end of a turn: who stands on the field, the credits and the crowd.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"
#include "battle/GameMove.hpp"
#include "rules/DefaultStrings.hpp"

using A = ActionSocket;

TEST(Switching, AVoluntarySwitchWithdrawsThenSendsOutThenRunsTheEntrance) {
    FlowHarness h;
    h.sendInFirstMembers();
    ZelkinTeam* team = h.field->getTeam(0);
    team->modifyStage(0, 2);
    team->setLockedMoveIndex(1);
    h.field->getOrderQueue().push_back(new A(A::SWITCH_ORDER, 0, 1));
    h.engine->step();
    // The withdrawal ran in this frame and holds the send-out behind its message.
    ASSERT_NE(h.field->getCurrentAction(), nullptr);
    EXPECT_EQ(h.field->getCurrentAction()->getType(), A::WITHDRAW);
    EXPECT_EQ(h.listTypes(), (std::vector<int>{A::SEND_OUT}));
    EXPECT_TRUE(team->isActionBlocked());
    EXPECT_EQ(team->getStage(0), 0);
    EXPECT_EQ(team->getLockedMoveIndex(), -1);
    EXPECT_EQ(h.field->getVisibleMessage(), "Red withdraws Flamby.\n");

    while (h.field->getCurrentAction() == nullptr || h.field->getCurrentAction()->getType() != A::SEND_OUT)
        h.engine->step();
    EXPECT_EQ(h.active(0)->getName(), "Aquilon");
    EXPECT_FALSE(team->isActionBlocked());
    EXPECT_TRUE(h.active(0)->isMarked());
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::AFTER_SWITCH}));
    EXPECT_EQ(h.field->getActionList().front()->getPriority(), h.engine->moveSpeed(0));
}

TEST(Switching, AFallenCreatureIsNotWithdrawnBeforeItsReplacement) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(0)->setHp(0);
    h.field->getTeam(0)->setActionBlocked(1);
    h.field->getOrderQueue().push_back(new A(A::SWITCH_ORDER, 0, 2));
    h.engine->step();
    EXPECT_EQ(h.active(0)->getName(), "Herbette");
}

TEST(Switching, TheFirstKnockOutCreditsTheRivalAndMovesTheCrowd) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(1)->setHp(0);
    h.run(new A(A::KNOCK_OUT, 1, 0));
    EXPECT_EQ(h.active(0)->getBattleStat(2), 1);
    EXPECT_EQ(h.active(1)->getBattleStat(9), 1);
    EXPECT_TRUE(h.field->getTeam(1)->isActionBlocked());
    EXPECT_EQ(h.field->getEventFlag(0), 1);
    EXPECT_EQ(h.field->getEventFlag(4), 1);
    // 25 + 30 for the battle's first knock-out + 40; the fallen side loses 20.
    EXPECT_EQ(h.field->getSupport(0), 95);
    EXPECT_EQ(h.field->getSupport(1), 5);
    EXPECT_EQ(h.field->getVisibleMessage(), "Rocaille is knocked out !\n");
    EXPECT_EQ(h.field->getResult(), 0);

    // A side already blocked is not knocked out twice.
    h.run(new A(A::KNOCK_OUT, 1, 0));
    EXPECT_EQ(h.active(1)->getBattleStat(9), 1);
    EXPECT_EQ(h.field->getSupport(0), 95);
}

TEST(Switching, ABlockedRivalIsCreditedOnlyForARecoilKnockOut) {
    for (int cause : {1, 2}) {
        FlowHarness h;
        h.sendInFirstMembers();
        h.field->getTeam(1)->setActionBlocked(1);
        h.active(0)->setHp(0);
        h.run(new A(A::KNOCK_OUT, 0, cause));
        EXPECT_EQ(h.active(1)->getBattleStat(2), cause == 1 ? 1 : 0) << "cause " << cause;
    }
}

TEST(Switching, KnockingOutTheLastCreatureDecidesTheBattle) {
    FlowHarness h(true, {"Flamby", "Aquilon"}, {"Rocaille"});
    h.sendInFirstMembers();
    h.active(1)->setHp(0);
    h.field->pushBackAction(new A(A::END_TURN, 0, 0));
    h.run(new A(A::KNOCK_OUT, 1, 0));
    EXPECT_EQ(h.field->getResult(), 1);
    // A quiet battle queues only the result remark; the rest of the turn is dropped.
    EXPECT_EQ(h.listTypes(), (std::vector<int>{A::RESULT_REMARK}));
}

TEST(Switching, TheClosingQueuesAKnockOutForAnyoneWhoFell) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(1)->setHp(0);
    h.run(new A(A::AFTER_SWITCH, 0, 0));
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::KNOCK_OUT}));
    EXPECT_EQ(h.field->getActionList().front()->getSource(), 1);
    EXPECT_EQ(h.field->getActionList().front()->getArgument(), 2);
}

TEST(Switching, EndOfTurnSkipsAFallenCreatureAndHoldsAnyMessage) {
    FlowHarness h;
    h.sendInFirstMembers();
    ZelkinBuffData* chant =
        h.define("Chant", "END_TURN", "source", "<DisplayMessage>[SOURCE] chante.</DisplayMessage>");
    h.give(0, chant);
    h.give(1, chant);
    h.active(1)->setHp(0);
    h.field->getTeam(1)->setActionBlocked(1);
    h.run(new A(A::END_TURN, 1, 0));
    EXPECT_EQ(h.field->getVisibleMessage(), "");
    h.run(new A(A::END_TURN, 0, 0));
    EXPECT_EQ(h.field->getVisibleMessage(), "Flamby chante.\n");
    EXPECT_EQ(h.field->tickMessageTimer(), 44);
}

TEST(Switching, ThePreparationOfANewTurnTicksBuffsAndRewardsTheStanding) {
    FlowHarness h;
    h.sendInFirstMembers();
    ZelkinBuffData* bref = h.define("Bref", "END_TURN", "source", "<DisplayMessage>x</DisplayMessage>");
    h.give(0, bref, 1);
    h.active(1)->setHp(0);
    int points = h.active(0)->getMvpPoints();
    h.run(new A(A::PREP_NEW_TURN, 1, 0));
    EXPECT_EQ(h.field->getTeam(0)->getBuffCount(), 0);
    EXPECT_EQ(h.active(0)->getMvpPoints(), points + 4);
    EXPECT_EQ(h.active(0)->getBattleStat(4), 1);
    EXPECT_EQ(h.active(1)->getBattleStat(4), 0);
}

TEST(Switching, ARareCreatureEnteringFreshThrillsTheCrowd) {
    FlowHarness h(true, {"Flamby"}, {"Marinel", "Rocaille"});
    h.run(new A(A::SEND_OUT, 1, 0));
    EXPECT_EQ(h.field->getSupport(1), 100);
    EXPECT_EQ(h.field->getVisibleMessage(), "Blue sends out Marinel !\n");
    // Marked now: a second entrance is no discovery.
    h.run(new A(A::SEND_OUT, 1, 0));
    EXPECT_EQ(h.field->getSupport(1), 100);
    h.run(new A(A::SEND_OUT, 1, 1));
    EXPECT_EQ(h.field->getSupport(1), 100);
}
