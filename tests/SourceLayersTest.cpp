// The source folders stack in layers: a file includes only from its own folder and the ones below it.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <string>
#include <vector>

namespace fs = boost::filesystem;

TEST(SourceLayers, NoFileIncludesFromALayerAboveItsOwn) {
    const std::vector<std::string> layers = {"rules", "battle", "players", "presentation", "scenes"};
    const fs::path root(QUORVEX_SOURCE_DIR);
    std::vector<std::string> climbing;
    for (size_t own = 0; own < layers.size(); ++own) {
        for (fs::directory_iterator it(root / layers[own]), end; it != end; ++it) {
            const fs::path& file = it->path();
            if (file.extension() != ".hpp" && file.extension() != ".cpp") continue;
            std::ifstream in(file.string());
            std::string line;
            while (std::getline(in, line)) {
                if (line.rfind("#include \"", 0) != 0) continue;
                for (size_t above = own + 1; above < layers.size(); ++above)
                    if (line.compare(10, layers[above].size() + 1, layers[above] + "/") == 0)
                        climbing.push_back(layers[own] + "/" + file.filename().string() + ": " + line);
            }
        }
    }
    EXPECT_TRUE(climbing.empty()) << ::testing::PrintToString(climbing);
}
