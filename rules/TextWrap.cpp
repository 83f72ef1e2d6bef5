// Word wrapping of the battle message.
#include "rules/TextWrap.hpp"

#include <string_view>

namespace {

// The running state of one wrap: the width of the current line and what ended the previous word.
struct Wrapper {
    Wrapper(int charWidth, int maxWidth) : charWidth(charWidth), maxWidth(maxWidth) {}

    long long charWidth;
    long long maxWidth;
    long long lineWidth = 0;
    bool anySeparator = false;
    char previousSeparator = 0;
    std::string out;

    void place(std::string_view word) {
        long long width = charWidth * static_cast<long long>(word.size());
        long long lead = lineWidth > 0 ? lineWidth + charWidth : lineWidth;
        if (!anySeparator) {
            out += word;
            lineWidth = width;
        } else if (previousSeparator == '\n' || lead + width > maxWidth) {
            // The wrapped line is counted one character short; the battle message has always been
            // laid out that way, so a wrapped line holds one character more than the first.
            if (width > 0) {
                out += '\n';
                lineWidth = width - charWidth;
            } else {
                lineWidth = 0;
            }
            out += word;
        } else {
            lineWidth = lead + width;
            if (lineWidth > 0) out += ' ';
            out += word;
        }
    }
};

} // namespace

std::string wrapText(const std::string& text, int charWidth, int maxWidth) {
    Wrapper wrapper(charWidth, maxWidth);
    // Each separator gives one character at most, and the closing line end one more.
    wrapper.out.reserve(text.size() + 1);
    const std::string_view all(text);
    size_t start = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const char c = all[i];
        if (c != ' ' && c != '\n') continue;
        wrapper.place(all.substr(start, i - start));
        start = i + 1;
        wrapper.anySeparator = true;
        wrapper.previousSeparator = c;
    }
    wrapper.place(all.substr(start));
    wrapper.out += '\n';
    return wrapper.out;
}
