// Where a phrase's bracketed placeholders ("[ZLKN]", "[MOVE]") stand, found once for a phrase filled often.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The letters of a bracketed word of one to eight letters ("[ZLKN]"), neither of them a bracket, packed in
// one number: two such words of the same length are the same word exactly when their keys are equal. 0 for
// any other text.
constexpr std::uint64_t bracketedWordKey(std::string_view text) {
    const std::size_t size = text.size();
    if (size < 3 || size > 10 || text[0] != '[' || text[size - 1] != ']') return 0;
    std::uint64_t key = 0;
    for (std::size_t i = size - 2; i >= 1; --i) {
        if (text[i] == '[' || text[i] == ']') return 0;
        key = key << 8 | static_cast<unsigned char>(text[i]);
    }
    return key;
}

// One placeholder of a text and the text it stands for; an empty placeholder stands for nothing. The key is
// taken with the fill, by the compiler for a placeholder written in the code.
struct PlaceholderFill {
    constexpr PlaceholderFill(std::string_view placeholder, std::string_view text)
        : placeholder(placeholder), text(text), key(bracketedWordKey(placeholder)) {}

    std::string_view placeholder;
    std::string_view text;
    std::uint64_t key;
};

// Small and allocation-free, so that a text filled once can also be read on the spot.
class PhraseSlots {
public:
    explicit PhraseSlots(std::string_view phrase);

    // Appends the phrase (the text these slots were found in) to out with the fills made as replacing each
    // fill's first occurrence in turn would make them, every fill searching the text the fills before it
    // left. That needs no search when the phrase's brackets do not nest and no fill puts in a '[' a later
    // fill could find; otherwise (or with too many fills or slots, or a result of more than a few lines) it
    // appends nothing and gives false, for the caller to replace one fill after the other.
    bool appendFilled(std::string& out, std::string_view phrase,
                      std::initializer_list<PlaceholderFill> fills) const;
    // False only when a fill of the short bracketed word with this key (bracketedWordKey), made before any
    // other fill, can change nothing: the phrase is filled the quick way and none of its slots has the key.
    bool mayHold(std::uint64_t key) const {
        if (irregular || key == 0) return true;
        for (std::uint32_t s = 0; s < count; ++s)
            if (slots[s].key == key) return true;
        return false;
    }

private:
    static constexpr std::size_t MAX_SLOTS = 8;
    // A bracketed word of the phrase: '[', anything but a bracket, ']'.
    struct Slot {
        std::uint32_t at;
        std::uint32_t length;
        std::uint64_t key;
    };
    Slot slots[MAX_SLOTS];
    std::uint32_t count = 0;
    // Nested brackets, more slots than kept or a phrase too long: filled the slow way.
    bool irregular = false;
};
