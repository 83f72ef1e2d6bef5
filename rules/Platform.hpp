// Small platform layer: sleeping, sorted folder listings, whole-file reads, XML text reads and clamped number
// conversions.
#pragma once

#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

// Blocks the calling thread for ms milliseconds (nothing for ms <= 0).
void sleepMilliseconds(int ms);

// The entries directly inside folder whose extension is exactly ".xml", sorted by file name, each given
// as folder + "/" + file name (no doubled slash). A missing folder or one that is not a directory
// gives an empty list. Entries are not checked further: a sub-folder named "x.xml" is listed too.
std::vector<std::string> listXmlFiles(const std::string& folder);
// The whole content of a regular file (a link to one counts) into out. Anything else (missing, a folder,
// a device, a file that cannot be read to its end) gives false and an empty out. Never throws.
bool readRegularFile(const std::string& path, std::string& out);

// The element's text, or the empty text for a null element or an element without text.
std::string xmlText(const tinyxml2::XMLElement* element);
// The same text without a copy, for names that are only looked up; valid while the document holds element.
std::string_view xmlTextView(const tinyxml2::XMLElement* element);
// The text of parent's first child element called name, or the empty text.
std::string xmlChildText(const tinyxml2::XMLElement* parent, const char* name);
// True when parent has a child element called name (flags are set by presence).
bool xmlHasChild(const tinyxml2::XMLElement* parent, const char* name);
// The attribute's value, or the empty text when the element or the attribute is missing.
std::string xmlAttribute(const tinyxml2::XMLElement* element, const char* name);
bool xmlHasAttribute(const tinyxml2::XMLElement* element, const char* name);

// atoi as the C library reads it (leading blanks, sign, digits, stops at the first other byte),
// clamped to the int range instead of overflowing.
int clampedAtoi(const std::string& text);
int clampedAtoi(const char* text);
// atof as the C library reads it; NaN and infinities give 0, finite values are kept.
double clampedAtof(const std::string& text);
double clampedAtof(const char* text);
// Truncates toward zero, saturating at the int range; NaN gives 0. Inline: scripts convert at every write.
// The usual case, a value inside the range, is settled by the first test (NaN fails it too).
inline int saturatingInt(double value) {
    if (value > static_cast<double>(INT_MIN) && value < static_cast<double>(INT_MAX))
        return static_cast<int>(value);
    if (std::isnan(value)) return 0;
    return value > 0 ? INT_MAX : INT_MIN;
}
// The value saturated at the int range: wide integer arithmetic (sums, products of stats) that must not wrap.
inline int clampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
