// Shared helpers of the test suite: scratch working folders, folder copies, scripted random draws, fixture
// paths.
#pragma once

#include <boost/filesystem.hpp>
#include <csignal>
#include <deque>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "rules/ErrorLog.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"

// Absolute path of a fixture under tests/data/.
inline std::string fixturePath(const std::string& relative) {
    return std::string(QUORVEX_SOURCE_DIR) + "/tests/data/" + relative;
}

// Copies the folder source, with everything below it, into target (created when missing).
inline void copyFolder(const boost::filesystem::path& source, const boost::filesystem::path& target) {
    namespace fs = boost::filesystem;
    fs::create_directories(target);
    for (fs::recursive_directory_iterator it(source), end; it != end; ++it) {
        fs::path destination = target / fs::relative(it->path(), source);
        if (fs::is_directory(it->path())) {
            fs::create_directories(destination);
        } else {
            fs::create_directories(destination.parent_path());
            fs::copy_file(it->path(), destination);
        }
    }
}

// Runs the test inside a fresh empty folder, with an empty error log; restores both afterwards.
class ScratchDir {
public:
    ScratchDir() : previous(boost::filesystem::current_path()) {
        path = boost::filesystem::temp_directory_path() /
               boost::filesystem::unique_path("quorvex-%%%%-%%%%-%%%%");
        boost::filesystem::create_directories(path);
        boost::filesystem::current_path(path);
        resetErrorLog();
    }
    ~ScratchDir() {
        boost::system::error_code ec;
        boost::filesystem::current_path(previous, ec);
        boost::filesystem::permissions(path, boost::filesystem::owner_all | boost::filesystem::add_perms, ec);
        boost::filesystem::remove_all(path, ec);
        resetErrorLog();
    }
    // Writes a file relative to the scratch folder, creating its folders.
    void write(const std::string& relative, const std::string& content) const {
        boost::filesystem::path file = path / relative;
        boost::filesystem::create_directories(file.parent_path());
        std::ofstream out(file.string(), std::ios::binary);
        out << content;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in((path / relative).string(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    boost::filesystem::path path;

private:
    boost::filesystem::path previous;
};

// The temporaries that saves of file left beside it, whatever their names.
inline std::vector<std::string> temporariesBeside(const boost::filesystem::path& file) {
    namespace fs = boost::filesystem;
    std::vector<std::string> found;
    const std::string prefix = file.filename().string() + ".tmp";
    boost::system::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().compare(0, prefix.size(), prefix) == 0)
            found.push_back(it->path().filename().string());
    return found;
}

// For its scope every write into a file fails as on a full disk. Unlike permissions, this holds for the
// super-user too.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = previous;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous;
    void (*previousHandler)(int);
};

// Replays a fixed sequence of draws for its scope (each brought into 0 .. n-1); 0 once exhausted.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> draws) : queue(draws.begin(), draws.end()) {
        installRandomSource([this](int) {
            if (queue.empty()) return 0;
            int value = queue.front();
            queue.pop_front();
            ++used;
            return value;
        });
    }
    ~ScriptedRandom() { installRandomSource(nullptr); }
    int drawsUsed() const { return used; }
    size_t remaining() const { return queue.size(); }

private:
    std::deque<int> queue;
    int used = 0;
};

// Abilities, arenas and rulesets all take effect, whatever the configuration said.
inline void switchOnEveryRuleEffect(Game_Options* options) {
    if (options->getAbilitiesEffects() == 0) options->toggleAbilitiesEffects();
    if (options->getStadiumsEffects() == 0) options->toggleStadiumsEffects();
    if (options->getRulesetsEffects() == 0) options->toggleRulesetsEffects();
}
