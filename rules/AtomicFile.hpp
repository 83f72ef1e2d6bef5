// Replacing a file's whole content so that a crash or a full disk never leaves it half written.
#pragma once

#include <string>

// Writes content to path + ".tmp" (beside the target, so that the final rename stays on one file system and
// is atomic), flushes it to disk and renames it over path. A crash while saving leaves either the old file or
// the new one; any failure leaves the old file untouched, removes the temporary file and returns false.
bool replaceFileAtomically(const std::string& path, const std::string& content);
