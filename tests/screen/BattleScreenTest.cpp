// The battle screen: set-up, team pick, a whole battle between computer sides, the orders it accepts.
#include <gtest/gtest.h>

#include "BattleScreenSupport.hpp"
#include "battle/GameOrder.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"
#include "presentation/ParticleEngine.hpp"

namespace {

// Two computer sides fight a whole battle, frame by frame, from the opening to the results screen.
TEST(BattleScreen, TwoComputerSidesFightToTheResult) {
    BattleScreenWorld world(true, true);
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(screen.isAlive());
    EXPECT_TRUE(screen.hasOpening());
    // Both teams carry their trainer's record and name before anything is picked.
    EXPECT_EQ(screen.getField()->getTeamChecked(0)->getOwner(), world.player->getTrainerStats());
    EXPECT_EQ(screen.getField()->getTeamChecked(1)->getName(), "Bruno");
    EXPECT_EQ(screen.getSelection(0)->getMemberCount(), 6);
    EXPECT_EQ(screen.getSelection(0)->getCapacity(), 3);

    world.skipOpening();
    EXPECT_FALSE(screen.hasOpening());
    EXPECT_EQ(screen.getPhase(), Scene_Battle::PHASE_SELECTION);
    // The keys move the grid cursor only; each computer side picks one creature per 50 frames at most.
    world.press({sf::Keyboard::Return});
    world.press({sf::Keyboard::Num4});
    EXPECT_EQ(screen.getSelection(0)->getPickCount(), 0);
    world.press({sf::Keyboard::Right});
    EXPECT_EQ(screen.getCursor(), 1);
    for (int i = 0; i < 50; ++i)
        world.frame();
    EXPECT_EQ(screen.getSelection(0)->getPickCount(), 1);
    EXPECT_EQ(screen.getSelection(1)->getPickCount(), 1);

    ASSERT_TRUE(world.runUntil([&] { return screen.getPhase() == Scene_Battle::PHASE_BATTLE; }, 400));
    EXPECT_EQ(screen.getCursor(), 0);
    for (int side = 0; side < 2; ++side) {
        ZelkinTeam* team = screen.getField()->getTeamChecked(side);
        EXPECT_EQ(team->getMemberAt(0), screen.getSelection(side)->getPicked(0));
        EXPECT_EQ(team->getActive(), team->getMemberAt(0));
        EXPECT_NE(team->getMemberAt(2), nullptr);
        EXPECT_EQ(team->getMemberAt(3), nullptr);
    }
    // The participants' own creatures stay untouched: the battle fights with copies.
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(world.player->getMember(i)->getHp(), world.player->getMember(i)->getMaxHp());

    ASSERT_TRUE(world.runUntil([&] { return screen.hasResults(); }, 100000));
    int decided = screen.getField()->getResult();
    EXPECT_GE(decided, 1);
    EXPECT_LE(decided, 3);
    // The results screen confirms on Enter (twice: the first cuts the intro short).
    ASSERT_TRUE(world.runUntil(
        [&] {
            if (!screen.isAlive()) return true;
            world.keys.frame({sf::Keyboard::Return});
            screen.run();
            return false;
        },
        2000));
    EXPECT_EQ(screen.getResult(), decided);
    EXPECT_FALSE(world.player->isThinking());
    EXPECT_FALSE(world.opponent->isThinking());
    // The loser has no creature standing; each career record holds the result once.
    ZelkinTeam* loser = screen.getField()->getTeamChecked(decided == 1 ? 1 : 0);
    TrainerStats* first = world.player->getTrainerStats();
    TrainerStats* second = world.opponent->getTrainerStats();
    if (decided != 3) {
        EXPECT_EQ(loser->countAlive(), 0);
        EXPECT_EQ(first->countWins() + second->countWins(), 1);
        EXPECT_EQ(first->countLosses() + second->countLosses(), 1);
        EXPECT_EQ((decided == 1 ? first : second)->getStreak(), 1);
    }
}

TEST(BattleScreen, MissingOrEmptyParticipantIsADrawAtOnce) {
    BattleScreenWorld world;
    world.opponent.reset();
    TestBattleScreen& screen = world.start();
    EXPECT_FALSE(screen.isAlive());
    EXPECT_EQ(screen.getResult(), Scene_Battle::RESULT_DRAW);
    EXPECT_EQ(screen.child, nullptr);

    BattleScreenWorld empty;
    empty.player.reset(new ZelkBot_Human());
    TestBattleScreen& second = empty.start();
    EXPECT_FALSE(second.isAlive());
    EXPECT_EQ(second.getResult(), Scene_Battle::RESULT_DRAW);
}

} // namespace
