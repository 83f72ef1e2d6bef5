// Where a phrase's bracketed placeholders ("[ZLKN]", "[MOVE]") stand, found once for a phrase filled often.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One placeholder of a text and the text it stands for; an empty placeholder stands for nothing.
struct PlaceholderFill {
    std::string_view placeholder;
    std::string_view text;
};

// Small and allocation-free, so that a text filled once can also be read on the spot.
class PhraseSlots {
public:
    explicit PhraseSlots(std::string_view phrase);

    // Appends the phrase (the text these slots were found in) to out with the fills made as replacing each
    // fill's first occurrence in turn would make them, every fill searching the text the fills before it
    // left. That needs no search when the phrase's brackets do not nest and no fill puts in a '[' a later
    // fill could find; otherwise (or with too many fills or slots) it appends nothing and gives false, for
    // the caller to replace one fill after the other. The phrase must not lie in out.
    bool appendFilled(std::string& out, std::string_view phrase,
                      std::initializer_list<PlaceholderFill> fills) const;

private:
    static constexpr std::size_t MAX_SLOTS = 8;
    // A bracketed word of the phrase: '[', anything but a bracket, ']'.
    struct Slot {
        std::uint32_t at;
        std::uint32_t length;
    };
    Slot slots[MAX_SLOTS];
    std::uint32_t count = 0;
    // Nested brackets, more slots than kept or a phrase too long: filled the slow way.
    bool irregular = false;
};
