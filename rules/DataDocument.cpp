// Opening a data file for a loader, with the one error line for a file the XML reader cannot parse.
#include "rules/DataDocument.hpp"

#include <tinyxml2.h>

#include "rules/ErrorLog.hpp"

bool loadDataDocument(tinyxml2::XMLDocument& document, const std::string& path) {
    tinyxml2::XMLError result = document.LoadFile(path.c_str());
    if (result == tinyxml2::XML_SUCCESS) return true;
    bool unreadable = result == tinyxml2::XML_ERROR_FILE_NOT_FOUND ||
                      result == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED ||
                      result == tinyxml2::XML_ERROR_FILE_READ_ERROR;
    // A silently empty file would hide every record it was meant to hold; say so once.
    if (!unreadable) logError("ERROR with File " + path + " : " + document.ErrorStr());
    // Whatever the reader kept of a broken file is not trusted.
    document.Clear();
    return false;
}
