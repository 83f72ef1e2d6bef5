// The children of one data element that a loader reads, found in a single walk over them.
#include "rules/XmlChildIndex.hpp"

#include <algorithm>
#include <cstring>
#include <tinyxml2.h>

#include "rules/Platform.hpp"

namespace {
// Buckets of field names by length and first byte; a power of two.
const std::size_t BUCKET_COUNT = 64;

std::size_t bucketOf(std::size_t length, char first) {
    return (length * 31 + static_cast<unsigned char>(first)) & (BUCKET_COUNT - 1);
}
} // namespace

XmlChildIndex::XmlChildIndex(const char* const* names, int count)
    : names(names), firsts(static_cast<std::size_t>(count), nullptr),
      counts(static_cast<std::size_t>(count), 0), heads(static_cast<std::size_t>(count), -1),
      tails(static_cast<std::size_t>(count), -1) {
    // The fields grouped by the length and first byte of their name: a child's name is compared with those
    // of its group only, which rules out nearly every other field without a comparison.
    nameLengths.resize(static_cast<std::size_t>(count));
    firstOfBucket.assign(BUCKET_COUNT + 1, 0);
    for (int field = 0; field < count; ++field) {
        nameLengths[field] = std::strlen(names[field]);
        ++firstOfBucket[bucketOf(nameLengths[field], names[field][0]) + 1];
    }
    for (std::size_t bucket = 1; bucket <= BUCKET_COUNT; ++bucket)
        firstOfBucket[bucket] += firstOfBucket[bucket - 1];
    byBucket.resize(static_cast<std::size_t>(count));
    std::vector<int> placed(firstOfBucket.begin(), firstOfBucket.end() - 1);
    for (int field = 0; field < count; ++field)
        byBucket[placed[bucketOf(nameLengths[field], names[field][0])]++] = field;
}

XmlChildIndex::~XmlChildIndex() = default;

void XmlChildIndex::read(tinyxml2::XMLElement* parent) {
    std::fill(firsts.begin(), firsts.end(), nullptr);
    std::fill(counts.begin(), counts.end(), 0);
    matches.clear();
    if (!parent) return;
    // Stepping over the sibling links directly is cheaper than asking for the next element each time.
    for (tinyxml2::XMLNode* node = parent->FirstChild(); node; node = node->NextSibling()) {
        tinyxml2::XMLElement* child = node->ToElement();
        if (!child) continue;
        const char* name = child->Name();
        if (!name) continue;
        const std::size_t length = std::strlen(name);
        const std::size_t bucket = bucketOf(length, name[0]);
        for (int i = firstOfBucket[bucket]; i < firstOfBucket[bucket + 1]; ++i) {
            const int field = byBucket[i];
            if (nameLengths[field] != length || std::memcmp(names[field], name, length) != 0) continue;
            const int at = static_cast<int>(matches.size());
            if (counts[field] == 0) {
                firsts[field] = child;
                heads[field] = at;
            } else {
                matches[static_cast<std::size_t>(tails[field])].next = at;
            }
            tails[field] = at;
            ++counts[field];
            matches.push_back({child, -1});
            break;
        }
    }
}

std::string XmlChildIndex::text(int field) const { return xmlText(firsts[field]); }

const char* XmlChildIndex::rawText(int field) const {
    return firsts[field] ? firsts[field]->GetText() : nullptr;
}
