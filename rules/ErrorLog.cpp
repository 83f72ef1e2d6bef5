// The error log: problems found while loading, kept in memory and appended to "error_logs.txt".
#include "rules/ErrorLog.hpp"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <fstream>
#include <mutex>

namespace {
// The loading thread and the main thread may both log.
std::mutex logMutex;
std::vector<std::string> lines;
bool headerWritten = false;
// Once the end of loading has flushed the log, each later line goes to the file as it comes.
bool flushedOnce = false;
// How many of the lines are in the file already, so that none is written twice.
size_t linesWritten = 0;

void writePendingLines() {
    flushedOnce = true;
    if (linesWritten == lines.size()) return;
    std::ofstream out("error_logs.txt", std::ios::out | std::ios::app);
    if (!out) return;
    if (!headerWritten) {
        headerWritten = true;
        boost::posix_time::ptime now = boost::posix_time::second_clock::local_time();
        out << "----------\n";
        out << "Opened at " << boost::posix_time::to_simple_string(now) << "\n";
        out << "----------\n";
    }
    for (; linesWritten < lines.size(); ++linesWritten)
        out << lines[linesWritten] << "\n";
}
} // namespace

void logError(const std::string& line) {
    std::lock_guard<std::mutex> lock(logMutex);
    lines.push_back(line);
    if (flushedOnce) writePendingLines();
}

void flushErrorLog() {
    std::lock_guard<std::mutex> lock(logMutex);
    writePendingLines();
}

const std::vector<std::string>& errorLogLines() { return lines; }

void resetErrorLog() {
    std::lock_guard<std::mutex> lock(logMutex);
    lines.clear();
    headerWritten = false;
    flushedOnce = false;
    linesWritten = 0;
}
