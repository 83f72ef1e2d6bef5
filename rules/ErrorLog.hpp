// The error log: problems found while loading, kept in memory and appended to "error_logs.txt".
#pragma once

#include <string>
#include <vector>

// Appends one line (without line end) to the in-memory log. Until the first flush it never touches the
// disk; after it (the end of loading) the line is appended to the file at once.
void logError(const std::string& line);

// Appends the lines not yet written to "error_logs.txt", under a dated header written by the first
// successful flush of the run. Nothing happens when every line is written; an unopenable file is skipped
// silently and its lines wait for the next flush.
void flushErrorLog();

// The lines logged so far, in order.
const std::vector<std::string>& errorLogLines();

// Forgets every line and every flag; for tests, which each start from an empty log.
void resetErrorLog();
