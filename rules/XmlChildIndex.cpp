// The children of one data element that a loader reads, found in a single walk over them.
#include "rules/XmlChildIndex.hpp"

#include <algorithm>
#include <cstring>
#include <tinyxml2.h>

#include "rules/Platform.hpp"

XmlChildIndex::XmlChildIndex(const char* const* names, int count)
    : names(names), firsts(static_cast<std::size_t>(count), nullptr),
      counts(static_cast<std::size_t>(count), 0) {
    // The fields grouped by the length of their name: a child's name is compared with those of its length
    // only, which rules out nearly every other field without a comparison.
    std::vector<std::size_t> lengths(static_cast<std::size_t>(count));
    std::size_t longest = 0;
    for (int field = 0; field < count; ++field) {
        lengths[field] = std::strlen(names[field]);
        longest = std::max(longest, lengths[field]);
    }
    firstOfLength.assign(longest + 2, 0);
    for (int field = 0; field < count; ++field)
        ++firstOfLength[lengths[field] + 1];
    for (std::size_t length = 1; length < firstOfLength.size(); ++length)
        firstOfLength[length] += firstOfLength[length - 1];
    byLength.resize(static_cast<std::size_t>(count));
    std::vector<int> placed(firstOfLength.begin(), firstOfLength.end() - 1);
    for (int field = 0; field < count; ++field)
        byLength[placed[lengths[field]]++] = field;
}

XmlChildIndex::~XmlChildIndex() = default;

void XmlChildIndex::read(tinyxml2::XMLElement* parent) {
    std::fill(firsts.begin(), firsts.end(), nullptr);
    std::fill(counts.begin(), counts.end(), 0);
    matches.clear();
    if (!parent) return;
    const std::size_t longest = firstOfLength.size() - 2;
    // Stepping over the sibling links directly is cheaper than asking for the next element each time.
    for (tinyxml2::XMLNode* node = parent->FirstChild(); node; node = node->NextSibling()) {
        tinyxml2::XMLElement* child = node->ToElement();
        if (!child) continue;
        const char* name = child->Name();
        if (!name) continue;
        const std::size_t length = std::strlen(name);
        if (length > longest) continue;
        for (int i = firstOfLength[length]; i < firstOfLength[length + 1]; ++i) {
            const int field = byLength[i];
            if (names[field][0] != name[0] || std::memcmp(names[field], name, length) != 0) continue;
            if (!firsts[field]) firsts[field] = child;
            ++counts[field];
            matches.push_back({field, child});
            break;
        }
    }
}

std::string XmlChildIndex::text(int field) const { return xmlText(firsts[field]); }

const char* XmlChildIndex::rawText(int field) const {
    return firsts[field] ? firsts[field]->GetText() : nullptr;
}
