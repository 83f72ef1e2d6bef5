// The tournament bracket: drawing the entrants, who meets whom, the reset match, draws and bot files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TournamentSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "players/TrainerStats.hpp"
#include "scenes/PlayerBracket.hpp"
#include "scenes/Scene_Menu.hpp"
#include "scenes/Scene_Tag_Prep.hpp"
#include "scenes/Scene_Tournament.hpp"
#include "scenes/TournoiBracket.hpp"

namespace {

using K = sf::Keyboard;

struct Bracket {
    explicit Bracket(int bots = 8, const std::string& config = "<config>\n</config>\n")
        : world(bots, config) {
        tournament.controler = &world.keys.controler;
        tournament.init(world.builder, world.options, world.roster);
    }
    ~Bracket() { dropModeBattle(tournament); }

    ZelkBot* entrant(int i) { return tournament.getEntrant(i)->getWinner(); }
    std::string nameOf(ZelkBot* bot) {
        std::string name;
        if (bot) bot->getName(name);
        return name;
    }

    TournamentWorld world;
    Scene_Tournament tournament;
};

TEST(TournamentBracket, NodesNameTheirWinnersThroughTheSidesBelow) {
    ZelkBot ana, ben;
    ana.setTrainerInfo(1, "Ana", "");
    ben.setTrainerInfo(1, "Ben", "");
    PlayerBracket first, second, loser, empty;
    first.setParticipant(&ana);
    second.setParticipant(&ben);
    EXPECT_EQ(first.getLabel(), "Ana");
    EXPECT_EQ(empty.getLabel(), "");
    EXPECT_EQ(empty.getWinner(), nullptr);

    TournoiBracket match(&first, &second, &loser);
    TournoiBracket next(&match, &empty, nullptr);
    // A match node holds no participant of its own.
    next.setParticipant(&ana);
    EXPECT_EQ(match.getLabel(), "Ana\nVS\nBen");
    EXPECT_EQ(next.getLabel(), "\nVS\n");
    EXPECT_EQ(match.getWinner(), nullptr);
    match.setState(TournoiBracket::STATE_SECOND_WON);
    EXPECT_EQ(match.getWinner(), &ben);
    next.setState(TournoiBracket::STATE_FIRST_WON);
    EXPECT_EQ(next.getWinner(), &ben);
    EXPECT_EQ(next.getLabel(), "Ben\nVS\n");
    match.setState(TournoiBracket::STATE_DRAW);
    EXPECT_EQ(match.getWinner(), nullptr);
    EXPECT_EQ(next.getWinner(), nullptr);
}

TEST(TournamentScene, EntrantsAreDistinctEvenWhenTheDrawsRepeat) {
    // The eighth draw finds the script exhausted (always 0): the first index not yet chosen is taken
    // instead of drawing forever.
    ScriptedRandom draws({4, 4, 2, 4, 2, 8, 0, 8, 1, 3, 5});
    Bracket bracket(9);
    ASSERT_TRUE(bracket.tournament.hasBracket());
    const int expected[] = {4, 2, 8, 0, 1, 3, 5, 6};
    for (int i = 0; i < Scene_Tournament::ENTRANTS; ++i)
        EXPECT_EQ(bracket.entrant(i), bracket.world.roster->get(expected[i])) << i;
    for (int slot = 0; slot < Scene_Tournament::FIXED_MATCHES; ++slot) {
        ASSERT_NE(bracket.tournament.getNode(slot), nullptr);
        EXPECT_EQ(bracket.tournament.getNode(slot)->getState(), TournoiBracket::STATE_OPEN);
    }
    EXPECT_EQ(bracket.tournament.getNode(Scene_Tournament::RESET_MATCH), nullptr);
    EXPECT_EQ(bracket.tournament.getNode(Scene_Tournament::CHAMPION), nullptr);
    EXPECT_EQ(bracket.tournament.getCurrentMatch(), 0);
    // Undecided sides show empty names.
    EXPECT_EQ(bracket.tournament.getNode(0)->getLabel(), "Bot5\nVS\nBot3");
    EXPECT_EQ(bracket.tournament.getNode(6)->getLabel(), "\nVS\n");
}

TEST(TournamentScene, RosterOfFewerThanEightBotsHasNoBracketAndLeavesOnEnter) {
    Bracket bracket(7);
    EXPECT_FALSE(bracket.tournament.hasBracket());
    EXPECT_EQ(bracket.tournament.getCurrentMatch(), Scene_Tournament::CHAMPION);
    EXPECT_EQ(bracket.tournament.getNode(0), nullptr);
    bracket.world.press(bracket.tournament, {K::Return});
    EXPECT_FALSE(bracket.tournament.isAlive());
    EXPECT_EQ(bracket.tournament.child, nullptr);
}

// Plays the whole bracket with the given result per match, checking who meets whom (entrant numbers) and
// the round each battle is announced with; returns the champion.
ZelkBot* playBracket(Bracket& bracket, const std::vector<int>& results,
                     const std::vector<std::pair<int, int>>& pairs) {
    Scene_Tournament& tournament = bracket.tournament;
    for (size_t m = 0; m < results.size(); ++m) {
        int match = tournament.getCurrentMatch();
        bracket.world.frame(tournament, {K::Return});
        EXPECT_NE(tournament.child, nullptr) << "match " << m;
        if (tournament.child == nullptr) return nullptr;
        EXPECT_EQ(bracket.world.fighter(tournament, 0), bracket.entrant(pairs[m].first)) << "match " << m;
        EXPECT_EQ(bracket.world.fighter(tournament, 1), bracket.entrant(pairs[m].second)) << "match " << m;
        BattleInformations* info =
            dynamic_cast<Scene_Battle*>(tournament.child)->getField()->getBattleInformations();
        EXPECT_EQ(info->getMode(), BattleInformations::MODE_ROUND);
        int round = match >= 13 ? 8 : (match == 10 || match == 12 ? 7 : 0);
        EXPECT_EQ(info->getRound(), round) << "match " << match;
        bracket.world.finishBattle(tournament, results[m]);
        EXPECT_EQ(tournament.getNode(match)->getState(), results[m]);
    }
    EXPECT_EQ(tournament.getCurrentMatch(), Scene_Tournament::CHAMPION);
    TournoiBracket* champion = tournament.getNode(Scene_Tournament::CHAMPION);
    return champion ? champion->getWinner() : nullptr;
}

TEST(TournamentScene, FirstSidesWinningEveryMatchEndAfterFourteenBattles) {
    Bracket bracket;
    // The losers of the winners' semi-finals cross over: the loser of match 7 (entrant 6) meets the
    // winner of match 4, the loser of match 6 (entrant 2) the winner of match 5.
    ZelkBot* champion = playBracket(bracket, std::vector<int>(14, 1),
                                    {{0, 1},
                                     {2, 3},
                                     {4, 5},
                                     {6, 7},
                                     {1, 3},
                                     {5, 7},
                                     {0, 2},
                                     {4, 6},
                                     {6, 1},
                                     {2, 5},
                                     {0, 4},
                                     {6, 2},
                                     {4, 6},
                                     {0, 4}});
    EXPECT_EQ(champion, bracket.entrant(0));
    EXPECT_EQ(bracket.tournament.getNode(Scene_Tournament::RESET_MATCH), nullptr);
    EXPECT_EQ(bracket.tournament.getNode(Scene_Tournament::CHAMPION)->getLabel(),
              bracket.nameOf(bracket.entrant(0)));
    // Once the champion is known, Enter leaves.
    bracket.world.press(bracket.tournament, {K::Return});
    EXPECT_FALSE(bracket.tournament.isAlive());
    EXPECT_EQ(bracket.tournament.child, nullptr);
}

TEST(TournamentScene, LosersAreSentDownTheBracketWhicheverSideLoses) {
    Bracket bracket;
    ZelkBot* champion = playBracket(bracket, {2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1},
                                    {{0, 1},
                                     {2, 3},
                                     {4, 5},
                                     {6, 7},
                                     {0, 3},
                                     {4, 7},
                                     {1, 2},
                                     {5, 6},
                                     {6, 3},
                                     {1, 4},
                                     {2, 5},
                                     {3, 1},
                                     {2, 3},
                                     {5, 3}});
    EXPECT_EQ(champion, bracket.entrant(5));
}

TEST(TournamentScene, GrandFinalWonByTheLosersSideIsPlayedAgain) {
    for (int reset : {1, 2}) {
        Bracket bracket;
        std::vector<int> results(14, 1);
        results[13] = 2;
        results.push_back(reset);
        // The reset match brings the same two bots, the losers' side champion (entrant 4) first.
        ZelkBot* champion = playBracket(bracket, results,
                                        {{0, 1},
                                         {2, 3},
                                         {4, 5},
                                         {6, 7},
                                         {1, 3},
                                         {5, 7},
                                         {0, 2},
                                         {4, 6},
                                         {6, 1},
                                         {2, 5},
                                         {0, 4},
                                         {6, 2},
                                         {4, 6},
                                         {0, 4},
                                         {4, 0}});
        EXPECT_EQ(champion, bracket.entrant(reset == 1 ? 4 : 0)) << reset;
        ASSERT_NE(bracket.tournament.getNode(Scene_Tournament::RESET_MATCH), nullptr);
        EXPECT_EQ(bracket.tournament.getNode(Scene_Tournament::RESET_MATCH)->getState(), reset);
    }
}

// Pixels of a canvas rectangle that are not white, in what the window shows now.
int inkIn(GameWindow& window, int x, int y, int w, int h) {
    return canvasPixelsIn(window, x, y, w, h,
                          [](sf::Color c) { return !sameColour(c, sf::Color::White, 40); });
}

// Draws in the first two matches leave matches with one participant, who goes on without a battle, and
// match 6 with none, which stays empty; nobody is put out without having lost.
TEST(TournamentScene, DrawsLeaveWalkoversAndEmptyMatchesInsteadOfPuttingBotsOut) {
    Bracket bracket;
    Scene_Tournament& tournament = bracket.tournament;
    // The result of every battle fought, in order; -1 where Enter must play no battle.
    const std::vector<int> results = {3, 3, 1, 1, 1, 1, -1, 1, 1, -1, -1, 1, -1, 3};
    for (size_t m = 0; m < results.size(); ++m) {
        int match = tournament.getCurrentMatch();
        ASSERT_EQ(match, static_cast<int>(m));
        bracket.world.frame(tournament, {K::Return});
        if (results[m] < 0) {
            EXPECT_EQ(tournament.child, nullptr) << "match " << m;
            if (tournament.child != nullptr) bracket.world.finishBattle(tournament, 1);
            bracket.world.frame(tournament);
        } else {
            ASSERT_NE(tournament.child, nullptr) << "match " << m;
            bracket.world.finishBattle(tournament, results[m]);
        }
    }
    // The first sides go down after the draws: entrants 0 and 2 meet in match 4.
    EXPECT_EQ(tournament.getNode(4)->getWinner(), bracket.entrant(0));
    EXPECT_EQ(tournament.getNode(6)->getWinner(), nullptr);
    EXPECT_EQ(tournament.getLoserLeaf(5)->getWinner(), nullptr);
    EXPECT_EQ(tournament.getNode(9)->getWinner(), bracket.entrant(5));
    EXPECT_EQ(tournament.getNode(10)->getWinner(), bracket.entrant(4));
    EXPECT_EQ(tournament.getLoserLeaf(6)->getWinner(), nullptr);
    EXPECT_EQ(tournament.getNode(12)->getWinner(), bracket.entrant(6));
    // The grand final brings the unbeaten bot and the losers' side champion.
    EXPECT_EQ(tournament.getNode(13)->getLabel(),
              bracket.nameOf(bracket.entrant(4)) + "\nVS\n" + bracket.nameOf(bracket.entrant(6)));
    // A drawn grand final crowns nobody, and the screen says so.
    EXPECT_EQ(tournament.getCurrentMatch(), Scene_Tournament::CHAMPION);
    ASSERT_NE(tournament.getNode(Scene_Tournament::CHAMPION), nullptr);
    EXPECT_EQ(tournament.getNode(Scene_Tournament::CHAMPION)->getWinner(), nullptr);
    GameWindow window;
    tournament.window = &window;
    bracket.world.frame(tournament);
    EXPECT_GT(inkIn(window, 700, 380, 120, 14), 0);
}

TEST(TournamentScene, BackspaceOrEscapeLeaveInTheMiddleOfTheTournament) {
    for (K::Key key : {K::BackSpace, K::Escape}) {
        Bracket bracket;
        bracket.world.frame(bracket.tournament, {K::Return});
        bracket.world.finishBattle(bracket.tournament, 2);
        EXPECT_TRUE(bracket.tournament.isAlive());
        bracket.world.press(bracket.tournament, {key});
        EXPECT_FALSE(bracket.tournament.isAlive());
        EXPECT_EQ(bracket.tournament.child, nullptr);
    }
}

// The bracket fights with the roster's own bots: after a whole battle both bot files hold the result.
TEST(TournamentScene, RosterBotsFightThemselvesAndTheirFilesAreRewritten) {
    Bracket bracket(8, "<config>\n<auto_input>1</auto_input>\n<n_zlkn_battle>1</n_zlkn_battle>\n</config>\n");
    ZelkBot* first = bracket.entrant(0);
    ZelkBot* second = bracket.entrant(1);
    bracket.world.frame(bracket.tournament, {K::Return});
    ASSERT_NE(bracket.tournament.child, nullptr);
    int frames = 0;
    while (bracket.tournament.child != nullptr && frames < 60000) {
        bracket.world.frame(bracket.tournament);
        ++frames;
    }
    ASSERT_EQ(bracket.tournament.child, nullptr) << "the battle did not end";
    bracket.world.frame(bracket.tournament);
    int outcome = bracket.tournament.getNode(0)->getState();
    ASSERT_GE(outcome, 1);
    ASSERT_LE(outcome, 3);
    EXPECT_EQ(bracket.tournament.getCurrentMatch(), 1);

    const int expectedFirst = outcome == 1 ? 1 : (outcome == 2 ? 2 : 3);
    const int expectedSecond = outcome == 2 ? 1 : (outcome == 1 ? 2 : 3);
    EXPECT_EQ(first->getTrainerStats()->getHistoryAt(0), expectedFirst);
    EXPECT_EQ(second->getTrainerStats()->getHistoryAt(0), expectedSecond);
    for (ZelkBot* bot : {first, second}) {
        // Read back from its file, the bot is whole and carries the result.
        ZelkBot reread(bracket.world.parser, bot->getFilePath());
        EXPECT_TRUE(reread.isTeamReady()) << bot->getFilePath();
        EXPECT_EQ(reread.getTrainerStats()->getHistoryAt(0), bot->getTrainerStats()->getHistoryAt(0));
        EXPECT_EQ(reread.getTrainerStats()->getStreak(), bot->getTrainerStats()->getStreak());
        EXPECT_EQ(reread.getTrainerStats()->getSprite(), bot->getTrainerStats()->getSprite());
    }
    // The loser waits in the losers' side.
    if (outcome != 3) {
        EXPECT_EQ(bracket.tournament.getLoserLeaf(0)->getWinner(), outcome == 1 ? second : first);
    }
    // Nobody else fought.
    for (int i = 2; i < Scene_Tournament::ENTRANTS; ++i)
        EXPECT_EQ(bracket.entrant(i)->getTrainerStats()->getHistoryAt(0), 0) << i;
}

TEST(TournamentScene, DrawsTheLabelsWithTheMarkerAtTheNextMatch) {
    // Built in the game folder, so that the cursor image is there.
    GameWindow window;
    Bracket bracket;
    bracket.tournament.window = &window;
    bracket.world.frame(bracket.tournament);
    EXPECT_GT(inkIn(window, 50, 20, 120, 12), 0);
    EXPECT_GT(inkIn(window, 28, 32, 16, 16), 0);
    EXPECT_EQ(inkIn(window, 28, 92, 16, 16), 0);
    bracket.world.frame(bracket.tournament, {K::Return});
    bracket.world.finishBattle(bracket.tournament, 1);
    EXPECT_EQ(inkIn(window, 28, 32, 16, 16), 0);
    EXPECT_GT(inkIn(window, 28, 92, 16, 16), 0);

    Bracket small(7);
    small.tournament.window = &window;
    small.world.frame(small.tournament);
    EXPECT_EQ(inkIn(window, 0, 0, 200, 140), 0);
    EXPECT_GT(inkIn(window, 226, 180, 400, 80), 0);
}

TEST(MenuShortcuts, FiveOpensTheTournamentFourTheTagPreparationBothTheTournament) {
    struct Case {
        std::initializer_list<K::Key> keys;
        bool tournament;
    };
    for (const Case& c : {Case{{K::Num5}, true}, Case{{K::Num4}, false}, Case{{K::Num4, K::Num5}, true}}) {
        TournamentWorld world(8);
        Scene_Menu menu;
        menu.controler = &world.keys.controler;
        menu.result = 1;
        world.frame(menu);
        ASSERT_TRUE(menu.isLoaded());
        world.frame(menu, c.keys);
        ASSERT_NE(menu.child, nullptr);
        if (c.tournament) {
            Scene_Tournament* tournament = dynamic_cast<Scene_Tournament*>(menu.child);
            ASSERT_NE(tournament, nullptr);
            EXPECT_TRUE(tournament->hasBracket());
        } else {
            EXPECT_NE(dynamic_cast<Scene_Tag_Prep*>(menu.child), nullptr);
        }
        EXPECT_EQ(menu.child->controler, &world.keys.controler);
        delete menu.child;
        menu.child = nullptr;
    }
}

} // namespace
