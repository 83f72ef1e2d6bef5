// Look-ahead: a turn played out on a copy leaves the battle untouched, and positions are scored for a side.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"
#include "rules/ZelkinType.hpp"

TEST(LookAhead, ASideIsWorthItsStandingMembersBuffsAndStages) {
    FlowHarness h;
    h.sendInFirstMembers();
    ZelkinTeam* team = h.field->getTeam(0);
    EXPECT_FLOAT_EQ(h.engine->creatureValue(0, 50), 3 * (48 + 75));
    h.give(0, h.define("Neutre", "END_TURN", "source", ""));
    EXPECT_FLOAT_EQ(h.engine->creatureValue(0, 50), 370.0f);
    team->modifyStage(0, 2);
    EXPECT_FLOAT_EQ(h.engine->creatureValue(0, 50), 410.0f);
    // A creature hanging on by 1 HP still has a bar one unit wide; a fallen one counts for nothing.
    team->getMemberAt(1)->setHp(1);
    team->getMemberAt(2)->setHp(0);
    EXPECT_FLOAT_EQ(h.engine->creatureValue(0, 50), 123.0f + 76.0f + 1.0f + 40.0f);
}

TEST(LookAhead, BuffValueTriggersPriceABuff) {
    FlowHarness h(true, {"Flamby"}, {"Rocaille"});
    h.sendInFirstMembers();
    h.give(0, h.define("Tresor", "BUFF_VALUE", "source", "<SetVariable name='var:result' value='30' />"));
    EXPECT_FLOAT_EQ(h.engine->creatureValue(0, 50), 123.0f + 30.0f);
}

TEST(LookAhead, TheMatchupIsZeroWhenEitherCreatureIsDown) {
    FlowHarness h;
    h.sendInFirstMembers();
    EXPECT_GT(h.engine->matchupTerm(0), 0.0f);
    h.active(1)->setHp(0);
    EXPECT_FLOAT_EQ(h.engine->matchupTerm(0), 0.0f);
    EXPECT_FLOAT_EQ(h.engine->matchupTerm(1), 0.0f);
}

TEST(LookAhead, TheMatchupWeighsTheRivalsThreatAgainstTheHpLeft) {
    // Braisier (Pyro and Flore) against Herbette (Flore): Pyro doubles, Flore is neutral, so e = 2.
    FlowHarness h(true, {"Herbette"}, {"Braisier"});
    h.sendInFirstMembers();
    Zelkin* mine = h.active(0);
    Zelkin* rival = h.active(1);
    float level = static_cast<float>(rival->getLevel());
    auto threat = [&](float attack, float defence, int hp) {
        float value = level * attack / defence * 2.0f;
        if (static_cast<float>(hp / 2) > value) return value / 3.0f;
        if (static_cast<float>(hp) > value) return value / 1.5f;
        return value;
    };
    float expected =
        0.5f *
        (threat(rival->getAttack(), mine->getDefence(), mine->getHp()) * (100.0f / 75.0f) +
         threat(rival->getSpecialAttack(), mine->getSpecialDefence(), mine->getHp()) * (100.0f / 75.0f));
    EXPECT_NEAR(h.engine->matchupTerm(0), expected, 0.01f);
    EXPECT_EQ(h.engine->getVariables()->getOffensiveTypes(), (std::vector<std::string>{"Pyro", "Flore"}));
    // The evaluation is the side's worth, less the rival's, less the threat it faces.
    float evaluation =
        h.engine->creatureValue(0, 50) - h.engine->creatureValue(1, 50) - h.engine->matchupTerm(0);
    EXPECT_NEAR(h.engine->evaluate(0, 50), evaluation, 0.01f);
}

TEST(LookAhead, TheScriptsOfAnEvaluationRunInTheOrderOfItsTerms) {
    FlowHarness h;
    h.sendInFirstMembers();
    // The rival's attack is checked before one's own defence: (0 + 1) x 10, not 0 x 10 + 1.
    h.give(0,
           h.define("Compte", "CHECK_STAT_ATT", "target", "<AdditionVariable name='var:val_1' value='1' />"));
    h.give(0, h.define("Decuple", "CHECK_STAT_DEF", "source",
                       "<MultiplyVariable name='var:val_1' value='10' />"));
    h.engine->matchupTerm(0);
    EXPECT_FLOAT_EQ(h.engine->getVariables()->getVariable("val_1"), 10.0f);

    // One's own side is priced before the rival's, and both before the matchup.
    h.give(0, h.define("Premier", "BUFF_VALUE", "source", "<AdditionVariable name='var:val_2' value='1' />"));
    h.give(1, h.define("Second", "BUFF_VALUE", "source", "<MultiplyVariable name='var:val_2' value='10' />"));
    h.engine->evaluate(0, 50);
    EXPECT_FLOAT_EQ(h.engine->getVariables()->getVariable("val_2"), 10.0f);
}

TEST(LookAhead, PlayingATurnOnACopyNeverChangesTheBattle) {
    FlowHarness h;
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    Zelkin* mine = h.active(0);
    Zelkin* rival = h.active(1);
    int hp = rival->getHp();
    int pp = mine->getPp(0);
    int turn = h.field->getTurn();

    GameBattleEngine* copy = h.engine->clone();
    GameOrder order;
    order.setMove(0);
    copy->submitOrder(0, &order);
    // The copy played the whole turn and waits for the next orders.
    EXPECT_EQ(copy->getField()->getState(), GameField::STATE_WAITING);
    EXPECT_LT(copy->getField()->getTeam(1)->getActive()->getHp(), hp);
    EXPECT_EQ(copy->getField()->getTeam(0)->getActive()->getPp(0), pp - 1);
    EXPECT_EQ(order.getMoveSlot(), 0);
    delete copy;

    EXPECT_EQ(rival->getHp(), hp);
    EXPECT_EQ(mine->getPp(0), pp);
    EXPECT_EQ(h.field->getTurn(), turn);
    EXPECT_TRUE(h.field->getOrderQueue().empty());
    EXPECT_EQ(h.field->getOpenRequest(0), 1);
}

TEST(LookAhead, GivingUpOnACopyStillPlaysTheTurn) {
    FlowHarness h;
    h.sendInFirstMembers();
    GameBattleEngine* copy = h.engine->clone();
    GameOrder giveUp;
    copy->submitOrder(1, &giveUp);
    EXPECT_EQ(copy->getField()->getTurn(), 1);
    EXPECT_EQ(copy->getField()->getOpenRequest(0), 1);
    delete copy;
}

TEST(LookAhead, AKnockOutOnACopyStopsAtTheReplacementRequest) {
    FlowHarness h;
    h.sendInFirstMembers();
    h.active(1)->setHp(1);
    GameBattleEngine* copy = h.engine->clone();
    GameOrder order;
    order.setMove(0);
    copy->submitOrder(0, &order);
    EXPECT_EQ(copy->getField()->getRequest(1), 2);
    EXPECT_EQ(copy->getField()->getState(), GameField::STATE_WAITING);
    // A replacement answered on the copy sends the next member in without closing a turn.
    GameOrder replacement;
    replacement.setSwitch(1);
    copy->submitOrder(1, &replacement);
    EXPECT_EQ(copy->getField()->getTeam(1)->getActive()->getName(), "Braisier");
    delete copy;
    EXPECT_EQ(h.active(1)->getHp(), 1);
}
