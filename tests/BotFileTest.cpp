// Bot files: reading, the reader's messages, and rewriting without losing anything.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "PlayersSupport.hpp"
#include "players/BotList.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"

namespace {
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(BotFileTest, ReadsTrainerTeamHistoryAndTags) {
    PlayersWorld world;
    world.dir.write("bots/zoe.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot bot(world.parser, "bots/zoe.xml");

    EXPECT_TRUE(bot.isTeamReady());
    EXPECT_FALSE(bot.isTransient());
    TrainerStats* stats = bot.getTrainerStats();
    EXPECT_EQ(stats->getName(), "Zo& <Pyro> \"l'Ardent\"");
    EXPECT_EQ(stats->getCredo(), "Br\xFBle tout");
    EXPECT_EQ(stats->getStreak(), -3);
    EXPECT_EQ(stats->getSprite(), 7);
    // "1121": the last digit read is the newest result.
    EXPECT_EQ(stats->getHistoryAt(0), 1);
    EXPECT_EQ(stats->getHistoryAt(1), 2);
    EXPECT_EQ(stats->getHistoryAt(2), 1);
    EXPECT_EQ(stats->getHistoryAt(3), 1);
    EXPECT_EQ(stats->getHistoryAt(4), 0);
    EXPECT_TRUE(bot.hasTag("Blue"));
    EXPECT_TRUE(bot.hasTag("Veteran"));
    EXPECT_EQ(bot.getTags().size(), 2u);

    Zelkin* first = bot.getMember(0);
    EXPECT_EQ(first->getName(), "Flam&by");
    EXPECT_EQ(first->getLevel(), 50);
    ASSERT_EQ(first->getMoveCount(), 3);
    EXPECT_EQ(first->getMove(2)->getName(), "Vive Attaque");
    ASSERT_NE(first->getAbility(), nullptr);
    EXPECT_EQ(first->getAbility()->getDefinition()->getName(), "Carapace");
    EXPECT_EQ(bot.getMember(5)->getName(), "Marinel");

    // Only the unknown move among the first four is reported.
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0],
              "WARNING with File bots/zoe.xml : Trainer Bot Zo& <Pyro> \"l'Ardent\" : cannot get "
              "Move Lance Oubliee for Zelkin Flam&by");
}

TEST(BotFileTest, ReaderMessagesForABrokenTeam) {
    PlayersWorld world;
    world.dir.write("bots/b.xml", PlayersWorld::fixture("incomplete.xml"));
    ZelkBot bot(world.parser, "bots/b.xml");
    EXPECT_FALSE(bot.isTeamReady());
    // The entry without number leaves slot 0 empty; the next entry fills slot 1.
    EXPECT_EQ(bot.getMember(0), nullptr);
    EXPECT_EQ(bot.getMember(1)->getName(), "Aquilon");
    const std::vector<std::string> expected = {
        "ERROR with File bots/b.xml : Trainer Bot Bancal : no number found for Zelkin#1",
        "ERROR with File bots/b.xml : Trainer Bot Bancal : cannot get Zelkin Number  99 ",
        "WARNING with File bots/b.xml : Trainer Bot Bancal : cannot get Move Inconnue for Zelkin Rocaille",
        "ERROR with File bots/b.xml : Trainer Bot Bancal' team isn't valid : it cannot be added to the game",
    };
    EXPECT_EQ(errorLogLines(), expected);
}

TEST(BotFileTest, HistoricDigitsAndValues) {
    PlayersWorld world;
    world.dir.write("bots/h.xml", "<zelkbot><historic>1212121212121212121233333</historic>"
                                  "<historic value=\"3\">2x1</historic></zelkbot>");
    ZelkBot bot(world.parser, "bots/h.xml");
    TrainerStats* stats = bot.getTrainerStats();
    // The first 20 characters of the first element, then 2 and 1 (the "x" means nothing), then 3.
    EXPECT_EQ(stats->getHistoryAt(0), 3);
    EXPECT_EQ(stats->getHistoryAt(1), 1);
    EXPECT_EQ(stats->getHistoryAt(2), 2);
    EXPECT_EQ(stats->getHistoryAt(3), 2);
    EXPECT_EQ(stats->countLosses(), 10);
    EXPECT_EQ(stats->getName(), "Dresseur");
    EXPECT_EQ(stats->getSprite(), 1);
}

TEST(BotFileTest, OnlyWinsLossesAndDrawsAreReadAndWrittenBack) {
    PlayersWorld world;
    world.dir.write("bots/z.xml", "<zelkbot><historic value=\"7\">1 2x9 4</historic>"
                                  "<historic value=\"0\">03</historic></zelkbot>");
    ZelkBot bot(world.parser, "bots/z.xml");
    TrainerStats* stats = bot.getTrainerStats();
    // Newest first: 3, 2, 1; the 0, 4, 7 and 9 are no results at all.
    EXPECT_EQ(stats->getHistoryAt(0), 3);
    EXPECT_EQ(stats->getHistoryAt(1), 2);
    EXPECT_EQ(stats->getHistoryAt(2), 1);
    EXPECT_EQ(stats->getHistoryAt(3), 0);
    // Three battles played count 10 each; the win at index 2 counts 40 - 4.
    EXPECT_EQ(stats->formScore(), 30 + 36);
    EXPECT_TRUE(contains(bot.serialize(), "<historic>123</historic>\n"));
}

TEST(BotFileTest, SpeciesNumbersBeyondTheMatchupTablesAreRefusedAndNeutral) {
    PlayersWorld world;
    world.dir.write("far.xml", "<library><name>Loin</name><code>FAR</code><file>far.png</file></library>"
                               "<creature><name>Lointain</name><number>800</number><stat_hp>60</stat_hp>"
                               "<type>Pyro</type><move>Charge</move></creature>");
    world.parser->loadCreatures("far.xml");
    ASSERT_NE(world.parser->findSpeciesInLibrary("FAR", 800), nullptr);
    resetErrorLog();
    world.dir.write("bots/far.xml", "<zelkbot><name>Loin</name><zelkin><zelkinary>FAR</zelkinary>"
                                    "<number>800</number><move>Charge</move></zelkin></zelkbot>");
    ZelkBot bot(world.parser, "bots/far.xml");
    EXPECT_EQ(bot.getMember(0), nullptr);
    ASSERT_FALSE(errorLogLines().empty());
    EXPECT_EQ(errorLogLines()[0],
              "ERROR with File bots/far.xml : Trainer Bot Loin : cannot get Zelkin Number  800 ");

    // A matchup with a number the tables have no column for is neutral, whichever side it is on.
    ZelkBot* team = world.makeBot(PlayersWorld::sixNames());
    EXPECT_EQ(team->getTypeMatchup(2, 718), 50);
    EXPECT_EQ(team->getTypeMatchup(2, -5), 50);
    EXPECT_EQ(team->getTypeMatchup(800, 1), 50);
    delete team;
}

TEST(BotFileTest, MissingOrRootlessFilesGiveAnEmptyBotSilently) {
    PlayersWorld world;
    world.dir.write("bots/other.xml", "<robot><name>X</name></robot>");
    ZelkBot rootless(world.parser, "bots/other.xml");
    ZelkBot missing(world.parser, "bots/none.xml");
    EXPECT_EQ(rootless.countMembers(), 0);
    EXPECT_EQ(missing.countMembers(), 0);
    EXPECT_TRUE(errorLogLines().empty());
}

TEST(BotFileTest, RewriteRoundTripsEverythingTheReaderReads) {
    PlayersWorld world;
    world.dir.write("bots/zoe.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot* bot = new ZelkBot(world.parser, "bots/zoe.xml");
    bot->getTrainerStats()->addWin();
    ASSERT_TRUE(bot->save());
    const std::string written = world.dir.read("bots/zoe.xml");
    EXPECT_EQ(written.substr(0, written.find('\n')), "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>");
    EXPECT_TRUE(contains(written, "<zelkbot>\n<name>Zo&amp; &lt;Pyro&gt; &quot;l&apos;Ardent&quot;</name>\n"
                                  "<credo>Br\xFBle tout</credo>\n<streak>1</streak>\n<sprite>7</sprite>\n"
                                  "<historic>11211</historic>\n<zelkin>\n"));
    EXPECT_TRUE(
        contains(written, "<number>6</number>\n<name>Marinel</name>\n<move>Pistolet</move>\n</zelkin>\n"));
    EXPECT_TRUE(temporariesBeside(world.dir.path / "bots/zoe.xml").empty());
    resetErrorLog();

    ZelkBot* again = new ZelkBot(world.parser, "bots/zoe.xml");
    EXPECT_TRUE(again->isTeamReady());
    EXPECT_EQ(again->getTrainerStats()->getName(), bot->getTrainerStats()->getName());
    EXPECT_EQ(again->getTrainerStats()->getCredo(), "Br\xFBle tout");
    EXPECT_EQ(again->getTrainerStats()->getStreak(), 1);
    EXPECT_EQ(again->getTrainerStats()->countWins(), 4);
    EXPECT_EQ(again->getTags(), bot->getTags());
    for (int slot = 0; slot < 6; ++slot) {
        Zelkin* before = bot->getMember(slot);
        Zelkin* after = again->getMember(slot);
        EXPECT_EQ(after->getName(), before->getName()) << slot;
        EXPECT_EQ(after->getNumber(), before->getNumber()) << slot;
        EXPECT_EQ(after->getMoveCount(), before->getMoveCount()) << slot;
    }
    EXPECT_EQ(again->getMember(0)->getAbility()->getDefinition()->getName(), "Carapace");
    // The second save writes the same text: nothing drifts from run to run.
    ASSERT_TRUE(again->save());
    EXPECT_EQ(world.dir.read("bots/zoe.xml"), written);
    // Library, form, ability, unknown moves and elements, the seventh entry and old matchups all survive.
    EXPECT_TRUE(contains(written, "<zelkinary>TEST</zelkinary>\n<number form=\"Nuit\">1</number>\n"
                                  "<name>Flam&amp;by</name>\n<ability>Carapace</ability>\n"));
    EXPECT_TRUE(contains(written, "<move>Lance Oubliee</move>\n<move>Grondement</move>\n"
                                  "<surnom>Petit feu</surnom>\n</zelkin>\n"));
    EXPECT_TRUE(contains(written, "<palmares>Coupe &amp; medaille</palmares>\n"));
    EXPECT_TRUE(contains(written, "<matchup val1=\"1\" val2=\"6\">2</matchup>\n"));
    EXPECT_TRUE(contains(written, "<tag>Blue</tag>\n<tag>Veteran</tag>\n"));
    // The seventh entry, kept as it was.
    EXPECT_TRUE(contains(written, "<zelkin><zelkinary>TEST</zelkinary><number>1</number><move>Charge</move>"
                                  "</zelkin>\n"));
    delete again;
    delete bot;
}

TEST(BotFileTest, MatchupLinesMergeWithEarlierRuns) {
    PlayersWorld world;
    world.dir.write("bots/zoe.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot bot(world.parser, "bots/zoe.xml");
    // Slot 0 (species 1) beat species 4 twice, then lost to it.
    bot.recordMatchup(1, 4, 1);
    bot.recordMatchup(1, 4, 1);
    bot.recordMatchup(1, 4, 2);
    // Species 2 (slot 1) adds to the pair an earlier run wrote.
    bot.recordMatchup(2, 5, 2);
    ASSERT_TRUE(bot.save());
    const std::string written = world.dir.read("bots/zoe.xml");
    EXPECT_TRUE(contains(written, "<matchup val1=\"1\" val2=\"4\">112</matchup>\n"
                                  "<matchup val1=\"2\" val2=\"5\">112</matchup>\n"
                                  "<matchup val1=\"1\" val2=\"6\">2</matchup>\n"));
}

TEST(BotFileTest, ABotThatFoughtNobodyWritesNoMatchup) {
    PlayersWorld world;
    world.dir.write("bots/g.xml",
                    "<zelkbot><name>G</name><zelkin><zelkinary>TEST</zelkinary><number>1</number>"
                    "<move>Charge</move></zelkin></zelkbot>");
    ZelkBot bot(world.parser, "bots/g.xml");
    ASSERT_TRUE(bot.save());
    const std::string written = world.dir.read("bots/g.xml");
    EXPECT_FALSE(contains(written, "matchup"));
    EXPECT_TRUE(contains(written, "<zelkinary>TEST</zelkinary>\n<number>1</number>\n<name>Flamby</name>\n"
                                  "<move>Charge</move>\n</zelkin>\n</zelkbot>\n"));
}

TEST(BotFileTest, NothingIsLostOnBadInputOrFailedWrites) {
    PlayersWorld world;
    const std::string broken = PlayersWorld::fixture("malformed.xml");
    world.dir.write("bots/broken.xml", broken);
    ZelkBot unreadable(world.parser, "bots/broken.xml");
    EXPECT_FALSE(unreadable.save());
    EXPECT_EQ(world.dir.read("bots/broken.xml"), broken);

    // A human or a participant without a file never writes.
    ZelkBot transient;
    EXPECT_FALSE(transient.save());

    // A bot whose folder cannot be written keeps its file as it was.
    world.dir.write("locked/zoe.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot bot(world.parser, "locked/zoe.xml");
    bot.getTrainerStats()->addLoss();
    ::chmod((world.dir.path / "locked").c_str(), 0500);
    bool saved = bot.save();
    ::chmod((world.dir.path / "locked").c_str(), 0700);
    if (::geteuid() != 0) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(world.dir.read("locked/zoe.xml"), PlayersWorld::fixture("complete.xml"));
    }
    EXPECT_TRUE(temporariesBeside(world.dir.path / "locked/zoe.xml").empty());

    // A bot no longer controlled by the computer is not saved either.
    bot.setControlledByBot(0);
    EXPECT_FALSE(bot.save());
}

TEST(BotFileTest, LoadFolderKeepsCompleteBotsOnly) {
    PlayersWorld world;
    world.dir.write("bots/a_complete.xml", PlayersWorld::fixture("complete.xml"));
    world.dir.write("bots/b_incomplete.xml", PlayersWorld::fixture("incomplete.xml"));
    world.dir.write("bots/c_upper.XML", PlayersWorld::fixture("complete.xml"));
    world.dir.write("bots/d_noext", PlayersWorld::fixture("complete.xml"));
    world.dir.write("bots/e_malformed.xml", PlayersWorld::fixture("malformed.xml"));
    // A folder is no bot file, whatever its name says.
    boost::filesystem::create_directories(world.dir.path / "bots" / "f_folder.xml");
    BotList list;
    EXPECT_EQ(list.loadFolder(world.parser, "bots"), 1);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.get(0)->getFilePath(), "bots/a_complete.xml");
    delete list.get(0);

    BotList empty;
    EXPECT_EQ(empty.loadFolder(world.parser, "nowhere"), 0);
}

// The roster shipped under bots/: every bot loads whole against the shipped data, without a message.
TEST(ShippedBotsTest, EveryBotLoadsWithAFullTeam) {
    ScratchDir dir;
    const std::string root = QUORVEX_SOURCE_DIR;
    GameParser* parser = new GameParser();
    for (const std::string& file : listXmlFiles(root + "/data/types"))
        parser->loadTypes(file);
    for (const std::string& file : listXmlFiles(root + "/data/subtypes"))
        parser->loadSubtypes(file);
    for (const std::string& file : listXmlFiles(root + "/data/abilities"))
        parser->loadAbilities(file);
    for (const std::string& file : listXmlFiles(root + "/data/buffs"))
        parser->loadBuffs(file);
    for (const std::string& file : listXmlFiles(root + "/data/moves"))
        parser->loadMoves(file);
    for (const std::string& file : listXmlFiles(root + "/data/creatures"))
        parser->loadCreatures(file);
    resetErrorLog();

    const std::vector<std::string> files = listXmlFiles(root + "/bots");
    BotList roster;
    roster.loadFolder(parser, root + "/bots");
    for (const std::string& line : errorLogLines())
        ADD_FAILURE() << line;
    EXPECT_EQ(roster.count(), static_cast<int>(files.size()));
    // Eight journey opponents and a hidden ninth, or an eight-entrant bracket, need this many.
    EXPECT_GE(roster.count(), 12);
    EXPECT_FALSE(roster.findByTagExcluding("Blue", "Red").empty());
    EXPECT_FALSE(roster.findByTagExcluding("Red", "Blue").empty());
    for (int i = 0; i < roster.count(); ++i) {
        ZelkBot* bot = roster.get(i);
        for (int slot = 0; slot < ZelkBot::TEAM_SIZE; ++slot) {
            Zelkin* member = bot->getMember(slot);
            EXPECT_TRUE(member->getNumber() >= 0 && member->getNumber() < ZelkBot::SPECIES_COLUMNS);
            EXPECT_EQ(member->getMoveCount(), 4) << bot->getFilePath() << " " << member->getName();
        }
        EXPECT_FALSE(bot->getTrainerStats()->getCredo().empty()) << bot->getFilePath();
        delete bot;
    }
    delete parser;
}
