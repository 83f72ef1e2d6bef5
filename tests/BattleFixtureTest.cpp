// The battle fixture's data set loads cleanly and builds the teams the engine tests rely on.
#include <gtest/gtest.h>

#include "BattleFixture.hpp"
#include "rules/Ruleset.hpp"

TEST(BattleFixture, LoadsEveryRecordWithoutAnErrorLine) {
    BattleFixture world;
    for (const std::string& line : world.loadErrors)
        ADD_FAILURE() << line;
    EXPECT_EQ(world.parser->countSpecies(), 6);
    EXPECT_EQ(world.parser->countMoves(), 10);
    EXPECT_EQ(world.parser->countAbilities(), 2);
    EXPECT_EQ(world.parser->countBuffs(), 6);
    EXPECT_EQ(world.parser->countStadiums(), 2);
    ASSERT_NE(world.parser->getCurrentRuleset(), nullptr);
    EXPECT_EQ(world.parser->getCurrentRuleset()->getName(), "Standard");
    EXPECT_EQ(world.buff("Brulure")->getStatusCode(), "BRU");
    EXPECT_EQ(world.buff("Pluie")->getSpot(), "meteo");
    EXPECT_TRUE(world.buff("Garde")->isTeamBuff());
    ASSERT_NE(world.move("Vive Attaque"), nullptr);
    EXPECT_EQ(world.move("Vive Attaque")->getPriority(), 1);
    EXPECT_EQ(world.move("Double Pied")->getHits(), 2);
    EXPECT_EQ(world.stadium("Sommet Calme")->isUltimate(), 1);
}

TEST(BattleFixture, FieldHoldsTwoFullTeamsWithMovesAndAbilities) {
    BattleFixture world;
    ScriptedRandom draws({5, 7, 9});
    GameField* field = world.makeField();
    ASSERT_EQ(field->getTeam(0)->countAlive(), 3);
    ASSERT_EQ(field->getTeam(1)->countAlive(), 3);
    Zelkin* flamby = field->getTeam(0)->getMemberAt(0);
    EXPECT_EQ(flamby->getName(), "Flamby");
    EXPECT_EQ(flamby->getMoveCount(), 4);
    EXPECT_EQ(flamby->getMove(2)->getName(), "Vive Attaque");
    ASSERT_NE(flamby->getAbility(), nullptr);
    EXPECT_EQ(flamby->getAbility()->getDefinition()->getName(), "Carapace");
    EXPECT_GT(field->getTeam(1)->getMemberAt(2)->getSpeed(), flamby->getSpeed());
    // Only the crowd's two popularity draws.
    EXPECT_EQ(draws.remaining(), 1u);
    delete field;
}
