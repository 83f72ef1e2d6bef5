// The settings file: first start, clamps on reading, cyclers and toggles, and the saved layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/filesystem.hpp>

#include "TestSupport.hpp"
#include "rules/Commentator.hpp"
#include "rules/Game_Options.hpp"

namespace {

std::string configWith(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<config>\n" + body + "</config>\n";
}

const char* const expectedDefaultFile = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n"
                                        "<config>\n"
                                        "<trainer_name>Dresseur</trainer_name>\n"
                                        "<trainer_sprite>1</trainer_sprite>\n"
                                        "<n_zlkn_battle>3</n_zlkn_battle>\n"
                                        "<battle_speed>0</battle_speed>\n"
                                        "<commentator>1</commentator>\n"
                                        "<ccolor>0</ccolor>\n"
                                        "<balance>1</balance>\n"
                                        "<size_mode>1</size_mode>\n"
                                        "<draft>1</draft>\n"
                                        "<debug>0</debug>\n"
                                        "<help>0</help>\n"
                                        "<dynamic_bars>1</dynamic_bars>\n"
                                        "<shadows>1</shadows>\n"
                                        "<auto_input>0</auto_input>\n"
                                        "<bloody_effects>1</bloody_effects>\n"
                                        "<active_abilities_effects>0</active_abilities_effects>\n"
                                        "<active_stadiums_effects>0</active_stadiums_effects>\n"
                                        "<active_rulesets_effects>0</active_rulesets_effects>\n"
                                        "</config>\n";

void expectDefaults(Game_Options& options) {
    EXPECT_EQ("", options.getTrainerName());
    EXPECT_EQ(1, options.getTrainerSprite());
    EXPECT_EQ(3, options.getTeamSize());
    EXPECT_EQ(0, options.getBattleSpeed());
    EXPECT_EQ(1, options.isCommentatorOn());
    EXPECT_EQ(0, options.getCommentatorColor());
    EXPECT_EQ(0, options.getDebug());
    EXPECT_EQ(1, options.getBalance());
    EXPECT_EQ(1, options.getDraft());
    EXPECT_EQ(1, options.getSizeMode());
    EXPECT_EQ(1, options.getShadows());
    EXPECT_EQ(0, options.getTagValue());
    EXPECT_EQ(0, options.getExtraValue());
    EXPECT_EQ(1, options.getDynamicBars());
    EXPECT_EQ(0, options.getHelp());
    EXPECT_EQ(0, options.getAutoInput());
    EXPECT_EQ(1, options.getBloodyEffects());
    EXPECT_EQ(0, options.getAbilitiesEffects());
    EXPECT_EQ(0, options.getStadiumsEffects());
    EXPECT_EQ(0, options.getRulesetsEffects());
}

} // namespace

TEST(GameOptions, NoFileMeansFirstStartAndDefaultsThenSaveWritesTheFullLayout) {
    ScratchDir dir;
    Game_Options options;
    EXPECT_TRUE(options.isFirstStart());
    expectDefaults(options);
    ASSERT_NE(nullptr, options.getCommentator());

    options.save();
    EXPECT_FALSE(options.isFirstStart());
    EXPECT_EQ("Dresseur", options.getTrainerName());
    EXPECT_EQ(expectedDefaultFile, dir.read("config.xml"));
    EXPECT_TRUE(temporariesBeside(dir.path / "config.xml").empty());

    Game_Options reread;
    EXPECT_FALSE(reread.isFirstStart());
    EXPECT_EQ("Dresseur", reread.getTrainerName());
}

TEST(GameOptions, UnusableFilesGiveDefaultsAndFirstStart) {
    for (const char* content : {"<config><balance>2</balance>", "<settings><balance>2</balance></settings>",
                                "", "not xml at all"}) {
        ScratchDir dir;
        dir.write("config.xml", content);
        Game_Options options;
        EXPECT_TRUE(options.isFirstStart()) << content;
        EXPECT_EQ(1, options.getBalance()) << content;
    }
}

TEST(GameOptions, EmptyConfigRootEndsFirstStartAndKeepsDefaults) {
    ScratchDir dir;
    dir.write("config.xml", "<config/>");
    Game_Options options;
    EXPECT_FALSE(options.isFirstStart());
    expectDefaults(options);
}

TEST(GameOptions, ValuesAreClampedOnReading) {
    ScratchDir dir;
    dir.write("config.xml",
              configWith("<n_zlkn_battle>9</n_zlkn_battle>\n<ccolor>-3</ccolor>\n"
                         "<balance>7</balance>\n<trainer_sprite>40</trainer_sprite>\n"
                         "<battle_speed>abc</battle_speed>\n<commentator>5</commentator>\n"
                         "<debug>-1</debug>\n<help>  1xyz</help>\n"
                         "<active_rulesets_effects>99999999999</active_rulesets_effects>\n"
                         "<unknown_key>4</unknown_key>\n<trainer_name>Ondine</trainer_name>\n"));
    Game_Options options;
    EXPECT_EQ(6, options.getTeamSize());
    EXPECT_EQ(0, options.getCommentatorColor());
    EXPECT_EQ(2, options.getBalance());
    EXPECT_EQ(40, options.getTrainerSprite());
    EXPECT_EQ(0, options.getBattleSpeed());
    EXPECT_EQ(1, options.isCommentatorOn());
    EXPECT_EQ(0, options.getDebug());
    EXPECT_EQ(1, options.getHelp());
    EXPECT_EQ(1, options.getRulesetsEffects());
    EXPECT_EQ("Ondine", options.getTrainerName());

    // The clamped team size is also the one to come back to.
    options.setTeamSize(2);
    options.restoreTeamSize();
    EXPECT_EQ(6, options.getTeamSize());

    options.setSpriteCount(12);
    EXPECT_EQ(1, options.getTrainerSprite());
}

TEST(GameOptions, NegativeSpriteBecomesZeroAndEmptyElementsKeepDefaults) {
    ScratchDir dir;
    dir.write("config.xml",
              configWith("<trainer_sprite>-5</trainer_sprite>\n<draft></draft>\n<shadows/>\n"
                         "<n_zlkn_battle></n_zlkn_battle>\n<balance><!-- none --></balance>\n"));
    Game_Options options;
    EXPECT_EQ(0, options.getTrainerSprite());
    // Once the sprites are counted, the sprite is one of them.
    options.setSpriteCount(12);
    EXPECT_EQ(1, options.getTrainerSprite());
    EXPECT_EQ(1, options.getDraft());
    EXPECT_EQ(1, options.getShadows());
    EXPECT_EQ(3, options.getTeamSize());
    EXPECT_EQ(1, options.getBalance());
}

TEST(GameOptions, CyclersWrapAndTogglesFlip) {
    ScratchDir dir;
    Game_Options options;
    options.cycleTeamSize(false); // 3 -> 2
    options.cycleTeamSize(false);
    options.cycleTeamSize(false); // below 1 wraps to 6
    EXPECT_EQ(6, options.getTeamSize());
    options.cycleTeamSize(true);
    EXPECT_EQ(1, options.getTeamSize());

    options.cycleBalance(true); // 1 -> 2
    options.cycleBalance(true);
    EXPECT_EQ(0, options.getBalance());
    options.cycleCommentatorColor(false);
    EXPECT_EQ(5, options.getCommentatorColor());
    options.cycleBattleSpeed(true);
    options.cycleBattleSpeed(true);
    EXPECT_EQ(0, options.getBattleSpeed());

    options.setSpriteCount(3);
    options.cycleTrainerSprite(false);
    EXPECT_EQ(3, options.getTrainerSprite());
    options.cycleTrainerSprite(true);
    EXPECT_EQ(1, options.getTrainerSprite());

    options.toggleDraft();
    EXPECT_EQ(0, options.getDraft());
    options.toggleDraft();
    EXPECT_EQ(1, options.getDraft());
    options.toggleAbilitiesEffects();
    options.toggleRulesetsEffects();
    EXPECT_EQ(1, options.getAbilitiesEffects());
    EXPECT_EQ(0, options.getStadiumsEffects());
    EXPECT_EQ(1, options.getRulesetsEffects());
}

TEST(GameOptions, NameEditingStopsAtTwelveCharacters) {
    ScratchDir dir;
    dir.write("config.xml", configWith("<trainer_name>AVeryLongTrainerName</trainer_name>\n"));
    Game_Options options;
    options.appendNameChar('x');
    EXPECT_EQ("AVeryLongTrainerName", options.getTrainerName());
    options.eraseNameChar();
    EXPECT_EQ("AVeryLongTrainerNam", options.getTrainerName());

    ScratchDir fresh;
    Game_Options blank;
    blank.eraseNameChar();
    EXPECT_EQ("", blank.getTrainerName());
    for (char c : std::string("abcdefghijklmn"))
        blank.appendNameChar(c);
    EXPECT_EQ("abcdefghijkl", blank.getTrainerName());
}

TEST(GameOptions, TeamSizeForOneModeIsRestoredFromTheLastSave) {
    ScratchDir dir;
    Game_Options options;
    options.setTeamSize(0);
    EXPECT_EQ(0, options.getTeamSize());
    options.setTeamSize(7);
    options.setTeamSize(-1);
    EXPECT_EQ(0, options.getTeamSize());
    options.restoreTeamSize();
    EXPECT_EQ(3, options.getTeamSize());

    options.setTeamSize(5);
    options.save();
    options.setTeamSize(1);
    options.restoreTeamSize();
    EXPECT_EQ(5, options.getTeamSize());
}

TEST(GameOptions, SpecialCharactersInTheNameSurviveARoundTrip) {
    ScratchDir dir;
    const std::string name = "<A&b>\"c'\xE9";
    {
        Game_Options options;
        for (char c : name)
            options.appendNameChar(c);
        options.cycleBalance(true);
        options.save();
    }
    std::string file = dir.read("config.xml");
    EXPECT_NE(std::string::npos,
              file.find("<trainer_name>&lt;A&amp;b&gt;&quot;c&apos;\xE9</trainer_name>\n"));

    Game_Options reread;
    EXPECT_FALSE(reread.isFirstStart());
    EXPECT_EQ(name, reread.getTrainerName());
    EXPECT_EQ(2, reread.getBalance());
}

TEST(GameOptions, ControlCharactersInTheNameKeepOneSettingPerLine) {
    ScratchDir dir;
    {
        Game_Options options;
        for (char c : std::string("a\nb\tc"))
            options.appendNameChar(c);
        options.save();
    }
    std::string file = dir.read("config.xml");
    EXPECT_EQ(21, std::count(file.begin(), file.end(), '\n'));
    Game_Options reread;
    EXPECT_EQ("a\nb\tc", reread.getTrainerName());
}

TEST(GameOptions, SaveReplacesAnExistingFileWhole) {
    ScratchDir dir;
    dir.write("config.xml", configWith("<trainer_name>Old</trainer_name>\n<extra>padding padding padding "
                                       "padding padding padding padding padding padding</extra>\n"));
    Game_Options options;
    options.eraseNameChar();
    options.save();
    std::string file = dir.read("config.xml");
    EXPECT_EQ(0u, file.find("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<config>\n"
                            "<trainer_name>Ol</trainer_name>\n"));
    EXPECT_EQ(std::string::npos, file.find("padding"));
}

TEST(GameOptions, UnwritableConfigIsSkippedAndSettingsStayInMemory) {
    ScratchDir dir;
    // A folder where the file should be cannot be replaced by a file.
    boost::filesystem::create_directory(dir.path / "config.xml");
    Game_Options options;
    options.cycleBalance(true);
    options.save();
    EXPECT_TRUE(boost::filesystem::is_directory(dir.path / "config.xml"));
    EXPECT_TRUE(temporariesBeside(dir.path / "config.xml").empty());
    EXPECT_EQ(2, options.getBalance());
    EXPECT_EQ("Dresseur", options.getTrainerName());
    EXPECT_FALSE(options.isFirstStart());
}

TEST(GameOptions, FailedTemporaryFileLeavesThePreviousSettings) {
    ScratchDir dir;
    const std::string previous = configWith("<balance>0</balance>\n");
    dir.write("config.xml", previous);
    Game_Options options;
    options.cycleBalance(true);
    {
        FullDisk full;
        options.save();
    }
    EXPECT_EQ(previous, dir.read("config.xml"));
    EXPECT_EQ(1, options.getBalance());
}

TEST(GameOptions, OwnsTheCommentatorReadFromTheDataFolder) {
    ScratchDir dir;
    dir.write("data/commentator.xml", "<commentator condition=\"KO\">down</commentator>");
    Game_Options options;
    EXPECT_EQ("down", options.getCommentator()->comment(COMMENT_KO, 0, 0, 0, 0));
}
