// Decision makers on their threads: valid orders from both kinds, and whole battles between two bots.
#include <gtest/gtest.h>

#include "FlowSupport.hpp"
#include "PlayersSupport.hpp"
#include "players/Bot_IA_Dummy.hpp"
#include "players/Bot_IA_Simul.hpp"
#include "rules/ZelkinMove.hpp"

namespace {
constexpr int FRAME_LIMIT = 200000;

// What the battle screen accepts from a participant for an open request r.
bool acceptable(GameField* field, int side, int request, GameOrder* order) {
    ZelkinTeam* team = field->getTeamChecked(side);
    Zelkin* active = team->getActive();
    if (order->getKind() == GameOrder::KIND_MOVE) {
        int slot = order->getMoveSlot();
        return request == 1 && active != nullptr && active->getHp() > 0 && active->getMove(slot) != nullptr &&
               active->getPp(slot) > 0;
    }
    if (order->getKind() == GameOrder::KIND_SWITCH) {
        Zelkin* member = team->getMemberAt(order->getSwitchTarget());
        return member != nullptr && member != active && member->getHp() > 0;
    }
    return false;
}

// The battle screen's battle phase with two computer participants, played to the closed field.
// Returns the frames used, or -1 at the limit.
int playBotsToEnd(FlowHarness& h, ZelkBot* bots[2], int* refused) {
    for (int frames = 0; frames < FRAME_LIMIT; ++frames) {
        GameField* field = h.field;
        int state = field->getState();
        bool idle = field->getActionList().empty() && field->getCurrentAction() == nullptr;
        if (state == GameField::STATE_CLOSED && idle) return frames;
        for (int side = 0; side < 2; ++side) {
            bots[side]->decideOrder(h.engine);
            int request = field->getOpenRequest(side);
            // Keeps the loop from spinning while a thread thinks; the screen would draw frames instead.
            if (request > 0 && !bots[side]->isOrderReady()) bots[side]->waitForDecision();
            if (request > 0 && bots[side]->isOrderReady()) {
                GameOrder* order = bots[side]->takeOrder();
                if (order != nullptr && acceptable(field, side, request, order)) {
                    field->setOrder(side, order);
                } else {
                    ++*refused;
                    delete order;
                }
            }
        }
        if (state == GameField::STATE_DECIDED && idle) field->endMatch();
        h.engine->step();
    }
    return -1;
}

void checkValidOrder(FlowHarness& h, int side, GameOrder* order) {
    ASSERT_NE(order, nullptr);
    ZelkinTeam* team = h.field->getTeam(side);
    if (order->getKind() == GameOrder::KIND_MOVE) {
        EXPECT_NE(team->getActive()->getMove(order->getMoveSlot()), nullptr);
    } else {
        ASSERT_EQ(order->getKind(), GameOrder::KIND_SWITCH);
        Zelkin* member = team->getMemberAt(order->getSwitchTarget());
        ASSERT_NE(member, nullptr);
        EXPECT_NE(member, team->getActive());
        EXPECT_GT(member->getHp(), 0);
    }
}
} // namespace

TEST(BotDecisionTest, EachKindDecidesOnItsThreadWithAValidOrder) {
    for (int kind = 0; kind < 2; ++kind) {
        FlowHarness h(true);
        ZelkBot* bot = new Zelkbot_Random(h.world.parser);
        bot->setAI(kind, 5);
        bot->setSide(1);
        EXPECT_EQ(dynamic_cast<Bot_IA_Simul*>(bot->getBotIA()) != nullptr, kind == 1);
        h.field->startMatch();
        // A field that runs arms the participant; the first frame it waits starts the thread.
        bot->decideOrder(h.engine);
        EXPECT_FALSE(bot->isThinking());
        ASSERT_TRUE(h.runUntilInput());
        ASSERT_GT(h.field->getOpenRequest(1), 0);
        bot->decideOrder(h.engine);
        EXPECT_TRUE(bot->isThinking() || bot->isOrderReady());
        // A second frame starts nothing more while the decision is pending.
        bot->decideOrder(h.engine);
        bot->waitForDecision();
        ASSERT_TRUE(bot->isOrderReady());
        GameOrder* order = bot->takeOrder();
        EXPECT_FALSE(bot->isOrderReady());
        checkValidOrder(h, 1, order);
        delete order;
        std::string log;
        bot->getThinkingLog(log);
        EXPECT_FALSE(log.empty());
        if (kind == 1) {
            EXPECT_EQ(log.rfind("ACTUAL : ", 0), 0u) << log;
        }
        delete bot;
    }
}

TEST(BotDecisionTest, ABotDecidesOnlyWhenAskedForThePositionInFrontAndAlwaysBooksTheResult) {
    FlowHarness h(true);
    ZelkBot* bot = makeBotIn(h.world, {"Rocaille", "Braisier", "Marinel"});
    bot->setSide(1);
    h.field->getTeam(1)->setOwner(bot->getTrainerStats());
    h.field->startMatch();
    bot->decideOrder(h.engine);
    ASSERT_TRUE(h.runUntilInput());
    // Side 1 has just knocked side 0's creature out: only side 0 is asked, for a replacement.
    h.active(0)->setHp(0);
    h.field->setRequest(1, 0);
    h.field->setRequest(0, 2);
    bot->decideOrder(h.engine);
    bot->waitForDecision();
    EXPECT_FALSE(bot->isOrderReady());
    std::string log;
    bot->getThinkingLog(log);
    EXPECT_EQ(log, "");

    // An order held from before the replacement came in is not played against the newcomer.
    bot->getBotIA()->choosePick(nullptr, nullptr);
    h.field->setOrder(0, switchOrder(1));
    for (int frame = 0; frame < 5000 && h.field->getOpenRequest(1) == 0; ++frame) {
        bot->decideOrder(h.engine);
        h.engine->step();
    }
    ASSERT_GT(h.field->getOpenRequest(1), 0);
    bot->decideOrder(h.engine);
    bot->waitForDecision();
    ASSERT_TRUE(bot->isOrderReady());
    bot->getThinkingLog(log);
    EXPECT_NE(log, "");
    GameOrder* order = bot->takeOrder();
    checkValidOrder(h, 1, order);
    delete order;

    // The battle moves on and ends while an order is still held: the result is booked all the same.
    h.field->clearRequests();
    ASSERT_EQ(h.field->getState(), GameField::STATE_RUNNING);
    bot->decideOrder(h.engine);
    h.field->setResult(2);
    bot->getBotIA()->choosePick(nullptr, nullptr);
    bot->decideOrder(h.engine);
    EXPECT_EQ(bot->getTrainerStats()->getHistoryAt(0), TrainerStats::RESULT_WIN);
    EXPECT_FALSE(bot->isOrderReady());
    delete bot;
}

TEST(BotDecisionTest, TheLiveBattleMayGoAwayWhileABotThinks) {
    FlowHarness h(true);
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    Bot_IA_Simul thinker(0);
    thinker.setLevel(9);
    thinker.startThinking(h.engine);
    // The decision works on its own snapshot: the battle may even be deleted meanwhile.
    delete h.engine;
    h.engine = nullptr;
    thinker.waitForDecision();
    ASSERT_TRUE(thinker.isReady());
    GameOrder* order = thinker.cloneOrder();
    EXPECT_NE(order->getKind(), GameOrder::KIND_GIVE_UP);
    delete order;
}

TEST(BotDecisionTest, DummyWithoutUsableMoveOrSwitchUsesTheFallbackSlot) {
    FlowHarness h(true, {"Flamby"}, {"Rocaille"});
    h.sendInFirstMembers();
    for (int slot = 0; slot < 5; ++slot)
        h.field->getTeam(0)->setMemberMark(slot, 0);
    Bot_IA_Dummy dummy(0);
    {
        ScriptedRandom draws({0});
        dummy.think(h.engine);
    }
    ASSERT_TRUE(dummy.isReady());
    GameOrder* order = dummy.cloneOrder();
    EXPECT_EQ(order->getKind(), GameOrder::KIND_MOVE);
    EXPECT_EQ(order->getMoveSlot(), 4);
    delete order;
}

TEST(BotDecisionTest, DummyScoresMovesAndSwitchesByChance) {
    FlowHarness h(true);
    h.sendInFirstMembers();
    Bot_IA_Dummy dummy(0);
    {
        // Not a switching turn (first draw 5); then three moves score 10+3-4, 80+8-4, 80+0-4 (then the 4th).
        ScriptedRandom draws({5, 10, 3, 80, 8, 80, 0, 1, 1});
        dummy.think(h.engine);
    }
    GameOrder* order = dummy.cloneOrder();
    EXPECT_EQ(order->getKind(), GameOrder::KIND_MOVE);
    EXPECT_EQ(order->getMoveSlot(), 1);
    delete order;
    std::string log;
    dummy.getLog(log);
    EXPECT_EQ(log.rfind("Charge : 9\nFlammeche : 84\n", 0), 0u) << log;

    // A replacement is due: the highest draw among those who can come in.
    h.field->setRequest(0, 2);
    {
        ScriptedRandom draws({5, 30, 60});
        dummy.think(h.engine);
    }
    order = dummy.cloneOrder();
    EXPECT_EQ(order->getKind(), GameOrder::KIND_SWITCH);
    EXPECT_EQ(order->getSwitchTarget(), 2);
    delete order;
}

TEST(BotDecisionTest, SimulReplacesByPlayingEachCandidateOut) {
    FlowHarness h(true);
    h.sendInFirstMembers();
    h.active(0)->setHp(0);
    h.field->setRequest(0, 2);
    Bot_IA_Simul simul(0);
    simul.setLevel(9);
    simul.think(h.engine);
    GameOrder* order = simul.cloneOrder();
    EXPECT_EQ(order->getKind(), GameOrder::KIND_SWITCH);
    EXPECT_TRUE(order->getSwitchTarget() == 1 || order->getSwitchTarget() == 2);
    delete order;
    std::string log;
    simul.getLog(log);
    EXPECT_EQ(log.rfind("ACTUAL : ", 0), 0u);
    EXPECT_NE(log.find("Aquilon : "), std::string::npos);
    EXPECT_NE(log.find("Herbette : "), std::string::npos);
}

TEST(BotDecisionTest, SimulLevelsOutsideOneToNineStaySound) {
    FlowHarness h(true);
    h.sendInFirstMembers();
    for (int level : {0, -3, 12}) {
        Bot_IA_Simul simul(1);
        simul.setLevel(level);
        simul.think(h.engine);
        GameOrder* order = simul.cloneOrder();
        EXPECT_NE(order->getKind(), GameOrder::KIND_GIVE_UP) << level;
        delete order;
        std::string log;
        simul.getLog(log);
        EXPECT_EQ(log.find("nan"), std::string::npos) << log;
    }
}

TEST(BotDecisionTest, TwoBotsPlayAWholeBattleAndBookTheResult) {
    for (int kind = 0; kind < 2; ++kind) {
        FlowHarness h(kind == 0, {"Flamby", "Aquilon", "Herbette"}, {"Rocaille", "Braisier", "Marinel"});
        ZelkBot* bots[2] = {makeBotIn(h.world, {"Flamby", "Aquilon", "Herbette"}, "Gauche"),
                            makeBotIn(h.world, {"Rocaille", "Braisier", "Marinel"}, "Droite")};
        for (int side = 0; side < 2; ++side) {
            bots[side]->setAI(kind, 9);
            bots[side]->resetMemory();
            bots[side]->setSide(side);
            h.field->getTeam(side)->setOwner(bots[side]->getTrainerStats());
        }
        h.field->startMatch();
        int refused = 0;
        int frames = playBotsToEnd(h, bots, &refused);
        ASSERT_GE(frames, 0) << "the battle between bots did not end";
        EXPECT_EQ(refused, 0);
        int result = h.field->getResult();
        ASSERT_TRUE(result >= 1 && result <= 3) << result;
        TrainerStats* left = bots[0]->getTrainerStats();
        TrainerStats* right = bots[1]->getTrainerStats();
        if (result == 3) {
            EXPECT_EQ(left->getHistoryAt(0), TrainerStats::RESULT_DRAW);
            EXPECT_EQ(right->getHistoryAt(0), TrainerStats::RESULT_DRAW);
        } else {
            EXPECT_EQ(left->getHistoryAt(0), result == 1 ? 1 : 2);
            EXPECT_EQ(right->getHistoryAt(0), result == 2 ? 1 : 2);
            EXPECT_EQ(left->countWins() + right->countWins(), 1);
        }
        // Each knock-out seen between decisions went into someone's matchup memory.
        EXPECT_GT(bots[0]->getStoredResults() + bots[1]->getStoredResults(), 0.0);
        delete bots[0];
        delete bots[1];
    }
}

TEST(BotDecisionTest, ARosterBotRewritesItsFileAfterItsBattle) {
    FlowHarness h(true, {"Flamby", "Aquilon", "Herbette"}, {"Rocaille", "Braisier", "Marinel"});
    h.world.dir.write("bots/zoe.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot* bots[2] = {new ZelkBot(h.world.parser, "bots/zoe.xml"),
                        makeBotIn(h.world, {"Rocaille", "Braisier", "Marinel"}, "Droite")};
    for (int side = 0; side < 2; ++side) {
        bots[side]->setSide(side);
        h.field->getTeam(side)->setOwner(bots[side]->getTrainerStats());
    }
    h.field->startMatch();
    int refused = 0;
    ASSERT_GE(playBotsToEnd(h, bots, &refused), 0);
    const std::string written = h.world.dir.read("bots/zoe.xml");
    int result = h.field->getResult();
    const char* streak = result == 1   ? "<streak>1</streak>"
                         : result == 3 ? "<streak>0</streak>"
                                       : "<streak>-4</streak>";
    EXPECT_NE(written.find(streak), std::string::npos) << written;
    EXPECT_NE(written.find("<tag>Veteran</tag>"), std::string::npos);
    delete bots[0];
    delete bots[1];
}
