// The string table's defaults, replacement by key from a strings file, and the battle message's wrapping.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestSupport.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/GameParser.hpp"
#include "rules/TextWrap.hpp"

namespace {

// The table is process-wide: remember what a test may change and put it back afterwards.
class StringsRestorer {
public:
    StringsRestorer() {
        for (std::string* entry :
             {&DefaultStrings::MENU_DATA, &DefaultStrings::MENU_JOURNEY, &DefaultStrings::MENU_OPTIONS,
              &DefaultStrings::QUICKBATTLE_START, &DefaultStrings::LIBRARY_FIND,
              &DefaultStrings::LIBRARY_LIST, &DefaultStrings::GAME_NAME, &DefaultStrings::NAME_BUFF,
              &DefaultStrings::NAME_BUFF_PLURIAL, &DefaultStrings::INBATTLE_FORFEIT_DECLARE}) {
            saved.emplace_back(entry, *entry);
        }
    }
    ~StringsRestorer() {
        for (auto& entry : saved)
            *entry.first = entry.second;
    }

private:
    std::vector<std::pair<std::string*, std::string>> saved;
};

} // namespace

TEST(StringTable, DefaultsAreTheGamesOwnTexts) {
    EXPECT_EQ("Quorvex", DefaultStrings::GAME_NAME);
    EXPECT_EQ("Kubrin Edition", DefaultStrings::GAME_EXTENSION);
    EXPECT_EQ("Welcome [TRAINER] !", DefaultStrings::WELCOME_WELC_NAME);
    EXPECT_EQ("Buff", DefaultStrings::NAME_BUFF);
    EXPECT_EQ("Buffs", DefaultStrings::NAME_BUFF_PLURIAL);
    EXPECT_EQ("Abilitie", DefaultStrings::NAME_ABILITIES);
    EXPECT_EQ("Zelkin", DefaultStrings::NAME_CREATURE_PLURIAL);
    EXPECT_EQ("Trainer Bots", DefaultStrings::NAME_TRAINER_BOT_PLURIAL);
    EXPECT_EQ("SDf", DefaultStrings::NAME_STAT_SPE_DEF_SHORT);
    EXPECT_EQ("Round 5", DefaultStrings::BATTLE_INFO_BATTLE_IMP_5);
    EXPECT_EQ("Top 8", DefaultStrings::BATTLE_INFO_BATTLE_IMP_6);
    EXPECT_EQ("???", DefaultStrings::BATTLE_INFO_SECRET_SUBBATTLE);
    EXPECT_EQ("[TARGET] and [SOURCE] makes a draw !", DefaultStrings::INBATTLE_DRAW_DECLARE);
    // The accented letter is one ISO-8859-1 byte, not a UTF-8 pair.
    EXPECT_EQ(std::string("Eff. R\xE8gles", 11), DefaultStrings::OPTIONS_RULES_RULESETS_ACTIVE);
}

TEST(StringTable, KeysMatchWholeAndCaseSensitively) {
    StringsRestorer restore;
    EXPECT_EQ(&DefaultStrings::INBATTLE_FORFEIT_DECLARE, findStringByKey("INBATTLE_FORFEIT_DECLARE"));
    EXPECT_EQ(&DefaultStrings::BATTLE_INFO_BATTLE_IMP_9, findStringByKey("BATTLE_INFO_BATTLE_IMP_9"));
    EXPECT_EQ(nullptr, findStringByKey("menu_data"));
    EXPECT_EQ(nullptr, findStringByKey("MENU_DAT"));
    EXPECT_EQ(nullptr, findStringByKey("MENU_DATA "));
    EXPECT_EQ(nullptr, findStringByKey("NAME_BUFF"));
    EXPECT_EQ(nullptr, findStringByKey("NAME_BUFF_PLURIAL"));

    setStringByKey("MENU_DATA", "Donn\xE9"
                                "es");
    setStringByKey("menu_journey", "ignored");
    setStringByKey("NAME_BUFF", "ignored");
    EXPECT_EQ("Donn\xE9"
              "es",
              DefaultStrings::MENU_DATA);
    EXPECT_EQ("Journey", DefaultStrings::MENU_JOURNEY);
    EXPECT_EQ("Buff", DefaultStrings::NAME_BUFF);
}

TEST(StringTable, StringsFileReplacesKeyedEntriesInDocumentOrder) {
    StringsRestorer restore;
    applyStringsFile(fixturePath("strings/overrides.xml"));

    EXPECT_EQ("Donn\xE9"
              "es",
              DefaultStrings::MENU_DATA);                             // bytes kept as they are
    EXPECT_EQ("Go & fight <now>", DefaultStrings::QUICKBATTLE_START); // entities decoded
    EXPECT_EQ("second", DefaultStrings::LIBRARY_FIND);                // both "strings" roots, later wins
    EXPECT_EQ("  Spaced  Name  ", DefaultStrings::GAME_NAME);         // white space kept
    // Lower-case keys, unknown keys, the unkeyed buff word and other roots change nothing.
    EXPECT_EQ("Journey", DefaultStrings::MENU_JOURNEY);
    EXPECT_EQ("Buff", DefaultStrings::NAME_BUFF);
    EXPECT_EQ("List", DefaultStrings::LIBRARY_LIST);
    // An entry with no text of its own is skipped rather than blanking the label.
    EXPECT_EQ("Options", DefaultStrings::MENU_OPTIONS);
}

TEST(StringTable, UnusableStringsFileChangesNothing) {
    StringsRestorer restore;
    ScratchDir dir;
    dir.write("broken.xml", "<strings><MENU_DATA>half</MENU_DATA>");
    dir.write("rootless.xml", "<texts><MENU_DATA>no strings root</MENU_DATA></texts>");
    applyStringsFile("missing.xml");
    applyStringsFile("broken.xml");
    applyStringsFile("rootless.xml");
    EXPECT_EQ("Data", DefaultStrings::MENU_DATA);
    EXPECT_TRUE(errorLogLines().empty());
}

TEST(StringTable, ParserLoadsTheStringsFile) {
    StringsRestorer restore;
    ScratchDir dir;
    dir.write("data/strings.xml", "<strings><MENU_JOURNEY>Voyage</MENU_JOURNEY></strings>");
    GameParser parser;
    parser.loadStrings("data/strings.xml");
    EXPECT_EQ("Voyage", DefaultStrings::MENU_JOURNEY);
}

TEST(TextWrap, NewlinesAndBlanks) {
    EXPECT_EQ("a b\n", wrapText("a b", 12, 662));
    EXPECT_EQ("a\nb\n", wrapText("a\nb", 12, 662));
    // An empty input line disappears: a newline only acts before the next non-empty word.
    EXPECT_EQ("a\nb\n", wrapText("a\n\nb", 12, 662));
    EXPECT_EQ("a  b\n", wrapText("a  b", 12, 662));
    EXPECT_EQ("\n", wrapText("", 12, 662));
    EXPECT_EQ("a \n", wrapText("a ", 12, 662));
}

TEST(TextWrap, WrappedLinesCountOneCharacterShort) {
    // "bb" does not fit after "aa" (24 + 12 + 24 > 48), but "cc" fits after the wrapped "bb" because that
    // line counts 12 rather than 24.
    EXPECT_EQ("aa\nbb cc\n", wrapText("aa bb cc", 12, 48));
    EXPECT_EQ("aa\nbb\ncc\n", wrapText("aa bb cc", 12, 36));
}

TEST(TextWrap, LongWordsAreNeverSplit) {
    EXPECT_EQ("abcdefgh\nab\n", wrapText("abcdefgh ab", 12, 48));
    EXPECT_EQ("ab\nabcdefgh\nab\n", wrapText("ab abcdefgh ab", 12, 48));
}

TEST(TextWrap, BattleMessageWidth) {
    // Two words of 27 characters and the blank between them take 660 of the 662 units; one more wraps.
    std::string first(27, 'x');
    std::string second(27, 'y');
    EXPECT_EQ(first + " " + second + "\n", wrapText(first + " " + second, 12, 662));
    EXPECT_EQ(first + "\n" + second + "z\n", wrapText(first + " " + second + "z", 12, 662));
}
