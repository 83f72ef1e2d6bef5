// The quick battle set-up: cycling the choices, building the sides, booking results, and a whole battle.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ScenesBaseSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameField.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot_Human.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/Scene_Battle.hpp"
#include "scenes/Scene_QuickBattle.hpp"
#include "tests/HubSupport.hpp"

namespace {

using K = sf::Keyboard;

// Deletes a battle pushed by the set-up, with the opening it shows first.
void dropBattle(Scene& quick) {
    if (quick.child == nullptr) return;
    delete quick.child->child;
    quick.child->child = nullptr;
    delete quick.child;
    quick.child = nullptr;
}

// The hub data set loaded as at start-up, a roster of two bots and the set-up screen on top of it.
class QuickSetUp {
public:
    explicit QuickSetUp(const std::string& config = "<config>\n<trainer_name>Ana</trainer_name>\n"
                                                    "<trainer_sprite>2</trainer_sprite>\n</config>\n") {
        installDataSet(dir, "hub/full/data");
        dir.write("config.xml", config);
        builder = new TeamBuilder();
        // The guard frees them with the test.
        gameBundle->teamBuilder = builder;
        gameBundle->parser = builder->getParser();
        parser = builder->getParser();
        options = parser->getOptions();
        options->setTagValue(5);
        roster.add(makeRosterBot("Ulla"));
        roster.add(makeRosterBot("Vik"));
        quick.controler = &keys.controler;
        quick.init(builder, options, &roster);
    }
    ~QuickSetUp() {
        // A battle still on screen goes before the participants it uses.
        dropBattle(quick);
        for (int i = 0; i < roster.count(); ++i)
            delete roster.get(i);
    }
    // A roster bot with six creatures of the species not allowed by the second ruleset when there are
    // such species, so that its copy has to be mended under that ruleset.
    ZelkBot* makeRosterBot(const std::string& name) {
        ZelkBot* bot = new ZelkBot();
        bot->setTrainerInfo(3, name, "Hop");
        parser->selectRuleset(1);
        std::vector<ZelkinZelkinary*> refused;
        for (ZelkinZelkinary* species : parser->getSpeciesList()) {
            Zelkin probe(species, 50);
            if (!parser->isCreatureAllowed(&probe)) refused.push_back(species);
        }
        parser->selectRuleset(0);
        for (int i = 0; i < ZelkBot::TEAM_SIZE; ++i) {
            ZelkinZelkinary* species =
                refused.empty() ? parser->getSpeciesList()[i] : refused[i % refused.size()];
            Zelkin* creature = new Zelkin(species, 50);
            bot->addMember(creature);
        }
        return bot;
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(keys, quick, pressed); }
    // Sends the running battle back with a result, as a finished battle screen does.
    void finishBattle(int code) {
        ASSERT_NE(quick.child, nullptr);
        // A battle only ends from its own frame, once its opening (or results screen) is gone.
        delete quick.child->child;
        quick.child->child = nullptr;
        quick.child->result = code;
        quick.child->alive = false;
        keys.frame();
        quick.run();
        ASSERT_EQ(quick.child, nullptr);
        keys.frame();
        quick.run();
    }

    ScratchDir dir;
    BundleGuard guard;
    TeamBuilder* builder = nullptr;
    GameParser* parser = nullptr;
    Game_Options* options = nullptr;
    BotList roster;
    KeyScript keys;
    Scene_QuickBattle quick;
};

TEST(QuickBattleScene, StartsOnStartWithTheHumanAgainstARandomTrainer) {
    QuickSetUp set;
    EXPECT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_START);
    EXPECT_EQ(set.quick.getKind(0), Scene_QuickBattle::KIND_HUMAN);
    EXPECT_EQ(set.quick.getKind(1), Scene_QuickBattle::KIND_RANDOM_TRAINER);
    EXPECT_EQ(set.quick.getLevel(0), 4);
    EXPECT_EQ(set.quick.getLevel(1), 4);
    EXPECT_EQ(set.quick.getTeamSize(), set.options->getTeamSize());
    EXPECT_EQ(set.quick.getHype(), 4);
    EXPECT_EQ(set.options->getTagValue(), 0);
    std::string name;
    set.quick.getHuman()->getName(name);
    EXPECT_EQ(name, "Ana");
    EXPECT_EQ(set.quick.getHuman()->getTrainerStats()->getSprite(), 2);
}

TEST(QuickBattleScene, MainRowCursorMoves) {
    QuickSetUp set;
    struct Step {
        K::Key key;
        int cursor;
    };
    // Up and Down go between "START !" and the rules; Left and Right wrap over the top row, and from the
    // rules they go to the player beneath.
    const Step steps[] = {{K::Up, 3},   {K::Up, 1},   {K::Left, 0}, {K::Left, 2},  {K::Right, 0},
                          {K::Down, 3}, {K::Left, 0}, {K::Down, 3}, {K::Right, 2}, {K::Right, 0},
                          {K::Up, 3},   {K::Down, 1}, {K::Right, 2}};
    for (const Step& step : steps) {
        set.press({step.key});
        EXPECT_EQ(set.quick.getCursor(), step.cursor) << step.key;
    }
    EXPECT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
}

// Keys pressed together act one after the other, each on what the one before left: they are not
// reduced to the first one found.
TEST(QuickBattleScene, KeysOfOneFrameActInTurn) {
    QuickSetUp set;
    // Up takes "START !" to the rules, Down brings it back.
    set.press({K::Up, K::Down});
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_START);
    // Left then Enter: the panel of Player 1 opens in the same frame.
    set.press({K::Left, K::Return});
    ASSERT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_PLAYER_1);
    set.press({K::Right}); // kind: random trainer, which has a level line
    set.press({K::Down});
    ASSERT_EQ(set.quick.getCursor(), 1);
    // Left lowers the level and Right raises it again.
    set.press({K::Left, K::Right});
    EXPECT_EQ(set.quick.getLevel(0), 4);
    set.press({K::Return});
    ASSERT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
}

TEST(QuickBattleScene, DownWithAnotherKeyStillRestartsTheAutomaticCount) {
    QuickSetUp set("<config>\n<auto_input>1</auto_input>\n</config>\n");
    for (int i = 0; i < 5; ++i) {
        set.keys.frame();
        set.quick.run();
    }
    ASSERT_EQ(set.quick.getAutoTimer(), 5);
    // Left restarts the count even though Down, tested before it, does not.
    set.keys.frame({K::Down, K::Left});
    set.quick.run();
    EXPECT_EQ(set.quick.getAutoTimer(), 1);
}

TEST(QuickBattleScene, SidePanelsCycleKindLevelAndBot) {
    QuickSetUp set;
    set.press({K::Left});
    set.press({K::Return});
    ASSERT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_PLAYER_1);
    EXPECT_EQ(set.quick.getCursor(), 0);
    // The human has a single entry.
    set.press({K::Down});
    EXPECT_EQ(set.quick.getCursor(), 0);
    set.press({K::Up});
    EXPECT_EQ(set.quick.getCursor(), 0);
    // Player 1 cycles over all three kinds.
    set.press({K::Right});
    EXPECT_EQ(set.quick.getKind(0), Scene_QuickBattle::KIND_RANDOM_TRAINER);
    set.press({K::Down});
    set.press({K::Down});
    EXPECT_EQ(set.quick.getCursor(), 0); // a random trainer has kind and level only
    set.press({K::Right});
    EXPECT_EQ(set.quick.getKind(0), Scene_QuickBattle::KIND_ROSTER_BOT);
    set.press({K::Up});
    EXPECT_EQ(set.quick.getCursor(), 2);
    // Bot choice over 0 (random) .. the roster's size, both ends included.
    set.press({K::Right});
    set.press({K::Right});
    EXPECT_EQ(set.quick.getBotChoice(0), 2);
    set.press({K::Right});
    EXPECT_EQ(set.quick.getBotChoice(0), 0);
    set.press({K::Left});
    EXPECT_EQ(set.quick.getBotChoice(0), 2);
    set.press({K::Up});
    for (int i = 0; i < 3; ++i)
        set.press({K::Left});
    EXPECT_EQ(set.quick.getLevel(0), 1);
    set.press({K::Left});
    EXPECT_EQ(set.quick.getLevel(0), 9);
    set.press({K::BackSpace});
    EXPECT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_PLAYER_1);
    EXPECT_TRUE(set.quick.isAlive());

    // Player 2 is never the human.
    set.press({K::Left});
    set.press({K::Return});
    ASSERT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_PLAYER_2);
    set.press({K::Right});
    EXPECT_EQ(set.quick.getKind(1), Scene_QuickBattle::KIND_ROSTER_BOT);
    set.press({K::Right});
    EXPECT_EQ(set.quick.getKind(1), Scene_QuickBattle::KIND_RANDOM_TRAINER);
    set.press({K::Left});
    EXPECT_EQ(set.quick.getKind(1), Scene_QuickBattle::KIND_ROSTER_BOT);
    set.press({K::Return});
    EXPECT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_PLAYER_2);
}

TEST(QuickBattleScene, RulesPanelCyclesAndSelectsTheRuleset) {
    QuickSetUp set;
    set.press({K::Up});
    set.press({K::Return});
    ASSERT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_RULES);
    int size = set.quick.getTeamSize();
    set.press({K::Right});
    EXPECT_EQ(set.quick.getTeamSize(), size == 6 ? 1 : size + 1);
    for (int i = 0; i < 6; ++i)
        set.press({K::Left});
    EXPECT_EQ(set.quick.getTeamSize(), size == 6 ? 1 : size + 1);
    // Stadiums: 0 (random) and the two loaded ones.
    set.press({K::Down});
    set.press({K::Left});
    EXPECT_EQ(set.quick.getStadiumChoice(), 2);
    set.press({K::Right});
    EXPECT_EQ(set.quick.getStadiumChoice(), 0);
    set.press({K::Down});
    set.press({K::Right});
    EXPECT_EQ(set.quick.getRulesetIndex(), 1);
    EXPECT_EQ(set.parser->getCurrentRuleset(), set.parser->getRulesetAt(1));
    set.press({K::Right});
    EXPECT_EQ(set.parser->getCurrentRuleset(), set.parser->getRulesetAt(0));
    set.press({K::Left});
    EXPECT_EQ(set.parser->getCurrentRuleset(), set.parser->getRulesetAt(1));
    set.press({K::Down});
    for (int i = 0; i < 5; ++i)
        set.press({K::Right});
    EXPECT_EQ(set.quick.getHype(), 0);
    set.press({K::Down});
    EXPECT_EQ(set.quick.getCursor(), 0);
    set.press({K::Return});
    EXPECT_EQ(set.quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_RULES);

    // Escape leaves the ruleset as it is; Backspace on the main row goes back to the first one.
    set.options->setTagValue(3);
    set.press({K::Escape});
    EXPECT_FALSE(set.quick.isAlive());
    EXPECT_EQ(set.options->getTagValue(), 0);
    EXPECT_EQ(set.parser->getCurrentRuleset(), set.parser->getRulesetAt(1));
    set.quick.alive = true;
    set.options->setTagValue(3);
    set.press({K::BackSpace});
    EXPECT_FALSE(set.quick.isAlive());
    EXPECT_EQ(set.options->getTagValue(), 0);
    EXPECT_EQ(set.parser->getCurrentRuleset(), set.parser->getRulesetAt(0));
}

TEST(QuickBattleScene, StartBuildsTheHumanAndARandomTrainer) {
    QuickSetUp set;
    set.press({K::Up});
    set.press({K::Return});
    set.press({K::Left}); // two creatures a side
    set.press({K::Return});
    set.press({K::Down});
    set.keys.frame({K::Return});
    set.quick.run();
    Scene_Battle* battle = dynamic_cast<Scene_Battle*>(set.quick.child);
    ASSERT_NE(battle, nullptr);
    EXPECT_EQ(set.options->getTeamSize(), set.quick.getTeamSize());
    ZelkBot* human = set.quick.getParticipant(0);
    ZelkBot* opponent = set.quick.getParticipant(1);
    EXPECT_EQ(human, set.quick.getHuman());
    EXPECT_EQ(human->countMembers(), 6);
    ASSERT_NE(opponent, nullptr);
    EXPECT_TRUE(opponent->isTransient());
    EXPECT_EQ(opponent->countMembers(), 6);
    EXPECT_EQ(opponent->getAIKind(), 1);
    EXPECT_EQ(opponent->getAILevel(), 4);
    // Never the unique trainer of the list.
    std::string name;
    opponent->getName(name);
    EXPECT_TRUE(name == "Alix" || name == "Boris") << name;
    EXPECT_EQ(set.builder->countUsed(), 0);
    EXPECT_EQ(battle->getField()->getBattleInformations()->getName(),
              DefaultStrings::BATTLE_INFO_SIMPLE_BATTLE);
    EXPECT_EQ(battle->getField()->getBattleInformations()->getRound(), 4);

    // The next battle gives the human a new team.
    Zelkin* firstTeamMember = human->getMember(0);
    set.finishBattle(1);
    set.keys.frame({K::Return});
    set.quick.run();
    ASSERT_NE(set.quick.child, nullptr);
    EXPECT_NE(human->getMember(0), firstTeamMember);
    EXPECT_EQ(human->countMembers(), 6);
}

TEST(QuickBattleScene, RosterBotsFightAsMendedCopies) {
    QuickSetUp set;
    ZelkBot* original = set.roster.get(1);
    std::vector<Zelkin*> originalTeam;
    for (int i = 0; i < 6; ++i)
        originalTeam.push_back(original->getMember(i));
    set.press({K::Right});
    set.press({K::Return});
    set.press({K::Right}); // roster bot
    set.press({K::Down});
    set.press({K::Right}); // level 5
    set.press({K::Down});
    set.press({K::Right});
    set.press({K::Right}); // the second bot
    set.press({K::Return});
    set.press({K::Left});
    set.press({K::Down}); // rules
    set.press({K::Return});
    set.press({K::Down});
    set.press({K::Down});
    set.press({K::Right}); // the second ruleset
    set.press({K::Return});
    set.press({K::Up}); // "START !"
    set.keys.frame({K::Return});
    set.quick.run();
    ASSERT_NE(set.quick.child, nullptr);
    ZelkBot* copy = set.quick.getParticipant(1);
    ASSERT_NE(copy, original);
    EXPECT_TRUE(copy->isTransient());
    EXPECT_EQ(copy->getAILevel(), 5);
    std::string name;
    copy->getName(name);
    EXPECT_EQ(name, "Vik");
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(copy->getMember(i), nullptr);
        EXPECT_TRUE(set.parser->isCreatureAllowed(copy->getMember(i))) << i;
        EXPECT_EQ(original->getMember(i), originalTeam[i]);
    }
}

TEST(QuickBattleScene, EmptyRosterFallsBackToARandomTrainer) {
    QuickSetUp set;
    BotList empty;
    Scene_QuickBattle quick;
    quick.controler = &set.keys.controler;
    quick.init(set.builder, set.options, &empty);
    tap(set.keys, quick, {K::Right});
    tap(set.keys, quick, {K::Return});
    tap(set.keys, quick, {K::Right});
    EXPECT_EQ(quick.getKind(1), Scene_QuickBattle::KIND_ROSTER_BOT);
    tap(set.keys, quick, {K::Return});
    tap(set.keys, quick, {K::Left});
    set.keys.frame({K::Return});
    quick.run();
    ASSERT_NE(quick.child, nullptr);
    ASSERT_NE(quick.getParticipant(1), nullptr);
    EXPECT_EQ(quick.getParticipant(1)->countMembers(), 6);
    dropBattle(quick);
}

TEST(QuickBattleScene, ReturnedBattlesAreBookedOnTheHumansRecord) {
    QuickSetUp set;
    TrainerStats* record = set.quick.getHuman()->getTrainerStats();
    set.keys.frame({K::Return});
    set.quick.run();
    set.finishBattle(1);
    EXPECT_EQ(record->getStreak(), 1);
    EXPECT_EQ(record->getHistoryAt(0), TrainerStats::RESULT_WIN);
    set.keys.frame({K::Return});
    set.quick.run();
    set.finishBattle(3);
    EXPECT_EQ(record->getStreak(), 0);
    EXPECT_EQ(record->getHistoryAt(0), TrainerStats::RESULT_DRAW);
    set.keys.frame({K::Return});
    set.quick.run();
    set.finishBattle(2);
    EXPECT_EQ(record->getStreak(), -1);
    EXPECT_EQ(record->countLosses(), 1);
    EXPECT_EQ(record->countWins(), 1);
}

TEST(QuickBattleScene, AutomaticInputStartsAfterNinetyIdleFramesOnStart) {
    QuickSetUp set("<config>\n<auto_input>1</auto_input>\n</config>\n");
    for (int i = 1; i < Scene_QuickBattle::AUTO_START_FRAMES; ++i) {
        set.keys.frame();
        set.quick.run();
    }
    EXPECT_EQ(set.quick.child, nullptr);
    // Down keeps the count; Up starts it again.
    set.keys.frame({K::Up});
    set.quick.run();
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_RULES);
    EXPECT_EQ(set.quick.getAutoTimer(), 1);
    set.keys.frame({K::Down});
    set.quick.run();
    EXPECT_EQ(set.quick.getCursor(), Scene_QuickBattle::ENTRY_START);
    EXPECT_EQ(set.quick.getAutoTimer(), 2);
    for (int i = 3; i < Scene_QuickBattle::AUTO_START_FRAMES; ++i) {
        set.keys.frame();
        set.quick.run();
    }
    EXPECT_EQ(set.quick.child, nullptr);
    set.keys.frame();
    set.quick.run();
    EXPECT_NE(set.quick.child, nullptr);
    EXPECT_EQ(set.quick.getAutoTimer(), 0);
}

// The whole road with two computer sides and automatic input: set-up, picks, battle and results screen;
// the human did not play, so nothing is booked on its record.
TEST(QuickBattleScene, WholeBattleBetweenTwoComputerSides) {
    QuickSetUp set("<config>\n<auto_input>1</auto_input>\n<n_zlkn_battle>1</n_zlkn_battle>\n</config>\n");
    set.press({K::Left});
    set.press({K::Return});
    set.press({K::Right}); // a random trainer for Player 1 too
    set.press({K::Down});
    for (int i = 0; i < 3; ++i)
        set.press({K::Left}); // level 1
    set.press({K::Return});
    set.press({K::Right});
    set.press({K::Return});
    set.press({K::Down});
    for (int i = 0; i < 3; ++i)
        set.press({K::Left});
    set.press({K::Return});
    set.press({K::Right}); // "START !"
    set.keys.frame({K::Return});
    set.quick.run();
    ASSERT_NE(set.quick.child, nullptr);
    TrainerStats* record = set.quick.getHuman()->getTrainerStats();
    int frames = 0;
    while (set.quick.child != nullptr && frames < 60000) {
        set.keys.frame();
        set.quick.run();
        ++frames;
    }
    ASSERT_EQ(set.quick.child, nullptr) << "the battle did not end";
    // The opening alone lasts 130 frames and the results screen confirms itself after 300.
    EXPECT_GT(frames, 430);
    set.keys.frame();
    set.quick.run();
    EXPECT_EQ(record->getHistoryAt(0), 0);
    EXPECT_EQ(set.options->getTeamSize(), 1);
}

// Palette colour 9 marks the chosen header, 13 the others (both slightly see-through over white).
TEST(QuickBattleScene, DrawsTheChosenHeaderHighlighted) {
    QuickSetUp set;
    GameWindow window;
    set.quick.window = &window;
    auto chosen = [](sf::Color c) { return c.g > 240 && c.b < 170 && c.r < 210; };
    auto plain = [](sf::Color c) {
        return std::abs(c.r - c.g) < 10 && std::abs(c.g - c.b) < 10 && c.r < 170;
    };
    set.keys.frame();
    set.quick.run();
    EXPECT_TRUE(chosen(pixelAt(window, 296, 84)));
    EXPECT_TRUE(plain(pixelAt(window, 28, 84)));
    set.press({K::Left});
    EXPECT_TRUE(plain(pixelAt(window, 296, 84)));
    EXPECT_TRUE(chosen(pixelAt(window, 28, 84)));
    // The open panel keeps its header highlighted.
    set.press({K::Return});
    EXPECT_TRUE(chosen(pixelAt(window, 28, 84)));
}

} // namespace
