// Random source, error log and the platform helpers every loader relies on.
#include <cerrno>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <tinyxml2.h>
#include <unistd.h>
#include <vector>

#include "TestSupport.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"

TEST(PseudoRNG, RealDrawsStayInRangeAndCoverIt) {
    PseudoRNG rng;
    EXPECT_EQ(rng.random(1), 0);
    EXPECT_EQ(rng.random(0), 0);
    EXPECT_EQ(rng.random(-5), 0);
    std::set<int> seen;
    int counts[2] = {0, 0};
    for (int i = 0; i < 4000; ++i) {
        int v = rng.random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        seen.insert(v);
        ++counts[rng.random(2)];
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_GT(counts[0], 1700);
    EXPECT_GT(counts[1], 1700);
}

TEST(PseudoRNG, ScriptedSourceReplaysAndClamps) {
    PseudoRNG rng;
    {
        ScriptedRandom script({3, 1, 99, -4});
        EXPECT_EQ(rng.random(5), 3);
        EXPECT_EQ(rng.random(1), 0); // n = 1 never draws
        EXPECT_EQ(rng.random(5), 1);
        EXPECT_EQ(rng.random(5), 4);
        EXPECT_EQ(rng.random(5), 0);
        EXPECT_EQ(script.drawsUsed(), 4);
    }
    for (int i = 0; i < 50; ++i)
        EXPECT_LT(rng.random(3), 3);
}

TEST(PseudoRNG, AForkedChildDrawsFreshNumbersAndAFailingSystemCallFillsOnlyItsBlock) {
    // The parent's buffer holds bytes already fetched; the child must not draw them again.
    PseudoRNG rng;
    rng.random(INT_MAX);
    int channel[2];
    ASSERT_EQ(0, ::pipe(channel));
    const pid_t child = ::fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        int drawn[16];
        for (int& value : drawn)
            value = rng.random(INT_MAX);
        ssize_t written = ::write(channel[1], drawn, sizeof drawn);
        ::_exit(written == static_cast<ssize_t>(sizeof drawn) ? 0 : 1);
    }
    ::close(channel[1]);
    int inChild[16] = {};
    ssize_t got = ::read(channel[0], inChild, sizeof inChild);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(static_cast<ssize_t>(sizeof inChild), got);
    int same = 0;
    for (int value : inChild)
        same += rng.random(INT_MAX) == value;
    EXPECT_EQ(0, same);

    // The system call gives 5 bytes and fails: the fallback's words fill bytes 5 to 9, the last one cut.
    static int calls;
    calls = 0;
    unsigned char bytes[16];
    std::memset(bytes, 0xEE, sizeof bytes);
    fillEntropy(
        bytes, 10,
        [](void* into, std::size_t) -> ssize_t {
            if (calls++ > 0) {
                errno = ENOSYS;
                return -1;
            }
            std::memset(into, 0x11, 5);
            return 5;
        },
        []() -> std::uint32_t { return 0x22222222u; });
    const std::vector<unsigned char> expected = {0x11, 0x11, 0x11, 0x11, 0x11, 0x22, 0x22, 0x22,
                                                 0x22, 0x22, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(expected, std::vector<unsigned char>(bytes, bytes + 16));
}

TEST(ErrorLog, FlushAppendsHeaderThenLinesOnce) {
    ScratchDir dir;
    flushErrorLog();
    EXPECT_FALSE(boost::filesystem::exists("error_logs.txt"));

    dir.write("error_logs.txt", "earlier run\n");
    logError("first");
    logError("second");
    logError("third");
    flushErrorLog();
    std::string text = dir.read("error_logs.txt");
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "earlier run");
    EXPECT_EQ(lines[1], "----------");
    EXPECT_EQ(lines[2].rfind("Opened at ", 0), 0u);
    EXPECT_EQ(lines[3], "----------");
    EXPECT_EQ(lines[4], "first");
    EXPECT_EQ(lines[6], "third");
    // "Opened at 2026-Dec-06 15:24:00": year, English month, day and time.
    EXPECT_EQ(lines[2].size(), std::string("Opened at 2026-Dec-06 15:24:00").size());
}

// A bot file read during a tournament, long after loading, still reaches the file; nothing is written twice.
TEST(ErrorLog, LinesLoggedAfterTheFlushAreAppendedOnceUnderTheSameHeader) {
    ScratchDir dir;
    logError("while loading");
    flushErrorLog();
    logError("later");
    flushErrorLog();
    std::istringstream in(dir.read("error_logs.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], "while loading");
    EXPECT_EQ(lines[4], "later");
}

TEST(ErrorLog, UnopenableFileKeepsLinesQuietly) {
    ScratchDir dir;
    boost::filesystem::create_directories("error_logs.txt"); // a folder in the file's place cannot be opened
    logError("kept");
    flushErrorLog();
    EXPECT_EQ(errorLogLines().size(), 1u);
    EXPECT_TRUE(boost::filesystem::is_directory("error_logs.txt"));
}

TEST(Platform, ClampedConversionsFollowAtoiWithoutOverflow) {
    EXPECT_EQ(clampedAtoi("  42abc"), 42);
    EXPECT_EQ(clampedAtoi("-17"), -17);
    EXPECT_EQ(clampedAtoi("abc"), 0);
    EXPECT_EQ(clampedAtoi(""), 0);
    EXPECT_EQ(clampedAtoi(static_cast<const char*>(nullptr)), 0);
    EXPECT_EQ(clampedAtoi("99999999999999999999"), INT_MAX);
    EXPECT_EQ(clampedAtoi("-99999999999999999999"), INT_MIN);
    EXPECT_DOUBLE_EQ(clampedAtof("2.5x"), 2.5);
    EXPECT_EQ(clampedAtof("nan"), 0.0);
    EXPECT_EQ(clampedAtof("inf"), 0.0);
    EXPECT_EQ(clampedAtof("1e999"), 0.0);
    EXPECT_EQ(saturatingInt(-3.9), -3);
    EXPECT_EQ(saturatingInt(1e20), INT_MAX);
    EXPECT_EQ(saturatingInt(-1e20), INT_MIN);
    EXPECT_EQ(saturatingInt(0.0 / 0.0), 0);
}

TEST(Platform, XmlListingIsSortedAndExactOnExtension) {
    ScratchDir dir;
    dir.write("d/b.xml", "");
    dir.write("d/a.xml", "");
    dir.write("d/c.XML", "");
    dir.write("d/notes.txt", "");
    boost::filesystem::create_directories("d/sub.xml");
    boost::filesystem::create_directories("d/plain");
    std::vector<std::string> files = listXmlFiles("d");
    EXPECT_EQ(files, (std::vector<std::string>{"d/a.xml", "d/b.xml", "d/sub.xml"}));
    EXPECT_TRUE(listXmlFiles("missing").empty());
    EXPECT_EQ(listXmlFiles("d/").front(), "d/a.xml");
}

TEST(Platform, XmlTextReadsAreNullSafe) {
    tinyxml2::XMLDocument doc;
    doc.Parse("<r a='1'><x>hi</x><y/><z><w/></z></r>");
    tinyxml2::XMLElement* r = doc.FirstChildElement("r");
    EXPECT_EQ(xmlChildText(r, "x"), "hi");
    EXPECT_EQ(xmlChildText(r, "y"), "");
    EXPECT_EQ(xmlChildText(r, "z"), "");
    EXPECT_EQ(xmlChildText(r, "missing"), "");
    EXPECT_EQ(xmlChildText(nullptr, "x"), "");
    EXPECT_TRUE(xmlHasChild(r, "y"));
    EXPECT_EQ(xmlAttribute(r, "a"), "1");
    EXPECT_EQ(xmlAttribute(r, "b"), "");
    EXPECT_FALSE(xmlHasAttribute(nullptr, "a"));
}
