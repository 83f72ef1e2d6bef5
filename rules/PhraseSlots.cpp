// Where a phrase's bracketed placeholders stand, and filling them in one go.
#include "rules/PhraseSlots.hpp"

#include <cstring>
#include <limits>

namespace {

// The battle fills seven placeholders at most.
constexpr size_t MAX_FILLS = 8;
constexpr size_t MAX_SLOTS = 32;

// Placeholders and names are a few bytes long: plain loops cost less than the library's calls here.
bool holds(std::string_view text, char c) {
    for (char byte : text)
        if (byte == c) return true;
    return false;
}

bool sameBytes(const char* a, std::string_view b) {
    for (size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// '[', anything but ']', ']'. A placeholder with a '[' inside counts too: in a phrase whose brackets do not
// nest it matches nothing, whichever way it is looked for.
bool isBracketed(std::string_view placeholder) {
    const size_t size = placeholder.size();
    if (size < 2 || placeholder[0] != '[' || placeholder[size - 1] != ']') return false;
    return !holds(placeholder.substr(1, size - 2), ']');
}

void put(char*& write, std::string_view piece) {
    if (piece.empty()) return;
    std::memcpy(write, piece.data(), piece.size());
    write += piece.size();
}

} // namespace

PhraseSlots::PhraseSlots(std::string_view phrase) {
    const size_t size = phrase.size();
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        nested = true;
        return;
    }
    for (size_t at = 0; at < size; ++at) {
        if (phrase[at] != '[') continue;
        // The word ends at the first ']'; a '[' before it nests.
        size_t end = at + 1;
        while (end < size && phrase[end] != ']') {
            if (phrase[end] == '[') {
                nested = true;
                slots.clear();
                return;
            }
            ++end;
        }
        if (end == size) break;
        slots.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(end + 1 - at)});
        at = end;
    }
}

bool PhraseSlots::appendFilled(std::string& out, std::string_view phrase,
                               std::initializer_list<PlaceholderFill> fills) const {
    if (nested || fills.size() > MAX_FILLS || slots.size() > MAX_SLOTS) return false;
    // With no nesting, a placeholder is found in the phrase as a whole slot or not at all, as long as no fill
    // before it put in a '['. Each fill takes the first slot it matches that no fill before it took.
    struct Match {
        size_t at;
        size_t length;
        std::string_view text;
    };
    Match matches[MAX_FILLS];
    size_t matched = 0;
    std::uint32_t taken = 0;
    bool openingPutIn = false;
    size_t length = phrase.size();
    for (const PlaceholderFill* fill = fills.begin(); fill != fills.end(); ++fill) {
        const std::string_view placeholder = fill->placeholder;
        if (placeholder.empty()) continue;
        if (openingPutIn) return false;
        size_t s = 0;
        while (s < slots.size() && ((taken >> s & 1U) != 0 || slots[s].length != placeholder.size() ||
                                    !sameBytes(phrase.data() + slots[s].at, placeholder)))
            ++s;
        if (s == slots.size()) {
            if (!isBracketed(placeholder)) return false;
            continue;
        }
        taken |= 1U << s;
        // Kept in phrase order.
        size_t k = matched++;
        for (; k > 0 && matches[k - 1].at > slots[s].at; --k)
            matches[k] = matches[k - 1];
        matches[k] = {slots[s].at, slots[s].length, fill->text};
        length = length - slots[s].length + fill->text.size();
        if (fill + 1 != fills.end() && holds(fill->text, '[')) openingPutIn = true;
    }

    const size_t base = out.size();
    out.resize(base + length);
    char* write = &out[base];
    size_t read = 0;
    for (size_t k = 0; k < matched; ++k) {
        put(write, phrase.substr(read, matches[k].at - read));
        put(write, matches[k].text);
        read = matches[k].at + matches[k].length;
    }
    put(write, phrase.substr(read));
    return true;
}
