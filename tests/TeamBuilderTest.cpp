// Start-up loading (order, minimum counts, built-in ruleset), random creatures and the data-check tool.
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "HubSupport.hpp"
#include "TestSupport.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "tools/DataCheck.hpp"

namespace {

// Owns the builder and the database it leaves behind (the game keeps both for the whole run).
struct Loaded {
    Loaded() : builder(new TeamBuilder()), db(builder->getParser()) {}
    ~Loaded() {
        builder.reset();
        delete db;
    }
    std::unique_ptr<TeamBuilder> builder;
    GameParser* db;
};

// The string table is global: put back what a test replaced, whatever happens.
struct StringRestorer {
    ~StringRestorer() {
        setStringByKey("NAME_TYPE", "Type");
        setStringByKey("NAME_MOVE_PLURIAL", "Moves");
    }
};

std::vector<std::string> fatalLines() {
    std::vector<std::string> lines;
    for (const std::string& line : errorLogLines())
        if (line.rfind("FATAL ERROR : ", 0) == 0) lines.push_back(line);
    return lines;
}

std::vector<std::string> moveNames(Zelkin* creature) {
    std::vector<std::string> names;
    for (int i = 0; i < creature->getMoveCount(); ++i)
        names.push_back(creature->getMove(i)->getName());
    return names;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

} // namespace

TEST(TeamBuilderLoading, FullDataSetLoadsInDependencyOrder) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    Loaded loaded;
    GameParser* db = loaded.db;
    EXPECT_TRUE(loaded.builder->isDataValid());
    EXPECT_EQ(loaded.builder->getProgress(), 100);
    EXPECT_EQ(errorLogLines(), std::vector<std::string>{});
    EXPECT_EQ(loaded.builder->countUsed(), 0);

    // Each later step found what the earlier ones defined: types and subtypes for moves, moves and
    // abilities for creatures, creatures for the rulesets' pool.
    EXPECT_EQ(db->findMove("Lutte")->getType(), db->findType("Braise"));
    ZelkinZelkinary* fumerole = db->findSpecies(3);
    ASSERT_NE(fumerole, nullptr);
    EXPECT_EQ(fumerole->getMoveCount(), 7);
    EXPECT_EQ(fumerole->getAbilityAt(0), db->findAbility("Peau Dure"));
    EXPECT_EQ(fumerole->getFirstType(), db->findType("Sylve"));
    EXPECT_EQ(db->getCurrentRuleset(), db->getRulesetAt(0));
    EXPECT_EQ(db->countAllowedSpecies(), 27);
}

TEST(TeamBuilderLoading, StringsApplyBeforeEveryDataFile) {
    ScratchDir dir;
    StringRestorer restore;
    dir.write("data/strings.xml", "<strings><NAME_TYPE>Element</NAME_TYPE>"
                                  "<NAME_MOVE_PLURIAL>Attaques</NAME_MOVE_PLURIAL></strings>");
    dir.write("data/creatures/c.xml", "<library><name>L</name><code>C</code><file>f.png</file></library>"
                                      "<creature><name>Florin</name><number>1</number><type>Lumiere</type>"
                                      "</creature>");
    Loaded loaded;
    ASSERT_GE(errorLogLines().size(), 2u);
    EXPECT_EQ(errorLogLines()[0],
              "WARNING with File data/creatures/c.xml : Zelkin Florin : cannot get Element Lumiere");
    EXPECT_EQ(fatalLines().at(0),
              "FATAL ERROR : the game only has 0 Attaques. It needs at least 10 to be playable !");
}

TEST(TeamBuilderLoading, DataSetShortOfEverythingLogsTheFiveFatalLinesInOrder) {
    ScratchDir dir;
    Loaded loaded;
    EXPECT_FALSE(loaded.builder->isDataValid());
    EXPECT_EQ(loaded.builder->getProgress(), 100);
    EXPECT_EQ(fatalLines(),
              (std::vector<std::string>{
                  "FATAL ERROR : the game only has 0 Moves. It needs at least 10 to be playable !",
                  "FATAL ERROR : the game only has 0 Zelkin. It needs at least 20 to be playable !",
                  "FATAL ERROR : the game doesn't have any Stadiums. It needs at least 1 to be playable !",
                  "FATAL ERROR : the game doesn't have any Types. It needs at least 1 to be playable !",
                  "FATAL ERROR : the game doesn't have any Trainers. It needs at least 1 to be playable !",
              }));
    EXPECT_EQ(errorLogLines().size(), 5u);
    // No ruleset file: the built-in one stands in, but with no species there is still nothing to draw.
    ASSERT_NE(loaded.db->getCurrentRuleset(), nullptr);
    EXPECT_EQ(loaded.db->getCurrentRuleset()->getName(), "Anything Goes");
    EXPECT_EQ(loaded.builder->createRandomCreature(), nullptr);
    EXPECT_EQ(loaded.builder->createRandomCreatureOfTypes(nullptr, nullptr), nullptr);
}

TEST(TeamBuilderLoading, ChecksJudgeTheCountsOnlyAndAllRun) {
    ScratchDir dir;
    dir.write("data/moves/m.xml", movesXml(9));
    dir.write("data/creatures/c.xml", creaturesXml(25, "Coup1"));
    dir.write("data/types/a.xml", "<type><name>Roc</name></type>");
    dir.write("data/types/b.xml", "<type><name>Vent</name></type>");
    dir.write("data/trainers.xml", "<trainer><name>Alix</name><id>1</id></trainer>");
    Loaded loaded;
    EXPECT_EQ(loaded.db->countTypes(), 4);
    EXPECT_FALSE(loaded.builder->isDataValid());
    EXPECT_EQ(fatalLines(),
              (std::vector<std::string>{
                  "FATAL ERROR : the game only has 9 Moves. It needs at least 10 to be playable !",
                  "FATAL ERROR : the game doesn't have any Stadiums. It needs at least 1 to be "
                  "playable !",
              }));
}

TEST(TeamBuilderLoading, ExactMinimumPassesAndNoRulesetFileGivesAnythingGoes) {
    ScratchDir dir;
    dir.write("data/moves/m.xml", movesXml(10));
    dir.write("data/creatures/c.xml", creaturesXml(20, "Coup3"));
    dir.write("data/types/empty.xml", "<!-- no type of its own -->");
    dir.write("data/stadiums/s.xml", "<stadium><name>S</name><file>s.png</file><hype>1</hype></stadium>");
    dir.write("data/trainers.xml", "<trainer><name>Alix</name><id>1</id></trainer>");
    // Only ".xml" entries directly in the folder load.
    dir.write("data/moves/more.XML", movesXml(3, "Autre"));
    dir.write("data/moves/sub/x.xml", movesXml(3, "Cache"));
    Loaded loaded;
    EXPECT_EQ(loaded.db->countTypes(), 1);
    EXPECT_EQ(loaded.db->countMoves(), 10);
    EXPECT_TRUE(loaded.builder->isDataValid());
    EXPECT_EQ(errorLogLines(), std::vector<std::string>{});
    ASSERT_EQ(loaded.db->countRulesets(), 1);
    EXPECT_EQ(loaded.db->getCurrentRuleset()->getName(), "Anything Goes");
    EXPECT_EQ(loaded.db->countAllowedSpecies(), 20);
}

TEST(TeamBuilderRandom, CreationTerminatesOnAPoolOfFiveSpecies) {
    ScratchDir dir;
    dir.write("data/moves/m.xml", movesXml(10));
    dir.write("data/creatures/c.xml", creaturesXml(5, "Coup1"));
    Loaded loaded;
    TeamBuilder& builder = *loaded.builder;
    ASSERT_EQ(loaded.db->countAllowedSpecies(), 5);

    // Real draws: the first five are the five species, then repeats are accepted.
    std::set<int> firstFive;
    for (int i = 0; i < 40; ++i) {
        std::unique_ptr<Zelkin> creature(builder.createRandomCreature());
        ASSERT_NE(creature, nullptr);
        if (i < 5) firstFive.insert(creature->getNumber());
    }
    EXPECT_EQ(firstFive.size(), 5u);
    EXPECT_EQ(builder.countUsed(), 36);

    // A source stuck on one answer still ends: the first species not handed out, then a repeat.
    builder.clearUsed();
    ScriptedRandom stuck({});
    std::vector<int> numbers;
    for (int i = 0; i < 6; ++i) {
        std::unique_ptr<Zelkin> creature(builder.createRandomCreature());
        numbers.push_back(creature->getNumber());
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

TEST(TeamBuilderRandom, MovesAreDistinctAndInDrawOrder) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    Loaded loaded;
    {
        // Pool position 3 is Fumerole (7 moves); repeated indexes are drawn again.
        ScriptedRandom script({3, 2, 2, 6, 0, 6, 1});
        std::unique_ptr<Zelkin> creature(loaded.builder->createRandomCreature());
        ASSERT_NE(creature, nullptr);
        EXPECT_EQ(creature->getName(), "Fumerole");
        EXPECT_EQ(moveNames(creature.get()), (std::vector<std::string>{"Liane", "Cri", "Ronce", "Seve"}));
        EXPECT_EQ(script.remaining(), 0u);
    }
    {
        // Brasille knows two moves: both, in the order drawn.
        ScriptedRandom script({2, 1, 1, 0});
        std::unique_ptr<Zelkin> creature(loaded.builder->createRandomCreature());
        EXPECT_EQ(creature->getName(), "Brasille");
        EXPECT_EQ(moveNames(creature.get()), (std::vector<std::string>{"Deferlante", "Goutte"}));
    }
    EXPECT_TRUE(loaded.builder->isUsed(3));
    EXPECT_TRUE(loaded.builder->isUsed(2));
    EXPECT_FALSE(loaded.builder->isUsed(4));
}

TEST(TeamBuilderRandom, LevelFollowsTheRulesetAndTheBalanceOption) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    struct Case {
        const char* balance;
        int ruleset;
        int poolIndex;
        int level;
    } cases[] = {
        // Fumerole's base stats total 372: mode 1 gives (153 * 55) / 22 / 50 + 50, mode 2 ... / 15 / 50 + 50.
        {"0", 0, 3, 50},
        {"1", 0, 3, 57},
        {"2", 0, 3, 61},
        // "Tournoi": base level 30 and no balancing, whatever the option says.
        {"2", 1, 2, 30},
    };
    for (const Case& c : cases) {
        resetErrorLog();
        dir.write("config.xml", std::string("<config><balance>") + c.balance + "</balance></config>");
        Loaded loaded;
        loaded.db->selectRuleset(c.ruleset);
        ScriptedRandom script({c.poolIndex});
        std::unique_ptr<Zelkin> creature(loaded.builder->createRandomCreature());
        ASSERT_EQ(creature->getName(), "Fumerole");
        EXPECT_EQ(creature->getLevel(), c.level) << "balance " << c.balance << " ruleset " << c.ruleset;
    }
}

TEST(TeamBuilderRandom, TypedCreationFallsBackToAnyType) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    Loaded loaded;
    GameParser* db = loaded.db;
    {
        // No species is of type "none": no typed draw, then an ordinary one.
        ScriptedRandom script({4});
        std::unique_ptr<Zelkin> creature(
            loaded.builder->createRandomCreatureOfTypes(db->getTypeAt(0), nullptr));
        ASSERT_NE(creature, nullptr);
        EXPECT_EQ(creature->getName(), "Tisonne");
    }
    {
        // Tisonne (the second Onde species) is handed out already: the next typed draw is taken.
        ScriptedRandom script({1, 2});
        std::unique_ptr<Zelkin> creature(
            loaded.builder->createRandomCreatureOfTypes(db->findType("Onde"), nullptr));
        EXPECT_EQ(creature->getName(), "Ondin");
    }
}

TEST(TeamBuilderRandom, HandedOutMemoryHoldsThirtySixNumbers) {
    ScratchDir dir;
    Loaded loaded;
    TeamBuilder& builder = *loaded.builder;
    // Empty entries read as 0, so a species numbered 0 counts as handed out until the memory is full.
    EXPECT_TRUE(builder.isUsed(0));
    for (int n = 1; n <= 40; ++n)
        builder.markUsed(n);
    EXPECT_EQ(builder.countUsed(), 36);
    EXPECT_TRUE(builder.isUsed(36));
    EXPECT_FALSE(builder.isUsed(37));
    EXPECT_FALSE(builder.isUsed(0));
    builder.clearUsed();
    EXPECT_EQ(builder.countUsed(), 0);
    EXPECT_FALSE(builder.isUsed(5));
}

TEST(DataCheckTool, ValidFixtureReportsCountsListsOptionsAndStrings) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    std::ostringstream out, err;
    int rc = DataCheck().run({"--list", "--options", "--string", "NAME_MOVE", "--string", "NO_SUCH_KEY"}, out,
                             err);
    EXPECT_EQ(rc, 0);
    std::vector<std::string> lines = splitLines(out.str());
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 10),
        (std::vector<std::string>{"count types 4", "count subtypes 2", "count abilities 2", "count buffs 2",
                                  "count moves 12", "count species 25", "count stadiums 2",
                                  "count trainers 3", "count rulesets 2", "data valid"}));
    for (const char* line :
         {"type 0 none", "subtype 1 Son", "ability 0 Peau Dure", "buff 1 Garde", "move 11 Repos",
          "species 24 Cendrin", "stadium 1 Sommet", "trainer 2 Celeste", "ruleset 1 Tournoi", "first_start 1",
          "trainer_name ", "balance 1", "active_rulesets_effects 0", "NAME_MOVE=Move", "NO_SUCH_KEY="})
        EXPECT_TRUE(contains(lines, line)) << line;
    EXPECT_EQ(lines.size(), 10u + 4 + 2 + 2 + 2 + 12 + 25 + 2 + 3 + 2 + 19 + 2);
    // A clean load leaves nothing to append to the error log.
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "error_logs.txt"));
}

TEST(DataCheckTool, InvalidDataExitsOneAndFlushesTheLogOnce) {
    ScratchDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(DataCheck().run({"--save-options", "--options"}, out, err), 1);
    std::vector<std::string> lines = splitLines(out.str());
    EXPECT_TRUE(contains(lines, "data invalid"));
    EXPECT_TRUE(contains(lines, "first_start 0"));
    EXPECT_TRUE(contains(lines, "trainer_name Dresseur"));
    EXPECT_NE(dir.read("config.xml").find("<trainer_name>Dresseur</trainer_name>"), std::string::npos);

    std::vector<std::string> log = splitLines(dir.read("error_logs.txt"));
    ASSERT_EQ(log.size(), 3u + 5u);
    EXPECT_EQ(log[3], "FATAL ERROR : the game only has 0 Moves. It needs at least 10 to be playable !");
    EXPECT_EQ(log[7],
              "FATAL ERROR : the game doesn't have any Trainers. It needs at least 1 to be playable !");
}

TEST(DataCheckTool, UnknownArgumentLoadsNothing) {
    ScratchDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(DataCheck().run({"--bogus"}, out, err), 2);
    EXPECT_EQ(DataCheck().run({"--string"}, out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(err.str().empty());
    EXPECT_TRUE(errorLogLines().empty());
}
