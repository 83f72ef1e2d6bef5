// Order permissions: the marks a side's choices get at the start of a turn and the orders forced on it.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"

TEST(Permissions, EveryUsableMoveAndTheSwitchAreAllowedByDefault) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.engine->checkOrders(0);
    ZelkinTeam* team = h.field->getTeam(0);
    for (int mark = 0; mark <= 4; ++mark)
        EXPECT_EQ(team->getMemberMark(mark), 1) << "mark " << mark;
    EXPECT_EQ(h.field->getOrder(0), nullptr);
}

TEST(Permissions, EmptySlotsSpentMovesAndALoneSurvivorAreRefused) {
    FlowHarness h(true, {"Flamby"}, {"Braisier", "Marinel"});
    h.sendInFirstMembers();
    // Braisier knows three moves; the fourth slot is empty.
    h.active(1)->spendPp(0, h.active(1)->getPp(0));
    h.engine->checkOrders(1);
    ZelkinTeam* team = h.field->getTeam(1);
    EXPECT_EQ(team->getMemberMark(0), 0);
    EXPECT_EQ(team->getMemberMark(1), 1);
    EXPECT_EQ(team->getMemberMark(3), 0);
    EXPECT_EQ(team->getMemberMark(4), 1);
    h.engine->checkOrders(0);
    EXPECT_EQ(h.field->getTeam(0)->getMemberMark(4), 0);
}

TEST(Permissions, AFallenCreatureMayUseNoMove) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(0)->setHp(0);
    h.engine->checkOrders(0);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(h.field->getTeam(0)->getMemberMark(slot), 0);
}

TEST(Permissions, ScriptsCanForbidOrForceChoices) {
    FlowHarness h(true, {"Flamby"}, {"Rocaille", "Braisier"});
    h.sendInFirstMembers();
    // Slot 3 is forced, slot 1 forbidden, and a lone survivor is let switch anyway.
    h.give(0, h.define("Entrave", "CHECK_MOVE_ORDER", "source",
                       "<NumberCompare name='var:move_spot' value='3' comparator='equal'>"
                       "<SetVariable name='var:result' value='2' /></NumberCompare>"
                       "<NumberCompare name='var:move_spot' value='1' comparator='equal'>"
                       "<SetVariable name='var:result' value='0' /></NumberCompare>"));
    h.give(0,
           h.define("Fuite", "CHECK_CHANGE_ORDER", "source", "<SetVariable name='var:result' value='1' />"));
    h.engine->checkOrders(0);
    ZelkinTeam* team = h.field->getTeam(0);
    EXPECT_EQ(team->getMemberMark(1), 0);
    EXPECT_EQ(team->getMemberMark(3), 2);
    EXPECT_EQ(team->getMemberMark(4), 1);
    ASSERT_NE(h.field->getOrder(0), nullptr);
    EXPECT_EQ(h.field->getOrder(0)->getKind(), GameOrder::KIND_MOVE);
    EXPECT_EQ(h.field->getOrder(0)->getMoveSlot(), 3);
    // Checking again replaces the stored order.
    h.engine->checkOrders(0);
    EXPECT_EQ(h.field->getOrder(0)->getMoveSlot(), 3);
}

TEST(Permissions, SeveralForcedMovesAreDrawnAmong) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.give(0,
           h.define("Frenesie", "CHECK_MOVE_ORDER", "source", "<SetVariable name='var:result' value='2' />"));
    ScriptedRandom draws({2});
    h.engine->checkOrders(0);
    ASSERT_NE(h.field->getOrder(0), nullptr);
    EXPECT_EQ(h.field->getOrder(0)->getMoveSlot(), 2);
}

TEST(Permissions, AHugeResultForcesTheMoveWithoutOverflowingItsMark) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.give(0, h.define("Demesure", "CHECK_MOVE_ORDER", "source",
                       "<SetVariable name='var:result' value='100000000000000000000' />"));
    h.engine->checkOrders(0);
    EXPECT_EQ(h.field->getTeam(0)->getMemberMark(0), 2147483647);
    ASSERT_NE(h.field->getOrder(0), nullptr);
}

TEST(Permissions, ATimedEffectMoveAlwaysForcesSlotFour) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.field->getTeam(0)->setTimedEffect(h.world.move("Charge"), 2);
    h.engine->checkOrders(0);
    ASSERT_NE(h.field->getOrder(0), nullptr);
    EXPECT_EQ(h.field->getOrder(0)->getMoveSlot(), 4);
    EXPECT_EQ(h.field->getTeam(0)->getMemberMark(0), 1);
}
