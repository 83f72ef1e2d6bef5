// Replays every input the fuzzers once choked on, and the seed corpora, through the same harness.
#include <algorithm>
#include <boost/filesystem.hpp>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "TestSupport.hpp"
#include "rules/DefaultStrings.hpp"
#include "tests/fuzz/FuzzHarness.hpp"

namespace {

std::vector<std::string> filesIn(const boost::filesystem::path& folder) {
    std::vector<std::string> files;
    boost::system::error_code ec;
    if (!boost::filesystem::is_directory(folder, ec)) return files;
    for (boost::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (boost::filesystem::is_regular_file(it->path())) files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each input runs in its own scratch folder, exactly as the fuzz target ran it; the sanitizers of the
// test build turn any fault into a failure.
int replay(const FuzzTarget& target, const boost::filesystem::path& folder) {
    int count = 0;
    for (const std::string& file : filesIn(folder)) {
        SCOPED_TRACE(file);
        std::string bytes = readBytes(file);
        ScratchDir dir;
        target.entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    return count;
}

class FuzzReplay : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzReplay, RegressionInputsAndSeedsLoadCleanly) {
    const FuzzTarget& target = GetParam();
    boost::filesystem::path root(QUORVEX_SOURCE_DIR);
    int regressions = replay(target, root / "tests/data/fuzz-regressions" / target.name);
    int seeds = replay(target, root / "tests/fuzz/corpus" / target.name);
    EXPECT_GT(seeds, 0) << "every fuzz target keeps at least one seed";
    RecordProperty("regressions", regressions);
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzReplay, ::testing::ValuesIn(fuzzTargets()),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

// The strings reader changes process-wide texts; the harness must put them back, or one input would
// change the log lines of every later one.
TEST(FuzzHarness, StringsRunLeavesTheTableAsItWas) {
    ScratchDir dir;
    std::string before = DefaultStrings::MENU_DATA;
    std::string input =
        "<strings><MENU_DATA>Donnees</MENU_DATA><strings><NAME_MOVE>x</NAME_MOVE></strings></strings>";
    fuzzStrings(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    EXPECT_EQ(DefaultStrings::MENU_DATA, before);
    EXPECT_EQ(DefaultStrings::NAME_MOVE, "Move");
    EXPECT_TRUE(errorLogLines().empty());
}

} // namespace
