// The error log: problems found while loading, kept in memory and appended once to "error_logs.txt".
#pragma once

#include <string>
#include <vector>

// Appends one line (without line end) to the in-memory log. Never touches the disk.
void logError(const std::string& line);

// Appends the logged lines to "error_logs.txt" under a dated header written by the first successful
// flush of the run. Nothing happens for an empty log; an unopenable file is skipped silently.
void flushErrorLog();

// The lines logged so far, in order.
const std::vector<std::string>& errorLogLines();

// Forgets every line and the header flag; for tests, which each start from an empty log.
void resetErrorLog();
