// Replacing a file's whole content so that a crash or a full disk never leaves it half written.
#pragma once

#include <string>

// Writes content to path + ".tmp" (beside the target, so that the final rename stays on one file system and
// is atomic), flushes it to disk and renames it over path. The new file keeps the permissions of the one it
// replaces. A crash while saving leaves either the old file or the new one (and at worst the temporary,
// which the next save or removeStaleTemporary clears); any failure leaves the old file untouched, removes
// the temporary file and returns false.
bool replaceFileAtomically(const std::string& path, const std::string& content);
// Removes the temporary file that a save of path interrupted by a crash left behind. A folder in its place
// is not a temporary of ours and stays.
void removeStaleTemporary(const std::string& path);
