// Word wrapping of the battle message.
#include "rules/TextWrap.hpp"

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

    void place(const std::string& word) {
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
    std::string word;
    for (char c : text) {
        if (c != ' ' && c != '\n') {
            word += c;
            continue;
        }
        wrapper.place(word);
        word.clear();
        wrapper.anySeparator = true;
        wrapper.previousSeparator = c;
    }
    wrapper.place(word);
    wrapper.out += '\n';
    return wrapper.out;
}
