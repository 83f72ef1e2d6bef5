// The tag tournament: its set-up screen, building the two sides, and the winner-stays-on series.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TournamentSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "players/Bot_Team.hpp"
#include "players/TrainerStats.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Ruleset.hpp"
#include "scenes/Scene_Tag_Prep.hpp"
#include "scenes/Scene_Tag_Tournament.hpp"

namespace {

using K = sf::Keyboard;

struct Prep {
    explicit Prep(int bots = 0, const std::vector<std::vector<std::string>>& tags = {},
                  const std::string& config = "<config>\n</config>\n")
        : world(bots, config, tags) {
        prep.reset(new Scene_Tag_Prep());
        prep->controler = &world.keys.controler;
        prep->init();
    }
    ~Prep() {
        if (Scene* series = prep->child) dropModeBattle(*series);
        delete prep->child;
        prep->child = nullptr;
        prep.reset();
    }
    void press(std::initializer_list<K::Key> keys) { world.press(*prep, keys); }
    // Each character typed in its own frame, with a frame without text between.
    void type(const std::string& text) {
        for (char c : text) {
            world.keys.type(c);
            prep->run();
            world.frame(*prep);
        }
    }
    Scene_Tag_Tournament* start() {
        world.frame(*prep, {K::Return});
        return dynamic_cast<Scene_Tag_Tournament*>(prep->child);
    }

    TournamentWorld world;
    std::unique_ptr<Scene_Tag_Prep> prep;
};

std::vector<std::string> namesOf(Bot_Team* side) {
    std::vector<std::string> names;
    auto add = [&names](ZelkBot* bot) {
        std::string name;
        bot->getName(name);
        names.push_back(name);
    };
    for (int i = 0; i < side->countWaiting(); ++i)
        add(side->getWaiting(i));
    if (side->getCurrent()) add(side->getCurrent());
    return names;
}

TEST(TagPrepScene, NamesAcceptTwelvePrintableCharactersOnTheirRow) {
    Prep set;
    EXPECT_EQ(set.prep->getPage(), Scene_Tag_Prep::PAGE_MAIN);
    EXPECT_EQ(set.prep->getCursor(), Scene_Tag_Prep::ITEM_START);
    EXPECT_EQ(set.prep->getName(0), "Blue");
    EXPECT_EQ(set.prep->getName(1), "Red");
    EXPECT_EQ(set.prep->getBattleSize(), set.world.options->getTeamSize());
    // Typing on the main page does nothing.
    set.type("x");
    EXPECT_EQ(set.prep->getName(0), "Blue");

    set.press({K::Right});
    set.press({K::Return});
    ASSERT_EQ(set.prep->getPage(), Scene_Tag_Prep::PAGE_SECOND_SIDE);
    EXPECT_EQ(set.prep->getCursor(), 0);
    // Delete is typed as a character but is not one a name can hold.
    set.type("\x7F");
    EXPECT_EQ(set.prep->getName(1), "Red");
    set.type("Nord9abcdefgh");
    EXPECT_EQ(set.prep->getName(1), "RedNord9abcd");
    for (int i = 0; i < 13; ++i)
        set.press({K::BackSpace});
    EXPECT_EQ(set.prep->getName(1), "");
    EXPECT_EQ(set.prep->getPage(), Scene_Tag_Prep::PAGE_SECOND_SIDE);
    // On the count row typing is ignored and Backspace goes back to the main page.
    set.press({K::Down});
    set.type("z");
    EXPECT_EQ(set.prep->getName(1), "");
    set.press({K::BackSpace});
    EXPECT_EQ(set.prep->getPage(), Scene_Tag_Prep::PAGE_MAIN);
    EXPECT_EQ(set.prep->getCursor(), Scene_Tag_Prep::ITEM_SECOND_SIDE);

    set.prep->appendNameChar(2, 'q');
    set.prep->eraseNameChar(-1);
    EXPECT_EQ(set.prep->getName(0), "Blue");
}

TEST(TagPrepScene, MainPageCursorAndPagesComeBackToTheirItem) {
    Prep set;
    struct Step {
        K::Key key;
        int page;
        int cursor;
    };
    const Step steps[] = {
        {K::Up, 0, 3},     {K::Down, 0, 1},  {K::Left, 0, 0},   {K::Left, 0, 2},   {K::Right, 0, 0},
        {K::Down, 0, 3},   {K::Right, 0, 2}, {K::Down, 0, 3},   {K::Left, 0, 0},   {K::Return, 1, 0},
        {K::Down, 1, 1},   {K::Down, 1, 0},  {K::Up, 1, 1},     {K::Escape, 0, 0}, {K::Up, 0, 3},
        {K::Return, 3, 0}, {K::Up, 3, 2},    {K::Down, 3, 0},   {K::Escape, 0, 3}, {K::Return, 3, 0},
        {K::Return, 0, 3}, {K::Right, 0, 2}, {K::Return, 2, 0}, {K::Return, 0, 2},
    };
    for (const Step& step : steps) {
        set.press({step.key});
        EXPECT_EQ(set.prep->getPage(), step.page) << step.key;
        EXPECT_EQ(set.prep->getCursor(), step.cursor) << step.key;
    }
    EXPECT_TRUE(set.prep->isAlive());
}

TEST(TagPrepScene, SettingsWrapAndEscapeOnTheMainPageResetsTheRules) {
    Prep set;
    int savedSize = set.world.options->getTeamSize();
    set.press({K::Left});
    set.press({K::Return});
    set.press({K::Down});
    set.press({K::Left});
    EXPECT_EQ(set.prep->getGenerated(0), 20);
    set.press({K::Right});
    EXPECT_EQ(set.prep->getGenerated(0), 0);
    set.press({K::Right});
    EXPECT_EQ(set.prep->getGenerated(0), 1);
    set.press({K::Return});

    set.press({K::Down});
    set.press({K::Return});
    ASSERT_EQ(set.prep->getPage(), Scene_Tag_Prep::PAGE_RULES);
    for (int i = 0; i < 6; ++i)
        set.press({K::Right});
    EXPECT_EQ(set.prep->getBattleSize(), savedSize);
    while (set.prep->getBattleSize() != 6)
        set.press({K::Right});
    set.press({K::Right});
    EXPECT_EQ(set.prep->getBattleSize(), 1);
    set.press({K::Left});
    EXPECT_EQ(set.prep->getBattleSize(), 6);

    set.press({K::Down});
    set.press({K::Left});
    int rulesets = set.world.parser->countRulesets();
    EXPECT_EQ(set.prep->getRulesetIndex(), rulesets - 1);
    EXPECT_EQ(set.world.parser->getCurrentRuleset(), set.world.parser->getRulesetAt(rulesets - 1));
    set.press({K::Right});
    EXPECT_EQ(set.prep->getRulesetIndex(), 0);
    set.press({K::Right});
    EXPECT_EQ(set.world.parser->getCurrentRuleset(), set.world.parser->getRulesetAt(1));

    set.press({K::Down});
    set.press({K::Left});
    EXPECT_EQ(set.prep->getHype(), 8);
    EXPECT_EQ(set.world.options->getTagValue(), 8);
    set.press({K::Right});
    EXPECT_EQ(set.prep->getHype(), 0);
    set.press({K::Right});
    EXPECT_EQ(set.world.options->getTagValue(), 1);

    // Escape on the rules page only goes back; on the main page it leaves and puts the rules back.
    set.press({K::Escape});
    EXPECT_TRUE(set.prep->isAlive());
    set.press({K::Escape});
    EXPECT_FALSE(set.prep->isAlive());
    EXPECT_EQ(set.world.options->getTagValue(), 0);
    EXPECT_EQ(set.world.parser->getCurrentRuleset(), set.world.parser->getRulesetAt(0));
    set.prep.reset(new Scene_Tag_Prep());
    EXPECT_EQ(set.world.options->getTeamSize(), savedSize);
}

TEST(TagPrepScene, StartBuildsTheSidesFromTaggedCopiesAndGeneratedBots) {
    Prep set(5, {{"Blue"}, {"Red", "Vieux"}, {"Blue", "Red"}, {"Nord"}, {"Blue"}});
    set.press({K::Left});
    set.press({K::Return});
    set.press({K::Down});
    set.press({K::Right});
    set.press({K::Right}); // two generated bots for the first side
    set.press({K::Return});
    set.press({K::Down});
    set.press({K::Return});
    set.press({K::Left}); // one creature less a battle
    set.press({K::Escape});
    set.press({K::Up});
    int size = set.prep->getBattleSize();
    Scene_Tag_Tournament* series = set.start();
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(set.world.options->getTeamSize(), size);

    Bot_Team* blue = series->getSide(0);
    Bot_Team* red = series->getSide(1);
    EXPECT_EQ(blue->getName(), "Blue");
    EXPECT_EQ(red->getName(), "Red");
    // Bot3 carries both tags and plays on neither side.
    EXPECT_EQ(blue->countRemaining(), 4);
    EXPECT_EQ(red->countRemaining(), 1);
    std::vector<std::string> names = namesOf(blue);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Bot1"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Bot5"), 1);
    EXPECT_EQ(namesOf(red), std::vector<std::string>{"Bot2"});
    for (Bot_Team* side : {blue, red}) {
        std::vector<ZelkBot*> members;
        for (int i = 0; i < side->countWaiting(); ++i)
            members.push_back(side->getWaiting(i));
        members.push_back(side->getCurrent());
        for (ZelkBot* member : members) {
            // Copies or made here: the roster's own bots never play the series.
            EXPECT_TRUE(member->isTransient());
            EXPECT_EQ(member->countMembers(), 6);
            for (int i = 0; i < set.world.roster->count(); ++i)
                EXPECT_NE(member, set.world.roster->get(i));
        }
    }
    EXPECT_EQ(set.world.builder->countUsed(), 0);
}

TEST(TagPrepScene, RenamedSidesTakeOtherBotsAndEmptySidesDrawTheSeries) {
    Prep set(2, {{"Blue"}, {"Red"}});
    set.press({K::Left});
    set.press({K::Return});
    set.type("s");
    set.press({K::Return});
    set.press({K::Right});
    Scene_Tag_Tournament* series = set.start();
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->getSide(0)->getName(), "Blues");
    EXPECT_EQ(series->getSide(0)->countRemaining(), 0);
    EXPECT_EQ(series->getSide(1)->countRemaining(), 1);
    EXPECT_EQ(series->getState(), Scene_Tag_Tournament::STATE_SECOND_WON_SERIES);
    EXPECT_EQ(series->getOutcome(), 2);

    // The series leaves on the first Enter once its display is over; the set-up shows again.
    for (int i = 0; i < Scene_Tag_Tournament::DISPLAY_FRAMES; ++i)
        set.world.frame(*set.prep);
    EXPECT_EQ(series->getState(), Scene_Tag_Tournament::STATE_IDLE);
    set.world.frame(*set.prep, {K::Return});
    set.world.frame(*set.prep);
    EXPECT_EQ(set.prep->child, nullptr);
    EXPECT_TRUE(set.prep->isAlive());
    EXPECT_EQ(set.prep->getName(0), "Blues");

    Prep none;
    Scene_Tag_Tournament* empty = none.start();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getState(), Scene_Tag_Tournament::STATE_DRAWN_SERIES);
    EXPECT_EQ(empty->getOutcome(), 3);
}

// A series on top of its set-up screen, with the given roster tags.
struct Series : Prep {
    explicit Series(const std::vector<std::vector<std::string>>& tags,
                    const std::string& config = "<config>\n</config>\n")
        : Prep(static_cast<int>(tags.size()), tags, config) {
        series = start();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i)
            world.frame(*prep);
    }
    // From the announce: the display, then Enter starts the battle.
    void startBattle() {
        frames(series->getTimer());
        ASSERT_EQ(series->getState(), Scene_Tag_Tournament::STATE_IDLE);
        world.frame(*prep, {K::Return});
        ASSERT_NE(series->child, nullptr);
    }
    // The battle's participant on a side: the owner of its team's record.
    TrainerStats* fighterRecord(int side) {
        Scene_Battle* battle = dynamic_cast<Scene_Battle*>(series->child);
        return battle ? dynamic_cast<TrainerStats*>(battle->getField()->getTeam(side)->getOwner()) : nullptr;
    }
    void finish(int code) {
        ASSERT_NE(series->child, nullptr);
        delete series->child->child;
        series->child->child = nullptr;
        series->child->result = code;
        series->child->alive = false;
        world.frame(*prep);
        world.frame(*prep);
    }
    Scene_Tag_Tournament* series = nullptr;
};

TEST(TagTournamentScene, OneBotMustBeatThreeInARowWhileItStaysOn) {
    Series set({{"Blue"}, {"Red"}, {"Red"}, {"Red"}});
    ASSERT_NE(set.series, nullptr);
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_ANNOUNCE);
    EXPECT_EQ(set.series->getMatchNumber(), 1);
    ZelkBot* champion = set.series->getCurrent(0);
    std::vector<ZelkBot*> opponents;
    for (int match = 1; match <= 3; ++match) {
        set.startBattle();
        EXPECT_EQ(set.fighterRecord(0), champion->getTrainerStats());
        EXPECT_EQ(set.fighterRecord(1), set.series->getCurrent(1)->getTrainerStats());
        BattleInformations* info =
            dynamic_cast<Scene_Battle*>(set.series->child)->getField()->getBattleInformations();
        EXPECT_EQ(info->getName(), DefaultStrings::MENU_TAG_TOURNAMENT);
        EXPECT_EQ(info->getSecondText(), "COMBAT !");
        EXPECT_EQ(info->getRound(), 5);
        EXPECT_EQ(info->getMode(), BattleInformations::MODE_ROUND);
        opponents.push_back(set.series->getCurrent(1));
        set.finish(1);
        EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_FIRST_WON_MATCH);
        EXPECT_EQ(set.series->getScore(0), match);
        EXPECT_EQ(set.series->getScore(1), 0);
        EXPECT_EQ(set.series->getSide(1)->getCurrent(), nullptr);
        // A 50-frame display during which keys do nothing.
        set.world.frame(*set.prep, {K::Escape});
        set.frames(set.series->getTimer());
        EXPECT_EQ(set.series->getCurrent(0), champion);
    }
    EXPECT_NE(opponents[0], opponents[1]);
    EXPECT_NE(opponents[1], opponents[2]);
    EXPECT_NE(opponents[0], opponents[2]);
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_FIRST_WON_SERIES);
    EXPECT_EQ(set.series->getOutcome(), 1);
    EXPECT_EQ(set.series->getPreviousState(), 0);
    set.frames(set.series->getTimer());
    set.world.frame(*set.prep, {K::Return});
    set.world.frame(*set.prep);
    EXPECT_EQ(set.prep->child, nullptr);
}

TEST(TagTournamentScene, DrawSendsBothOffAndScoresForBoth) {
    Series set({{"Blue"}, {"Blue"}, {"Red"}});
    set.startBattle();
    ZelkBot* blueFirst = set.series->getCurrent(0);
    set.finish(3);
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_DRAWN_MATCH);
    EXPECT_EQ(set.series->getScore(0), 1);
    EXPECT_EQ(set.series->getScore(1), 1);
    set.frames(set.series->getTimer());
    // Red has nobody left: Blue's second bot wins the series without fighting.
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_FIRST_WON_SERIES);
    EXPECT_NE(set.series->getSide(0)->getWaiting(0), blueFirst);

    Series even({{"Blue"}, {"Red"}});
    even.startBattle();
    even.finish(3);
    even.frames(even.series->getTimer());
    EXPECT_EQ(even.series->getState(), Scene_Tag_Tournament::STATE_DRAWN_SERIES);
    EXPECT_EQ(even.series->getOutcome(), 3);
}

TEST(TagTournamentScene, SecondSideWinnerStaysAndTheLoserIsReplaced) {
    Series set({{"Blue"}, {"Blue"}, {"Red"}});
    ZelkBot* red = set.series->getCurrent(1);
    ZelkBot* blue = set.series->getCurrent(0);
    set.startBattle();
    set.finish(2);
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_SECOND_WON_MATCH);
    set.frames(set.series->getTimer());
    EXPECT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_ANNOUNCE);
    EXPECT_EQ(set.series->getPreviousState(), Scene_Tag_Tournament::STATE_SECOND_WON_MATCH);
    EXPECT_EQ(set.series->getMatchNumber(), 2);
    EXPECT_EQ(set.series->getCurrent(1), red);
    EXPECT_NE(set.series->getCurrent(0), blue);
    EXPECT_NE(set.series->getCurrent(0), nullptr);
}

TEST(TagTournamentScene, AutomaticInputPlaysAfterNinetyIdleFramesAndEscapeLeavesOnlyWhenIdle) {
    Series set({{"Blue"}, {"Red"}}, "<config>\n<auto_input>1</auto_input>\n</config>\n");
    set.frames(Scene_Tag_Tournament::DISPLAY_FRAMES);
    ASSERT_EQ(set.series->getState(), Scene_Tag_Tournament::STATE_IDLE);
    set.frames(Scene_Tag_Tournament::AUTO_FRAMES - 1);
    EXPECT_EQ(set.series->child, nullptr);
    set.frames(1);
    ASSERT_NE(set.series->child, nullptr);
    EXPECT_EQ(set.series->getAutoCounter(), 0);
    set.finish(1);
    set.frames(set.series->getTimer());
    ASSERT_EQ(set.series->getOutcome(), 1);
    set.frames(Scene_Tag_Tournament::DISPLAY_FRAMES + Scene_Tag_Tournament::AUTO_FRAMES);
    EXPECT_EQ(set.prep->child, nullptr);

    Series idle({{"Blue"}, {"Red"}});
    idle.world.frame(*idle.prep, {K::Escape});
    EXPECT_NE(idle.prep->child, nullptr);
    idle.frames(idle.series->getTimer());
    idle.frames(200);
    EXPECT_EQ(idle.series->child, nullptr);
    idle.world.frame(*idle.prep, {K::Escape});
    idle.world.frame(*idle.prep);
    EXPECT_EQ(idle.prep->child, nullptr);
}

TEST(TagTournamentScene, DrawsTheBlueAndRedHalvesAndTheBanner) {
    GameWindow window;
    Series set({{"Blue"}, {"Red"}});
    set.series->window = &window;
    set.frames(10);
    // The announce band, palette colour 9, across the middle.
    sf::Color band = pixelAt(window, 600, 240);
    EXPECT_FALSE(sameColour(band, pixelAt(window, 600, 150), 10));
    set.frames(set.series->getTimer());
    sf::Color left = pixelAt(window, 100, 300);
    sf::Color right = pixelAt(window, 760, 160);
    EXPECT_GT(left.b, left.r);
    EXPECT_GT(right.r, right.b);
}

} // namespace
