// One line of a buff list on screen: a text and a colour code chosen by whoever builds the list.
#include "rules/ZelkinBuffBattleDesc.hpp"

#include <cstring>

#include "rules/ZelkinBuffData.hpp"

std::string& BattleDescWriter::add(int color) {
    if (used == lines.size()) lines.emplace_back(std::string(), color);
    ZelkinBuffBattleDesc& line = lines[used++];
    line.text.clear();
    line.color = color;
    return line.text;
}

void BattleDescWriter::addBuff(const ZelkinBuffData& definition, int number, int color) {
    std::string& text = add(color);
    const std::string& spot = definition.getSpot();
    const std::string& name = definition.getName();
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
