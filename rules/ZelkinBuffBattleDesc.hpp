// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ZelkinBuffData;

class ZelkinBuffBattleDesc {
public:
    ZelkinBuffBattleDesc(std::string text, int color) : text(std::move(text)), color(color) {}
    ZelkinBuffBattleDesc(const ZelkinBuffBattleDesc&) = default;
    ZelkinBuffBattleDesc(ZelkinBuffBattleDesc&&) = default;
    ZelkinBuffBattleDesc& operator=(const ZelkinBuffBattleDesc&) = default;
    ZelkinBuffBattleDesc& operator=(ZelkinBuffBattleDesc&&) = default;
    virtual ~ZelkinBuffBattleDesc() = default;

    // A reference into this record: valid as long as the record, never into a temporary copy.
    virtual const std::string& getText() const { return text; }
    virtual int getColor() const { return color; }

private:
    friend class BattleDescWriter;

    std::string text;
    int color = 0;
    // The buff definition the writer made this line for, null for any other line: the line of the same
    // definition in the next list differs at most in its number.
    const ZelkinBuffData* source = nullptr;
};

// Writes a list of lines anew over the previous one: each line reuses the text storage of the line it
// replaces, so a list rebuilt with lines no longer than before allocates nothing. finish drops the lines
// left over from the previous list.
class BattleDescWriter {
public:
    explicit BattleDescWriter(std::vector<ZelkinBuffBattleDesc>& lines) : lines(lines) {}
    BattleDescWriter(const BattleDescWriter&) = delete;
    BattleDescWriter& operator=(const BattleDescWriter&) = delete;

    // The text of a new last line of that colour, empty, for the caller to write.
    std::string& add(int color);
    // A new last line of that colour holding text; the line it replaces keeps its text when it is the same.
    void addText(int color, std::string_view text);
    // A buff's line: "spot : name", without the spot part when it has none, then " (number)" when the
    // number is above 0. Over the same buff's line only the number is written again.
    void addBuff(const ZelkinBuffData& definition, int number, int color);
    void finish();
    // The text of the previous list's next line, for the caller to amend in place instead of writing it
    // anew; null when that list has no more lines. keepNext then counts it as written, in that colour.
    std::string* nextLine() { return used < lines.size() ? &lines[used].text : nullptr; }
    void keepNext(int color);

private:
    std::vector<ZelkinBuffBattleDesc>& lines;
    size_t used = 0;
};

// Appends value in decimal, as std::to_string writes it.
void appendDecimal(std::string& out, int value);

// What follows text's first at bytes replaced by tail, in place when it is as long.
inline void replaceTail(std::string& text, size_t at, std::string_view tail) {
    // Most often the new tail is as long as the old one (a count changing by one).
    if (text.size() - at == tail.size()) {
        if (!tail.empty()) std::memcpy(&text[at], tail.data(), tail.size());
    } else {
        text.replace(at, text.size() - at, tail.data(), tail.size());
    }
}

// Value in decimal, as std::to_string writes it, held on the stack for a fill that only reads it.
class DecimalText {
public:
    explicit DecimalText(int value)
        : length(static_cast<size_t>(std::to_chars(digits, digits + sizeof(digits), value).ptr - digits)) {}
    std::string_view view() const { return std::string_view(digits, length); }

private:
    char digits[std::numeric_limits<int>::digits10 + 2];
    size_t length;
};
