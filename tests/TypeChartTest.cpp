// Type effectiveness (loaded multipliers and the fixed chart) and the team gap analysis.
#include <gtest/gtest.h>

#include "TestSupport.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/TableType.hpp"
#include "rules/TeamAnalyzer.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

TEST(TableType, ChartCoversStrongWeakImmuneAndOutOfRangeIds) {
    TableType table;
    EXPECT_FLOAT_EQ(table.getChartMultiplier(1, 13), 0.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(13, 1), 0.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(2, 4), 2.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(2, 17), 0.5f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(18, 16), 2.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(1, 1), 1.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(19, 13), 1.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(0, 13), 1.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(-7, 13), 1.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(5, 19), 1.0f);
    EXPECT_FLOAT_EQ(table.getChartMultiplier(5, 0), 1.0f);
    EXPECT_FLOAT_EQ(table.getDualChartMultiplier(7, 9, 5), 0.0f);
    EXPECT_FLOAT_EQ(table.getDualChartMultiplier(2, 4, 7), 4.0f);
    EXPECT_FLOAT_EQ(table.getDualChartMultiplier(2, 4, 17), 1.0f);
}

TEST(TableType, LoadedMultipliersSingleDualAndImmunity) {
    ZelkinType fire("Fire"), grass("Grass"), water("Water"), ghost("Ghost"), normal("Normal");
    fire.addEffectiveness("Grass", 2.0f);
    fire.addEffectiveness("Water", 0.5f);
    normal.addEffectiveness("Ghost", 0.0f);
    TableType table;
    EXPECT_FLOAT_EQ(table.getMultiplier(&fire, &grass), 2.0f);
    EXPECT_FLOAT_EQ(table.getMultiplier(&fire, &water), 0.5f);
    EXPECT_FLOAT_EQ(table.getMultiplier(&fire, &fire), 1.0f);
    EXPECT_FLOAT_EQ(table.getMultiplier(&normal, &ghost), 0.0f);
    EXPECT_FLOAT_EQ(table.getDualMultiplier(&fire, &grass, &grass), 4.0f);
    EXPECT_FLOAT_EQ(table.getDualMultiplier(&fire, &grass, &water), 1.0f);
    EXPECT_FLOAT_EQ(table.getDualMultiplier(&normal, &grass, &ghost), 0.0f);
}

TEST(TableType, MissingTypeCountsAsNeutral) {
    ZelkinType fire("Fire"), grass("Grass");
    fire.addEffectiveness("Grass", 2.0f);
    TableType table;
    EXPECT_FLOAT_EQ(table.getMultiplier(&fire, nullptr), 1.0f);
    EXPECT_FLOAT_EQ(table.getMultiplier(nullptr, &grass), 1.0f);
    EXPECT_FLOAT_EQ(table.getMultiplier(nullptr, nullptr), 1.0f);
    EXPECT_FLOAT_EQ(table.getDualMultiplier(&fire, &grass, nullptr), 2.0f);
    EXPECT_FLOAT_EQ(table.getDualMultiplier(&fire, nullptr, nullptr), 1.0f);
}

// A database with the fixture's types installed in the global bundle for the test's length.
class TeamAnalysis : public ::testing::Test {
protected:
    void SetUp() override {
        previous = gameBundle->parser;
        parser = new GameParser();
        parser->loadTypes(fixturePath("creature/types.xml"));
        gameBundle->parser = parser;
    }
    void TearDown() override {
        for (Zelkin* creature : creatures)
            delete creature;
        for (ZelkinMove* move : moves)
            delete move;
        for (ZelkinZelkinary* species : speciesList)
            delete species;
        gameBundle->parser = previous;
        delete parser;
    }
    int index(const std::string& name) {
        for (int i = 0; i < parser->countTypes(); ++i)
            if (parser->getTypeAt(i)->getName() == name) return i;
        return -1;
    }
    Zelkin* creature(const char* first, const char* second) {
        ZelkinZelkinary* species = new ZelkinZelkinary("Mon", static_cast<int>(speciesList.size()) + 1);
        if (first) species->addType(parser->findType(first));
        if (second) species->addType(parser->findType(second));
        speciesList.push_back(species);
        Zelkin* made = new Zelkin(species, 50);
        creatures.push_back(made);
        return made;
    }
    ZelkinMove* move(const char* type, const char* category, int power) {
        ZelkinMove* made =
            new ZelkinMove("Move", type ? parser->findType(type) : nullptr, category, 10, nullptr);
        made->setPower(power);
        moves.push_back(made);
        return made;
    }

    ScratchDir dir;
    GameParser* previous = nullptr;
    GameParser* parser = nullptr;
    std::vector<Zelkin*> creatures;
    std::vector<ZelkinMove*> moves;
    std::vector<ZelkinZelkinary*> speciesList;
};

TEST_F(TeamAnalysis, DefensiveFlagsNeedTheProductBelowOne) {
    ASSERT_EQ(parser->countTypes(), 8);
    TeamAnalyzer analyzer;
    // Fire/Grass: Rock hits both for 2.0, Fire and Water cancel out, only Grass is resisted (0.25).
    analyzer.addCreature(creature("Fire", "Grass"));
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Rock")), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Fire")), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Water")), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Grass")), 1);
    EXPECT_EQ(analyzer.getDefensiveFlag(0), 0);

    // Fire/Metal: Rock gives 2.0 x 0.25 = 0.5, a resistance.
    analyzer.addCreature(creature("Fire", "Metal"));
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Rock")), 1);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Fire")), 1);

    // A single-typed Ghost is immune to Normal, which counts as resisting; flags never go past 1.
    Zelkin* ghost = creature("Ghost", nullptr);
    analyzer.addCreature(ghost);
    analyzer.addCreature(ghost);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Normal")), 1);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Grass")), 1);
    EXPECT_EQ(analyzer.getDefensiveFlag(index("Ghost")), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(0), 0); // "none" has no entries, so nobody resists it
}

TEST_F(TeamAnalysis, OffensiveFlagsComeFromDamagingMovesOnly) {
    TeamAnalyzer analyzer;
    Zelkin* mon = creature("Normal", nullptr);
    mon->addMove(move("Grass", "special", 0), 5);   // no power
    mon->addMove(move("Ghost", "status", 90), 5);   // category 0
    mon->addMove(move(nullptr, "physique", 90), 5); // no type
    mon->addMove(move("Water", "physique", 40), 5);
    analyzer.addCreature(mon);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Fire")), 1);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Water")), 0);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Ghost")), 0);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Grass")), 0);

    Zelkin* second = creature("Ghost", nullptr);
    second->addMove(move("Ghost", "special", 80), 5);
    analyzer.addCreature(second);
    analyzer.addCreature(second);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Ghost")), 1);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Fire")), 1);
    EXPECT_EQ(analyzer.getOffensiveFlag(index("Normal")), 0); // 0.0 is not super-effective
}

TEST_F(TeamAnalysis, OutOfRangeIndexesNullCreaturesAndTypelessCreaturesAreHarmless) {
    TeamAnalyzer analyzer;
    analyzer.addCreature(nullptr);
    analyzer.addCreature(creature(nullptr, nullptr)); // every matchup 1.0: no resistance
    for (int i = 0; i < parser->countTypes(); ++i)
        EXPECT_EQ(analyzer.getDefensiveFlag(i), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(-1), 0);
    EXPECT_EQ(analyzer.getDefensiveFlag(8), 0);
    EXPECT_EQ(analyzer.getOffensiveFlag(1000), 0);

    // Flags sized for fewer types than the database holds only cover what they have.
    TeamAnalyzer small(2);
    small.addCreature(creature("Fire", "Metal"));
    EXPECT_EQ(small.getDefensiveFlag(1), 1);
    EXPECT_EQ(small.getDefensiveFlag(index("Rock")), 0);

    gameBundle->parser = nullptr;
    TeamAnalyzer withoutDatabase;
    withoutDatabase.addCreature(creatures.front());
    EXPECT_EQ(withoutDatabase.getDefensiveFlag(0), 0);
}
