// Short texts of a battle (log lines, names, placeholders) searched and put together in line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The battle's texts are a few dozen bytes: compared, and scanned eight bytes at a time, in line where that
// costs less than the library's calls.
namespace shorttext {

template <typename Word> Word load(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof(Word));
    return word;
}

// Two texts of the same length, compared with two overlapping reads where they are short.
inline bool sameBytes(const char* a, const char* b, std::size_t size) {
    if (size >= 8 && size <= 16)
        return load<std::uint64_t>(a) == load<std::uint64_t>(b) &&
               load<std::uint64_t>(a + size - 8) == load<std::uint64_t>(b + size - 8);
    if (size >= 4 && size < 8)
        return load<std::uint32_t>(a) == load<std::uint32_t>(b) &&
               load<std::uint32_t>(a + size - 4) == load<std::uint32_t>(b + size - 4);
    if (size >= 2 && size < 4)
        return load<std::uint16_t>(a) == load<std::uint16_t>(b) &&
               load<std::uint16_t>(a + size - 2) == load<std::uint16_t>(b + size - 2);
    return size == 0 || std::memcmp(a, b, size) == 0;
}

// Whether a byte of the eight in word is c: a zero byte once xored with c. The test may flag a byte
// above a true zero, never one without a zero below it, so it is exact about "any".
inline bool anyByteIs(std::uint64_t word, char c) {
    constexpr std::uint64_t ONES = 0x0101010101010101ULL;
    constexpr std::uint64_t TOPS = 0x8080808080808080ULL;
    word ^= ONES * static_cast<unsigned char>(c);
    return ((word - ONES) & ~word & TOPS) != 0;
}

// Where the first c at or after from stands in text[0, size), else size.
inline std::size_t findByte(const char* text, std::size_t from, std::size_t size, char c) {
    for (; from + 8 <= size; from += 8)
        if (anyByteIs(load<std::uint64_t>(text + from), c)) break;
    for (; from < size; ++from)
        if (text[from] == c) return from;
    return size;
}

// Where needle first stands in text, else npos: what std::string_view::find gives. Each candidate is
// found by the library's byte search (a line often starts with its placeholder: that one needs none) and
// compared in line.
inline std::size_t findText(std::string_view text, std::string_view needle) {
    const std::size_t size = needle.size();
    if (size == 0) return 0;
    if (size > text.size()) return std::string_view::npos;
    const char* const bytes = text.data();
    // The place past the last one where the needle can start.
    const char* const starts = bytes + (text.size() - size + 1);
    const char* at = bytes;
    while (true) {
        if (*at != needle[0]) {
            at = static_cast<const char*>(std::memchr(at, needle[0], static_cast<std::size_t>(starts - at)));
            if (at == nullptr) return std::string_view::npos;
        }
        if (sameBytes(at, needle.data(), size)) return static_cast<std::size_t>(at - bytes);
        if (++at == starts) return std::string_view::npos;
    }
}

} // namespace shorttext
