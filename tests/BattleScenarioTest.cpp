// Whole battles without a window: two scripted sides play to the end, with and without a bot thinking on
// another thread at the same time.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FlowSupport.hpp"

namespace {
// Generous: a battle of three against three ends in a few thousand frames, messages included.
constexpr int FRAME_LIMIT = 200000;

// The result agrees with who is left standing, and the match went through to its close.
void expectConsistentEnd(FlowHarness& h) {
    int left0 = h.field->getTeam(0)->countAlive();
    int left1 = h.field->getTeam(1)->countAlive();
    switch (h.field->getResult()) {
    case 1:
        EXPECT_EQ(left1, 0);
        EXPECT_GT(left0, 0);
        break;
    case 2:
        EXPECT_EQ(left0, 0);
        EXPECT_GT(left1, 0);
        break;
    case 3:
        EXPECT_EQ(left0 + left1, 0);
        break;
    default:
        ADD_FAILURE() << "no result: " << h.field->getResult();
    }
    EXPECT_EQ(h.field->getState(), GameField::STATE_CLOSED);
    if (Zelkin* best = h.field->getBestCreature()) {
        ZelkinTeam* winner = h.field->getTeam(h.field->getResult() - 1);
        bool found = false;
        for (int i = 0; Zelkin* member = winner->getMemberAt(i); ++i)
            found = found || member == best;
        EXPECT_TRUE(found);
    }
}
} // namespace

TEST(BattleScenario, ScriptedSidesPlayAQuietBattleToItsEnd) {
    for (int round = 0; round < 3; ++round) {
        FlowHarness h(true);
        h.field->startMatch();
        int frames = h.playToEnd(FRAME_LIMIT);
        ASSERT_GE(frames, 0) << "the battle did not end";
        expectConsistentEnd(h);
        EXPECT_GT(h.field->getTurn(), 1);
    }
}

TEST(BattleScenario, ScriptedSidesPlayANoisyBattleWithStatusesAndWeather) {
    // Every move gets its turn: Herbette poisons, Aquilon calls the rain and heals, Flamby growls.
    FlowHarness h(false, {"Herbette", "Aquilon", "Flamby"}, {"Marinel", "Braisier", "Rocaille"});
    h.rotate = true;
    h.field->startMatch();
    int frames = h.playToEnd(FRAME_LIMIT);
    ASSERT_GE(frames, 0) << "the battle did not end";
    expectConsistentEnd(h);
}

TEST(BattleScenario, ABotThinksOnAnotherThreadWhileTheBattlePlaysOn) {
    FlowHarness h(true);
    ZelkinBuffData* mark =
        h.define("Marque", "END_TURN", "source", "<DisplayMessage>[SOURCE] brille.</DisplayMessage>");
    h.field->startMatch();
    ASSERT_TRUE(h.runUntilInput());
    h.give(0, mark);
    h.give(1, mark);

    // The bot's copy is made on the battle's thread; from then on only the thinking thread touches it.
    GameBattleEngine* copy = h.engine->clone();
    std::atomic<bool> done{false};
    float best = -1e9f;
    int simulations = 0;
    std::thread thinker([&] {
        for (int pass = 0; pass < 5; ++pass) {
            for (int candidate = 0; candidate < 5; ++candidate) {
                GameBattleEngine* trial = copy->clone();
                GameOrder order;
                if (candidate < 4)
                    order.setMove(candidate);
                else
                    order.setSwitch(1);
                trial->submitOrder(1, &order);
                float score = trial->evaluate(1, 50);
                if (score > best) best = score;
                ++simulations;
                delete trial;
            }
        }
        // Whatever the look-ahead took out of play is freed on its own thread.
        clearDiscardedBuffs();
        done = true;
    });
    int frames = h.playToEnd(FRAME_LIMIT);
    thinker.join();
    delete copy;

    EXPECT_TRUE(done);
    EXPECT_EQ(simulations, 25);
    EXPECT_GT(best, -1e9f);
    ASSERT_GE(frames, 0) << "the battle did not end";
    expectConsistentEnd(h);
}
