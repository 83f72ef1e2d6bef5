// Small platform layer: sleeping, sorted folder listings, whole-file reads, XML text reads and clamped number
// conversions.
#include "rules/Platform.hpp"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <tinyxml2.h>

void sleepMilliseconds(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::vector<std::string> listXmlFiles(const std::string& folder) {
    namespace fs = boost::filesystem;
    std::vector<std::string> names;
    boost::system::error_code ec;
    // Opening the listing fails alike for a missing folder and for a file, which gives the empty list
    // without asking the system for the folder's status first.
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension().string() == ".xml") names.push_back(p.filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    for (std::string& name : names)
        name.insert(0, prefix);
    return names;
}

bool readRegularFile(const std::string& path, std::string& out) {
    out.clear();
    boost::system::error_code ec;
    if (!boost::filesystem::is_regular_file(path, ec) || ec) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        out.append(buffer, n);
    bool complete = std::ferror(file) == 0;
    std::fclose(file);
    if (!complete) out.clear();
    return complete;
}

std::string xmlText(const tinyxml2::XMLElement* element) {
    if (!element) return std::string();
    const char* text = element->GetText();
    return text ? std::string(text) : std::string();
}

std::string_view xmlTextView(const tinyxml2::XMLElement* element) {
    const char* text = element ? element->GetText() : nullptr;
    return text ? std::string_view(text) : std::string_view();
}

std::string xmlChildText(const tinyxml2::XMLElement* parent, const char* name) {
    return parent ? xmlText(parent->FirstChildElement(name)) : std::string();
}

bool xmlHasChild(const tinyxml2::XMLElement* parent, const char* name) {
    return parent && parent->FirstChildElement(name) != nullptr;
}

std::string xmlAttribute(const tinyxml2::XMLElement* element, const char* name) {
    if (!element) return std::string();
    const char* value = element->Attribute(name);
    return value ? std::string(value) : std::string();
}

bool xmlHasAttribute(const tinyxml2::XMLElement* element, const char* name) {
    return element && element->Attribute(name) != nullptr;
}

int clampedAtoi(const char* text) {
    if (!text) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    for (; std::isdigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int clampedAtoi(const std::string& text) { return clampedAtoi(text.c_str()); }

namespace {
// A plain decimal as the data writes them ("0.5", "-2", "1.25"): optional sign, at most 15 digits with at
// most one point among them, nothing else. The digits make an integer below 2^53 and the point a division by
// an exact power of ten, so the one rounding gives exactly what strtod gives. False for anything else.
bool readPlainDecimal(const char* text, double& value) {
    static const double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long digits = 0;
    int count = 0;
    int decimals = -1;
    for (; *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + (*p - '0');
            if (decimals >= 0) ++decimals;
        } else if (*p == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    const double magnitude = static_cast<double>(digits) / powersOfTen[decimals > 0 ? decimals : 0];
    value = negative ? -magnitude : magnitude;
    return true;
}
} // namespace

double clampedAtof(const char* text) {
    if (!text) return 0.0;
    double plain = 0.0;
    if (readPlainDecimal(text, plain)) return plain;
    double value = std::strtod(text, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

double clampedAtof(const std::string& text) { return clampedAtof(text.c_str()); }
