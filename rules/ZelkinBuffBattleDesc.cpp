// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#include "rules/ZelkinBuffBattleDesc.hpp"

#include <cstring>

#include "rules/ZelkinBuffData.hpp"

namespace {

// What follows a buff line's spot and name, from at on, made " (number)", or nothing for a number not
// above 0.
void replaceNumber(std::string& text, size_t at, int number) {
    char end[16];
    size_t size = 0;
    if (number > 0) {
        end[0] = ' ';
        end[1] = '(';
        char* write = std::to_chars(end + 2, end + sizeof(end), number).ptr;
        *write++ = ')';
        size = static_cast<size_t>(write - end);
    }
    replaceTail(text, at, std::string_view(end, size));
}

} // namespace

std::string& BattleDescWriter::add(int color) {
    if (used == lines.size()) {
        // Room for a usual list at once rather than growing line by line.
        constexpr size_t USUAL_LINES = 8;
        if (lines.capacity() < USUAL_LINES) lines.reserve(USUAL_LINES);
        lines.emplace_back(std::string(), color);
    }
    ZelkinBuffBattleDesc& line = lines[used++];
    line.text.clear();
    line.color = color;
    line.source = nullptr;
    return line.text;
}

void BattleDescWriter::addText(int color, std::string_view text) {
    // A list rebuilt for one changed line has the others as they were.
    if (used < lines.size() && lines[used].text == text) {
        keepNext(color);
        return;
    }
    add(color).append(text.data(), text.size());
}

void BattleDescWriter::keepNext(int color) {
    ZelkinBuffBattleDesc& line = lines[used++];
    line.color = color;
    line.source = nullptr;
}

void BattleDescWriter::addBuff(const ZelkinBuffData& definition, int number, int color) {
    const std::string& spot = definition.getSpot();
    const std::string& name = definition.getName();
    // The line it replaces was this buff's too: the spot and name stay, only the number after them is
    // written again (a buff's duration changes every turn).
    if (used < lines.size() && lines[used].source == &definition) {
        ZelkinBuffBattleDesc& line = lines[used];
        const size_t head = (spot.empty() ? 0 : spot.size() + 3) + name.size();
        if (line.text.size() >= head) {
            ++used;
            line.color = color;
            replaceNumber(line.text, head, number);
            return;
        }
    }
    std::string& text = add(color);
    lines[used - 1].source = &definition;
    // Laid out on the stack and added to the emptied line in one go; a line too long for it is appended
    // piece by piece.
    char line[128];
    constexpr size_t NUMBER_ROOM = 16;
    if (spot.size() + name.size() + NUMBER_ROOM > sizeof(line)) {
        if (!spot.empty()) text.append(spot).append(" : ");
        text += name;
        if (number > 0) {
            text += " (";
            appendDecimal(text, number);
            text += ')';
        }
        return;
    }
    char* write = line;
    if (!spot.empty()) {
        std::memcpy(write, spot.data(), spot.size());
        write += spot.size();
        std::memcpy(write, " : ", 3);
        write += 3;
    }
    std::memcpy(write, name.data(), name.size());
    write += name.size();
    if (number > 0) {
        *write++ = ' ';
        *write++ = '(';
        write = std::to_chars(write, line + sizeof(line), number).ptr;
        *write++ = ')';
    }
    text.append(line, static_cast<size_t>(write - line));
}

void BattleDescWriter::finish() {
    if (used < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(used), lines.end());
}

void appendDecimal(std::string& out, int value) { out.append(DecimalText(value).view()); }
