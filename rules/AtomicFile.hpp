// Replacing a file's whole content so that a crash or a full disk never leaves it half written.
#pragma once

#include <string>

// Writes content to a temporary of its own beside the target (path + ".tmp." and six letters or digits,
// on the same file system so that the final rename is atomic), flushes it to disk and renames it over path.
// Saves of the same file may overlap (two windows started in one folder, two threads): each writes its own
// temporary, readers see one whole content or the other, and the last rename wins. The new file keeps the
// permissions of the one it replaces. A crash while saving leaves either the old file or the new one (and
// at worst the temporary, which a later save or removeStaleTemporary clears); any failure leaves the old
// file untouched, removes this save's temporary and returns false.
bool replaceFileAtomically(const std::string& path, const std::string& content);
// Removes what interrupted saves of path left behind and no running save can still own: the plain
// path + ".tmp" of earlier versions, and unique temporaries not written for some minutes. A folder in their
// place is not a temporary of ours and stays.
void removeStaleTemporary(const std::string& path);
