// The creature: stats, level balancing, HP rules, moves, ability and status, counters and its two copies.
#include <climits>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBattleStat.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

// A species built in code with uniform base stats unless told otherwise.
std::unique_ptr<ZelkinZelkinary> makeSpecies(int base = 100) {
    std::unique_ptr<ZelkinZelkinary> species(new ZelkinZelkinary("Testmon", 25));
    species->setBaseStats(base, base, base, base, base, base);
    return species;
}

} // namespace

TEST(ZelkinStats, FormulasAtLevelFiftyFollowTheStatOrder) {
    auto species = makeSpecies();
    Zelkin mon(species.get(), 50);
    EXPECT_EQ(mon.getMaxHp(), 183);
    EXPECT_EQ(mon.getHp(), 183);
    EXPECT_EQ(mon.getAttack(), 128);
    EXPECT_EQ(mon.getSpeed(), 128);
    EXPECT_EQ(mon.getPowerRating(), (183 + 5 * 128 + 100) / 8);

    // Arguments go in as HP, attack, defence, special attack, special defence, speed.
    species->setBaseStats(100, 50, 60, 70, 80, 90);
    mon.computeStats();
    EXPECT_EQ(mon.getAttack(), 78);
    EXPECT_EQ(mon.getDefence(), 88);
    EXPECT_EQ(mon.getSpecialAttack(), 98);
    EXPECT_EQ(mon.getSpecialDefence(), 108);
    EXPECT_EQ(mon.getSpeed(), 118);
}

TEST(ZelkinStats, LevelsAreClampedAndRestoreFullHp) {
    auto species = makeSpecies();
    Zelkin mon(species.get(), 50);
    mon.damage(100);
    mon.setLevel(0);
    EXPECT_EQ(mon.getLevel(), 1);
    EXPECT_EQ(mon.getHp(), mon.getMaxHp());
    mon.setLevel(150);
    EXPECT_EQ(mon.getLevel(), 100);
    EXPECT_EQ(mon.getMaxHp(), (100 * 123 * 2) / 100 + 110);

    EXPECT_EQ(Zelkin(species.get(), -40).getLevel(), 1);
    EXPECT_EQ(Zelkin(species.get(), INT_MAX).getLevel(), 100);
}

TEST(ZelkinStats, AbsurdBaseStatsNeitherOverflowNorGiveEmptyHp) {
    auto species = makeSpecies(INT_MAX);
    Zelkin huge(species.get(), 100);
    EXPECT_EQ(huge.getMaxHp(), INT_MAX);
    EXPECT_EQ(huge.getAttack(), INT_MAX);
    EXPECT_GT(huge.getPowerRating(), 0);
    EXPECT_EQ(huge.getHpBarWidth(), 48);
    EXPECT_FLOAT_EQ(huge.getHpPercent(), 100.0f);
    EXPECT_GE(huge.getBattleValue(), 0);
    huge.healFraction(INT_MAX);
    EXPECT_EQ(huge.getHp(), INT_MAX);

    species->setBaseStats(-5000, -5000, 0, 0, 0, 0);
    Zelkin tiny(species.get(), 100);
    EXPECT_EQ(tiny.getMaxHp(), 1);
    EXPECT_EQ(tiny.getHp(), 1);
    EXPECT_FLOAT_EQ(tiny.getHpPercent(), 100.0f);
    EXPECT_EQ(tiny.getHpBarWidth(), 48);
    tiny.damage(INT_MAX);
    EXPECT_EQ(tiny.getHp(), 0);
    EXPECT_FLOAT_EQ(tiny.getHpPercent(), 0.0f);
    EXPECT_EQ(tiny.getHpBarWidth(), 0);
}

TEST(ZelkinStats, BalanceLevelDividesLeftToRightAndCapsAtHundred) {
    auto species = makeSpecies(50); // base total 300
    Zelkin mon(species.get(), 10);
    mon.balanceLevel(1, 50, 525);
    EXPECT_EQ(mon.getLevel(), 61);
    mon.balanceLevel(2, 50, 525);
    EXPECT_EQ(mon.getLevel(), 66);
    mon.balanceLevelDefault(1);
    EXPECT_EQ(mon.getLevel(), 61);
    EXPECT_EQ(mon.getHp(), mon.getMaxHp());
    // K / baseLevel truncates before it divides: 1100 / 70 = 15 and 750 / 70 = 10.
    mon.balanceLevel(1, 70, 525); // (225 x 75) / 15 / 70 + 70
    EXPECT_EQ(mon.getLevel(), 86);
    mon.balanceLevel(2, 70, 525); // (225 x 75) / 10 / 70 + 70
    EXPECT_EQ(mon.getLevel(), 94);
    mon.balanceLevel(1, 40, 300); // total not below target
    EXPECT_EQ(mon.getLevel(), 40);

    species->setBaseStats(1, 1, 1, 1, 1, 1);
    mon.balanceLevel(2, 100, 525); // (519 x 105) / 7 / 100 + 100 = 177
    EXPECT_EQ(mon.getLevel(), 100);
    mon.balanceLevel(2, 50, 525); // (519 x 55) / 15 / 50 + 50
    EXPECT_EQ(mon.getLevel(), 88);

    // A base level outside 1..100 would divide by zero or by K / baseLevel = 0; it is brought into range.
    species->setBaseStats(50, 50, 50, 50, 50, 50);
    mon.balanceLevel(1, 0, 525); // as base level 1: (225 x 6) / 1100 / 1 + 1
    EXPECT_EQ(mon.getLevel(), 2);
    mon.balanceLevel(1, 5000, 525);
    EXPECT_EQ(mon.getLevel(), 100);
    mon.balanceLevel(1, 50, INT_MAX);
    EXPECT_EQ(mon.getLevel(), 100);
}

TEST(ZelkinStats, ScaledSizeBoundaries) {
    auto species = makeSpecies();
    struct Case {
        int total;
        int scaled;
    } cases[] = {{250, 66}, {770, 99}, {775, 100}, {780, 100}, {1025, 116}, {6000, 116}};
    for (const Case& c : cases) {
        species->setBaseStats(c.total - 5 * 10, 10, 10, 10, 10, 10);
        species->parseSizeClass("M");
        Zelkin mon(species.get(), 50);
        EXPECT_EQ(mon.getScaledSize(), c.scaled) << "size " << species->getSize();
    }
    species->setBaseStats(200, 200, 200, 200, 200, 200);
    species->parseSizeClass("XXXXL");
    EXPECT_EQ(Zelkin(species.get(), 50).getScaledSize(), 116);
}

TEST(ZelkinHp, HealDamageAndFractions) {
    auto species = makeSpecies();
    Zelkin mon(species.get(), 50); // 183 HP
    EXPECT_EQ(mon.damage(50), 50);
    EXPECT_EQ(mon.heal(100), 50);
    EXPECT_EQ(mon.getHp(), 183);
    mon.setHp(30);
    EXPECT_EQ(mon.damage(50), 30);
    EXPECT_EQ(mon.getHp(), 0);
    EXPECT_EQ(mon.heal(10), 0);
    EXPECT_EQ(mon.getHp(), 0);
    EXPECT_EQ(mon.healFraction(4), 183 / 4);
    EXPECT_EQ(mon.damageFraction(2), 183 * 2 / 16);
    EXPECT_EQ(mon.getHp(), 45 - 22);
    EXPECT_EQ(mon.damageFraction(16), 23);
    mon.setHp(-5);
    EXPECT_EQ(mon.getHp(), 0);
    mon.setHp(1000);
    EXPECT_EQ(mon.getHp(), 183);
    EXPECT_EQ(mon.heal(INT_MAX), 0);
    EXPECT_EQ(mon.damage(INT_MIN), 0); // a negative blow cannot lift HP past the maximum
    EXPECT_EQ(mon.getHp(), 183);

    mon.setHp(91);
    EXPECT_FLOAT_EQ(mon.getHpPercent(), 49.0f);
    EXPECT_EQ(mon.getHpBarWidth(), 48 + ((91 - 183) * 48) / 183);
}

TEST(ZelkinMoves, FourSlotsWithPp) {
    auto species = makeSpecies();
    ZelkinMove tackle("Tackle", nullptr, "physique", 35, nullptr);
    ZelkinMove ember("Ember", nullptr, "special", 25, nullptr);
    Zelkin mon(species.get(), 50);
    EXPECT_FALSE(mon.hasMoves());
    mon.addMove(nullptr, 10);
    EXPECT_FALSE(mon.hasMoves());
    mon.addMoveWithDefaultPp(&tackle);
    mon.addMove(&ember, 3);
    mon.addMove(&ember, 4);
    mon.addMove(&tackle, 5);
    mon.addMove(&ember, 99); // fifth: ignored
    EXPECT_EQ(mon.getMoveCount(), 4);
    EXPECT_EQ(mon.getPp(0), 35);
    EXPECT_EQ(mon.getMove(1), &ember);
    EXPECT_EQ(mon.getPp(3), 5);
    EXPECT_EQ(mon.getMove(4), nullptr);
    EXPECT_EQ(mon.getMove(-1), nullptr);
    EXPECT_EQ(mon.getPp(4), 0);
    mon.spendPp(1, 2);
    EXPECT_EQ(mon.getPp(1), 1);
    mon.spendPp(1, 2);
    EXPECT_EQ(mon.getPp(1), 0);
    mon.spendPp(0, INT_MIN); // no overflow
    mon.spendPp(7, 1);
    EXPECT_EQ(mon.getPp(2), 4);
}

TEST(ZelkinTypes, ListFromSpeciesAndQueries) {
    auto species = makeSpecies();
    ZelkinType fire("Fire"), rock("Rock"), water("Water");
    Zelkin none(species.get(), 50);
    EXPECT_EQ(none.getPrimaryType(), nullptr);
    EXPECT_EQ(none.getType(0), nullptr);
    EXPECT_TRUE(none.hasType(nullptr));
    EXPECT_TRUE(none.hasTypeId(0));
    EXPECT_TRUE(none.hasTypeNamed(""));
    EXPECT_FALSE(none.hasTypeNamed("Fire"));

    species->addType(&fire);
    species->addType(&rock);
    Zelkin mon(species.get(), 50);
    EXPECT_EQ(mon.getPrimaryType(), &fire);
    EXPECT_EQ(mon.getType(1), &rock);
    EXPECT_EQ(mon.getType(2), nullptr);
    EXPECT_EQ(mon.addType(&rock), 1);
    EXPECT_EQ(mon.addType(&water), 2);
    EXPECT_EQ(mon.addType(nullptr), -1);
    EXPECT_EQ(mon.getTypeCount(), 3);
    EXPECT_TRUE(mon.hasTypeNamed("Water"));
    EXPECT_FALSE(mon.hasTypeNamed("water"));
    EXPECT_TRUE(mon.hasTypeId(rock.getId()));
    EXPECT_FALSE(none.hasType(&fire));
}

TEST(ZelkinAbility, PickedFromTheSpeciesAndReplacedByName) {
    auto species = makeSpecies();
    ZelkinBuffData blaze("Blaze"), guard("Guard"), other("Other");
    {
        ScriptedRandom script({});
        Zelkin plain(species.get(), 50);
        EXPECT_EQ(plain.getAbility(), nullptr);
        EXPECT_EQ(script.drawsUsed(), 0);
    }
    species->addAbility(&blaze);
    species->addAbility(&guard);
    ScriptedRandom script({1});
    Zelkin mon(species.get(), 50);
    ASSERT_NE(mon.getAbility(), nullptr);
    EXPECT_EQ(mon.getAbility()->getDefinition(), &guard);
    EXPECT_TRUE(mon.getAbility()->isAlive());
    EXPECT_EQ(mon.getAbility()->getValue(), 0);
    mon.setAbilityByName("Other"); // not one of the species'
    EXPECT_EQ(mon.getAbility()->getDefinition(), &guard);
    mon.setAbilityByName("Blaze");
    EXPECT_EQ(mon.getAbility()->getDefinition(), &blaze);
    mon.setAbility(new ZelkinBuff(&other, 3));
    EXPECT_EQ(mon.getAbility()->getValue(), 3);
    mon.setAbility(nullptr);
    EXPECT_EQ(mon.getAbility(), nullptr);
}

TEST(ZelkinStatus, SetClearTextAndBattleValue) {
    auto species = makeSpecies();
    ZelkinBuffData poison("Poison"), focus("Focus"), calm("Calm");
    poison.statusCode = "PSN";
    poison.setNatureFromWord("Negative");
    focus.setNatureFromWord("Positive");
    calm.setNatureFromWord("Neutral");
    Zelkin mon(species.get(), 50);
    // ((183 / 2 + 183) x 115) / 183
    int base = ((183 / 2 + 183) * 115) / 183;
    EXPECT_EQ(mon.getBattleValue(), base);
    EXPECT_EQ(mon.getStatusText(), "");
    EXPECT_FALSE(mon.clearStatus());

    ZelkinBuff* status = new ZelkinBuff(&poison, 0);
    EXPECT_TRUE(mon.setStatusIfFree(status));
    EXPECT_EQ(mon.getStatusText(), "PSN");
    EXPECT_EQ(mon.getBattleValue(), static_cast<int>(base * 0.66));
    ZelkinBuff refused(&focus, 0);
    EXPECT_FALSE(mon.setStatusIfFree(&refused));
    EXPECT_EQ(mon.getStatus(), status);

    clearDiscardedBuffs();
    EXPECT_TRUE(mon.clearStatus());
    EXPECT_EQ(mon.getStatus(), nullptr);
    ASSERT_EQ(discardedBuffs().size(), 1u);
    EXPECT_EQ(discardedBuffs()[0], status);
    clearDiscardedBuffs();

    EXPECT_TRUE(mon.setStatusIfFree(new ZelkinBuff(&focus, 0)));
    EXPECT_EQ(mon.getBattleValue(), static_cast<int>(base * 1.5));
    mon.clearStatus();
    EXPECT_TRUE(mon.setStatusIfFree(new ZelkinBuff(&calm, 0)));
    EXPECT_EQ(mon.getBattleValue(), base);
    mon.clearStatus();
    clearDiscardedBuffs();

    mon.setHp(0);
    EXPECT_FALSE(mon.setStatusIfFree(&refused)); // knocked out
    EXPECT_EQ(mon.getBattleValue(), (91 * 115) / 183);
}

TEST(ZelkinCounters, MvpCategoryAndBattleCounters) {
    auto species = makeSpecies();
    Zelkin mon(species.get(), 50);
    EXPECT_EQ(mon.getMvpCategory(), 0);
    mon.addMvpPoints(5, 0);
    mon.addMvpPoints(3, 1);
    mon.addMvpPoints(100, 3); // ignored
    EXPECT_EQ(mon.getMvpPoints(), 8);
    EXPECT_EQ(mon.getMvpCategory(), 0);
    mon.addMvpPoints(3, 1);
    EXPECT_EQ(mon.getMvpCategory(), 1);
    mon.addMvpPoints(6, 2);
    EXPECT_EQ(mon.getMvpCategory(), 1); // a tie with category 1 does not lead
    mon.addMvpPoints(1, 2);
    EXPECT_EQ(mon.getMvpCategory(), 2);

    Zelkin negative(species.get(), 50);
    negative.addMvpPoints(-10, 0);
    EXPECT_EQ(negative.getMvpCategory(), 0);
    negative.addMvpPoints(1, 1);
    EXPECT_EQ(negative.getMvpCategory(), 1);

    mon.addBattleStat(2, 0);
    mon.addBattleStat(1, 11);
    mon.addBattleStat(1, 12);
    mon.addBattleStat(1, -1);
    EXPECT_EQ(mon.getBattleStat(0), 2);
    EXPECT_EQ(mon.getBattleStat(11), 1);
    EXPECT_EQ(mon.getBattleStat(12), 0);
    mon.addBattleStatsToRecord(); // no record: nothing
    mon.createBattleStatRecord();
    auto record = mon.getBattleStatRecord();
    mon.createBattleStatRecord(); // keeps the record it has
    EXPECT_EQ(mon.getBattleStatRecord(), record);
    mon.addBattleStatsToRecord();
    mon.addBattleStatsToRecord();
    EXPECT_EQ(record->get(0), 4);
    EXPECT_EQ(record->get(11), 2);
    EXPECT_EQ(record->get(12), 0);
}

TEST(ZelkinCopies, CloneIsAFreshCreatureSharingTheRecord) {
    auto species = makeSpecies();
    ZelkinBuffData blaze("Blaze"), guard("Guard"), poison("Poison");
    species->addAbility(&blaze);
    species->addAbility(&guard);
    ZelkinMove tackle("Tackle", nullptr, "physique", 35, nullptr);
    ScriptedRandom script({1, 0});
    Zelkin* source = new Zelkin(species.get(), 50);
    source->setName("Sparky");
    source->addMove(&tackle, 2);
    source->damage(100);
    source->mark();
    source->addMvpPoints(5, 1);
    source->addBattleStat(3, 2);
    source->setStatusIfFree(new ZelkinBuff(&poison, 0));
    source->createBattleStatRecord();

    Zelkin* copy = source->clone();
    EXPECT_EQ(copy->getName(), "Sparky");
    EXPECT_EQ(copy->getHp(), copy->getMaxHp());
    EXPECT_EQ(copy->getPp(0), 35);
    EXPECT_EQ(copy->getStatus(), nullptr);
    EXPECT_FALSE(copy->isMarked());
    EXPECT_EQ(copy->getMvpPoints(), 0);
    EXPECT_EQ(copy->getBattleStat(2), 0);
    ASSERT_NE(copy->getAbility(), nullptr);
    EXPECT_NE(copy->getAbility(), source->getAbility());
    EXPECT_EQ(copy->getAbility()->getDefinition(), &guard); // re-chosen by name over the random pick
    EXPECT_EQ(copy->getBattleStatRecord(), source->getBattleStatRecord());

    // Either holder may let go of the shared record; the other keeps a valid one.
    source->deleteBattleStatRecord();
    EXPECT_EQ(source->getBattleStatRecord(), nullptr);
    copy->addBattleStat(1, 0);
    copy->addBattleStatsToRecord();
    EXPECT_EQ(copy->getBattleStatRecord()->get(0), 1);
    delete source;
    copy->deleteBattleStatRecord();
    delete copy;
}

TEST(ZelkinCopies, CloneOfACreatureWithoutAbilityHasNone) {
    auto species = makeSpecies();
    ZelkinBuffData blaze("Blaze");
    species->addAbility(&blaze);
    Zelkin source(species.get(), 50);
    source.setAbility(nullptr);
    std::unique_ptr<Zelkin> copy(source.clone());
    EXPECT_EQ(copy->getAbility(), nullptr);
}

TEST(ZelkinCopies, SimulationCopyMirrorsStateAndStaysIndependent) {
    auto species = makeSpecies();
    ZelkinBuffData blaze("Blaze"), guard("Guard"), poison("Poison");
    species->addAbility(&blaze);
    species->addAbility(&guard);
    ZelkinMove tackle("Tackle", nullptr, "physique", 35, nullptr);
    ScriptedRandom script({1});
    Zelkin* source = new Zelkin(species.get(), 50);
    source->setName("Sparky");
    source->addMove(&tackle, 7);
    source->damage(100);
    source->mark();
    source->getAbility()->setValue(4);
    source->getAbility()->setDuration(3);
    ZelkinBuff* status = new ZelkinBuff(&poison, 2);
    status->setDuration(5);
    source->setStatusIfFree(status);
    source->createBattleStatRecord();

    Zelkin* copy = source->cloneForSimulation();
    EXPECT_EQ(script.drawsUsed(), 1); // the copy draws no ability of its own
    EXPECT_EQ(copy->getName(), "Sparky");
    EXPECT_EQ(copy->getHp(), 83);
    EXPECT_EQ(copy->getPp(0), 7);
    EXPECT_TRUE(copy->isMarked());
    EXPECT_EQ(copy->getBattleStatRecord(), nullptr);
    ASSERT_NE(copy->getAbility(), nullptr);
    ASSERT_NE(copy->getStatus(), nullptr);
    EXPECT_NE(copy->getAbility(), source->getAbility());
    EXPECT_NE(copy->getStatus(), source->getStatus());
    EXPECT_EQ(copy->getAbility()->getDefinition(), &guard);
    EXPECT_EQ(copy->getAbility()->getValue(), 4);
    EXPECT_EQ(copy->getAbility()->getDuration(), 3);
    EXPECT_EQ(copy->getStatus()->getValue(), 2);
    EXPECT_EQ(copy->getStatus()->getDuration(), 5);

    // Changing the copy leaves the source as it was, and the other way round.
    copy->damage(50);
    copy->spendPp(0, 3);
    copy->getAbility()->setValue(9);
    copy->getStatus()->kill();
    EXPECT_EQ(source->getHp(), 83);
    EXPECT_EQ(source->getPp(0), 7);
    EXPECT_EQ(source->getAbility()->getValue(), 4);
    EXPECT_TRUE(source->getStatus()->isAlive());
    source->clearStatus();
    EXPECT_NE(copy->getStatus(), nullptr);
    clearDiscardedBuffs();
    delete source; // the copy owns nothing of the source's
    EXPECT_EQ(copy->getAbility()->getValue(), 9);
    delete copy;
}

TEST(ZelkinCopies, SimulationCopyOfBareOrKnockedOutCreature) {
    auto species = makeSpecies();
    ZelkinBuffData blaze("Blaze"), burn("Burn");
    species->addAbility(&blaze);
    ScriptedRandom script({});
    Zelkin source(species.get(), 50);
    source.setAbility(nullptr);
    std::unique_ptr<Zelkin> bare(source.cloneForSimulation());
    EXPECT_EQ(bare->getAbility(), nullptr); // no random ability slips in
    EXPECT_EQ(bare->getStatus(), nullptr);

    // A status taken before the knock-out stays in the copy, so a look-ahead values the same team.
    source.setStatusIfFree(new ZelkinBuff(&burn, 0));
    source.damage(1000);
    std::unique_ptr<Zelkin> fallen(source.cloneForSimulation());
    EXPECT_EQ(fallen->getHp(), 0);
    ASSERT_NE(fallen->getStatus(), nullptr);
    EXPECT_EQ(fallen->getStatus()->getDefinition(), &burn);
    EXPECT_EQ(fallen->getBattleValue(), source.getBattleValue());
}
