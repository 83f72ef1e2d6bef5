// The children of one data element that a loader reads, found in a single walk over them.
#pragma once

#include <string>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

// A loader reads a dozen or more fields of each record; asking tinyxml2 for each field by name walks the
// record's children once per field. This walks them once and keeps, for every name the loader asks for,
// the first child of that name and every child of that name in document order.
//
// Fields are numbered by their position in the loader's name table. The index holds plain pointers into the
// document: a child the loader deletes afterwards must not be asked for again.
class XmlChildIndex {
public:
    // names: the child element names, by field number; the table must outlive the index.
    XmlChildIndex(const char* const* names, int count);
    virtual ~XmlChildIndex();

    // Forgets the previous element and indexes parent's children (none for null).
    void read(tinyxml2::XMLElement* parent);

    // The first child called names[field], or null.
    tinyxml2::XMLElement* first(int field) const { return firsts[field]; }
    bool has(int field) const { return firsts[field] != nullptr; }
    // The text of the first child called names[field], or the empty text.
    std::string text(int field) const;
    // The same text without a copy, for fields read as numbers; null when there is no such child or text.
    const char* rawText(int field) const;

    // How many children are called names[field].
    int count(int field) const { return counts[field]; }
    // Calls visit(child) for every child called names[field], in document order.
    template <typename Visit> void each(int field, Visit visit) const {
        if (counts[field] == 0) return;
        for (int at = heads[field]; at >= 0; at = matches[static_cast<std::size_t>(at)].next)
            visit(matches[static_cast<std::size_t>(at)].element);
    }

private:
    // A child and the position in matches of the next child of the same name, or -1.
    struct Match {
        tinyxml2::XMLElement* element;
        int next;
    };
    const char* const* names;
    std::vector<std::size_t> nameLengths;
    // The fields are grouped by the length and first byte of their name: group b is
    // byBucket[firstOfBucket[b]] up to, not including, byBucket[firstOfBucket[b + 1]].
    std::vector<int> firstOfBucket;
    std::vector<int> byBucket;
    std::vector<tinyxml2::XMLElement*> firsts;
    std::vector<int> counts;
    // For a field with children: the positions in matches of its first and last child. Read only while
    // counts holds the field's children, so a new record need not clear them.
    std::vector<int> heads;
    std::vector<int> tails;
    // Every indexed child in document order, each field's children chained from its head; kept between
    // records so that reading allocates nothing.
    std::vector<Match> matches;
};
