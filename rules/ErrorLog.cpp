// The error log: problems found while loading, kept in memory and appended once to "error_logs.txt".
#include "rules/ErrorLog.hpp"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <fstream>

namespace {
std::vector<std::string> lines;
bool headerWritten = false;
} // namespace

void logError(const std::string& line) { lines.push_back(line); }

void flushErrorLog() {
    if (lines.empty()) return;
    std::ofstream out("error_logs.txt", std::ios::out | std::ios::app);
    if (!out) return;
    if (!headerWritten) {
        headerWritten = true;
        boost::posix_time::ptime now = boost::posix_time::second_clock::local_time();
        out << "----------\n";
        out << "Opened at " << boost::posix_time::to_simple_string(now) << "\n";
        out << "----------\n";
    }
    for (const std::string& line : lines)
        out << line << "\n";
}

const std::vector<std::string>& errorLogLines() { return lines; }

void resetErrorLog() {
    lines.clear();
    headerWritten = false;
}
