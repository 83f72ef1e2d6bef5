// The two helpers behind every file the game writes: XML escaping and whole-file replacement.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <sys/stat.h>

#include "TestSupport.hpp"
#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "rules/AtomicFile.hpp"
#include "rules/Game_Options.hpp"
#include "rules/XmlEscape.hpp"

TEST(XmlEscape, MarkupBecomesEntitiesAndLettersStay) {
    const std::string text = "<a href=\"x\">l'&\xE9\xFF</a>";
    const std::string escaped = "&lt;a href=&quot;x&quot;&gt;l&apos;&amp;\xE9\xFF&lt;/a&gt;";
    EXPECT_EQ(escaped, escapeXml(text));
    EXPECT_EQ(escaped, escapeXml(text, XmlControlBytes::AsReferences));
}

TEST(XmlEscape, ControlBytesAreKeptOrWrittenAsReferences) {
    const std::string text = std::string("a\nb\tc") + '\0' + "d\x1F";
    EXPECT_EQ(text, escapeXml(text));
    // The NUL byte cannot stand in an XML file at all, not even as a reference.
    EXPECT_EQ("a&#10;b&#9;cd&#31;", escapeXml(text, XmlControlBytes::AsReferences));
}

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    ScratchDir dir;
    dir.write("saved.xml", "a much longer previous content that must not survive");
    EXPECT_TRUE(replaceFileAtomically("saved.xml", "new"));
    EXPECT_EQ("new", dir.read("saved.xml"));
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "saved.xml.tmp"));
    EXPECT_TRUE(replaceFileAtomically("fresh.xml", ""));
    EXPECT_TRUE(boost::filesystem::exists(dir.path / "fresh.xml"));
}

TEST(AtomicFile, FailureReportsFalseAndKeepsTheOldFile) {
    ScratchDir dir;
    dir.write("saved.xml", "old");
    dir.write("saved.xml.tmp/blocker", "the temporary path is taken");
    EXPECT_FALSE(replaceFileAtomically("saved.xml", "new"));
    EXPECT_EQ("old", dir.read("saved.xml"));

    boost::filesystem::create_directory(dir.path / "folder.xml");
    EXPECT_FALSE(replaceFileAtomically("folder.xml", "new"));
    EXPECT_TRUE(boost::filesystem::is_directory(dir.path / "folder.xml"));
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "folder.xml.tmp"));
    EXPECT_FALSE(replaceFileAtomically("missing/saved.xml", "new"));
}

TEST(AtomicFile, TheModeIsKeptAndNoInterruptedSaveOutlivesTheNextStart) {
    ScratchDir dir;
    dir.write("config.xml", "<config><balance>0</balance></config>");
    ::chmod("config.xml", 0444);
    // Two saves killed while writing.
    dir.write("config.xml.tmp", "<config><bal");
    dir.write("bots/zoe.xml", "<zelkbot/>");
    dir.write("bots/zoe.xml.tmp", "<zelk");
    Game_Options options;
    BotList roster;
    roster.loadFolder(nullptr, "bots");
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "config.xml.tmp"));
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "bots/zoe.xml.tmp"));

    EXPECT_EQ(0, options.getBalance());
    options.save();
    EXPECT_NE(std::string::npos, dir.read("config.xml").find("<trainer_name>Dresseur</trainer_name>"));
    struct stat info;
    ASSERT_EQ(0, ::stat("config.xml", &info));
    EXPECT_EQ(0444u, info.st_mode & 07777u);
}
