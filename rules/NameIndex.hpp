// Name -> record look-ups for the database: the first record of each name, found from any text without
// building a string for it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The loaders resolve a few thousand names against a few hundred records at start-up. Open addressing over a
// power-of-two table kept at most half full, each slot with its name's hash: a look-up hashes the text once
// and compares text only where the hashes agree. The index keeps views of the names it is given: each name
// must stay as it is, where it is, for as long as the index is used (a record's own name, a word table's).
template <typename T> class NameIndex {
public:
    // Adds name -> record unless the name is already there: the first record of a name stays.
    void add(std::string_view name, T* record) {
        if (!record) return;
        if ((count + 1) * 2 > slots.size()) grow();
        const std::uint64_t hash = hashOf(name);
        Slot& slot = slots[probe(hash, name)];
        if (slot.record) return;
        slot.hash = hash;
        slot.name = name;
        slot.record = record;
        ++count;
    }

    // The first record added under name, or null.
    T* find(std::string_view name) const {
        if (slots.empty()) return nullptr;
        return slots[probe(hashOf(name), name)].record;
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::string_view name;
        T* record = nullptr;
    };

    // FNV-1a.
    static std::uint64_t hashOf(std::string_view name) {
        std::uint64_t hash = 14695981039346656037ull;
        for (const char c : name) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
        return hash;
    }

    // The slot holding name, or the empty slot where it belongs.
    std::size_t probe(std::uint64_t hash, std::string_view name) const {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots[at];
            if (!slot.record || (slot.hash == hash && slot.name == name)) return at;
        }
    }

    void grow() {
        std::vector<Slot> previous(std::max<std::size_t>(16, slots.size() * 2));
        previous.swap(slots);
        for (Slot& slot : previous)
            if (slot.record) slots[probe(slot.hash, slot.name)] = slot;
    }

    std::vector<Slot> slots;
    std::size_t count = 0;
};
