// Where a phrase's bracketed placeholders stand, and filling them in one go.
#include "rules/PhraseSlots.hpp"

#include "rules/ShortText.hpp"

#include <cstring>
#include <limits>

namespace {

// The battle fills seven placeholders at most.
constexpr std::size_t MAX_FILLS = 8;
// A commentator's phrase with its names in is a line or two.
constexpr std::size_t MAX_FILLED = 512;

using shorttext::anyByteIs;
using shorttext::load;
using shorttext::sameBytes;

// Whether c stands anywhere in text, the last eight bytes read as one word.
bool holds(std::string_view text, char c) {
    const char* bytes = text.data();
    const std::size_t size = text.size();
    if (size < 8) {
        for (std::size_t i = 0; i < size; ++i)
            if (bytes[i] == c) return true;
        return false;
    }
    for (std::size_t at = 0; at + 8 < size; at += 8)
        if (anyByteIs(load<std::uint64_t>(bytes + at), c)) return true;
    return anyByteIs(load<std::uint64_t>(bytes + size - 8), c);
}

// '[', anything but ']', ']'. A placeholder with a '[' inside counts too: in a phrase whose brackets do not
// nest it matches nothing, whichever way it is looked for.
bool isBracketed(std::string_view placeholder) {
    const std::size_t size = placeholder.size();
    if (size < 2 || placeholder[0] != '[' || placeholder[size - 1] != ']') return false;
    return !holds(placeholder.substr(1, size - 2), ']');
}

void put(char*& write, const char* bytes, std::size_t size) {
    if (size == 0) return;
    std::memcpy(write, bytes, size);
    write += size;
}

} // namespace

PhraseSlots::PhraseSlots(std::string_view phrase) {
    const char* const bytes = phrase.data();
    const std::size_t size = phrase.size();
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        irregular = true;
        return;
    }
    for (std::size_t at = shorttext::findByte(bytes, 0, size, '['); at < size;
         at = shorttext::findByte(bytes, at, size, '[')) {
        // The word ends at the first ']'; a '[' before it nests.
        std::size_t end = at + 1;
        while (end < size && bytes[end] != ']') {
            if (bytes[end] == '[') {
                irregular = true;
                return;
            }
            ++end;
        }
        if (end == size) break;
        if (count == MAX_SLOTS) {
            irregular = true;
            return;
        }
        const std::string_view word = phrase.substr(at, end + 1 - at);
        slots[count++] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(word.size()),
                          bracketedWordKey(word)};
        at = end + 1;
    }
}

bool PhraseSlots::appendFilled(std::string& out, std::string_view phrase,
                               std::initializer_list<PlaceholderFill> fills) const {
    const std::size_t fillCount = fills.size();
    if (irregular || fillCount > MAX_FILLS) return false;
    const PlaceholderFill* const fill = fills.begin();
    // With no nesting, a placeholder is found in the phrase as a whole slot or not at all, as long as no fill
    // before it put in a '['. Each slot, in phrase order, takes the first fill of its word that no slot
    // before it took: the same pairs as each fill taking in turn the first slot of its word left free.
    const PlaceholderFill* slotFill[MAX_SLOTS];
    unsigned taken = 0;
    std::size_t length = phrase.size();
    for (std::uint32_t s = 0; s < count; ++s) {
        const Slot& slot = slots[s];
        slotFill[s] = nullptr;
        for (std::size_t f = 0; f < fillCount; ++f) {
            const std::string_view placeholder = fill[f].placeholder;
            if ((taken >> f & 1U) != 0 || placeholder.size() != slot.length) continue;
            // A short bracketed word compares by its key, any other placeholder byte by byte.
            if (fill[f].key != 0 ? fill[f].key != slot.key
                                 : !sameBytes(phrase.data() + slot.at, placeholder.data(), slot.length))
                continue;
            taken |= 1U << f;
            slotFill[s] = &fill[f];
            length = length - slot.length + fill[f].text.size();
            break;
        }
    }
    // Left to the slow way: a placeholder that is no bracketed word (a bracketed one that found no slot
    // changes nothing), or a fill putting in a '[' that a fill with a placeholder after it could find.
    std::size_t last = fillCount;
    while (last > 0 && fill[last - 1].placeholder.empty())
        --last;
    for (std::size_t f = 0; f < last; ++f)
        if (fill[f].key == 0 && !fill[f].placeholder.empty() && (taken >> f & 1U) == 0 &&
            !isBracketed(fill[f].placeholder))
            return false;
    const unsigned followed = last > 0 ? taken & ((1U << (last - 1)) - 1U) : 0U;
    for (unsigned rest = followed; rest != 0; rest &= rest - 1U)
        if (holds(fill[__builtin_ctz(rest)].text, '[')) return false;

    // A phrase none of whose placeholders is filled goes in as it is.
    if (taken == 0) {
        out.append(phrase.data(), phrase.size());
        return true;
    }
    // Laid out on the stack and added in one go, which costs less than sizing the string first.
    char filled[MAX_FILLED];
    if (length > sizeof(filled)) return false;
    char* write = filled;
    std::size_t read = 0;
    for (std::uint32_t s = 0; s < count; ++s) {
        if (slotFill[s] == nullptr) continue;
        put(write, phrase.data() + read, slots[s].at - read);
        put(write, slotFill[s]->text.data(), slotFill[s]->text.size());
        read = slots[s].at + slots[s].length;
    }
    put(write, phrase.data() + read, phrase.size() - read);
    out.append(filled, length);
    return true;
}
