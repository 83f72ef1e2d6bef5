// Opening a data file for a loader, with the one error line for a file the XML reader cannot parse.
#pragma once

#include <string>

namespace tinyxml2 {
class XMLDocument;
}

// Loads path (raw bytes) into document. A file that cannot be opened or read leaves the document empty
// without a message, as the loaders always did. A file that opens but does not parse logs
// "ERROR with File " + path + " : " + the XML reader's error text, and the document is left empty, so
// the caller goes on with its next file. Returns true when the document was parsed.
bool loadDataDocument(tinyxml2::XMLDocument& document, const std::string& path);
