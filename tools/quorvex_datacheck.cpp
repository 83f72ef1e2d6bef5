// quorvex_datacheck: loads the game's data from the working directory as the game does and reports on it.
#include <iostream>
#include <string>
#include <vector>

#include "tools/DataCheck.hpp"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    DataCheck check;
    return check.run(args, std::cout, std::cerr);
}
