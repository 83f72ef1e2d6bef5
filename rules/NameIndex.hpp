// Name -> record look-ups for the database: the first record of each name, found from any text without
// building a string for it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

    // Names are a word or two long: they are mixed eight bytes at a time, and the last few bytes together.
    // The final steps bring the high bits down, since a slot is chosen by the low ones.
    static std::uint64_t hashOf(std::string_view name) {
        constexpr std::uint64_t MULTIPLIER = 0x9E3779B97F4A7C15ull;
        const char* bytes = name.data();
        std::size_t left = name.size();
        std::uint64_t hash = 14695981039346656037ull ^ left;
        for (; left >= 8; bytes += 8, left -= 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes, sizeof(word));
            hash = (hash ^ word) * MULTIPLIER;
            hash ^= hash >> 32;
        }
        std::uint64_t tail = 0;
        for (std::size_t i = 0; i < left; ++i)
            tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        hash = (hash ^ tail) * MULTIPLIER;
        hash ^= hash >> 29;
        hash *= 0xBF58476D1CE4E5B9ull;
        return hash ^ (hash >> 32);
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
