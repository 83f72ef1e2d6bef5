// The two helpers behind every file the game writes: XML escaping and whole-file replacement.
#include <gtest/gtest.h>

#include <atomic>
#include <boost/filesystem.hpp>
#include <ctime>
#include <sys/stat.h>
#include <thread>

#include "TestSupport.hpp"
#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "rules/AtomicFile.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
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
    EXPECT_TRUE(temporariesBeside(dir.path / "saved.xml").empty());
    EXPECT_TRUE(replaceFileAtomically("fresh.xml", ""));
    EXPECT_TRUE(boost::filesystem::exists(dir.path / "fresh.xml"));
}

TEST(AtomicFile, FailureReportsFalseAndKeepsTheOldFile) {
    ScratchDir dir;
    dir.write("saved.xml", "old");
    {
        FullDisk full;
        EXPECT_FALSE(replaceFileAtomically("saved.xml", "new"));
    }
    EXPECT_EQ("old", dir.read("saved.xml"));
    EXPECT_TRUE(temporariesBeside(dir.path / "saved.xml").empty());

    boost::filesystem::create_directory(dir.path / "folder.xml");
    EXPECT_FALSE(replaceFileAtomically("folder.xml", "new"));
    EXPECT_TRUE(boost::filesystem::is_directory(dir.path / "folder.xml"));
    EXPECT_TRUE(temporariesBeside(dir.path / "folder.xml").empty());
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

TEST(AtomicFile, OverlappingSavesEachLandWholeAndOnlyAbandonedTemporariesGo) {
    // Two game windows started in one folder save the same file at the same time while a third reads it.
    ScratchDir dir;
    const std::string first(48 * 1024, 'a');
    const std::string second(64 * 1024, 'b');
    dir.write("saved.xml", first);
    std::atomic<int> failedSaves{0};
    std::atomic<int> writersLeft{2};
    auto saveMany = [&](const std::string& content) {
        for (int i = 0; i < 60; ++i)
            if (!replaceFileAtomically("saved.xml", content)) ++failedSaves;
        --writersLeft;
    };
    int reads = 0;
    int brokenReads = 0;
    std::thread one(saveMany, first);
    std::thread two(saveMany, second);
    for (std::string read; writersLeft > 0; ++reads)
        if (!readRegularFile("saved.xml", read) || (read != first && read != second)) ++brokenReads;
    one.join();
    two.join();
    EXPECT_EQ(0, failedSaves.load());
    EXPECT_EQ(0, brokenReads) << "of " << reads << " reads";
    EXPECT_TRUE(boost::filesystem::exists(dir.path / "saved.xml"));

    // What a save leaves beside the file: the plain temporary of earlier versions and a unique one left for
    // an hour are a killed save's remains; a fresh one may be another window's save in progress; folders
    // are not ours.
    dir.write("saved.xml.tmp", "<sav");
    dir.write("saved.xml.tmp.Ab12Cd", "<saved>aban");
    dir.write("saved.xml.tmp.Xy34Zw", "<saved>in progr");
    boost::filesystem::create_directory(dir.path / "saved.xml.tmp.Qr56St");
    const std::time_t hourAgo = std::time(nullptr) - 3600;
    boost::filesystem::last_write_time(dir.path / "saved.xml.tmp.Ab12Cd", hourAgo);
    boost::filesystem::last_write_time(dir.path / "saved.xml.tmp.Qr56St", hourAgo);
    EXPECT_TRUE(replaceFileAtomically("saved.xml", "new"));
    EXPECT_EQ("new", dir.read("saved.xml"));
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "saved.xml.tmp"));
    EXPECT_FALSE(boost::filesystem::exists(dir.path / "saved.xml.tmp.Ab12Cd"));
    EXPECT_EQ("<saved>in progr", dir.read("saved.xml.tmp.Xy34Zw"));
    EXPECT_TRUE(boost::filesystem::is_directory(dir.path / "saved.xml.tmp.Qr56St"));
}
