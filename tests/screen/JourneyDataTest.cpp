// The journey's run as it is built: made opponents, roster copies, the secret encounter and the order.
#include <gtest/gtest.h>

#include <set>

#include "JourneySupport.hpp"
#include "battle/BattleInformations.hpp"
#include "rules/Ruleset.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "scenes/JourneyData.hpp"
#include "scenes/JourneyEncounter.hpp"

namespace {

std::string trainerName(JourneyEncounter* encounter) {
    return encounter->opponent->getTrainerStats()->getName();
}

// The run, freed with everything it made when the test ends.
struct JourneyRun {
    JourneyRun(JourneyWorld& world, int difficulty) : data(world.builder, world.roster) {
        data.generate(difficulty);
    }
    ~JourneyRun() { data.deleteEncounters(); }
    JourneyData data;
};

TEST(JourneyData, EmptyRosterMakesNineOpponentsWithRisingLevelsAndNoSecret) {
    JourneyWorld world(0);
    JourneyRun run(world, 4);
    ASSERT_EQ(run.data.getPending().size(), 9u);
    EXPECT_EQ(run.data.getSecret(), nullptr);
    const int levels[] = {5, 5, 6, 6, 7, 7, 8, 8, 9};
    const char* const names[] = {"Round 1", "Round 2",    "Round 3",     "Round 4", "Round 5",
                                 "Top 8",   "Semi-Final", "Grand Final", "???"};
    int i = 0;
    for (JourneyEncounter* encounter : run.data.getPending()) {
        SCOPED_TRACE(i);
        ZelkBot* opponent = encounter->opponent;
        EXPECT_TRUE(opponent->isTransient());
        EXPECT_EQ(opponent->getAIKind(), 1);
        EXPECT_EQ(opponent->getAILevel(), levels[i]);
        EXPECT_EQ(opponent->countMembers(), 6);
        // Six different species within one team.
        std::set<int> numbers;
        for (int k = 0; k < 6; ++k)
            numbers.insert(opponent->getMember(k)->getNumber());
        EXPECT_EQ(numbers.size(), 6u);
        EXPECT_EQ(encounter->battleInformations->getMode(), 1);
        EXPECT_EQ(encounter->battleInformations->getRound(), i + 1);
        EXPECT_EQ(encounter->name, names[i]);
        ++i;
    }
    // The ninth ordinary battle is quiet, like the hidden one would be.
    EXPECT_TRUE(run.data.getPending().back()->battleInformations->isQuiet());
    EXPECT_EQ(world.builder->countUsed(), 0);

    for (int k = 0; k < 8; ++k)
        EXPECT_NE(run.data.advance(), nullptr);
    EXPECT_FALSE(run.data.isEmpty());
    EXPECT_EQ(run.data.advance(), nullptr);
    EXPECT_TRUE(run.data.isEmpty());
    EXPECT_EQ(run.data.current(), nullptr);
    // Nothing left to move: advance changes nothing.
    EXPECT_EQ(run.data.advance(), nullptr);
    EXPECT_EQ(run.data.getFought().size(), 9u);
}

TEST(JourneyData, LevelsStopAtNine) {
    EXPECT_EQ(JourneyData::opponentLevel(0, 0), 1);
    EXPECT_EQ(JourneyData::opponentLevel(4, 4), 7);
    EXPECT_EQ(JourneyData::opponentLevel(8, 4), 9);
    JourneyWorld world(0);
    JourneyRun run(world, 9);
    for (JourneyEncounter* encounter : run.data.getPending())
        EXPECT_EQ(encounter->opponent->getAILevel(), 9);
}

TEST(JourneyData, FourRosterBotsEachMeetThePlayerOnceTheLastInSecret) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        JourneyWorld world(4);
        JourneyRun run(world, 0);
        ASSERT_EQ(run.data.getPending().size(), 8u);
        ASSERT_NE(run.data.getSecret(), nullptr);
        std::set<std::string> met;
        int round = 1;
        for (JourneyEncounter* encounter : run.data.getPending()) {
            bool fromRoster = trainerName(encounter).compare(0, 3, "Bot") == 0;
            EXPECT_EQ(fromRoster, round >= 6) << "round " << round;
            if (fromRoster) met.insert(trainerName(encounter));
            ++round;
        }
        JourneyEncounter* secret = run.data.getSecret();
        met.insert(trainerName(secret));
        EXPECT_EQ(met.size(), 4u);
        EXPECT_EQ(secret->battleInformations->getMode(), 3);
        EXPECT_TRUE(secret->battleInformations->isQuiet());
        EXPECT_EQ(secret->name, "???");
        // Copies: the roster's own bots are never handed out and never changed.
        for (int b = 0; b < 4; ++b) {
            EXPECT_NE(secret->opponent, world.roster->get(b));
            EXPECT_EQ(world.roster->get(b)->countMembers(), 6);
        }
        EXPECT_TRUE(secret->opponent->isTransient());
        // After the eighth win only the secret encounter is left.
        for (int k = 0; k < 7; ++k)
            run.data.advance();
        EXPECT_EQ(run.data.advance(), secret);
        EXPECT_TRUE(run.data.isEmpty());
        EXPECT_EQ(run.data.advance(), secret);
    }
}

TEST(JourneyData, SmallRostersFillTheLastRoundsAndTheSecret) {
    for (int bots = 1; bots <= 3; ++bots) {
        SCOPED_TRACE(bots);
        JourneyWorld world(bots);
        JourneyRun run(world, 2);
        ASSERT_EQ(run.data.getPending().size(), 8u);
        int made = 0;
        for (JourneyEncounter* encounter : run.data.getPending())
            if (trainerName(encounter).compare(0, 3, "Bot") != 0) ++made;
        EXPECT_EQ(made, 9 - bots);
        ASSERT_NE(run.data.getSecret(), nullptr);
        EXPECT_EQ(trainerName(run.data.getSecret()).compare(0, 3, "Bot"), 0);
    }
}

TEST(JourneyData, RosterCopiesAreFittedToTheCurrentRuleset) {
    JourneyWorld world(0);
    // "Tournoi": no legendaries, no forms, at most 450 in base stats.
    world.parser->selectRuleset(1);
    ZelkBot* bot = new ZelkBot();
    ZelkinZelkinary* heavy = nullptr;
    for (ZelkinZelkinary* species : world.parser->getSpeciesList())
        if (species->getName() == "Titanor") heavy = species;
    ASSERT_NE(heavy, nullptr);
    Zelkin* refused = new Zelkin(heavy, 50);
    ASSERT_FALSE(world.parser->isCreatureAllowed(refused));
    bot->addMember(refused);
    for (int k = 1; k < 6; ++k)
        bot->addMember(world.builder->createRandomCreature());
    world.builder->clearUsed();
    bot->setTrainerInfo(3, "Bot0", "");
    world.roster->add(bot);

    JourneyRun run(world, 0);
    ZelkBot* copy = run.data.getSecret()->opponent;
    ASSERT_EQ(copy->countMembers(), 6);
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(world.parser->isCreatureAllowed(copy->getMember(k))) << k;
    EXPECT_NE(copy->getMember(0)->getNumber(), 24);
    // The roster's own bot keeps its team as it was.
    EXPECT_EQ(bot->getMember(0), refused);
    EXPECT_EQ(world.builder->countUsed(), 0);
}

} // namespace
