// Career records, participants' teams and matchup memory, the pick list, the roster and tag teams.
#include <gtest/gtest.h>

#include "PlayersSupport.hpp"
#include "players/BotList.hpp"
#include "players/Bot_IA.hpp"
#include "players/Bot_Team.hpp"
#include "players/SelectTeam.hpp"
#include "players/ZelkBot_Human.hpp"
#include "players/Zelkbot_Random.hpp"
#include "rules/ZelkinTeam.hpp"

// ---- TrainerStats ----

TEST(TrainerStatsTest, StreakFollowsTheLastResults) {
    TrainerStats stats("Alice", 0, 0, 1);
    stats.addWin();
    stats.addWin();
    stats.addWin();
    stats.addLoss();
    EXPECT_EQ(stats.getStreak(), -1);
    stats.addLoss();
    stats.addWin();
    EXPECT_EQ(stats.getStreak(), 1);
    stats.addDraw();
    EXPECT_EQ(stats.getStreak(), 0);
    EXPECT_EQ(stats.countWins(), 4);
    EXPECT_EQ(stats.countLosses(), 2);
    EXPECT_EQ(stats.getHistoryAt(0), TrainerStats::RESULT_DRAW);
    EXPECT_EQ(stats.getHistoryAt(1), TrainerStats::RESULT_WIN);
}

TEST(TrainerStatsTest, HistoryKeepsTwentyAndScoresRecentWinsHigher) {
    TrainerStats stats("Alice", 0, 0, 1);
    EXPECT_EQ(stats.formScore(), 0);
    for (int i = 0; i < 21; ++i)
        stats.addWin();
    EXPECT_EQ(stats.countWins(), 20);
    EXPECT_EQ(stats.formScore(), 620);

    TrainerStats recent("Bob", 0, 0, 1);
    recent.addLoss();
    recent.addWin();
    EXPECT_EQ(recent.formScore(), 40 + 10 + 10);
}

TEST(TrainerStatsTest, SummaryLinesInFrench) {
    TrainerStats stats("Zoe", 12, 0, 1);
    EXPECT_EQ(stats.getSummary(), "Nom du Zelkbot : Zoe\n\nRatio actuel : 0 victoires, 0 d\xE9"
                                  "faites.\nCha\xEE"
                                  "ne actuelle :\nExp\xE9"
                                  "rience : 12\n\n");
    stats.setCredo("En avant");
    stats.addLoss();
    stats.addLoss();
    std::string summary = stats.getSummary();
    EXPECT_NE(summary.find("Cha\xEE"
                           "ne actuelle : 2 d\xE9"
                           "faites conscutives.\n"),
              std::string::npos);
    EXPECT_EQ(summary.substr(summary.size() - 9), "En avant\n");
    stats.addWin();
    EXPECT_NE(stats.getSummary().find(" 1 victoire conscutive.\n"), std::string::npos);
}

TEST(TrainerStatsTest, SerializeWritesHistoryOldestFirstAndEscapesTexts) {
    TrainerStats stats("A<B>&C", 0, -3, 4);
    EXPECT_EQ(stats.serialize(), "<name>A&lt;B&gt;&amp;C</name>\n<credo></credo>\n<streak>-3</streak>\n"
                                 "<sprite>4</sprite>\n<historic></historic>\n");
    stats.addWin();
    stats.addLoss();
    stats.addDraw();
    EXPECT_NE(stats.serialize().find("<historic>123</historic>"), std::string::npos);
}

TEST(TrainerStatsTest, TeamOwnerReadersUseTheRecord) {
    TrainerStats stats("Capitaine", 0, -2, 1);
    ZelkinTeam team("Rouge", &stats);
    EXPECT_EQ(team.getOwnerName(), "Capitaine");
    EXPECT_EQ(team.getOwnerStreak(), -2);
    ZelkinTeam orphan("Bleu", nullptr);
    EXPECT_EQ(orphan.getOwnerName(), "");
    EXPECT_EQ(orphan.getOwnerStreak(), 0);
}

// ---- ZelkBot: kinds, team and identity ----

TEST(ZelkBotTest, KindsStartAsTheyShould) {
    ZelkBot plain;
    EXPECT_EQ(plain.isControlledByBot(), 1);
    EXPECT_EQ(plain.getSide(), 1);
    EXPECT_TRUE(plain.isTransient());
    EXPECT_EQ(plain.getTrainerStats()->getCredo(), "Bonne chance !");

    ZelkBot_Human human;
    EXPECT_EQ(human.isControlledByBot(), 0);
    EXPECT_FALSE(human.isTransient());
    EXPECT_EQ(human.getFilePath(), "DONTDELETE");
    EXPECT_EQ(human.getTrainerStats()->getCredo(), "Hello");
    EXPECT_FALSE(human.save());

    PlayersWorld world;
    Zelkbot_Random random(world.parser);
    EXPECT_TRUE(random.isTransient());
    EXPECT_EQ(random.isControlledByBot(), 1);
    std::string name;
    random.getName(name);
    EXPECT_EQ(name, "Dresseur");
    EXPECT_FALSE(random.save());
}

TEST(ZelkBotTest, TeamSlotsAndCopies) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot({"Flamby", "Aquilon", "Herbette", "Rocaille", "Braisier"});
    EXPECT_EQ(bot->countMembers(), 5);
    EXPECT_FALSE(bot->isTeamReady());
    EXPECT_EQ(bot->addMember(world.makeCreature("Marinel")), 5);
    EXPECT_TRUE(bot->isTeamReady());
    Zelkin* extra = world.makeCreature("Flamby");
    EXPECT_EQ(bot->addMember(extra), 6);
    delete extra;

    EXPECT_EQ(bot->getMember(-1), nullptr);
    EXPECT_EQ(bot->getMember(6), nullptr);
    EXPECT_EQ(bot->cloneMember(7), nullptr);
    Zelkin* copy = bot->cloneMember(1);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, bot->getMember(1));
    EXPECT_EQ(copy->getName(), "Aquilon");
    delete copy;
    bot->setMember(world.makeCreature("Rocaille"), 0);
    EXPECT_EQ(bot->getMember(0)->getName(), "Rocaille");
    Zelkin* ignored = world.makeCreature("Rocaille");
    bot->setMember(ignored, 6);
    delete ignored;

    bot->setAI(1, 7);
    ZelkBot* twin = bot->clone();
    EXPECT_TRUE(twin->isTransient());
    EXPECT_EQ(twin->countMembers(), 6);
    EXPECT_NE(twin->getMember(0), bot->getMember(0));
    EXPECT_EQ(twin->getMember(5)->getName(), "Marinel");
    EXPECT_EQ(twin->getTrainerStats()->getName(), "Testeur");
    EXPECT_EQ(twin->getTrainerStats()->getSprite(), 2);
    EXPECT_EQ(twin->getAIKind(), 0);
    EXPECT_EQ(twin->getAILevel(), 1);
    delete twin;
    delete bot;
}

TEST(ZelkBotTest, CloneOfAnIncompleteTeamKeepsEveryMemberInItsSlot) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot({"Flamby", "Aquilon"});
    bot->setMember(nullptr, 0);
    ZelkBot* twin = bot->clone();
    EXPECT_EQ(twin->countMembers(), 1);
    EXPECT_EQ(twin->getMember(0), nullptr);
    ASSERT_NE(twin->getMember(1), nullptr);
    EXPECT_EQ(twin->getMember(1)->getName(), "Aquilon");
    delete twin;
    delete bot;
}

TEST(ZelkBotTest, AParticipantWithoutDecisionMakerIsNeverDriven) {
    ZelkBot bot;
    EXPECT_FALSE(bot.isOrderReady());
    EXPECT_EQ(bot.takeOrder(), nullptr);
    EXPECT_EQ(bot.pickTeamMember(nullptr, nullptr), -1);
    bot.decideOrder(nullptr);
    std::string log = "x";
    bot.getThinkingLog(log);
    EXPECT_EQ(log, "");
}

// ---- Matchup memory ----

TEST(ZelkBotTest, TypeMatchupFromTypesAndHistory) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot(PlayersWorld::sixNames());
    // Rocaille (4, Neutre) against Flamby (1, Pyro): every term neutral.
    EXPECT_EQ(bot->getTypeMatchup(4, 1), 50);
    // Flamby (Pyro) against Herbette (Flore): strong attack, resisted reply.
    EXPECT_EQ(bot->getTypeMatchup(1, 3), 75);
    // Herbette against Flamby: weak attack, super-effective reply.
    EXPECT_EQ(bot->getTypeMatchup(3, 1), 25);

    // The cached value stays until the memory is reset.
    bot->recordMatchup(4, 1, 1);
    EXPECT_EQ(bot->getTypeMatchup(4, 1), 50);
    EXPECT_EQ(bot->resetMemory(), -1);
    EXPECT_EQ(bot->getTypeMatchup(4, 1), 60);
    bot->recordMatchup(4, 1, 2);
    bot->resetMemory();
    EXPECT_EQ(bot->getTypeMatchup(4, 1), 6 * 50 / 6);
    delete bot;
}

TEST(ZelkBotTest, MatchupHistoryKeepsTwentyAndCountsNewPairsOnly) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot(PlayersWorld::sixNames());
    // Species 2 is in slot 1: its results are recorded there.
    for (int i = 0; i < 20; ++i)
        bot->recordMatchup(2, 6, 1);
    EXPECT_EQ(bot->getStoredResults(), 20.0);
    bot->recordMatchup(2, 6, 2);
    EXPECT_EQ(bot->getStoredResults(), 20.0);
    EXPECT_EQ(bot->getMatchupHistory(1, 6, 0), 2);
    EXPECT_EQ(bot->getMatchupHistory(1, 6, 19), 1);
    // A species nobody in the team has goes to slot 0.
    bot->recordMatchup(42, 6, 1);
    EXPECT_EQ(bot->getMatchupHistory(0, 6, 0), 1);
    // Numbers outside the tables are not remembered.
    bot->recordMatchup(2, 718, 1);
    bot->recordMatchup(2, -1, 1);
    EXPECT_EQ(bot->getMatchupHistory(1, 718, 0), 0);
    delete bot;
}

TEST(ZelkBotTest, RatedMatchupAndBestSwitchOnAField) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot(PlayersWorld::sixNames());
    bot->setSide(0);
    GameField* field = world.makeField(0, 0, "Sommet Calme", {"Herbette", "Flamby", "Aquilon"},
                                       {"Rocaille", "Braisier", "Marinel"});
    // Braisier (Pyro/Flore) is in play for side 1.
    field->getTeam(1)->setActiveMember(1);
    // Flamby (Pyro) resists both of Braisier's types; Aquilon (Hydro) fears its Flore side. Herbette is
    // active and skipped.
    Zelkin* flamby = field->getTeam(0)->getMemberAt(1);
    Zelkin* braisier = field->getTeam(1)->getActive();
    EXPECT_EQ(bot->chooseBestSwitch(field, 0, false), 1);
    EXPECT_EQ(bot->chooseBestSwitch(field, 0, true), 75);
    EXPECT_EQ(bot->rateMatchup(flamby, braisier), 75);
    flamby->setHp(0);
    EXPECT_EQ(bot->chooseBestSwitch(field, 0, false), 2);
    // A hurt opponent makes the matchup better, a hurt own creature worse.
    braisier->setHp(braisier->getMaxHp() / 2);
    EXPECT_EQ(bot->rateMatchup(field->getTeam(0)->getMemberAt(2), braisier), 50 + 24);
    EXPECT_EQ(bot->rateMatchup(nullptr, braisier), 0);
    delete field;
    delete bot;
}

// ---- Pre-battle picks ----

TEST(SelectTeamTest, PicksCloseOnceTheCapacityIsReached) {
    PlayersWorld world;
    SelectTeam* list = new SelectTeam("Rouge", 2);
    for (const std::string& name : PlayersWorld::sixNames())
        list->addMember(world.makeCreature(name));
    list->pick(0);
    EXPECT_EQ(list->getPickCount(), 0);
    list->pick(2);
    list->pick(2);
    EXPECT_EQ(list->getPickCount(), 1);
    EXPECT_EQ(list->unpick(), 0);
    list->pick(2);
    list->pick(5);
    EXPECT_FALSE(list->isFull());
    list->pick(3);
    EXPECT_TRUE(list->isFull());
    EXPECT_EQ(list->getPickCount(), 2);
    EXPECT_EQ(list->unpick(), 2);
    EXPECT_EQ(list->getPicked(0)->getName(), "Aquilon");
    EXPECT_EQ(list->getPicked(2), nullptr);
    EXPECT_EQ(list->getMember(6), nullptr);
    // The picked creatures belong to the battle team now.
    Zelkin* picked0 = list->getPicked(0);
    Zelkin* picked1 = list->getPicked(1);
    delete list;
    delete picked0;
    delete picked1;
}

TEST(SelectTeamTest, NumbersBeyondTheMembersAreRefused) {
    PlayersWorld world;
    SelectTeam list("Bleu", 3);
    list.addMember(world.makeCreature("Flamby"));
    list.pick(4);
    EXPECT_EQ(list.getPickCount(), 0);
}

TEST(ZelkBotTest, PickTeamMemberEveryFiftyFramesAmongTheUnpicked) {
    PlayersWorld world;
    ZelkBot* bot = world.makeBot(PlayersWorld::sixNames());
    bot->setSide(1);
    SelectTeam own("Bleu", 6);
    for (const std::string& name : PlayersWorld::sixNames())
        own.addMember(world.makeCreature(name));
    own.pick(1);
    own.pick(2);
    for (int frame = 1; frame < 50; ++frame)
        ASSERT_EQ(bot->pickTeamMember(&own, nullptr), -1) << frame;
    {
        // Draws for slots 2..5 only: the highest (slot 4) wins.
        ScriptedRandom draws({10, 20, 90, 5});
        EXPECT_EQ(bot->pickTeamMember(&own, nullptr), 4);
        EXPECT_EQ(draws.drawsUsed(), 4);
    }
    EXPECT_FALSE(bot->isOrderReady());
    EXPECT_EQ(bot->pickTeamMember(&own, nullptr), -1);
    // Picked creatures are not the list's to delete.
    delete own.getPicked(0);
    delete own.getPicked(1);
    delete bot;
}

// ---- Roster and tag teams ----

TEST(BotListTest, IndexAndTagLookups) {
    PlayersWorld world;
    world.dir.write("bots/a.xml", PlayersWorld::fixture("complete.xml"));
    BotList list;
    EXPECT_EQ(list.loadFolder(world.parser, "bots"), 1);
    ZelkBot* plain = new ZelkBot();
    list.add(plain);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.get(1), plain);
    EXPECT_EQ(list.get(2), nullptr);
    EXPECT_EQ(list.get(-1), nullptr);
    EXPECT_EQ(list.findByTag("Blue").size(), 1u);
    EXPECT_TRUE(list.findByTag("").empty());
    EXPECT_TRUE(list.findByTag("blue").empty());
    EXPECT_EQ(list.findByTagExcluding("Blue", "Red").size(), 1u);
    EXPECT_TRUE(list.findByTagExcluding("Blue", "Veteran").empty());
    EXPECT_TRUE(list.findByTagExcluding("", "Red").empty());
    // The roster does not own its bots.
    ZelkBot* first = list.get(0);
    delete plain;
    delete first;
}

TEST(BotTeamTest, InOrderQueueAndTransientMembers) {
    PlayersWorld world;
    world.dir.write("bots/r.xml", PlayersWorld::fixture("complete.xml"));
    ZelkBot* filed = new ZelkBot(world.parser, "bots/r.xml");
    ASSERT_FALSE(filed->isTransient());
    {
        Bot_Team side("Blue");
        ZelkBot* a = new ZelkBot();
        ZelkBot* b = new ZelkBot();
        side.addMember(a);
        side.addMember(b);
        side.addMember(filed);
        EXPECT_EQ(side.countRemaining(), 3);
        EXPECT_EQ(side.nextInOrder(), filed);
        EXPECT_EQ(side.countRemaining(), 3);
        EXPECT_EQ(side.countWaiting(), 2);
        EXPECT_EQ(side.getWaiting(0), a);
        EXPECT_EQ(side.getWaiting(2), nullptr);
        EXPECT_EQ(side.nextInOrder(), b);
        EXPECT_EQ(side.nextInOrder(), a);
        EXPECT_EQ(side.nextInOrder(), nullptr);
        EXPECT_EQ(side.countRemaining(), 0);
        ASSERT_EQ(side.countDone(), 3);
        EXPECT_EQ(side.getDone(0), filed);
        EXPECT_EQ(side.getDone(2), a);
    }
    // The bot with a file outlived its side; the transient ones were deleted (the leak checker agrees).
    EXPECT_EQ(filed->getTrainerStats()->getSprite(), 7);
    delete filed;
}

TEST(BotTeamTest, RandomNextKeepsTheOthersInOrder) {
    Bot_Team side("Red");
    ZelkBot* bots[3] = {new ZelkBot(), new ZelkBot(), new ZelkBot()};
    for (ZelkBot* bot : bots)
        side.addMember(bot);
    ScriptedRandom draws({1, 0});
    EXPECT_EQ(side.nextRandom(), bots[1]);
    EXPECT_EQ(side.getWaiting(0), bots[0]);
    EXPECT_EQ(side.getWaiting(1), bots[2]);
    EXPECT_EQ(side.nextRandom(), bots[0]);
    side.retireCurrent();
    EXPECT_EQ(side.getCurrent(), nullptr);
    EXPECT_EQ(side.countRemaining(), 1);
}
