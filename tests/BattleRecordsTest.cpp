// Orders, actions, move records and battle information records: the small records a battle is made of.
#include <gtest/gtest.h>

#include <climits>

#include "TestSupport.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameMove.hpp"
#include "battle/GameOrder.hpp"
#include "rules/DefaultStrings.hpp"

// A clone carries the kind and only the value that belongs to it.
TEST(GameOrder, CloneKeepsOnlyTheValueOfItsKind) {
    GameOrder order;
    EXPECT_EQ(order.getKind(), GameOrder::KIND_GIVE_UP);
    order.setMove(2);
    order.setExtra(9);
    order.setSwitch(4);
    GameOrder* copy = order.clone();
    EXPECT_EQ(copy->getKind(), GameOrder::KIND_SWITCH);
    EXPECT_EQ(copy->getSwitchTarget(), 4);
    EXPECT_EQ(copy->getMoveSlot(), 0);
    EXPECT_EQ(copy->getExtra(), 0);
    delete copy;

    order.reset();
    order.setOther(7);
    copy = order.clone();
    EXPECT_EQ(copy->getKind(), GameOrder::KIND_GIVE_UP);
    EXPECT_EQ(copy->getOther(), 7);
    delete copy;

    order.setMove(3);
    order.reset();
    EXPECT_EQ(order.getKind(), GameOrder::KIND_GIVE_UP);
    EXPECT_EQ(order.getMoveSlot(), 0);
}

TEST(GameMove, CountsHitsUntilTheWantedNumber) {
    GameMove single;
    EXPECT_TRUE(single.countHit());

    GameMove triple;
    triple.setHitsWanted(3);
    EXPECT_FALSE(triple.countHit());
    EXPECT_FALSE(triple.countHit());
    EXPECT_TRUE(triple.countHit());
    EXPECT_EQ(triple.getHitsDone(), 3);
}

// A runaway script may pile up damage; totals stop at the int range instead of wrapping negative.
TEST(GameMove, DamageTotalsSaturate) {
    GameMove record;
    record.addDamage(INT_MAX - 1);
    record.addDamage(50);
    record.addPercentDamage(INT_MIN);
    record.addPercentDamage(-5);
    EXPECT_EQ(record.getDamageTotal(), INT_MAX);
    EXPECT_EQ(record.getPercentTotal(), INT_MIN);
    EXPECT_EQ(record.getDamageDealt(), 0);
    record.markDamageDealt();
    EXPECT_EQ(record.getDamageDealt(), 1);
}

// Every constructor draws its d100 roll; only a move order carries a variable table (freed with it).
TEST(ActionSocket, ConstructorsDrawTheirRollAndFillTheirFields) {
    ScriptedRandom draws({42, 7, 99, 0});
    ActionSocket* order = new ActionSocket(nullptr, 1, 3);
    ActionSocket plain(ActionSocket::SEND_OUT, 0, 2);
    ActionSocket deferred(1, nullptr);
    ActionSocket ranked(ActionSocket::AFTER_SWITCH, 1, 0, 85);

    EXPECT_EQ(order->getType(), ActionSocket::MOVE_ORDER);
    EXPECT_EQ(order->getSource(), 1);
    EXPECT_EQ(order->getArgument(), 3);
    EXPECT_EQ(order->getRoll(), 42);
    EXPECT_NE(order->getVariables(), nullptr);
    EXPECT_EQ(plain.getRoll(), 7);
    EXPECT_EQ(plain.getVariables(), nullptr);
    EXPECT_EQ(plain.getPriority(), 0);
    EXPECT_EQ(deferred.getType(), ActionSocket::DEFERRED_EFFECT);
    EXPECT_EQ(deferred.getArgument(), 0);
    EXPECT_EQ(deferred.getRoll(), 99);
    EXPECT_EQ(ranked.getPriority(), 85);
    EXPECT_EQ(ranked.getRoll(), 0);
    delete order;
}

namespace {
struct TitleCase {
    int mode;
    int round;
    const std::string& title;
    const std::string& subtitle;
    bool quiet;
};
} // namespace

TEST(BattleInformations, TitlesAndQuietnessFollowModeAndRound) {
    using namespace DefaultStrings;
    const TitleCase cases[] = {
        {1, 1, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_BATTLE_IMP_1, false},
        {1, 5, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_BATTLE_IMP_5, false},
        {1, 8, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_BATTLE_IMP_8, false},
        {1, 9, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_BATTLE_IMP_9, true},
        {1, 0, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_TOURNAMENT_BATTLE, false},
        {1, 10, BATTLE_INFO_JOURNEY_BATTLE, BATTLE_INFO_TOURNAMENT_BATTLE, false},
        {3, 4, BATTLE_INFO_SECRET_BATTLE, BATTLE_INFO_SECRET_SUBBATTLE, true},
        {2, 4, BATTLE_INFO_SIMPLE_BATTLE, BATTLE_INFO_FRIENDLY_BATTLE, false},
    };
    for (const TitleCase& c : cases) {
        BattleInformations record(nullptr, c.mode, c.round);
        EXPECT_EQ(record.getName(), c.title) << c.mode << "/" << c.round;
        EXPECT_EQ(record.getSecondText(), c.subtitle) << c.mode << "/" << c.round;
        EXPECT_EQ(record.isQuiet(), c.quiet) << c.mode << "/" << c.round;
    }
    // The defaults the screens show.
    EXPECT_EQ(BattleInformations(nullptr, 1, 8).getSecondText(), "Grand Final");
    EXPECT_EQ(BattleInformations(nullptr, 1, 9).getSecondText(), "???");
    EXPECT_EQ(BattleInformations(nullptr, 2, 4).getName(), "Battle !!");
    EXPECT_EQ(BattleInformations(nullptr, 2, 4).getSecondText(), "Friendly Battle");
}

// Texts are copied when the record is made; a clone chooses them again and drops renamed titles.
TEST(BattleInformations, CloneRechoosesTitlesAndKeepsTheSetup) {
    std::string saved = DefaultStrings::BATTLE_INFO_BATTLE_IMP_7;
    BattleInformations record(nullptr, 1, 7);
    DefaultStrings::BATTLE_INFO_BATTLE_IMP_7 = "Demi-finale";
    EXPECT_EQ(record.getSecondText(), saved);
    DefaultStrings::BATTLE_INFO_BATTLE_IMP_7 = saved;

    record.setName("Finale du club");
    record.setSecondText("Revanche");
    BattleInformations* copy = record.clone();
    EXPECT_EQ(copy->getName(), DefaultStrings::BATTLE_INFO_JOURNEY_BATTLE);
    EXPECT_EQ(copy->getSecondText(), saved);
    EXPECT_EQ(copy->getMode(), 1);
    EXPECT_EQ(copy->getRound(), 7);
    EXPECT_EQ(copy->getStadium(), nullptr);
    EXPECT_EQ(record.getName(), "Finale du club");
    delete copy;
}
