// The start of a match and the end of a battle: forfeits, agreed draws, the winner line and the best
// creature.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"

using A = ActionSocket;

TEST(Match, ANoisyBattleOpensWithTheMatchStartAction) {
    FlowHarness h(false);
    h.field->startMatch();
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::MATCH_START, A::SEND_OUT, A::SEND_OUT}));
    h.engine->step();
    EXPECT_EQ(h.field->getCurrentAction()->getType(), A::MATCH_START);
    // The opening holds the field for 75 frames even without a line of its own.
    EXPECT_EQ(h.field->tickMessageTimer(), 74);
}

TEST(Match, ASideGivingUpLosesAndTheOtherWins) {
    FlowHarness h;
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    h.field->setOrder(0, moveOrder(0));
    h.field->setOrder(1, new GameOrder());
    h.engine->step();
    EXPECT_EQ(h.field->getResult(), 1);
    EXPECT_EQ(h.field->getVisibleMessage(), "Blue forfeits the battle !\n");
    EXPECT_TRUE(h.field->getTeam(1)->isActionBlocked());
    // A quiet battle shows the winner line in the result remark.
    EXPECT_EQ(h.listTypes(), (std::vector<int>{A::RESULT_REMARK}));
    while (h.field->getCurrentAction() == nullptr ||
           h.field->getCurrentAction()->getType() != A::RESULT_REMARK)
        h.engine->step();
    EXPECT_EQ(h.field->getVisibleMessage(), "Red win the game !\n");
    EXPECT_EQ(h.field->getState(), GameField::STATE_DECIDED);
    // Nobody's turn is played after the end.
    EXPECT_EQ(h.active(1)->getHp(), h.active(1)->getMaxHp());
}

TEST(Match, BothSidesGivingUpMakeADraw) {
    FlowHarness h;
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    h.field->setOrder(0, new GameOrder());
    h.field->setOrder(1, new GameOrder());
    h.engine->step();
    EXPECT_EQ(h.field->getResult(), 3);
    EXPECT_EQ(h.field->getVisibleMessage(), "Blue and Red makes a draw !\n");
}

TEST(Match, TheTeamRemarkNamesTheWinnerOrTheDraw) {
    FlowHarness h(false);
    h.sendInFirstMembers();
    h.field->setResult(2);
    h.run(new A(A::RESULT_TEAM_REMARK, 0, 0));
    EXPECT_EQ(h.field->getVisibleMessage(), "Blue win the game !\n");
    h.field->setResult(3);
    h.run(new A(A::RESULT_TEAM_REMARK, 0, 0));
    EXPECT_EQ(h.field->getVisibleMessage(), "It's a draw !\n");
}

TEST(Match, WithTheSlowBattleSpeedANoisyResultRemarkWritesNoLine) {
    FlowHarness h(false);
    h.sendInFirstMembers();
    h.field->setResult(1);
    h.run(new A(A::RESULT_REMARK, 0, 0));
    EXPECT_EQ(h.field->getVisibleMessage(), "");
    EXPECT_EQ(h.field->getTimer(2), 120);
    EXPECT_EQ(h.field->getTimer(3), 120);
}

TEST(Match, TheBestCreatureIsPresentedWithItsRemark) {
    FlowHarness h(false);
    h.sendInFirstMembers();
    h.active(0)->addMvpPoints(300, 0);
    h.field->setResult(1);
    h.field->endMatch();
    ASSERT_EQ(h.field->getBestCreature(), h.active(0));
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::MVP_PRESENTATION, A::MVP_REMARK}));
    h.field->popAction();
    h.engine->processAction();
    EXPECT_EQ(h.field->takeComment(), "Flamby est la star du jour !");
    h.field->popAction();
    h.engine->processAction();
    EXPECT_EQ(h.field->tickMessageTimer(), 249);
}

TEST(Match, WithoutABestCreatureOnlyThePresentationRuns) {
    FlowHarness h(false);
    h.sendInFirstMembers();
    h.field->setResult(3);
    h.field->endMatch();
    ASSERT_EQ(h.listTypes(), (std::vector<int>{A::MVP_PRESENTATION}));
    h.field->popAction();
    h.engine->processAction();
    EXPECT_EQ(h.field->tickMessageTimer(), 74);
    h.run(new A(A::MVP_REMARK, 0, 0));
    EXPECT_EQ(h.field->tickMessageTimer(), 73);
}

TEST(Match, ClosingAClosedMatchAgainChangesNothing) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(0)->addMvpPoints(300, 0);
    h.field->setResult(1);
    h.field->endMatch();
    const int presented = h.active(0)->getBattleStat(7);
    const std::vector<int> actions = h.listTypes();
    h.field->endMatch();
    EXPECT_EQ(h.active(0)->getBattleStat(7), presented);
    EXPECT_EQ(h.listTypes(), actions);
}
