// Word wrapping of the battle message.
#include "rules/TextWrap.hpp"

#include <cstdint>
#include <cstring>
#include <functional>

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\n'; }

// Where the next blank or newline at or after from stands in text[0, size), else size.
size_t nextSeparator(const char* text, size_t from, size_t size) {
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Eight bytes at a time: a byte below 0x21 sets its top bit in hits (bytes above it may too, so each
    // hit is checked, lowest first); both separators are below 0x21, so none is missed.
    constexpr std::uint64_t BELOW = 0x2121212121212121ULL;
    constexpr std::uint64_t TOPS = 0x8080808080808080ULL;
    for (; from + 8 <= size; from += 8) {
        std::uint64_t bytes;
        std::memcpy(&bytes, text + from, 8);
        for (std::uint64_t hits = (bytes - BELOW) & ~bytes & TOPS; hits != 0; hits &= hits - 1) {
            size_t at = from + static_cast<size_t>(__builtin_ctzll(hits) >> 3);
            if (isSeparator(text[at])) return at;
        }
    }
#endif
    for (; from < size; ++from)
        if (isSeparator(text[from])) return from;
    return size;
}

// Lays out the text held in text[0, size) in place, the buffer having room for one byte more; gives the
// length of the result. Each separator becomes a blank, a line end or nothing; the words stay where they
// are unless a separator before them gave nothing.
size_t layOut(char* text, size_t size, long long charWidth, long long maxWidth) {
    size_t read = 0;
    size_t write = 0;
    long long lineWidth = 0;
    char previousSeparator = 0;
    for (bool first = true;; first = false) {
        const size_t end = nextSeparator(text, read, size);
        const size_t length = end - read;
        const long long width = charWidth * static_cast<long long>(length);
        if (first) {
            lineWidth = width;
        } else {
            char separator = 0;
            long long lead = lineWidth > 0 ? lineWidth + charWidth : lineWidth;
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
            // The separator was read already: its place is free to write.
            if (separator != 0) text[write++] = separator;
            if (write != read && length != 0) std::memmove(text + write, text + read, length);
        }
        write += length;
        if (end == size) break;
        previousSeparator = text[end];
        read = end + 1;
    }
    text[write++] = '\n';
    return write;
}

// Whether the text, its closing line end aside, is lines that each fit and that layOut keeps as they are:
// every line starts with a word and is short enough; a later line, counted one character short, must not
// start with a one-letter word followed by a blank that leads nowhere, which it would drop. Laid out, such
// a text only gets its closing line end. Most battle messages are one or two such lines.
bool keepsEveryLine(std::string_view text, int charWidth, int maxWidth) {
    if (text.empty() || charWidth <= 0 || maxWidth < 0) return false;
    const size_t widest = static_cast<size_t>(maxWidth / charWidth);
    for (bool first = true;; first = false) {
        const void* found = std::memchr(text.data(), '\n', text.size());
        const size_t end =
            found ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : text.size();
        const std::string_view line = text.substr(0, end);
        if (line.empty() || line.size() > widest || line.front() == ' ') return false;
        if (!first && line.size() >= 2 && line[1] == ' ' && (line.size() == 2 || line[2] == ' '))
            return false;
        if (!found) return true;
        text.remove_prefix(end + 1);
    }
}

} // namespace

void wrapTextInto(std::string& out, std::string_view text, int charWidth, int maxWidth) {
    // Emptied and appended to, which the library does in line and at less cost than replacing; a text
    // read from out itself is replaced the safe way.
    const std::less<const char*> before;
    const bool fromOut = !before(text.data(), out.data()) && before(text.data(), out.data() + out.capacity());
    if (fromOut) {
        const std::string copy(text);
        wrapTextInto(out, copy, charWidth, maxWidth);
        return;
    }
    out.clear();
    std::string_view line = text;
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (keepsEveryLine(line, charWidth, maxWidth)) {
        out.append(text.data(), text.size());
        if (line.size() == text.size()) out.push_back('\n');
        return;
    }
    // Each separator gives one character at most, and the closing line end one more.
    const size_t size = text.size();
    out.append(text.data(), size);
    out.push_back('\n');
    out.erase(layOut(&out[0], size, charWidth, maxWidth));
}

std::string wrapText(const std::string& text, int charWidth, int maxWidth) {
    std::string out;
    wrapTextInto(out, text, charWidth, maxWidth);
    return out;
}
