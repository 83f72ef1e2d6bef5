// Word wrapping of the battle message.
#include "rules/TextWrap.hpp"

#include <cstring>
#include <functional>

namespace {

// Lays the text out into out, which already holds room for every byte of it and the closing line end.
// Each separator keeps one place in the output, taken back when it turns out to give nothing; the word
// after it is copied as it comes, and its place is settled once the word's width is known.
size_t layOut(char* out, std::string_view text, long long charWidth, long long maxWidth) {
    char* write = out;
    // Where the separator in front of the current word goes; null for the first word.
    char* slot = nullptr;
    long long lineWidth = 0;
    char previousSeparator = 0;
    // Settles the separator in front of the word that ends at write, and the width of the line.
    auto settle = [&]() {
        const char* wordStart = slot != nullptr ? slot + 1 : out;
        long long width = charWidth * static_cast<long long>(write - wordStart);
        if (slot == nullptr) {
            lineWidth = width;
            return;
        }
        long long lead = lineWidth > 0 ? lineWidth + charWidth : lineWidth;
        char separator = 0;
        if (previousSeparator == '\n' || lead + width > maxWidth) {
            // The wrapped line is counted one character short; the battle message has always been
            // laid out that way, so a wrapped line holds one character more than the first.
            if (width > 0) {
                separator = '\n';
                lineWidth = width - charWidth;
            } else {
                lineWidth = 0;
            }
        } else {
            lineWidth = lead + width;
            if (lineWidth > 0) separator = ' ';
        }
        if (separator != 0) {
            *slot = separator;
        } else {
            // The separator gives nothing: the word moves back into its place.
            std::memmove(slot, slot + 1, static_cast<size_t>(write - slot - 1));
            --write;
        }
    };
    for (const char c : text) {
        if (c != ' ' && c != '\n') {
            *write++ = c;
            continue;
        }
        settle();
        previousSeparator = c;
        slot = write++;
    }
    settle();
    *write++ = '\n';
    return static_cast<size_t>(write - out);
}

} // namespace

void wrapTextInto(std::string& out, std::string_view text, int charWidth, int maxWidth) {
    const char* data = out.data();
    std::less<const char*> before;
    if (!text.empty() && !before(text.data(), data) && before(text.data(), data + out.capacity())) {
        // The text lies in out itself: lay it out from a copy.
        const std::string copy(text);
        wrapTextInto(out, copy, charWidth, maxWidth);
        return;
    }
    // Each separator gives one character at most, and the closing line end one more.
    out.resize(text.size() + 1);
    out.resize(layOut(&out[0], text, charWidth, maxWidth));
}

std::string wrapText(const std::string& text, int charWidth, int maxWidth) {
    std::string out;
    wrapTextInto(out, text, charWidth, maxWidth);
    return out;
}
