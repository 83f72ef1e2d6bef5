// Helpers of the benchmarks: a scratch game root holding a copy of a data set.
#pragma once

#include <boost/filesystem.hpp>
#include <string>

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

// A fresh folder under the system's temporary folder, named after pattern ("%" become random characters),
// holding a copy of dataSource as "data/", so that nothing is written beside the sources. The caller removes
// it.
inline boost::filesystem::path scratchGameRoot(const boost::filesystem::path& dataSource,
                                               const std::string& pattern) {
    namespace fs = boost::filesystem;
    fs::path scratch = fs::temp_directory_path() / fs::unique_path(pattern);
    copyFolder(dataSource, scratch / "data");
    return scratch;
}
