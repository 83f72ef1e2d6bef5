// Cost of the whole start-up load of a data set, beside a bare XML parse of the very same files.
//
// The game root is QUORVEX_BENCH_ROOT when set (a folder holding "data/"); otherwise the shipped data/
// when it holds types, else the test fixture set, copied into a scratch folder so nothing is written
// beside the sources. The ratio of the two figures is what our loading adds to parsing; the third benchmark
// takes both in turn and reports that ratio.
#include <benchmark/benchmark.h>
#include <boost/filesystem.hpp>
#include <chrono>
#include <cstdlib>
#include <string>
#include <tinyxml2.h>
#include <vector>

#include "bench/BenchSupport.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/ParticleNameCatalogue.hpp"
#include "rules/Platform.hpp"
#include "rules/TeamBuilder.hpp"

namespace {

namespace fs = boost::filesystem;

// Moves into the game root once for the whole run and says which data set is measured.
//
// The game loads its data with the window already up, and the window has read the particle descriptions
// the data's animations name. A catalogue of those names stands in for it here, so that the references
// resolve as in the game instead of each one logging a warning the game never writes.
class GameRoot {
public:
    GameRoot() {
        if (const char* chosen = std::getenv("QUORVEX_BENCH_ROOT")) {
            fs::current_path(chosen);
            label = chosen;
        } else {
            fs::path shipped = fs::path(QUORVEX_SOURCE_DIR) / "data";
            fs::path source = shipped;
            label = "shipped data/";
            if (listXmlFiles((shipped / "types").string()).empty()) {
                source = fs::path(QUORVEX_SOURCE_DIR) / "tests/data/hub/full/data";
                label = "fixture tests/data/hub/full";
            }
            scratch = scratchGameRoot(source, "quorvex-bench-%%%%-%%%%");
            fs::current_path(scratch);
        }
        particles = new ParticleNameCatalogue();
        previousWindow = gameBundle->window;
        gameBundle->window = particles;
    }
    ~GameRoot() {
        gameBundle->window = previousWindow;
        delete particles;
        if (scratch.empty()) return;
        boost::system::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
        fs::remove_all(scratch, ec);
    }
    GameRoot(const GameRoot&) = delete;
    GameRoot& operator=(const GameRoot&) = delete;
    std::string label;

private:
    fs::path scratch;
    ParticleNameCatalogue* particles = nullptr;
    WindowServices* previousWindow = nullptr;
};

GameRoot& gameRoot() {
    static GameRoot root;
    return root;
}

// Every file the start-up load opens, in its order.
std::vector<std::string> loadedFiles() {
    std::vector<std::string> files;
    for (const char* single : {"config.xml", "data/commentator.xml", "data/strings.xml"})
        if (fs::is_regular_file(single)) files.push_back(single);
    for (const char* folder : {"data/types", "data/subtypes", "data/abilities", "data/buffs", "data/moves",
                               "data/creatures", "data/stadiums"})
        for (const std::string& file : listXmlFiles(folder))
            files.push_back(file);
    if (fs::is_regular_file("data/trainers.xml")) files.push_back("data/trainers.xml");
    for (const std::string& file : listXmlFiles("data/rulesets"))
        files.push_back(file);
    return files;
}

// The work of one repetition of each benchmark, kept out of line so that a profiler can single it out
// (valgrind --tool=callgrind --toggle-collect='*::loadData()' quorvex_bench --benchmark_filter=Startup;
// a looser pattern such as '*loadData*' also matches loadDataDocument and stops collecting inside it).

// The whole start-up load, as the loading screen runs it. The caller releases what it built.
__attribute__((noinline)) TeamBuilder* loadData() {
    TeamBuilder* builder = new TeamBuilder();
    benchmark::DoNotOptimize(builder->isDataValid());
    return builder;
}

// Frees the database and the factory, which the game does only when it quits.
__attribute__((noinline)) void releaseData(TeamBuilder* builder) {
    GameParser* parser = builder->getParser();
    delete builder;
    delete parser;
    resetErrorLog();
}

// A bare parse of every file the load opens, nothing read from the documents.
__attribute__((noinline)) void parseFilesOnce(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        tinyxml2::XMLDocument doc;
        doc.LoadFile(file.c_str());
        benchmark::DoNotOptimize(doc.FirstChildElement());
    }
}

// The load and the release together.
void BM_StartupLoad(benchmark::State& state) {
    state.SetLabel(gameRoot().label);
    for (auto _ : state)
        releaseData(loadData());
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_BareXmlParse(benchmark::State& state) {
    state.SetLabel(gameRoot().label);
    std::vector<std::string> files = loadedFiles();
    for (auto _ : state)
        parseFilesOnce(files);
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_BareXmlParse)->Unit(benchmark::kMillisecond);

// The two above taken in turn within each iteration, so that both see the same load of a shared machine.
// "ratio" is the load's time over the bare parse's, the figure the loader is held to; the release is not
// part of starting up, so it only enters "ratio_with_release". The time reported is the load's alone.
void BM_LoadOverBareParse(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    state.SetLabel(gameRoot().label);
    std::vector<std::string> files = loadedFiles();
    Clock::duration loading{};
    Clock::duration releasing{};
    Clock::duration parsing{};
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        TeamBuilder* builder = loadData();
        Clock::time_point loaded = Clock::now();
        releaseData(builder);
        Clock::time_point released = Clock::now();
        parseFilesOnce(files);
        Clock::time_point parsed = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(loaded - start).count());
        loading += loaded - start;
        releasing += released - loaded;
        parsing += parsed - released;
    }
    if (parsing.count() == 0) return;
    const double parse = static_cast<double>(parsing.count());
    state.counters["ratio"] = static_cast<double>(loading.count()) / parse;
    state.counters["ratio_with_release"] = static_cast<double>((loading + releasing).count()) / parse;
}
BENCHMARK(BM_LoadOverBareParse)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
